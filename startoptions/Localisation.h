#pragma once

// The options dialog's texts in its six languages and the rules for relabelling it. Every text is
// a static single-byte Windows-1252 string that stays valid for the program's life: the
// owner-drawn language list keeps pointers to its entries' texts.

#include "GameFitness.h"
#include "res/QuorvelRes.h"

// Positions of the language list; the language in force is its selected position.
enum Language : int {
    kEnglish = 0,
    kGerman,
    kFrench,
    kSpanish,
    kItalian,
    kDutch,
    kJapanese,  // offered, but not available: it shows a notice and falls back to English
};
constexpr int kTranslatedLanguageCount = 6;  // positions 0..5 have texts
constexpr int kLanguageListSize = 7;
constexpr int kLevelCount = 3;         // objects and landscape lists
constexpr int kTextureLevelCount = 5;  // texture list

// The controls relabelled by the localisation, in the order their texts are applied. The group box
// IDC_GRAPHICS_GROUP follows after the lists are refilled; the Tcl label, the rating text, the
// frame-rate number and the display lists' contents are never translated.
inline constexpr int kRelabelledControls[] = {
    IDC_CANCEL,          IDC_DEFAULTS,       IDC_OK,
    IDC_FULL_SCREEN,     IDC_ADAPTER_LABEL,  IDC_DEVICE_LABEL,
    IDC_FRAMERATE_LABEL, IDC_LANGUAGE_LABEL, IDC_SCREEN_MODE_LABEL,
    IDC_OBJECTS_LABEL,   IDC_DETAIL_GROUP,   IDC_LANDSCAPE_LABEL,
    IDC_TEXTURE_LABEL,
};
constexpr int kRelabelledControlCount = sizeof kRelabelledControls / sizeof kRelabelledControls[0];

// Everything one language says in the dialog.
struct LanguageTexts {
    const char* code;  // stored under "Language"
    const char* title;
    const char* controlTexts[kRelabelledControlCount];  // in the order of kRelabelledControls
    const char* graphicsGroup;                          // box 1030, labelled after the lists
    const char* levels[kLevelCount];
    const char* textureLevels[kTextureLevelCount];
    const char* languageList[kLanguageListSize];
};

// The figures behind the ratings, as the rating summary's tooltip gives them: printf formats.
struct RatingFigureTexts {
    const char* processor;  // %d: MHz
    const char* memory;     // %d: MB of available memory
    // %d: MB of texture memory; %s: yes or no, hardware TnL; of every card, usable or not
    const char* graphics;
    const char* yes;
    const char* no;
    const char* disk;                // %d, %d: MB/s writing, reading; %s: the scratch file's folder
    const char* diskNothingWritten;  // the disk's line when it rated 0, by cause
    const char* diskTransferFailed;
    const char* diskTooSlow;
    const char* average;  // how the average weighs the ratings
    const char* keys;     // the tooltip's last line: which keys show and copy the figures
};

// What the dialog says about the display: why OK is disabled and what the player can do, and the
// display section of the figures.
struct DisplayFitnessTexts {
    const char* whyNotOk[kUnfitnessCount];  // beside OK, by reason; empty for kNone
    const char* states[kUnfitnessCount];    // in the figures: "usable" for kNone, else the reason
    const char* heading;                    // the display section's first line
    const char* advice;                     // lines for a reason of the graphics card or its driver
};

bool IsTranslated(int language);  // 0..5

// The texts of a translated language; null for any other position (Japanese, none, garbage).
const LanguageTexts* TextsOf(int language);

// The figure texts of a translated language; null for any other position.
const RatingFigureTexts* RatingFigureTextsOf(int language);

// The display texts of a translated language; null for any other position.
const DisplayFitnessTexts* DisplayFitnessTextsOf(int language);

// The code stored for a list position: "en" ... "nl"; empty text for anything else.
const char* LanguageCode(int language);

// The list position for a stored code, compared without regard to case; English (0) for an
// unknown, empty or null code.
int LanguageOfCode(const char* code);

// Whether the language list draws an entry as the three Japanese characters instead of its text:
// exactly "Japanese", byte for byte.
bool DrawsAsJapaneseCharacters(const char* entryText);

// What the localisation needs from the dialog: its title, the relabelled controls and the four
// lists, addressed by control id.
class LocalisableDialog {
public:
    virtual int Selection(int listId) const = 0;        // -1 when nothing is selected
    virtual void Select(int listId, int position) = 0;  // -1 clears the selection
    virtual void SetTitle(const char* text) = 0;
    virtual void SetControlText(int controlId, const char* text) = 0;
    virtual void ClearList(int listId) = 0;
    // The language list's entries must go through its own AddString, which keeps the pointer.
    virtual void AddListEntry(int listId, const char* text) = 0;

protected:
    ~LocalisableDialog() = default;
};

// Relabels the dialog in the language selected in its language list and refills the detail and
// language lists in that language, keeping every list's selected position. Without a translated
// language selected it changes no text and no list.
void LocaliseDialog(LocalisableDialog& dialog);

// The language the list falls back to after a choice: Japanese gives English (after the notice),
// any other position stays.
int LanguageAfterChoice(int chosen);
