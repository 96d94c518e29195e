#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "AccessKeys.h"
#include "JapaneseCharacters.h"
#include "Localisation.h"

namespace {

const char kE9 = '\xE9';  // e acute in Windows-1252
const char kF6 = '\xF6';  // o umlaut

// A dialog made of its texts and lists, as the localisation sees it.
class FakeDialog : public LocalisableDialog {
public:
    std::string title = "Krumbel - Start Options";
    std::map<int, std::string> texts;
    std::map<int, std::vector<std::string>> lists;
    std::map<int, int> selections;
    int textChanges = 0;
    int listChanges = 0;

    FakeDialog() {
        lists[IDC_OBJECTS] = lists[IDC_LANDSCAPE] = {"Low", "Medium", "High"};
        lists[IDC_TEXTURE] = {"Minimum", "Low", "Medium", "High", "Maximum"};
        lists[IDC_LANGUAGE] = {"English",  "Deutsch",           "Franz\xF6sisch", "Italienisch",
                               "Spanisch", "Niederl\xE4ndisch", "Japanese"};
        selections = {
            {IDC_OBJECTS, -1}, {IDC_LANDSCAPE, -1}, {IDC_TEXTURE, -1}, {IDC_LANGUAGE, -1}};
    }

    int Selection(int listId) const override { return selections.at(listId); }
    void Select(int listId, int position) override {
        const int size = static_cast<int>(lists.at(listId).size());
        selections[listId] = position >= 0 && position < size ? position : -1;
    }
    void SetTitle(const char* text) override {
        title = text;
        ++textChanges;
    }
    void SetControlText(int controlId, const char* text) override {
        texts[controlId] = text;
        ++textChanges;
    }
    void ClearList(int listId) override {
        lists.at(listId).clear();
        selections[listId] = -1;  // as CB_RESETCONTENT does
        ++listChanges;
    }
    void AddListEntry(int listId, const char* text) override {
        lists.at(listId).push_back(text);
        ++listChanges;
    }

    void Choose(int language, int texture, int landscape, int objects) {
        Select(IDC_LANGUAGE, language);
        Select(IDC_TEXTURE, texture);
        Select(IDC_LANDSCAPE, landscape);
        Select(IDC_OBJECTS, objects);
    }
};

using Words = std::vector<std::string>;

Words ListOf(const char* const* texts, int count) {
    return Words(texts, texts + count);
}

TEST(Localisation, EveryLanguageHasEveryText) {
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        SCOPED_TRACE(language);
        const LanguageTexts* texts = TextsOf(language);
        ASSERT_NE(texts, nullptr);
        std::vector<const char*> all = {texts->code, texts->title, texts->graphicsGroup};
        all.insert(all.end(), std::begin(texts->controlTexts), std::end(texts->controlTexts));
        all.insert(all.end(), std::begin(texts->levels), std::end(texts->levels));
        all.insert(all.end(), std::begin(texts->textureLevels), std::end(texts->textureLevels));
        all.insert(all.end(), std::begin(texts->languageList), std::end(texts->languageList));
        for (const char* text : all) {
            ASSERT_NE(text, nullptr);
            EXPECT_GT(std::strlen(text), 0u);
        }
        // The texture list shares its middle three levels with the other two lists.
        EXPECT_EQ(ListOf(texts->textureLevels + 1, 3), ListOf(texts->levels, 3));
    }
    EXPECT_EQ(TextsOf(kJapanese), nullptr);
    EXPECT_EQ(TextsOf(-1), nullptr);
    EXPECT_EQ(TextsOf(7), nullptr);
}

TEST(Localisation, TitlesNameThePottlersEditionInSpanishItalianAndDutch) {
    const char* titles[] = {"Krumbel - Options",      "Krumbel - Einstellungen",
                            "Options - Krumbel",      "Pottlers - Opciones",
                            "Pottlers - Regolazioni", "Pottlers - Instellingen"};
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        EXPECT_STREQ(TextsOf(language)->title, titles[language]) << language;
    }
}

