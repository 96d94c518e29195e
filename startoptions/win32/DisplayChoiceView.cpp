#include "win32/DisplayChoiceView.h"

#include "DisplayLists.h"
#include "res/QuorvelRes.h"

namespace {

// The entries carry the display drivers' names, which come in the system's code page.
void ShowContent(const DialogBase& dialog, ComboBox& list, const ListContent& content) {
    list.ResetContent();
    for (const KStr& item : content.items) {
        list.AddString(item.Text(), TextOrigin::kSystem);
    }
    list.SetCurSel(content.selection);
    dialog.EnableControl(list, content.enabled);
}

}  // namespace

void DisplayChoiceView::Attach(const DialogBase& dialog) {
    dialog_ = &dialog;
    const HWND window = dialog.Handle();
    okButton_.Attach(window, IDC_OK);
    adapterList_.Attach(window, IDC_ADAPTER);
    deviceList_.Attach(window, IDC_DEVICE);
    modeList_.Attach(window, IDC_SCREEN_MODE);
    fullScreenBox_.Attach(window, IDC_FULL_SCREEN);
    desktopWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    desktopHeight = GetSystemMetrics(SM_CYFULLSCREEN);
}

void DisplayChoiceView::Enumerate(DisplayDriverLayer& drivers) {
    EnumerateAdapters(drivers, adapters);
}

void DisplayChoiceView::Show(const DisplayChoice& stored, bool useDefaults) {
    fullScreen = stored.fullScreen;
    FillAdapterList(StoredAdapterIndex(adapters, stored));
    const int32_t adapter = adapterList_.GetCurSel();
    FillDeviceList(StoredDeviceIndex(adapters, adapter, stored));
    FillModeList(
        StoredModeIndex(adapters, adapter, stored, useDefaults, desktopWidth, desktopHeight));
    UpdateOkButton();
    fullScreenBox_.SetCheck(fullScreen);
}

void DisplayChoiceView::OnAdapterChanged() {
    FillDeviceList(0);
    FillModeList(0);
    UpdateOkButton();
}

void DisplayChoiceView::OnDeviceChanged() {
    UpdateOkButton();
}

DisplayChoice DisplayChoiceView::Read() {
    fullScreen = fullScreenBox_.IsChecked();
    return ChoiceFromLists(adapters, adapterList_.GetCurSel(), deviceList_.GetCurSel(),
                           modeList_.GetCurSel(), fullScreen);
}

Unfitness DisplayChoiceView::Unfit() const {
    return ChoiceUnfitness(adapters, adapterList_.GetCurSel(), deviceList_.GetCurSel());
}

DisplayFigures DisplayChoiceView::Figures(int language) const {
    return DisplayFiguresOf(language, adapters, adapterList_.GetCurSel(), deviceList_.GetCurSel());
}

void DisplayChoiceView::FillAdapterList(int32_t index) {
    ShowContent(*dialog_, adapterList_, AdapterList(adapters, index));
}

void DisplayChoiceView::FillDeviceList(int32_t index) {
    ShowContent(*dialog_, deviceList_, DeviceList(adapters, adapterList_.GetCurSel(), index));
}

void DisplayChoiceView::FillModeList(int32_t index) {
    ShowContent(*dialog_, modeList_, ModeList(adapters, adapterList_.GetCurSel(), index));
}

void DisplayChoiceView::UpdateOkButton() {
    dialog_->EnableControl(okButton_,
                           OkAllowed(adapters, adapterList_.GetCurSel(), deviceList_.GetCurSel()));
}
