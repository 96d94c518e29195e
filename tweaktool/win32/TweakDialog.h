// The tweak tool's one window: the parameter list, a slider and a value field for the selected
// parameter, Default and Reset, Save and Load. The player's slider moves reach the parameter
// through a poll of the slider; Default, Reset and a typed number set it at once. Each of these
// marks the parameter, and Save stores the marked ones only. Selecting a row, Save and Load
// change no value and mark nothing, and nothing is stored unless Save is pressed. A row selected
// without the list telling the dialog gets nothing from the controls that still show another.
#pragma once

#include <windows.h>

#include <cstdint>

#include "SliderPoll.h"
#include "TweakParameter.h"
#include "win32/Button.h"
#include "win32/DialogBase.h"
#include "win32/Edit.h"
#include "win32/ListBox.h"
#include "win32/ProgramIcons.h"
#include "win32/Static.h"
#include "win32/Trackbar.h"

class TweakDialog : public DialogBase {
public:
    TweakDialog();

    // How often the slider is polled, in milliseconds.
    static constexpr UINT kPollPeriod = 25;

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnDpiChanged() override;
    // Enter presses the hidden default button: the tool stays open. A number typed into the
    // value field is already taken with each change.
    void OnOK() override {}

private:
    void AttachControls();
    void RouteCommands();
    TweakParameter* Selected();
    // The selected parameter while the slider and the fields show it; null otherwise.
    TweakParameter* Edited();

    void FillParameterList();
    void ShowSelectedParameter();
    void PollSlider();
    // The player chose value for the edited parameter: it becomes its current value, the
    // parameter is marked for Save, and the list and fields show it.
    void TakeValue(int32_t value);
    // Default, Reset and a typed number: the slider shows value, and the parameter takes it at
    // once, also where the slider already stood there or can only show a bound (Reset to a
    // stored value outside the range).
    void SetValue(int32_t value);
    // Shows text in the value field; the change this notifies is the dialog's, not the player's.
    void ShowValueText(const char* text);
    void OnValueTextChanged();
    void MoveSliderTo(int32_t TweakParameter::*field);
    void Save();
    void Load();

    TweakParameterTable table_;
    ProgramIcons icons_;
    SliderPoll poll_;  // which parameter the slider shows, and where it stood at the last look
    bool showingValue_ = false;  // ShowValueText is setting the value field's text

    ListBox list_;
    Trackbar slider_;
    Edit value_;
    Static minimum_;
    Static maximum_;
    Static current_;
    Static description_;
    Button default_;
    Button reset_;
};