TEST(Localisation, SingleByteTextsAreExact) {
    const LanguageTexts& de = *TextsOf(kGerman);
    const LanguageTexts& fr = *TextsOf(kFrench);
    const LanguageTexts& es = *TextsOf(kSpanish);
    // Column 1 is the Default button, 8 the screen-mode label (the order of kRelabelledControls).
    ASSERT_EQ(kRelabelledControls[1], IDC_DEFAULTS);
    ASSERT_EQ(kRelabelledControls[8], IDC_SCREEN_MODE_LABEL);
    EXPECT_EQ(std::string(fr.controlTexts[1]), std::string("Par &d") + kE9 + "faut");
    EXPECT_EQ(std::string(de.controlTexts[8]), std::string("&Aufl") + kF6 + "sung");
    EXPECT_EQ(std::string(de.languageList[2]), std::string("Franz") + kF6 + "sisch");
    EXPECT_EQ(std::string(fr.levels[2]), std::string("Elev") + kE9);
    EXPECT_EQ(std::string(fr.controlTexts[10]),
              std::string("R") + kE9 + "glage d" + kE9 + "taill" + kE9);
    EXPECT_EQ(std::string(es.textureLevels[0]),
              "M\xED"
              "nimo");
    EXPECT_EQ(std::string(es.languageList[6]), std::string("Japon") + kE9 + "s");
    EXPECT_EQ(std::strlen(es.languageList[6]), 7u) << "one byte per character";
}

// The relabelled controls' texts as a player reads them, by language index 0 to 5.
struct ReadTexts {
    int id;
    const char* texts[kTranslatedLanguageCount];
};
// clang-format off
const ReadTexts kReadTexts[] = {
    {IDC_CANCEL, {"Cancel", "Abbruch", "Annuler", "Cancelar", "Annulla", "Annuleren"}},
    {IDC_DEFAULTS, {"Defaults", "Voreinstellung", "Par d\xE9" "faut", "Predeterminado",
                    "Preregolazione", "Standaard"}},
    {IDC_OK, {"OK", "OK", "OK", "OK", "OK", "OK"}},
    {IDC_FULL_SCREEN, {"Full screen", "Vollbild", "Plein \xE9" "cran", "Pantalla completa",
                       "Immagine completa", "Beeldvullend"}},
    {IDC_ADAPTER_LABEL, {"Adaptor", "Grafikkarte", "Carte graphique", "Tarjeta gr\xE1" "fica",
                         "Scheda grafica", "Grafische kaart"}},
    {IDC_DEVICE_LABEL, {"Rendering", "Renderer", "Rendu", "Rendering", "Renderer", "Renderer"}},
    {IDC_FRAMERATE_LABEL, {"Framerate", "Bildwiederholrate", "Vitesse de trame",
                           "Tasa de refresco de la imagen", "Quota ripetizione immagine",
                           "Frame rate"}},
    {IDC_LANGUAGE_LABEL, {"Language", "Sprache", "Langue", "Idioma", "Lingua", "Taal"}},
    {IDC_SCREEN_MODE_LABEL, {"Screen mode", "Aufl\xF6" "sung", "R\xE9" "solution",
                             "Definici\xF3" "n", "Risoluzione", "Scherminstelling"}},
    {IDC_OBJECTS_LABEL, {"Objects", "Objekte", "Objets", "Objetos", "Oggetti", "Objecten"}},
    {IDC_DETAIL_GROUP, {"Detail settings", "Detailstufe", "R\xE9" "glage d\xE9" "taill\xE9",
                        "Grado de detalle", "Livello dettagli", "Details"}},
    {IDC_LANDSCAPE_LABEL, {"Landscape", "Landschaft", "Paysage", "Paisaje", "Paesaggio",
                           "Landschap"}},
    {IDC_TEXTURE_LABEL, {"Textures", "Texturen", "Textures", "Texturas", "Strutture",
                         "Textures"}},
};
// clang-format on

// The controls that take input and are named by their own text or the label before them: each
// has a key of its own. OK and Cancel have none (Enter and Escape serve them), nor have the frames.
constexpr int kKeyedControls[] = {
    IDC_LANGUAGE_LABEL,  IDC_ADAPTER_LABEL, IDC_DEVICE_LABEL,    IDC_SCREEN_MODE_LABEL,
    IDC_FULL_SCREEN,     IDC_OBJECTS_LABEL, IDC_LANDSCAPE_LABEL, IDC_TEXTURE_LABEL,
    IDC_FRAMERATE_LABEL, IDC_DEFAULTS,
};

// The marks change no text a player reads: without its mark, each text reads as the dialog has
// always said it.
TEST(Localisation, TextsReadAsWrittenWithoutTheirKeys) {
    ASSERT_EQ(std::size(kReadTexts), static_cast<size_t>(kRelabelledControlCount));
    for (int i = 0; i < kRelabelledControlCount; ++i) {
        ASSERT_EQ(kReadTexts[i].id, kRelabelledControls[i]);
        for (int language = 0; language < kTranslatedLanguageCount; ++language) {
            EXPECT_EQ(WithoutAccessKeyMark(TextsOf(language)->controlTexts[i]),
                      kReadTexts[i].texts[language])
                << kReadTexts[i].id << " in " << LanguageCode(language);
        }
    }
    EXPECT_EQ(WithoutAccessKeyMark(TCL_DEFINES_LABEL_TEXT), "Tcl Defines");
}

