#include "Localisation.h"

#include <cstring>

#include "KStrCharOps.h"

// Bytes above 127 are written as hexadecimal escapes of Windows-1252; a string is split after
// each escape so that no following letter is read as a further hex digit.

namespace {

// clang-format off
const LanguageTexts kTexts[kTranslatedLanguageCount] = {
    {"en", "Krumbel - Options",
     {"Cancel", "Defaults", "OK", "Full screen", "Adaptor", "Rendering", "Framerate", "Language",
      "Screen mode", "Objects", "Detail settings", "Landscape", "Textures"},
     "Graphics settings",
     {"Low", "Medium", "High"},
     {"Minimum", "Low", "Medium", "High", "Maximum"},
     {"English", "German", "French", "Spanish", "Italian", "Dutch", "Japanese"}},

    {"de", "Krumbel - Einstellungen",
     {"Abbruch", "Voreinstellung", "OK", "Vollbild", "Grafikkarte", "Renderer",
      "Bildwiederholrate", "Sprache", "Aufl\xF6" "sung", "Objekte", "Detailstufe", "Landschaft",
      "Texturen"},
     "Grafikeinstellungen",
     {"Niedrig", "Mittel", "Hoch"},
     {"Minimal", "Niedrig", "Mittel", "Hoch", "Maximal"},
     {"Englisch", "Deutsch", "Franz\xF6" "sisch", "Spanish", "Italian", "Dutch", "Japanese"}},

    {"fr", "Options - Krumbel",
     {"Annuler", "Par d\xE9" "faut", "OK", "Plein \xE9" "cran", "Carte graphique", "Rendu",
      "Vitesse de trame", "Langue", "R\xE9" "solution", "Objets", "R\xE9" "glage d\xE9" "taill\xE9",
      "Paysage", "Textures"},
     "R\xE9" "glages graphiques",
     {"Faible", "Moyen", "Elev\xE9"},
     {"Minimum", "Faible", "Moyen", "Elev\xE9", "Maximum"},
     {"Anglais", "Allemand", "Fran\xE7" "ais", "Spanish", "Italian", "Dutch", "Japonais"}},

    {"es", "Pottlers - Opciones",
     {"Cancelar", "Predeterminado", "OK", "Pantalla completa", "Tarjeta gr\xE1" "fica",
      "Rendering", "Tasa de refresco de la imagen", "Idioma", "Definici\xF3" "n", "Objetos",
      "Grado de detalle", "Paisaje", "Texturas"},
     "Ajustes de gr\xE1" "ficos",
     {"Bajo", "Medio", "Alto"},
     {"M\xED" "nimo", "Bajo", "Medio", "Alto", "M\xE1" "ximo"},
     {"Ingl\xE9" "s", "Alem\xE1" "n", "French", "Spanish", "Italian", "Dutch", "Japon\xE9" "s"}},

    {"it", "Pottlers - Regolazioni",
     {"Annulla", "Preregolazione", "OK", "Immagine completa", "Scheda grafica", "Renderer",
      "Quota ripetizione immagine", "Lingua", "Risoluzione", "Oggetti", "Livello dettagli",
      "Paesaggio", "Strutture"},
     "Regolazioni grafiche",
     {"Basso", "Medio", "Alto"},
     {"Minimo", "Basso", "Medio", "Alto", "Massimo"},
     {"Inglese", "Tedesco", "French", "Spanish", "Italian", "Dutch", "Giapponese"}},

    {"nl", "Pottlers - Instellingen",
     {"Annuleren", "Standaard", "OK", "Beeldvullend", "Grafische kaart", "Renderer", "Frame rate",
      "Taal", "Scherminstelling", "Objecten", "Details", "Landschap", "Textures"},
     "Grafische instellingen",
     {"Weinig", "Gemiddeld", "Veel"},
     {"Minimaal", "Weinig", "Gemiddeld", "Veel", "Maximaal"},
     {"Engels", "Duits", "French", "Spanish", "Italian", "Dutch", "Japans"}},
};

const RatingFigureTexts kFigureTexts[kTranslatedLanguageCount] = {
    {"Processor: %d MHz",
     "Available memory: %d MB",
     "Texture memory: %d MB, hardware transform and lighting: %s",
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
     "Texturspeicher: %d MB, Hardware-Transformation und -Beleuchtung: %s",
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
     "M\xE9" "moire de textures : %d Mo, transformation et \xE9" "clairage mat\xE9" "riels : %s",
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
     "Memoria de texturas: %d MB, transformaci\xF3" "n e iluminaci\xF3" "n por hardware: %s",
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
     "Memoria texture: %d MB, trasformazione e illuminazione hardware: %s",
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
     "Textuurgeheugen: %d MB, hardwarematige transformatie en belichting: %s",
     "ja",
     "nee",
     "Schijf: schrijven %d MB/s, lezen %d MB/s, in %s",
     "Schijf beoordeeld met 0: er kon niets worden geschreven op het station van het programma.",
     "Schijf beoordeeld met 0: het testbestand kon niet volledig worden geschreven of gelezen.",
     "Schijf beoordeeld met 0: de test duurde te lang.",
     "Gemiddelde: het geheugen telt het zwaarst, dan processor, grafische kaart en schijf.",
     "F1 toont deze gegevens, Ctrl+C kopieert ze."},
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
