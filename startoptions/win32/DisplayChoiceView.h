#pragma once

#include <cstdint>

#include "DisplayCatalogue.h"
#include "DisplayChoice.h"
#include "DisplayDriverLayer.h"
#include "DisplayFigures.h"
#include "GameFitness.h"
#include "win32/Button.h"
#include "win32/ComboBox.h"
#include "win32/DialogBase.h"

// The Adapter, Device and Screen Mode lists of the options dialog with the Full screen box, the
// catalogue they show, and OK, which may be pressed only for a usable adapter and device. The
// rules are in DisplayLists; here they meet the controls. Item positions are catalogue indices.
class DisplayChoiceView {
public:
    // Takes the dialog's controls and the size of a full-screen client area, which decides the
    // mode proposed.
    void Attach(const DialogBase& dialog);
    // Lists the display adapters with their devices and modes.
    void Enumerate(DisplayDriverLayer& drivers);
    const DisplayCatalogue& Catalogue() const { return adapters; }

    // Fills the lists for a stored choice (useDefaults: the mode that fits the screen).
    void Show(const DisplayChoice& stored, bool useDefaults);
    void OnAdapterChanged();
    void OnDeviceChanged();
    // The choice the lists and the box show.
    DisplayChoice Read();
    // Why the game can't draw with the adapter and device selected (kNone: OK may be pressed).
    Unfitness Unfit() const;
    // The display section of the figures for the selection, in language.
    DisplayFigures Figures(int language) const;

private:
    void FillAdapterList(int32_t index);
    void FillDeviceList(int32_t index);
    void FillModeList(int32_t index);
    void UpdateOkButton();

    const DialogBase* dialog_ = nullptr;  // enables the controls, minding the focus
    Button okButton_;
    ComboBox adapterList_;
    ComboBox deviceList_;
    ComboBox modeList_;
    Button fullScreenBox_;

    DisplayCatalogue adapters;
    int32_t desktopWidth = 0;
    int32_t desktopHeight = 0;
    bool fullScreen = true;
};
