#include "win32/StartOptionsDialog.h"

#include "StartSettings.h"
#include "res/QuorvelRes.h"
#include "win32/MeasureDiskSpeed.h"
#include "win32/WaitCursor.h"

StartOptionsDialog::StartOptionsDialog(KSysInfo& sysInfo, DisplayDriverLayer& drivers,
                                       const KStr& commandLine)
    : DialogBase(IDD_OPTIONS),
      sysInfo_(sysInfo),
      drivers_(drivers),
      switches_(ParseSwitches(commandLine)),
      commandLine(commandLine) {}

bool StartOptionsDialog::OnInitDialog() {
    AttachControls();
    AddInitialListEntries();
    // What OK stores must fit what the registry binding reads back.
    tclDefinesEdit_.LimitText(kTclDefinesLimit);

    desktopWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    desktopHeight = GetSystemMetrics(SM_CYFULLSCREEN);
    framerateSlider_.SetRange(kMinFramerate, kMaxFramerate, false);
    InitDecoration();

    SetUpRatingFigures();
    SetTimer(Handle(), kStartupTimer, kStartupDelayMs, nullptr);
    if (!switches_.advanced) {
        HideAdvancedControls();
    }
    return true;
}

void StartOptionsDialog::AttachControls() {
    Attach({{&okButton_, IDC_OK},
            {&languageList_, IDC_LANGUAGE},
            {&adapterList_, IDC_ADAPTER},
            {&deviceList_, IDC_DEVICE},
            {&modeList_, IDC_SCREEN_MODE},
            {&fullScreenBox_, IDC_FULL_SCREEN},
            {&objectsList_, IDC_OBJECTS},
            {&landscapeList_, IDC_LANDSCAPE},
            {&textureList_, IDC_TEXTURE},
            {&framerateSlider_, IDC_FRAMERATE},
            {&framerateLabel_, IDC_FRAMERATE_VALUE},
            {&ratingText_, IDC_RATING},
            {&tclDefinesEdit_, IDC_TCL_DEFINES}});
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
        RefreshFramerate();
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

        EnumerateAdapters(drivers_, adapters);
        ComputeRatings();
        LoadSettings();
        Localise();

        dialog.Enable(true);
    }
    filled_ = true;
    SetTimer(Handle(), kFramerateTimer, kFramerateRefreshMs, nullptr);
}

void StartOptionsDialog::RefreshFramerate() {
    ShowFramerate();
    if (switches_.automatic) {
        OnOK();
    }
}

bool StartOptionsDialog::OnCommand(int id, int code) {
    if (code == CBN_SELENDOK) {
        switch (id) {
            case IDC_ADAPTER:
                OnAdapterChanged();
                return true;
            case IDC_DEVICE:
                OnDeviceChanged();
                return true;
            case IDC_LANGUAGE:
                OnLanguageChanged();
                return true;
            default:
                return false;  // the other lists are read only when OK stores
        }
    }
    if (code == BN_CLICKED && id == IDC_DEFAULTS) {
        OnDefaults();
        return true;
    }
    return false;
}

void StartOptionsDialog::OnDefaults() {
    ApplyPresets(RecommendedPresets(ratings));
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
