#pragma once

#include <windows.h>

#include <cstdint>

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
// The dialog's work is split by concern: StartOptionsDialog.cpp (start-up, timers, events),
// StartOptionsLists.cpp (adapter, device and mode lists), StartOptionsSettings.cpp (loading,
// storing, recommendation, texts), StartOptionsDecoration.cpp (painting and colours) and
// StartOptionsFigures.cpp (the figures behind the ratings: tooltip and Ctrl+C).
class StartOptionsDialog : public DialogBase, private LocalisableDialog {
public:
    // Timers: the one-shot start-up work, then the frame-rate label refresh.
    static constexpr UINT_PTR kStartupTimer = 1;
    static constexpr UINT kStartupDelayMs = 10;
    static constexpr UINT_PTR kFramerateTimer = 3;
    static constexpr UINT kFramerateRefreshMs = 100;
    static constexpr int kMinFramerate = 10;
    static constexpr int kMaxFramerate = 40;
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
    bool OnCopy() override;  // the figures behind the ratings (StartOptionsFigures.cpp)
    // Decoration (StartOptionsDecoration.cpp).
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnCompareItem(const COMPAREITEMSTRUCT& item, int& order) override;
    void OnDpiChanged() override;

private:
    // Start-up and events (StartOptionsDialog.cpp).
    void AttachControls();
    void AddInitialListEntries();
    void HideAdvancedControls();
    void RunStartupWork();
    void RefreshFramerate();
    void OnLanguageChanged();
    void OnDefaults();
    bool Advanced() const;

    // Display lists (StartOptionsLists.cpp).
    void FillAdapterList(int32_t index);
    void FillDeviceList(int32_t index);
    void FillModeList(int32_t index);
    void UpdateOkButton();
    void OnAdapterChanged();
    void OnDeviceChanged();
    void SelectStoredDisplay(const DisplayChoice& stored, bool useDefaults);
    DisplayChoice ReadDisplayChoice();

    // Settings, recommendation and texts (StartOptionsSettings.cpp).
    void ComputeRatings();
    void LoadSettings();
    bool StoreSettings();  // false when the registry did not take every value
    void RecommendPresets(KStr& language, int32_t& texture, int32_t& landscape, int32_t& objects);
    void SetFramerate(int32_t framerate);
    void ShowFramerate();  // the label shows the slider's position
    void Localise();
    int Selection(int listId) const override;
    void Select(int listId, int position) override;
    void SetTitle(const char* text) override;
    void SetControlText(int controlId, const char* text) override;
    void ClearList(int listId) override;
    void AddListEntry(int listId, const char* text) override;
    ComboBox ListOf(int listId) const;

    // The figures behind the ratings (StartOptionsFigures.cpp).
    void SetUpRatingFigures();
    void ShowRatingFigures();  // in the language selected, when it has texts
    void CopyRatingFigures();

    // Decoration (StartOptionsDecoration.cpp).
    // Loads the icons and the banner and sizes the Japanese strokes for the dialog's DPI.
    void ScaleDecoration();

    KSysInfo& sysInfo_;
    DisplayDriverLayer& drivers_;
    bool filled_ = false;   // the start-up work has filled the controls
    bool closing_ = false;  // OK or Cancel began to close the dialog

    // Controls.
    Button okButton;
    LanguageComboBox languageList;
    ComboBox adapterList;
    ComboBox deviceList;
    ComboBox modeList;
    Button fullScreenBox;
    ComboBox objectsList;
    ComboBox landscapeList;
    ComboBox textureList;
    Trackbar framerateSlider;
    Static framerateLabel;
    Static ratingText;
    Edit tclDefinesEdit;

    // Fields.
    DisplayCatalogue adapters;
    KStr commandLine;
    SystemRatings ratings;      // ratingCpu, ratingMem, ratingGfx, ratingDisk, average, frame rate
    RatingInputs ratingInputs;  // what the ratings were computed from
    DiskMeasurement disk;
    KStr ratingFigures;  // the tooltip's text, in the language last shown
    Tooltip ratingTooltip;
    CopyKey copyKey;
    int32_t desktopWidth = 0;
    int32_t desktopHeight = 0;
    bool fullScreen = true;
    Brush whiteBrush;
    ScaledPicture bannerBitmap{IDB_BANNER, IDB_BANNER_MASTER};
    Brush paperBrush;  // the banner's paper, beyond its right and bottom edges
    COLORREF backgroundColour = kWhite;
    ProgramIcons programIcon;
};
