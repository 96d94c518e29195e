// The options dialog's settings: the ratings, filling the controls from the store, storing them
// on OK, the recommendation, and the texts of the selected language.
#include "KCfgTree.h"
#include "StartSettings.h"
#include "res/QuorvelRes.h"
#include "win32/StartOptionsDialog.h"

void StartOptionsDialog::ComputeRatings() {
    ratingInputs = RatingInputsOf(sysInfo_.clock, sysInfo_.availablePhysicalMemory, adapters,
                                  DiskRating(disk));
    ratings = ::ComputeRatings(ratingInputs);
}

void StartOptionsDialog::SetFramerate(int32_t framerate) {
    framerateSlider.SetPos(framerate, true);
    ShowFramerate();  // where the slider clamped it: never a rate the slider can't take
}

void StartOptionsDialog::ShowFramerate() {
    framerateLabel.SetText(KStr("%d", framerateSlider.GetPos()).Text());
}

void StartOptionsDialog::LoadSettings() {
    KCfgTree tree;
    tree.Load(kSettingsLocation);  // a missing key means a first run
    StoredSettings stored = ReadStoredSettings(tree, commandLine, ratings.recommendedFramerate);

    SetFramerate(stored.framerate);
    fullScreen = stored.display.fullScreen;
    // The summary names the system, its language and the processor as the system gave them.
    ratingText.SetText(
        RatingSummaryText(sysInfo_.osName, sysInfo_.systemLanguageEnglish, sysInfo_.processorText,
                          sysInfo_.totalPhysicalMemory, ratings)
            .Text(),
        TextOrigin::kSystem);
    if (stored.defaultsMode) {
        RecommendPresets(stored.language, stored.texture, stored.landscape, stored.objects);
    }
    SelectStoredDisplay(stored.display, stored.defaultsMode);
    textureList.SetCurSel(stored.texture);
    landscapeList.SetCurSel(stored.landscape);
    objectsList.SetCurSel(stored.objects);
    // The game reads the Tcl text in the system's code page: it goes back there as typed.
    tclDefinesEdit.SetText(stored.tclDefines.Text(), TextOrigin::kSystem);
    languageList.SetCurSel(LanguageOfCode(stored.language.Text()));
}

bool StartOptionsDialog::StoreSettings() {
    KCfgTree tree;
    tree.Load(kSettingsLocation);  // everything stored goes back, the tweak tool's values too

    ConfirmedSettings confirmed;
    confirmed.display = ReadDisplayChoice();
    confirmed.tclDefines = tclDefinesEdit.GetText(TextOrigin::kSystem);
    confirmed.languagePosition = languageList.GetCurSel();
    confirmed.texture = textureList.GetCurSel();
    confirmed.landscape = landscapeList.GetCurSel();
    confirmed.objects = objectsList.GetCurSel();
    confirmed.framerate = framerateSlider.GetPos();
    confirmed.ratings = ratings;
    WriteConfirmedSettings(tree, confirmed);
    return tree.Save(kSettingsLocation);
}

void StartOptionsDialog::RecommendPresets(KStr& language, int32_t& texture, int32_t& landscape,
                                          int32_t& objects) {
    Presets presets = RecommendedPresets(ratings);
    language = presets.language;
    texture = presets.texture;
    landscape = presets.landscape;
    objects = presets.objects;

    SetFramerate(ratings.recommendedFramerate);
    textureList.SetCurSel(texture);
    landscapeList.SetCurSel(landscape);
    objectsList.SetCurSel(objects);
    languageList.SetCurSel(LanguageOfCode(language.Text()));
    Localise();
}

void StartOptionsDialog::Localise() {
    LocaliseDialog(*this);
    ShowRatingFigures();
}

ComboBox StartOptionsDialog::ListOf(int listId) const {
    return ComboBox(Item(listId));
}

int StartOptionsDialog::Selection(int listId) const {
    return ListOf(listId).GetCurSel();
}

void StartOptionsDialog::Select(int listId, int position) {
    ListOf(listId).SetCurSel(position);
}

void StartOptionsDialog::SetTitle(const char* text) {
    Window(Handle()).SetText(text);
}

void StartOptionsDialog::SetControlText(int controlId, const char* text) {
    Window(Item(controlId)).SetText(text);
}

void StartOptionsDialog::ClearList(int listId) {
    ListOf(listId).ResetContent();
}

void StartOptionsDialog::AddListEntry(int listId, const char* text) {
    if (listId == IDC_LANGUAGE) {
        languageList.AddString(text);  // keeps the pointer as the entry's data
    } else {
        ListOf(listId).AddString(text);
    }
}
