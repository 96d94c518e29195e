// The options dialog's settings: the ratings, filling the controls from the store, storing them
// on OK, and the recommendation.
#include "KCfgTree.h"
#include "StartSettings.h"
#include "res/QuorvelRes.h"
#include "win32/StartOptionsDialog.h"

void StartOptionsDialog::ComputeRatings() {
    ratingInputs_ = RatingInputsOf(sysInfo_.clock, sysInfo_.availablePhysicalMemory, adapters,
                                   DiskRating(disk_));
    ratings = ::ComputeRatings(ratingInputs_);
}

void StartOptionsDialog::SetFramerate(int32_t framerate) {
    framerateSlider_.SetPos(framerate, true);
    ShowFramerate();  // where the slider clamped it: never a rate the slider can't take
}

void StartOptionsDialog::ShowFramerate() {
    framerateLabel_.SetText(KStr("%d", framerateSlider_.GetPos()).Text());
}

void StartOptionsDialog::LoadSettings() {
    KCfgTree tree;
    tree.Load(kSettingsLocation);  // a missing key means a first run
    StoredSettings stored =
        ReadStoredSettings(tree, switches_.defaults, ratings.recommendedFramerate);

    SetFramerate(stored.framerate);
    fullScreen = stored.display.fullScreen;
    // The summary names the system, its language and the processor as the system gave them.
    ratingText_.SetText(
        RatingSummaryText(sysInfo_.osName, sysInfo_.systemLanguageEnglish, sysInfo_.processorText,
                          sysInfo_.totalPhysicalMemory, ratings)
            .Text(),
        TextOrigin::kSystem);
    if (stored.defaultsMode) {
        RecommendPresets(stored.language, stored.texture, stored.landscape, stored.objects);
    }
    SelectStoredDisplay(stored.display, stored.defaultsMode);
    textureList_.SetCurSel(stored.texture);
    landscapeList_.SetCurSel(stored.landscape);
    objectsList_.SetCurSel(stored.objects);
    // The game reads the Tcl text in the system's code page: it goes back there as typed.
    tclDefinesEdit_.SetText(stored.tclDefines.Text(), TextOrigin::kSystem);
    languageList_.SetCurSel(LanguageOfCode(stored.language.Text()));
}

bool StartOptionsDialog::StoreSettings() {
    KCfgTree tree;
    tree.Load(kSettingsLocation);  // everything stored goes back, the tweak tool's values too

    ConfirmedSettings confirmed;
    confirmed.display = ReadDisplayChoice();
    confirmed.tclDefines = tclDefinesEdit_.GetText(TextOrigin::kSystem);
    confirmed.languagePosition = languageList_.GetCurSel();
    confirmed.texture = textureList_.GetCurSel();
    confirmed.landscape = landscapeList_.GetCurSel();
    confirmed.objects = objectsList_.GetCurSel();
    confirmed.framerate = framerateSlider_.GetPos();
    confirmed.ratings = ratings;
    WriteConfirmedSettings(tree, confirmed);
    return tree.Save(kSettingsLocation);
}

void StartOptionsDialog::RecommendPresets(KStr& language, int32_t& texture, int32_t& landscape,
                                          int32_t& objects) {
    const Presets presets = RecommendedPresets(ratings);
    language = presets.language;
    texture = presets.texture;
    landscape = presets.landscape;
    objects = presets.objects;
    ApplyPresets(presets);
}

void StartOptionsDialog::ApplyPresets(const Presets& presets) {
    SetFramerate(ratings.recommendedFramerate);
    textureList_.SetCurSel(presets.texture);
    landscapeList_.SetCurSel(presets.landscape);
    objectsList_.SetCurSel(presets.objects);
    languageList_.SetCurSel(LanguageOfCode(presets.language.Text()));
    Localise();
}
