#include "Localisation.h"

#include <cstring>

#include "KStrCharOps.h"

// Bytes above 127 are written as hexadecimal escapes of Windows-1252; a string is split after
// each escape so that no following letter is read as a further hex digit. "&" marks the access
// key of a label, check box or button (AccessKeys.h): one per control that takes input, none on OK
// and Cancel, which Enter and Escape serve, and none twice in a language, counting the Tcl label's
// (QuorvelRes.h); none in the title, the frames and the lists.

namespace {

// clang-format off
const LanguageTexts kTexts[kTranslatedLanguageCount] = {
    {"en", "Krumbel - Options",
     {"Cancel", "&Defaults", "OK", "Full &screen", "&Adaptor", "&Rendering", "&Framerate",
      "Lan&guage", "Screen &mode", "&Objects", "Detail settings", "&Landscape", "&Textures"},
     "Graphics settings",
     {"Low", "Medium", "High"},
     {"Minimum", "Low", "Medium", "High", "Maximum"},
     {"English", "German", "French", "Spanish", "Italian", "Dutch", "Japanese"}},

    {"de", "Krumbel - Einstellungen",
     {"Abbruch", "Vor&einstellung", "OK", "&Vollbild", "&Grafikkarte", "&Renderer",
      "&Bildwiederholrate", "&Sprache", "&Aufl\xF6" "sung", "&Objekte", "Detailstufe",
      "&Landschaft", "&Texturen"},
     "Grafikeinstellungen",
     {"Niedrig", "Mittel", "Hoch"},
     {"Minimal", "Niedrig", "Mittel", "Hoch", "Maximal"},
     {"Englisch", "Deutsch", "Franz\xF6" "sisch", "Spanish", "Italian", "Dutch", "Japanese"}},

    {"fr", "Options - Krumbel",
     {"Annuler", "Par &d\xE9" "faut", "OK", "Plein \xE9&cran", "Carte &graphique", "&Rendu",
      "&Vitesse de trame", "&Langue", "R\xE9&solution", "&Objets",
      "R\xE9" "glage d\xE9" "taill\xE9", "&Paysage", "&Textures"},
     "R\xE9" "glages graphiques",
     {"Faible", "Moyen", "Elev\xE9"},
     {"Minimum", "Faible", "Moyen", "Elev\xE9", "Maximum"},
     {"Anglais", "Allemand", "Fran\xE7" "ais", "Spanish", "Italian", "Dutch", "Japonais"}},

    {"es", "Pottlers - Opciones",
     {"Cancelar", "&Predeterminado", "OK", "Pantalla &completa", "Tarjeta &gr\xE1" "fica",
      "&Rendering", "Tasa de refresco de &la imagen", "&Idioma", "&Definici\xF3" "n", "&Objetos",
      "Grado de detalle", "P&aisaje", "&Texturas"},
     "Ajustes de gr\xE1" "ficos",
     {"Bajo", "Medio", "Alto"},
     {"M\xED" "nimo", "Bajo", "Medio", "Alto", "M\xE1" "ximo"},
     {"Ingl\xE9" "s", "Alem\xE1" "n", "French", "Spanish", "Italian", "Dutch", "Japon\xE9" "s"}},

    {"it", "Pottlers - Regolazioni",
     {"Annulla", "&Preregolazione", "OK", "Immagine &completa", "Scheda &grafica", "&Renderer",
      "&Quota ripetizione immagine", "&Lingua", "R&isoluzione", "&Oggetti", "Livello dettagli",
      "P&aesaggio", "&Strutture"},
     "Regolazioni grafiche",
     {"Basso", "Medio", "Alto"},
     {"Minimo", "Basso", "Medio", "Alto", "Massimo"},
     {"Inglese", "Tedesco", "French", "Spanish", "Italian", "Dutch", "Giapponese"}},

    {"nl", "Pottlers - Instellingen",
     {"Annuleren", "&Standaard", "OK", "&Beeldvullend", "&Grafische kaart", "&Renderer",
      "&Frame rate", "T&aal", "Scherm&instelling", "&Objecten", "Details", "&Landschap",
      "&Textures"},
     "Grafische instellingen",
     {"Weinig", "Gemiddeld", "Veel"},
     {"Minimaal", "Weinig", "Gemiddeld", "Veel", "Maximaal"},
     {"Engels", "Duits", "French", "Spanish", "Italian", "Dutch", "Japans"}},
};

const RatingFigureTexts kFigureTexts[kTranslatedLanguageCount] = {
    {"Processor: %d MHz",
     "Available memory: %d MB",
     "Texture memory: %d MB, hardware transform and lighting: %s (every graphics card counts, also those the game can't use)",
     "yes",
     "no",
     "Disk: writing %d MB/s, reading %d MB/s, in %s",
     "Disk rated 0: nothing could be written on the program's drive.",
     "Disk rated 0: the test file could not be written or read completely.",
     "Disk rated 0: the test took too long.",
     "Average: memory counts most, then processor, graphics and disk.",
     "F1 shows these figures, Ctrl+C copies them."},
    {"Prozessor: %d MHz",
     "Freier Arbeitsspeicher: %d MB",
     "Texturspeicher: %d MB, Hardware-Transformation und -Beleuchtung: %s (jede Grafikkarte z\xE4" "hlt, auch eine, die das Spiel nicht nutzen kann)",
     "ja",
     "nein",
     "Festplatte: schreiben %d MB/s, lesen %d MB/s, in %s",
     "Festplatte mit 0 bewertet: Auf dem Laufwerk des Programms lie\xDF" " sich nichts schreiben.",
     "Festplatte mit 0 bewertet: Die Testdatei lie\xDF" " sich nicht vollst\xE4" "ndig schreiben oder lesen.",
     "Festplatte mit 0 bewertet: Der Test dauerte zu lange.",
     "Durchschnitt: Der Arbeitsspeicher z\xE4" "hlt am meisten, dann Prozessor, Grafik und Festplatte.",
     "F1 zeigt diese Angaben, Strg+C kopiert sie."},
    {"Processeur : %d MHz",
     "M\xE9" "moire disponible : %d Mo",
     "M\xE9" "moire de textures : %d Mo, transformation et \xE9" "clairage mat\xE9" "riels : %s (toutes les cartes graphiques comptent, m\xEA" "me celles que le jeu ne peut pas utiliser)",
     "oui",
     "non",
     "Disque : \xE9" "criture %d Mo/s, lecture %d Mo/s, dans %s",
     "Disque not\xE9" " 0 : rien n'a pu \xEA" "tre \xE9" "crit sur le lecteur du programme.",
     "Disque not\xE9" " 0 : le fichier de test n'a pas pu \xEA" "tre \xE9" "crit ou lu enti\xE8" "rement.",
     "Disque not\xE9" " 0 : le test a dur\xE9" " trop longtemps.",
     "Moyenne : la m\xE9" "moire compte le plus, puis le processeur, le graphisme et le disque.",
     "F1 affiche ces chiffres, Ctrl+C les copie."},
    {"Procesador: %d MHz",
     "Memoria disponible: %d MB",
     "Memoria de texturas: %d MB, transformaci\xF3" "n e iluminaci\xF3" "n por hardware: %s (cuentan todas las tarjetas gr\xE1" "ficas, tambi\xE9" "n las que el juego no puede usar)",
     "s\xED",
     "no",
     "Disco: escritura %d MB/s, lectura %d MB/s, en %s",
     "Disco valorado con 0: no se pudo escribir nada en la unidad del programa.",
     "Disco valorado con 0: el archivo de prueba no se pudo escribir o leer por completo.",
     "Disco valorado con 0: la prueba tard\xF3" " demasiado.",
     "Media: la memoria es lo que m\xE1" "s cuenta, despu\xE9" "s el procesador, los gr\xE1" "ficos y el disco.",
     "F1 muestra estas cifras, Ctrl+C las copia."},
    {"Processore: %d MHz",
     "Memoria disponibile: %d MB",
     "Memoria texture: %d MB, trasformazione e illuminazione hardware: %s (contano tutte le schede grafiche, anche quelle che il gioco non pu\xF2" " usare)",
     "s\xEC",
     "no",
     "Disco: scrittura %d MB/s, lettura %d MB/s, in %s",
     "Disco valutato 0: non \xE8" " stato possibile scrivere nulla sull'unit\xE0" " del programma.",
     "Disco valutato 0: non \xE8" " stato possibile scrivere o leggere completamente il file di prova.",
     "Disco valutato 0: il test \xE8" " durato troppo.",
     "Media: la memoria conta di pi\xF9" ", poi il processore, la grafica e il disco.",
     "F1 mostra questi dati, Ctrl+C li copia."},
    {"Processor: %d MHz",
     "Beschikbaar geheugen: %d MB",
     "Textuurgeheugen: %d MB, hardwarematige transformatie en belichting: %s (elke grafische kaart telt, ook een die het spel niet kan gebruiken)",
     "ja",
     "nee",
     "Schijf: schrijven %d MB/s, lezen %d MB/s, in %s",
     "Schijf beoordeeld met 0: er kon niets worden geschreven op het station van het programma.",
     "Schijf beoordeeld met 0: het testbestand kon niet volledig worden geschreven of gelezen.",
     "Schijf beoordeeld met 0: de test duurde te lang.",
     "Gemiddelde: het geheugen telt het zwaarst, dan processor, grafische kaart en schijf.",
     "F1 toont deze gegevens, Ctrl+C kopieert ze."},
};
const DisplayFitnessTexts kDisplayTexts[kTranslatedLanguageCount] = {
    // English
    {{"",
      "This graphics card offers no 3D to the game. Install or update its driver (F1 tells more).",
      "This graphics card offers no 16-bit depth buffer. Install or update its driver (F1).",
      "Choose another renderer: this one has no 16-bit depth buffer.",
      "Choose another renderer: this one can't keep textures in graphics memory.",
      "Choose another renderer: the game can't use \x93" "Hardware TnL\x94" ".",
      "This graphics card offers the game no renderer. Install or update its driver (F1).",
      "Choose a renderer.",
      "No graphics card found. Install or update the graphics driver (F1 tells more)."},
     {"usable",
      "no 3D acceleration",
      "no 16-bit depth buffer",
      "no 16-bit depth buffer",
      "can't keep textures in graphics memory",
      "hardware transform and lighting, which the game can't use",
      "offers no renderer",
      "no renderer chosen",
      "no graphics card found"},
     "Graphics cards and renderers for the game:",
     "The game needs a graphics card with 3D acceleration and 16-bit depth buffers.\n"
     "Install or update the graphics card's driver; under Wine, the 32-bit OpenGL driver.\n"
     "In a virtual machine or over a remote desktop, turn on 3D acceleration, or play on the computer itself.\n"
     "A DirectDraw replacement in the game's folder that offers only 2D keeps the game from drawing: remove it."},
    // German
    {{"",
      "Diese Grafikkarte bietet dem Spiel kein 3D. Treiber installieren oder erneuern (F1).",
      "Diese Grafikkarte bietet keinen 16-Bit-Tiefenpuffer. Treiber erneuern (F1).",
      "Anderen Renderer w\xE4" "hlen: dieser hat keinen 16-Bit-Tiefenpuffer.",
      "Anderen Renderer w\xE4" "hlen: dieser kann Texturen nicht im Grafikspeicher halten.",
      "Anderen Renderer w\xE4" "hlen: das Spiel kann \x84" "Hardware TnL\x93" " nicht nutzen.",
      "Diese Grafikkarte bietet keinen Renderer. Treiber installieren oder erneuern (F1).",
      "Renderer w\xE4" "hlen.",
      "Keine Grafikkarte gefunden. Grafiktreiber installieren oder erneuern (F1)."},
     {"verwendbar",
      "keine 3D-Beschleunigung",
      "kein 16-Bit-Tiefenpuffer",
      "kein 16-Bit-Tiefenpuffer",
      "kann Texturen nicht im Grafikspeicher halten",
      "Hardware-Transformation und -Beleuchtung, die das Spiel nicht nutzen kann",
      "bietet keinen Renderer",
      "kein Renderer gew\xE4" "hlt",
      "keine Grafikkarte gefunden"},
     "Grafikkarten und Renderer f\xFC" "r das Spiel:",
     "Das Spiel braucht eine Grafikkarte mit 3D-Beschleunigung und 16-Bit-Tiefenpuffern.\n"
     "Installieren oder erneuern Sie den Treiber der Grafikkarte; unter Wine den 32-Bit-OpenGL-Treiber.\n"
     "In einer virtuellen Maschine oder per Remotedesktop: 3D-Beschleunigung einschalten oder am Computer selbst spielen.\n"
     "Ein DirectDraw-Ersatz im Ordner des Spiels, der nur 2D bietet, h\xE4" "lt das Spiel vom Zeichnen ab: entfernen Sie ihn."},
    // French
    {{"",
      "Cette carte n'offre pas de 3D au jeu. Installez ou mettez \xE0" " jour son pilote (F1).",
      "Cette carte n'a pas de tampon de profondeur 16\xA0" "bits. Mettez \xE0" " jour son pilote (F1).",
      "Choisissez un autre rendu\xA0" ": celui-ci n'a pas de tampon de profondeur 16\xA0" "bits.",
      "Choisissez un autre rendu\xA0" ": celui-ci ne garde pas les textures en m\xE9" "moire graphique.",
      "Choisissez un autre rendu\xA0" ": le jeu ne peut pas utiliser \xAB\xA0" "Hardware TnL\xA0\xBB" ".",
      "Cette carte n'offre aucun rendu. Installez ou mettez \xE0" " jour son pilote (F1).",
      "Choisissez un rendu.",
      "Aucune carte graphique trouv\xE9" "e. Installez ou mettez \xE0" " jour le pilote graphique (F1)."},
     {"utilisable",
      "pas d'acc\xE9" "l\xE9" "ration 3D",
      "pas de tampon de profondeur 16\xA0" "bits",
      "pas de tampon de profondeur 16\xA0" "bits",
      "ne garde pas les textures en m\xE9" "moire graphique",
      "transformation et \xE9" "clairage mat\xE9" "riels, que le jeu ne peut pas utiliser",
      "n'offre aucun rendu",
      "aucun rendu choisi",
      "aucune carte graphique trouv\xE9" "e"},
     "Cartes graphiques et rendus pour le jeu\xA0" ":",
     "Le jeu a besoin d'une carte graphique avec acc\xE9" "l\xE9" "ration 3D et tampons de profondeur 16\xA0" "bits.\n"
     "Installez ou mettez \xE0" " jour le pilote de la carte graphique\xA0" "; sous Wine, le pilote OpenGL 32\xA0" "bits.\n"
     "Dans une machine virtuelle ou par bureau \xE0" " distance, activez l'acc\xE9" "l\xE9" "ration 3D, ou jouez sur l'ordinateur lui-m\xEA" "me.\n"
     "Un remplacement de DirectDraw dans le dossier du jeu qui n'offre que la 2D emp\xEA" "che le jeu de dessiner\xA0" ": supprimez-le."},
    // Spanish
    {{"",
      "Esta tarjeta gr\xE1" "fica no ofrece 3D al juego. Instale o actualice su controlador (F1).",
      "Esta tarjeta no tiene b\xFA" "fer de profundidad de 16 bits. Actualice su controlador (F1).",
      "Elija otro renderizador: este no tiene b\xFA" "fer de profundidad de 16 bits.",
      "Elija otro renderizador: este no puede guardar texturas en la memoria gr\xE1" "fica.",
      "Elija otro renderizador: el juego no puede usar \xAB" "Hardware TnL\xBB" ".",
      "Esta tarjeta gr\xE1" "fica no ofrece renderizador. Instale o actualice su controlador (F1).",
      "Elija un renderizador.",
      "No se encontr\xF3" " ninguna tarjeta gr\xE1" "fica. Instale o actualice el controlador (F1)."},
     {"utilizable",
      "sin aceleraci\xF3" "n 3D",
      "sin b\xFA" "fer de profundidad de 16 bits",
      "sin b\xFA" "fer de profundidad de 16 bits",
      "no puede guardar texturas en la memoria gr\xE1" "fica",
      "transformaci\xF3" "n e iluminaci\xF3" "n por hardware, que el juego no puede usar",
      "no ofrece renderizador",
      "ning\xFA" "n renderizador elegido",
      "no se encontr\xF3" " ninguna tarjeta gr\xE1" "fica"},
     "Tarjetas gr\xE1" "ficas y renderizadores para el juego:",
     "El juego necesita una tarjeta gr\xE1" "fica con aceleraci\xF3" "n 3D y b\xFA" "feres de profundidad de 16 bits.\n"
     "Instale o actualice el controlador de la tarjeta gr\xE1" "fica; en Wine, el controlador OpenGL de 32 bits.\n"
     "En una m\xE1" "quina virtual o un escritorio remoto, active la aceleraci\xF3" "n 3D, o juegue en el propio ordenador.\n"
     "Un sustituto de DirectDraw en la carpeta del juego que solo ofrece 2D impide que el juego dibuje: elim\xED" "nelo."},
    // Italian
    {{"",
      "Questa scheda grafica non offre 3D al gioco. Installare o aggiornare il driver (F1).",
      "Questa scheda non ha buffer di profondit\xE0" " a 16 bit. Aggiornare il driver (F1).",
      "Scegliere un altro renderer: questo non ha buffer di profondit\xE0" " a 16 bit.",
      "Scegliere un altro renderer: questo non tiene le texture nella memoria grafica.",
      "Scegliere un altro renderer: il gioco non pu\xF2" " usare \xAB" "Hardware TnL\xBB" ".",
      "Questa scheda grafica non offre renderer. Installare o aggiornare il driver (F1).",
      "Scegliere un renderer.",
      "Nessuna scheda grafica trovata. Installare o aggiornare il driver grafico (F1)."},
     {"utilizzabile",
      "nessuna accelerazione 3D",
      "nessun buffer di profondit\xE0" " a 16 bit",
      "nessun buffer di profondit\xE0" " a 16 bit",
      "non tiene le texture nella memoria grafica",
      "trasformazione e illuminazione hardware, che il gioco non pu\xF2" " usare",
      "non offre alcun renderer",
      "nessun renderer scelto",
      "nessuna scheda grafica trovata"},
     "Schede grafiche e renderer per il gioco:",
     "Il gioco richiede una scheda grafica con accelerazione 3D e buffer di profondit\xE0" " a 16 bit.\n"
     "Installare o aggiornare il driver della scheda grafica; con Wine, il driver OpenGL a 32 bit.\n"
     "In una macchina virtuale o un desktop remoto, attivare l'accelerazione 3D, oppure giocare sul computer stesso.\n"
     "Un sostituto di DirectDraw nella cartella del gioco che offre solo il 2D impedisce al gioco di disegnare: rimuoverlo."},
    // Dutch
    {{"",
      "Deze grafische kaart biedt geen 3D. Installeer of werk het stuurprogramma bij (F1).",
      "Deze kaart heeft geen 16-bits dieptebuffer. Werk het stuurprogramma bij (F1).",
      "Kies een andere renderer: deze heeft geen 16-bits dieptebuffer.",
      "Kies een andere renderer: deze houdt texturen niet in het grafisch geheugen.",
      "Kies een andere renderer: het spel kan \x84" "Hardware TnL\x94" " niet gebruiken.",
      "Deze kaart biedt geen renderer. Installeer of werk het stuurprogramma bij (F1).",
      "Kies een renderer.",
      "Geen grafische kaart gevonden. Installeer of werk het stuurprogramma bij (F1)."},
     {"bruikbaar",
      "geen 3D-versnelling",
      "geen 16-bits dieptebuffer",
      "geen 16-bits dieptebuffer",
      "houdt texturen niet in het grafisch geheugen",
      "hardwarematige transformatie en belichting, die het spel niet kan gebruiken",
      "biedt geen renderer",
      "geen renderer gekozen",
      "geen grafische kaart gevonden"},
     "Grafische kaarten en renderers voor het spel:",
     "Het spel heeft een grafische kaart met 3D-versnelling en 16-bits dieptebuffers nodig.\n"
     "Installeer of werk het stuurprogramma van de grafische kaart bij; onder Wine het 32-bits OpenGL-stuurprogramma.\n"
     "Zet in een virtuele machine of via extern bureaublad 3D-versnelling aan, of speel op de computer zelf.\n"
     "Een DirectDraw-vervanger in de map van het spel die alleen 2D biedt, houdt het spel van tekenen af: verwijder hem."},
};
// clang-format on

void FillList(LocalisableDialog& dialog, int listId, const char* const* texts, int count) {
    dialog.ClearList(listId);
    for (int i = 0; i < count; ++i) {
        dialog.AddListEntry(listId, texts[i]);
    }
}

}  // namespace

