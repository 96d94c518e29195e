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
