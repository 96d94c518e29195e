#include "win32/TweakDialog.h"

#include <iterator>

#include "TweakPersistence.h"
#include "TweakView.h"
#include "res/TweakDialogRes.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;

}  // namespace

TweakDialog::TweakDialog() : DialogBase(IDD_TWEAK) {}

bool TweakDialog::OnInitDialog() {
    AttachControls();
    RouteCommands();
    HWND dialog = Handle();
    ShowProgramIcons(icons_, IDI_PROGRAM);
    table_.BuildParameterTable();
    SetTimer(dialog, kPollTimer, kPollPeriod, nullptr);
    slider_.SetRange(0, 1, false);
    slider_.SetPos(0);
    poll_.Show(nullptr, slider_.GetPos());  // the poll starts from where the slider stands
    ReadParameters(table_);
    FillParameterList();
    return true;  // the dialog manager picks the control to focus
}

void TweakDialog::AttachControls() {
    Attach({{&list_, IDC_PARAMETER_LIST},
            {&slider_, IDC_SLIDER},
            {&value_, IDC_VALUE},
            {&minimum_, IDC_MINIMUM},
            {&maximum_, IDC_MAXIMUM},
            {&current_, IDC_CURRENT},
            {&description_, IDC_DESCRIPTION},
            {&default_, IDC_DEFAULT},
            {&reset_, IDC_RESET}});
}

TweakParameter* TweakDialog::Selected() {
    return ParameterAtRow(table_, list_.GetCurSel());
}

TweakParameter* TweakDialog::Edited() {
    return poll_.Edited(Selected());
}

void TweakDialog::RouteCommands() {
    Route({{IDC_PARAMETER_LIST, LBN_SELCHANGE, [this] { ShowSelectedParameter(); }},
           {IDC_VALUE, EN_CHANGE, [this] { OnValueTextChanged(); }},
           {IDC_DEFAULT, BN_CLICKED, [this] { MoveSliderTo(&TweakParameter::defaultValue); }},
           {IDC_RESET, BN_CLICKED, [this] { MoveSliderTo(&TweakParameter::loaded); }},
           {IDC_SAVE, BN_CLICKED, [this] { Save(); }},
           {IDC_LOAD, BN_CLICKED, [this] { Load(); }}});
}

void TweakDialog::OnTimer(UINT_PTR) {
    PollSlider();
}

void TweakDialog::FillParameterList() {
    const int selected = list_.GetCurSel();
    list_.ResetContent();
    list_.SetTabStops(static_cast<int>(std::size(kParameterListTabStops)), kParameterListTabStops);
    list_.AddString(kParameterListHeader);
    for (int32_t i = 0; i < table_.Count(); ++i) {
        list_.AddString(ParameterRowText(*table_.At(i)).Text());
    }
    if (selected >= 0) {
        list_.SetCurSel(selected);  // brings the row into view; raises no selection change
    }
}

void TweakDialog::ShowSelectedParameter() {
    const TweakParameter* p = Selected();
    if (p == nullptr) {
        slider_.SetRange(0, 0, false);
        slider_.SetPos(0);
    } else {
        // Position 0 first, so that the new range doesn't clamp the old row's value.
        slider_.SetPos(0);
        slider_.SetRange(p->minimum, p->maximum, false);
        slider_.SetPos(p->current);  // an out-of-range value shows at the nearest bound
    }
    const ParameterTexts texts = TextsFor(p);
    current_.SetText(texts.current.Text());
    if (p == nullptr || !value_.HasFocus()) {
        ShowValueText(texts.current.Text());
    }
    minimum_.SetText(texts.minimum.Text());
    maximum_.SetText(texts.maximum.Text());
    default_.SetText(texts.defaultCaption.Text());
    reset_.SetText(texts.resetCaption.Text());
    description_.SetText(texts.description.Text());
    // Where the slider shows the parameter is no move: a value outside the range stays as it is.
    poll_.Show(p, slider_.GetPos());
}

void TweakDialog::PollSlider() {
    if (const auto value = poll_.Poll(Selected(), slider_.GetPos())) {
        TakeValue(*value);
    }
}

void TweakDialog::TakeValue(int32_t value) {
    TweakParameter* p = Edited();
    if (!TakeChoice(p, value)) {
        return;
    }
    const KStr text("%d", p->current);
    current_.SetText(text.Text());
    if (!value_.HasFocus()) {
        ShowValueText(text.Text());  // the field keeps what the user is typing
    }
    FillParameterList();
}

void TweakDialog::ShowValueText(const char* text) {
    showingValue_ = true;
    value_.SetText(text);
    showingValue_ = false;
}

void TweakDialog::SetValue(int32_t value) {
    slider_.SetPos(value);
    poll_.Place(slider_.GetPos());
    TakeValue(value);
}

void TweakDialog::OnValueTextChanged() {
    if (showingValue_) {
        return;  // the dialog's own text: no number the player typed
    }
    if (auto target = SliderTargetForText(Edited(), value_.GetText().Text())) {
        SetValue(*target);
    }
}

void TweakDialog::MoveSliderTo(int32_t TweakParameter::*field) {
    if (const TweakParameter* p = Edited()) {
        SetValue(p->*field);
    }
}

void TweakDialog::Save() {
    WriteParameters(table_);
    FillParameterList();
    ShowSelectedParameter();
}

void TweakDialog::Load() {
    ReadParameters(table_);
    FillParameterList();
    ShowSelectedParameter();
}

// The template's controls and fonts follow by themselves; only the icons are ours.
void TweakDialog::OnDpiChanged() {
    ShowProgramIcons(icons_, IDI_PROGRAM);
}