bool IsTranslated(int language) {
    return language >= 0 && language < kTranslatedLanguageCount;
}

const LanguageTexts* TextsOf(int language) {
    return IsTranslated(language) ? &kTexts[language] : nullptr;
}

const RatingFigureTexts* RatingFigureTextsOf(int language) {
    return IsTranslated(language) ? &kFigureTexts[language] : nullptr;
}

const DisplayFitnessTexts* DisplayFitnessTextsOf(int language) {
    return IsTranslated(language) ? &kDisplayTexts[language] : nullptr;
}

const char* LanguageCode(int language) {
    return IsTranslated(language) ? kTexts[language].code : "";
}

int LanguageOfCode(const char* code) {
    if (code == nullptr) {
        return kEnglish;
    }
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        if (kstr_chars::CompareNoCase(code, kTexts[language].code) == 0) {
            return language;
        }
    }
    return kEnglish;
}

bool DrawsAsJapaneseCharacters(const char* entryText) {
    return entryText != nullptr && std::strcmp(entryText, "Japanese") == 0;
}

void LocaliseDialog(LocalisableDialog& dialog) {
    const int landscape = dialog.Selection(IDC_LANDSCAPE);
    const int texture = dialog.Selection(IDC_TEXTURE);
    const int objects = dialog.Selection(IDC_OBJECTS);
    const int language = dialog.Selection(IDC_LANGUAGE);

    if (const LanguageTexts* texts = TextsOf(language)) {
        dialog.SetTitle(texts->title);
        for (int i = 0; i < kRelabelledControlCount; ++i) {
            dialog.SetControlText(kRelabelledControls[i], texts->controlTexts[i]);
        }
        FillList(dialog, IDC_LANDSCAPE, texts->levels, kLevelCount);
        FillList(dialog, IDC_OBJECTS, texts->levels, kLevelCount);
        FillList(dialog, IDC_TEXTURE, texts->textureLevels, kTextureLevelCount);
        FillList(dialog, IDC_LANGUAGE, texts->languageList, kLanguageListSize);
        dialog.SetControlText(IDC_GRAPHICS_GROUP, texts->graphicsGroup);
    }

    // Refilling cleared the selections; a level chosen in one language is the same level in all.
    dialog.Select(IDC_LANDSCAPE, landscape);
    dialog.Select(IDC_TEXTURE, texture);
    dialog.Select(IDC_OBJECTS, objects);
    dialog.Select(IDC_LANGUAGE, language);
}

int LanguageAfterChoice(int chosen) {
    return chosen == kJapanese ? kEnglish : chosen;
}
