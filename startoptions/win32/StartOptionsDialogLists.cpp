// The Adapter, Device and Screen Mode lists of the options dialog. The rules are in
// DisplayLists; here they meet the controls. Item positions are catalogue indices.
#include "DisplayLists.h"
#include "win32/StartOptionsDialog.h"

namespace {

// The entries carry the display drivers' names, which come in the system's code page.
void Show(ComboBox& list, const ListContent& content) {
    list.ResetContent();
    for (const KStr& item : content.items) {
        list.AddString(item.Text(), TextOrigin::kSystem);
    }
    list.SetCurSel(content.selection);
    list.Enable(content.enabled);
}

}  // namespace

void StartOptionsDialog::FillAdapterList(int32_t index) {
    Show(adapterList_, AdapterList(adapters, index));
    UpdateOkButton();
}

void StartOptionsDialog::FillDeviceList(int32_t index) {
    Show(deviceList_, DeviceList(adapters, adapterList_.GetCurSel(), index));
    UpdateOkButton();
}

void StartOptionsDialog::FillModeList(int32_t index) {
    Show(modeList_, ModeList(adapters, adapterList_.GetCurSel(), index));
    UpdateOkButton();
}

void StartOptionsDialog::UpdateOkButton() {
    okButton_.Enable(OkAllowed(adapters, adapterList_.GetCurSel(), deviceList_.GetCurSel()));
}

void StartOptionsDialog::OnAdapterChanged() {
    FillDeviceList(0);
    FillModeList(0);
    UpdateOkButton();
}

void StartOptionsDialog::OnDeviceChanged() {
    UpdateOkButton();
}

void StartOptionsDialog::SelectStoredDisplay(const DisplayChoice& stored, bool useDefaults) {
    FillAdapterList(StoredAdapterIndex(adapters, stored));
    int32_t adapter = adapterList_.GetCurSel();
    FillDeviceList(StoredDeviceIndex(adapters, adapter, stored));
    FillModeList(
        StoredModeIndex(adapters, adapter, stored, useDefaults, desktopWidth, desktopHeight));
    fullScreenBox_.SetCheck(stored.fullScreen);
}

DisplayChoice StartOptionsDialog::ReadDisplayChoice() {
    fullScreen = fullScreenBox_.IsChecked();
    return ChoiceFromLists(adapters, adapterList_.GetCurSel(), deviceList_.GetCurSel(),
                           modeList_.GetCurSel(), fullScreen);
}
