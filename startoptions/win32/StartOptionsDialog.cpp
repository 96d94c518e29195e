#include "win32/StartOptionsDialog.h"

#include "KCfgTree.h"
#include "Localisation.h"
#include "StartSettings.h"
#include "res/QuorvelRes.h"
#include "win32/MeasureDiskSpeed.h"
#include "win32/NoticeDialog.h"
#include "win32/WaitCursor.h"

namespace {

// Timers: the one-shot start-up work, then the frame-rate label refresh.
constexpr UINT_PTR kStartupTimer = 1;
constexpr UINT kStartupDelayMs = 10;
constexpr UINT_PTR kFramerateTimer = 3;
constexpr UINT kFramerateRefreshMs = 100;
// How much shorter the window is without the advanced rows, in pixels at 96 dpi.
constexpr int kAdvancedRowsHeight = 70;

}  // namespace

StartOptionsDialog::StartOptionsDialog(KSysInfo& sysInfo, DisplayDriverLayer& drivers,
                                       const KStr& commandLine)
    : DialogBase(IDD_OPTIONS),
      sysInfo_(sysInfo),
      drivers_(drivers),
      switches_(ParseSwitches(commandLine)) {}

bool StartOptionsDialog::OnInitDialog() {
    AttachControls();
    texts_.AddInitialListEntries();
    // What OK stores must fit what the registry binding reads back.
    tclDefinesEdit_.LimitText(kTclDefinesLimit);
    framerateSlider_.SetRange(kMinFramerate, kMaxFramerate, false);
    decoration_.Init(*this, switches_.bunt);
    Route({{IDC_ADAPTER, CBN_SELENDOK,
            [this] {
                display_.OnAdapterChanged();
                ShowDisplayFitness();
            }},
           {IDC_DEVICE, CBN_SELENDOK,
            [this] {
                display_.OnDeviceChanged();
                ShowDisplayFitness();
            }},
           {IDC_LANGUAGE, CBN_SELENDOK, [this] { OnLanguageChanged(); }},
           {IDC_DEFAULTS, BN_CLICKED, [this] { ApplyPresets(RecommendedPresets(ratings)); }},
           {IDC_RATING, STN_CLICKED, [this] { figures_.ToggleFigures(); }}});
    copyKey_.Install();
    SetTimer(Handle(), kStartupTimer, kStartupDelayMs, nullptr);
    if (!switches_.advanced) {
        HideAdvancedControls();
    }
    return true;
}

void StartOptionsDialog::AttachControls() {
    display_.Attach(*this);
    figures_.Attach(*this);
    whyNotOk_.Attach(*this);
    texts_.Attach(Handle());
    Attach({{&languageList_, IDC_LANGUAGE},
            {&objectsList_, IDC_OBJECTS},
            {&landscapeList_, IDC_LANDSCAPE},
            {&textureList_, IDC_TEXTURE},
            {&framerateSlider_, IDC_FRAMERATE},
            {&framerateLabel_, IDC_FRAMERATE_VALUE},
            {&tclDefinesEdit_, IDC_TCL_DEFINES}});
    // Before any entry is added: the list measures each one as it comes.
    DrawnBy(IDC_LANGUAGE, languageList_);
}

void StartOptionsDialog::HideAdvancedControls() {
    for (int id : {IDC_LANGUAGE, IDC_TCL_DEFINES, IDC_TCL_DEFINES_LABEL, IDC_LANGUAGE_LABEL,
                   IDC_SEPARATOR}) {
        Window(Item(id)).Show(false);
    }
    RECT window;
    GetWindowRect(Handle(), &window);
    SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top - Dpi().Scale(kAdvancedRowsHeight), SWP_NOZORDER);
}

void StartOptionsDialog::OnTimer(UINT_PTR id) {
    // Ticks already queued when OK or Cancel began to close the dialog do nothing: in
    // particular, "-automatic" stores once.
    if (closing_) {
        return;
    }
    if (id == kStartupTimer) {
        RunStartupWork();
    } else if (id == kFramerateTimer) {
        ShowFramerate();
        figures_.HideFiguresWhenFocusMoved();
        if (switches_.automatic) {
            OnOK();
        }
    }
}

