#include "win32/OptionsTexts.h"

#include "DialogInitData.h"
#include "res/QuorvelRes.h"
#include "win32/ModuleResource.h"

void OptionsTexts::AddInitialListEntries() {
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

int OptionsTexts::Selection(int listId) const {
    return ListOf(listId).GetCurSel();
}

void OptionsTexts::Select(int listId, int position) {
    ListOf(listId).SetCurSel(position);
}

void OptionsTexts::SetTitle(const char* text) {
    Window(dialog_).SetText(text, TextOrigin::kProgram);
}

void OptionsTexts::SetControlText(int controlId, const char* text) {
    Window(GetDlgItem(dialog_, controlId)).SetText(text, TextOrigin::kProgram);
}

void OptionsTexts::ClearList(int listId) {
    ListOf(listId).ResetContent();
}

void OptionsTexts::AddListEntry(int listId, const char* text) {
    if (listId == IDC_LANGUAGE) {
        languageList_.AddString(text);  // keeps the pointer as the entry's data
    } else {
        ListOf(listId).AddString(text, TextOrigin::kProgram);
    }
}
