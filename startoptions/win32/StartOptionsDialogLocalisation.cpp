// The options dialog's texts: the initial list entries of its template, the texts of the language
// selected in its language list, and the notice when Japanese is chosen. The rules are in
// Localisation; here they meet the controls.
#include "DialogInitData.h"
#include "res/QuorvelRes.h"
#include "win32/ModuleResource.h"
#include "win32/NoticeDialog.h"
#include "win32/StartOptionsDialog.h"

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

void StartOptionsDialog::OnLanguageChanged() {
    int chosen = languageList_.GetCurSel();
    if (chosen == kJapanese) {
        NoticeDialog().RunModal(Handle());
        languageList_.SetCurSel(LanguageAfterChoice(chosen));
    }
    Localise();
}

void StartOptionsDialog::Localise() {
    LocaliseDialog(*this);
    ShowRatingFigures();
}

ComboBox StartOptionsDialog::ListOf(int listId) const {
    return ComboBox(Item(listId));
}

int StartOptionsDialog::Selection(int listId) const {
    return ListOf(listId).GetCurSel();
}

void StartOptionsDialog::Select(int listId, int position) {
    ListOf(listId).SetCurSel(position);
}

void StartOptionsDialog::SetTitle(const char* text) {
    Window(Handle()).SetText(text);
}

void StartOptionsDialog::SetControlText(int controlId, const char* text) {
    Window(Item(controlId)).SetText(text);
}

void StartOptionsDialog::ClearList(int listId) {
    ListOf(listId).ResetContent();
}

void StartOptionsDialog::AddListEntry(int listId, const char* text) {
    if (listId == IDC_LANGUAGE) {
        languageList_.AddString(text);  // keeps the pointer as the entry's data
    } else {
        ListOf(listId).AddString(text);
    }
}