// In each language every control that takes input has a letter A to Z of its own, the Tcl field
// too, whose label no language translates. The caption, the frames and the lists show no mark.
TEST(Localisation, EachLanguageGivesEveryControlAKeyOfItsOwn) {
    const char tclKey = AccessKeyOf(TCL_DEFINES_LABEL_TEXT);
    ASSERT_TRUE(tclKey >= 'A' && tclKey <= 'Z');
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        SCOPED_TRACE(LanguageCode(language));
        const LanguageTexts& texts = *TextsOf(language);
        std::map<char, int> owners = {{tclKey, IDC_TCL_DEFINES_LABEL}};
        for (int i = 0; i < kRelabelledControlCount; ++i) {
            const int id = kRelabelledControls[i];
            const char key = AccessKeyOf(texts.controlTexts[i]);
            const bool keyed =
                std::count(std::begin(kKeyedControls), std::end(kKeyedControls), id) != 0;
            EXPECT_EQ(key != 0, keyed) << texts.controlTexts[i];
            if (key != 0) {
                EXPECT_TRUE(key >= 'A' && key <= 'Z') << texts.controlTexts[i];
                const auto [owner, first] = owners.emplace(key, id);
                EXPECT_TRUE(first) << "'" << key << "' of control " << id << " is already control "
                                   << owner->second << "'s";
            }
        }
        EXPECT_EQ(owners.size(), std::size(kKeyedControls) + 1);
        std::vector<const char*> unmarked = {texts.title, texts.graphicsGroup};
        unmarked.insert(unmarked.end(), std::begin(texts.levels), std::end(texts.levels));
        unmarked.insert(unmarked.end(), std::begin(texts.textureLevels),
                        std::end(texts.textureLevels));
        unmarked.insert(unmarked.end(), std::begin(texts.languageList),
                        std::end(texts.languageList));
        for (const char* text : unmarked) {
            EXPECT_EQ(std::strchr(text, '&'), nullptr) << text;
        }
    }
}

TEST(Localisation, LanguageCodes) {
    const char* codes[] = {"en", "de", "fr", "es", "it", "nl"};
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        EXPECT_STREQ(LanguageCode(language), codes[language]);
        EXPECT_EQ(LanguageOfCode(codes[language]), language);
    }
    EXPECT_STREQ(LanguageCode(kJapanese), "");
    EXPECT_STREQ(LanguageCode(-1), "");
    EXPECT_EQ(LanguageOfCode("FR"), kFrench);
    EXPECT_EQ(LanguageOfCode("De"), kGerman);
    for (const char* unknown : std::initializer_list<const char*>{"", "ja", "fra", "d", nullptr}) {
        EXPECT_EQ(LanguageOfCode(unknown), kEnglish) << (unknown ? unknown : "null");
    }
}

TEST(Localisation, OnlyTheEnglishAndGermanListsDrawJapaneseCharacters) {
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        int drawn = 0;
        for (const char* entry : TextsOf(language)->languageList) {
            drawn += DrawsAsJapaneseCharacters(entry);
        }
        EXPECT_EQ(drawn, language <= kGerman ? 1 : 0) << language;
    }
    EXPECT_FALSE(DrawsAsJapaneseCharacters("japanese"));
    EXPECT_FALSE(DrawsAsJapaneseCharacters("Japanese "));
    EXPECT_FALSE(DrawsAsJapaneseCharacters(nullptr));
}

TEST(Localisation, UntranslatedNamesInTheLanguageLists) {
    // Languages without a name in the list's own language stay in English.
    EXPECT_EQ(ListOf(TextsOf(kGerman)->languageList + 3, 4),
              (Words{"Spanish", "Italian", "Dutch", "Japanese"}));
    for (int language : {kSpanish, kItalian, kDutch}) {
        EXPECT_STREQ(TextsOf(language)->languageList[2], "French") << language;
    }
}