// Runs once, inside the first tick of the start-up timer, without pumping messages: the dialog
// neither repaints nor reacts until the work is done.
void StartOptionsDialog::RunStartupWork() {
    disk_ = MeasureDiskSpeed();
    sysInfo_.MeasureCpuSpeed();

    Window dialog(Handle());
    {
        WaitCursor hourglass;
        dialog.Enable(false);
        KillTimer(Handle(), kStartupTimer);

        display_.Enumerate(drivers_);
        ComputeRatings();
        LoadSettings();
        Localise();

        dialog.Enable(true);
    }
    KeepFocus();
    filled_ = true;
    SetTimer(Handle(), kFramerateTimer, kFramerateRefreshMs, nullptr);
}

void StartOptionsDialog::ComputeRatings() {
    ratingInputs_ = RatingInputsOf(sysInfo_.clock, sysInfo_.availablePhysicalMemory,
                                   display_.Catalogue(), DiskRating(disk_));
    ratings = ::ComputeRatings(ratingInputs_);
}

void StartOptionsDialog::LoadSettings() {
    KCfgTree tree;
    tree.Load(kSettingsLocation);  // a missing key means a first run
    const StoredSettings stored = ReadStoredSettings(tree, switches_.defaults, ratings);

    SetFramerate(stored.framerate);
    // The summary names the system, its language and the processor as the system gave them.
    figures_.ShowSummary(RatingSummaryText(sysInfo_.osName, sysInfo_.systemLanguageEnglish,
                                           sysInfo_.processorText, sysInfo_.totalPhysicalMemory,
                                           ratings));
    display_.Show(stored.display, stored.defaultsMode);
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
    confirmed.display = display_.Read();
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

void StartOptionsDialog::ApplyPresets(const Presets& presets) {
    SetFramerate(ratings.recommendedFramerate);
    textureList_.SetCurSel(presets.texture);
    landscapeList_.SetCurSel(presets.landscape);
    objectsList_.SetCurSel(presets.objects);
    languageList_.SetCurSel(LanguageOfCode(presets.language.Text()));
    Localise();
}

void StartOptionsDialog::SetFramerate(int32_t framerate) {
    framerateSlider_.SetPos(framerate, true);
    ShowFramerate();  // where the slider clamped it: never a rate the slider can't take
}

void StartOptionsDialog::ShowFramerate() {
    framerateLabel_.SetText(KStr("%d", framerateSlider_.GetPos()).Text(), TextOrigin::kProgram);
}

void StartOptionsDialog::OnLanguageChanged() {
    int chosen = languageList_.GetCurSel();
    if (chosen == kJapanese) {
        NoticeDialog().RunModal(Handle());
        languageList_.SetCurSel(LanguageAfterChoice(chosen));
    }
    Localise();
}

void StartOptionsDialog::Localise() {
    LocaliseDialog(texts_);
    ShowDisplayFitness();
}

void StartOptionsDialog::ShowDisplayFitness() {
    const int language = languageList_.GetCurSel();
    whyNotOk_.Show(display_.Unfit(), language);
    figures_.ShowFigures(language, ratingInputs_, disk_, display_.Figures(language));
}

void StartOptionsDialog::OnOK() {
    // Before the start-up work has filled the controls there is nothing worth storing.
    if (closing_ || !filled_) {
        return;
    }
    closing_ = true;
    KillTimer(Handle(), kFramerateTimer);
    End(StoreSettings() ? IDOK : kStoreFailed);
}

void StartOptionsDialog::OnCancel() {
    closing_ = true;
    KillTimer(Handle(), kStartupTimer);
    KillTimer(Handle(), kFramerateTimer);
    End(IDCANCEL);
}

// The dialog moved to a screen of another scale.
void StartOptionsDialog::OnDpiChanged() {
    decoration_.Scale(*this);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool StartOptionsDialog::OnPaint() {
    decoration_.Paint(Handle());
    return false;  // the default processing follows
}

HBRUSH StartOptionsDialog::OnCtlColor(HDC dc, HWND, UINT kind) {
    return decoration_.ControlColour(dc, kind);
}

// Ctrl+C outside an edit field.
bool StartOptionsDialog::OnCopy() {
    figures_.Copy();
    return true;
}

void StartOptionsDialog::OnHelp() {
    figures_.ToggleFigures();
}
