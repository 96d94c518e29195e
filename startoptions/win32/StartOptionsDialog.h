#pragma once

#include <windows.h>

#include <cstdint>

#include "CommandLine.h"
#include "DiskBenchmark.h"
#include "DisplayCatalogue.h"
#include "DisplayChoice.h"
#include "DisplayDriverLayer.h"
#include "KStr.h"
#include "Localisation.h"
#include "SystemRating.h"
#include "win32/Button.h"
#include "win32/ComboBox.h"
#include "win32/CopyKey.h"
#include "win32/DialogBase.h"
#include "win32/Edit.h"
#include "win32/GdiHandles.h"
#include "win32/KSysInfo.h"
#include "win32/LanguageComboBox.h"
#include "win32/ProgramIcons.h"
#include "win32/ScaledPicture.h"
#include "win32/Static.h"
#include "win32/Tooltip.h"
#include "win32/Trackbar.h"

// The options dialog (resource 102), the whole user interface of the start-options program.
// It is shown empty; on the first tick of its start-up timer it measures the machine, lists the
// display devices, rates the system and fills itself from the stored settings. OK stores every
// choice with the ratings; Cancel stores nothing. The dialog stays silent about a failed store; its
// result tells the program (kStoreFailed).
//
// One concern per file: StartOptionsDialog.cpp (start-up, timers, events, OK and Cancel),
// StartOptionsDialogSettings.cpp (ratings, loading, storing, recommendation),
// StartOptionsDialogLists.cpp (adapter, device and mode lists),
// StartOptionsDialogDecoration.cpp (icon, banner, colours, owner drawing, display scale),
// StartOptionsDialogLocalisation.cpp (initial list entries, texts of the selected language) and
// StartOptionsDialogFigures.cpp (the figures behind the ratings: tooltip and Ctrl+C).
// Fields named after the options dialog's documented fields keep those names; the others end
// in an underscore.
class StartOptionsDialog : public DialogBase, private LocalisableDialog {
public:
    // Timers: the one-shot start-up work, then the frame-rate label refresh.
    static constexpr UINT_PTR kStartupTimer = 1;
    static constexpr UINT kStartupDelayMs = 10;
    static constexpr UINT_PTR kFramerateTimer = 3;
    static constexpr UINT kFramerateRefreshMs = 100;
    // RunModal's result when OK could not store every setting (IDOK when it could, IDCANCEL
    // when the player cancelled).
    static constexpr INT_PTR kStoreFailed = 3;
    // How much shorter the window is without the advanced rows, in pixels at 96 dpi.
    static constexpr int kAdvancedRowsHeight = 70;
    static constexpr COLORREF kWhite = RGB(255, 255, 255);
    static constexpr COLORREF kBuntColour = RGB(255, 255, 185);

    // sysInfo is the program's, measured again during the start-up work; drivers lists the
    // display adapters; commandLine is the program's argument text.
    StartOptionsDialog(KSysInfo& sysInfo, DisplayDriverLayer& drivers, const KStr& commandLine);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // The dialog (StartOptionsDialog.cpp).
    void AttachControls();
    void HideAdvancedControls();
    void RunStartupWork();
    void RefreshFramerate();
    void OnDefaults();

    // Settings (StartOptionsDialogSettings.cpp).
    void ComputeRatings();
    void LoadSettings();
    bool StoreSettings();  // false when the registry did not take every value
    // Fills the four arguments with the recommendation and shows it, as ApplyPresets does.
    void RecommendPresets(KStr& language, int32_t& texture, int32_t& landscape, int32_t& objects);
    // Shows presets and the recommended frame rate in the lists and the slider, then the texts of
    // the proposed language.
    void ApplyPresets(const Presets& presets);
    void SetFramerate(int32_t framerate);
    void ShowFramerate();  // the label shows the slider's position

    // Display lists (StartOptionsDialogLists.cpp).
    void FillAdapterList(int32_t index);
    void FillDeviceList(int32_t index);
    void FillModeList(int32_t index);
    void UpdateOkButton();
    void OnAdapterChanged();
    void OnDeviceChanged();
    void SelectStoredDisplay(const DisplayChoice& stored, bool useDefaults);
    DisplayChoice ReadDisplayChoice();

    // Decoration (StartOptionsDialogDecoration.cpp).
    void InitDecoration();
    // Loads the icons and the banner and sizes the Japanese strokes for the dialog's DPI.
    void ScaleDecoration();
    void OnDpiChanged() override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnCompareItem(const COMPAREITEMSTRUCT& item, int& order) override;

    // Localisation (StartOptionsDialogLocalisation.cpp).
    void AddInitialListEntries();
    void OnLanguageChanged();
    void Localise();
    int Selection(int listId) const override;
    void Select(int listId, int position) override;
    void SetTitle(const char* text) override;
    void SetControlText(int controlId, const char* text) override;
    void ClearList(int listId) override;
    void AddListEntry(int listId, const char* text) override;
    ComboBox ListOf(int listId) const;

    // The figures behind the ratings (StartOptionsDialogFigures.cpp).
    void SetUpRatingFigures();
    void ShowRatingFigures();  // in the language selected, when it has texts
    void CopyRatingFigures();
    bool OnCopy() override;

    KSysInfo& sysInfo_;
    DisplayDriverLayer& drivers_;
    Switches switches_;     // parsed once from commandLine
    bool filled_ = false;   // the start-up work has filled the controls
    bool closing_ = false;  // OK or Cancel began to close the dialog
    DiskMeasurement disk_;
    RatingInputs ratingInputs_;  // what the ratings were computed from
    KStr ratingFigures_;         // the tooltip's text, in the language last shown
    Tooltip ratingTooltip_;
    CopyKey copyKey_;

    // Controls.
    Button okButton_;
    LanguageComboBox languageList_;
    ComboBox adapterList_;
    ComboBox deviceList_;
    ComboBox modeList_;
    Button fullScreenBox_;
    ComboBox objectsList_;
    ComboBox landscapeList_;
    ComboBox textureList_;
    Trackbar framerateSlider_;
    Static framerateLabel_;
    Static ratingText_;
    Edit tclDefinesEdit_;

    // Fields.
    DisplayCatalogue adapters;
    KStr commandLine;
    SystemRatings ratings;  // ratingCpu, ratingMem, ratingGfx, ratingDisk, average, frame rate
    int32_t desktopWidth = 0;
    int32_t desktopHeight = 0;
    bool fullScreen = true;
    Brush whiteBrush;
    ScaledPicture bannerBitmap{IDB_BANNER, IDB_BANNER_MASTER};
    Brush paperBrush;  // the banner's paper, beyond its right and bottom edges
    COLORREF backgroundColour = kWhite;
    ProgramIcons programIcon;
};
