#pragma once

#include "CommandLine.h"
#include "win32/ComboBox.h"
#include "win32/CopyKey.h"
#include "win32/DisplayChoiceView.h"
#include "win32/Edit.h"
#include "win32/KSysInfo.h"
#include "win32/LanguageComboBox.h"
#include "win32/OptionsDecoration.h"
#include "win32/OptionsTexts.h"
#include "win32/RatingFiguresView.h"
#include "win32/Static.h"
#include "win32/Trackbar.h"
#include "win32/WhyNotOkView.h"

// The options dialog (resource 102), the whole user interface of the start-options program.
// It is shown empty; on the first tick of its start-up timer it measures the machine, lists the
// display devices, rates the system and fills itself from the stored settings. OK stores every
// choice with the ratings; Cancel stores nothing. The dialog stays silent about a failed store; its
// result tells the program (kStoreFailed). Its look, its display lists, its rating figures and its
// texts are objects of their own; the dialog holds the switches, the ratings and the detail
// controls, and wires the events to them.
class StartOptionsDialog : public DialogBase {
public:
    // RunModal's result when OK could not store every setting (IDOK when it could, IDCANCEL
    // when the player cancelled).
    static constexpr INT_PTR kStoreFailed = 3;

    // sysInfo is the program's, measured again during the start-up work; drivers lists the
    // display adapters; commandLine is the program's argument text.
    StartOptionsDialog(KSysInfo& sysInfo, DisplayDriverLayer& drivers, const KStr& commandLine);

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDpiChanged() override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;
    bool OnCopy() override;
    void OnHelp() override;

private:
    void AttachControls();
    void HideAdvancedControls();
    void RunStartupWork();
    void ComputeRatings();
    void LoadSettings();
    bool StoreSettings();  // false when the registry did not take every value
    // The Default button: shows presets and the recommended frame rate, then the texts of the
    // proposed language.
    void ApplyPresets(const Presets& presets);
    void SetFramerate(int32_t framerate);
    void ShowFramerate();  // the label shows the slider's position
    void OnLanguageChanged();
    void Localise();  // the texts of the language selected, and the figures in it
    // What the game can make of the display chosen: beside OK, and in the figures.
    void ShowDisplayFitness();

    KSysInfo& sysInfo_;
    DisplayDriverLayer& drivers_;
    Switches switches_;     // parsed once from the command line
    bool filled_ = false;   // the start-up work has filled the controls
    bool closing_ = false;  // OK or Cancel began to close the dialog
    DiskMeasurement disk_;
    RatingInputs ratingInputs_;  // what the ratings were computed from
    SystemRatings ratings;       // ratingCpu, ratingMem, ratingGfx, ratingDisk, average, frame rate
    CopyKey copyKey_;            // Ctrl+C outside an edit field: OnCopy

    OptionsDecoration decoration_;
    DisplayChoiceView display_;
    RatingFiguresView figures_;
    WhyNotOkView whyNotOk_;
    LanguageComboBox languageList_;
    OptionsTexts texts_{languageList_};
    ComboBox objectsList_;
    ComboBox landscapeList_;
    ComboBox textureList_;
    Trackbar framerateSlider_;
    Static framerateLabel_;
    Edit tclDefinesEdit_;
};
