#include "win32/StartOptionsDialog.h"

#include "CommandLine.h"
#include "DialogInitData.h"
#include "StartSettings.h"
#include "res/QuorvelRes.h"
#include "win32/MeasureDiskSpeed.h"
#include "win32/ModuleResource.h"
#include "win32/NoticeDialog.h"
#include "win32/WaitCursor.h"

StartOptionsDialog::StartOptionsDialog(KSysInfo& sysInfo, DisplayDriverLayer& drivers,
                                       const KStr& commandLine)
    : DialogBase(IDD_OPTIONS), sysInfo_(sysInfo), drivers_(drivers), commandLine(commandLine) {}

bool StartOptionsDialog::Advanced() const {
    return HasSwitch(commandLine, kSwitchAdvanced);
}

bool StartOptionsDialog::OnInitDialog() {
    AttachControls();
    AddInitialListEntries();
    // What OK stores must fit what the registry binding reads back.
    tclDefinesEdit.LimitText(kTclDefinesLimit);

    desktopWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    desktopHeight = GetSystemMetrics(SM_CYFULLSCREEN);
    framerateSlider.SetRange(kMinFramerate, kMaxFramerate, false);

    whiteBrush.Reset(CreateSolidBrush(kWhite));
    backgroundColour = kWhite;
    ScaleDecoration();  // the icons, the banner and the Japanese strokes

    SetUpRatingFigures();
    SetTimer(Handle(), kStartupTimer, kStartupDelayMs, nullptr);
    if (!Advanced()) {
        HideAdvancedControls();
    }
    if (HasSwitch(commandLine, kSwitchBunt)) {
        backgroundColour = kBuntColour;
    }
    return true;
}

void StartOptionsDialog::AttachControls() {
    Attach({{&okButton, IDC_OK},
            {&languageList, IDC_LANGUAGE},
            {&adapterList, IDC_ADAPTER},
            {&deviceList, IDC_DEVICE},
            {&modeList, IDC_SCREEN_MODE},
            {&fullScreenBox, IDC_FULL_SCREEN},
            {&objectsList, IDC_OBJECTS},
            {&landscapeList, IDC_LANDSCAPE},
            {&textureList, IDC_TEXTURE},
            {&framerateSlider, IDC_FRAMERATE},
            {&framerateLabel, IDC_FRAMERATE_VALUE},
            {&ratingText, IDC_RATING},
            {&tclDefinesEdit, IDC_TCL_DEFINES}});
}

// The dialog's initial list entries, kept as a resource beside its template, so that the stored
// settings can select positions before the texts of a language replace them.
void StartOptionsDialog::AddInitialListEntries() {
    ModuleResource data =
        FindModuleResource(GetModuleHandleA(nullptr), IDD_OPTIONS, RT_DIALOG_INIT);
    if (!data) {
        return;
    }
    DialogInitReader reader(data.data, data.size);
    DialogInitEntry entry;
    while (reader.Next(entry)) {
        if (entry.message == kDialogInitAddComboEntry) {
            AddListEntry(entry.controlId, entry.text);
        }
    }
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
    disk = MeasureDiskSpeed();
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
    if (HasSwitch(commandLine, kSwitchAutomatic)) {
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

void StartOptionsDialog::OnLanguageChanged() {
    int chosen = languageList.GetCurSel();
    if (chosen == kJapanese) {
        NoticeDialog().RunModal(Handle());
        languageList.SetCurSel(LanguageAfterChoice(chosen));
    }
    Localise();
}

void StartOptionsDialog::OnDefaults() {
    KStr language;
    int32_t texture = 0;
    int32_t landscape = 0;
    int32_t objects = 0;
    RecommendPresets(language, texture, landscape, objects);
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