TEST(Localisation, FrenchRelabelsAndKeepsPositions) {
    FakeDialog dialog;
    dialog.Choose(kFrench, 4, 1, 0);
    LocaliseDialog(dialog);

    EXPECT_EQ(dialog.title, "Options - Krumbel");
    EXPECT_EQ(dialog.texts[IDC_DEFAULTS], std::string("Par &d") + kE9 + "faut");
    EXPECT_EQ(dialog.texts[IDC_GRAPHICS_GROUP], std::string("R") + kE9 + "glages graphiques");
    EXPECT_EQ(dialog.lists[IDC_TEXTURE],
              (Words{"Minimum", "Faible", "Moyen", std::string("Elev") + kE9, "Maximum"}));
    EXPECT_EQ(dialog.lists[IDC_LANGUAGE][0], "Anglais");
    EXPECT_EQ(dialog.selections[IDC_LANGUAGE], kFrench);
    EXPECT_EQ(dialog.selections[IDC_TEXTURE], 4);
    EXPECT_EQ(dialog.selections[IDC_LANDSCAPE], 1);
    EXPECT_EQ(dialog.selections[IDC_OBJECTS], 0);
}

TEST(Localisation, EveryLanguageSetsEveryTranslatedText) {
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        SCOPED_TRACE(language);
        FakeDialog dialog;
        dialog.Choose(language, -1, 2, 2);
        LocaliseDialog(dialog);
        const LanguageTexts& texts = *TextsOf(language);
        EXPECT_EQ(dialog.texts.size(), kRelabelledControlCount + 1u);
        for (int i = 0; i < kRelabelledControlCount; ++i) {
            EXPECT_EQ(dialog.texts[kRelabelledControls[i]], texts.controlTexts[i]);
        }
        EXPECT_EQ(dialog.texts.count(IDC_TCL_DEFINES_LABEL), 0u) << "never translated";
        EXPECT_EQ(dialog.lists[IDC_OBJECTS], ListOf(texts.levels, kLevelCount));
        EXPECT_EQ(dialog.lists[IDC_LANDSCAPE], ListOf(texts.levels, kLevelCount));
        EXPECT_EQ(dialog.lists[IDC_LANGUAGE], ListOf(texts.languageList, kLanguageListSize));
        EXPECT_EQ(dialog.selections[IDC_TEXTURE], -1) << "an empty selection stays empty";
        EXPECT_EQ(dialog.selections[IDC_OBJECTS], 2);
    }
}

TEST(Localisation, FirstRelabellingFollowsThePositionNotTheInitialEntry) {
    // The initial list holds "Italienisch" at 3 and "Spanisch" at 4; position 3 is Spanish.
    FakeDialog dialog;
    dialog.Choose(kSpanish, 3, 2, 2);
    LocaliseDialog(dialog);
    EXPECT_EQ(dialog.title, "Pottlers - Opciones");
    EXPECT_EQ(dialog.lists[IDC_LANGUAGE][3], "Spanish");
}

TEST(Localisation, NoTranslatedLanguageChangesNothing) {
    for (int language : {-1, static_cast<int>(kJapanese)}) {
        FakeDialog dialog;
        dialog.Choose(language, 2, 1, 0);
        const auto lists = dialog.lists;
        LocaliseDialog(dialog);
        EXPECT_EQ(dialog.textChanges, 0) << language;
        EXPECT_EQ(dialog.listChanges, 0) << language;
        EXPECT_EQ(dialog.lists, lists);
        EXPECT_EQ(dialog.selections[IDC_TEXTURE], 2);
        EXPECT_EQ(dialog.selections[IDC_LANGUAGE], language);
    }
}

TEST(Localisation, JapaneseFallsBackToEnglish) {
    EXPECT_EQ(LanguageAfterChoice(kJapanese), kEnglish);
    for (int language : {-1, 0, 1, 5}) {
        EXPECT_EQ(LanguageAfterChoice(language), language);
    }
}

TEST(JapaneseCharacters, StrokesStayInTheirBox) {
    const auto strokes = JapaneseWordStrokes();
    EXPECT_EQ(strokes.size(), 19u);
    int right = 0, bottom = 0;
    for (const Stroke& stroke : strokes) {
        ASSERT_GE(stroke.count, 2);
        ASSERT_LE(stroke.count, Stroke::kMaxPoints);
        for (int i = 0; i < stroke.count; ++i) {
            EXPECT_GE(stroke.points[i].x, 0);
            EXPECT_GE(stroke.points[i].y, 0);
            right = std::max(right, stroke.points[i].x);
            bottom = std::max(bottom, stroke.points[i].y);
        }
    }
    EXPECT_EQ(right, 37);
    EXPECT_EQ(bottom, 13);
}

}  // namespace
