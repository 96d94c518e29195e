#pragma once

#include <windows.h>

#include "Localisation.h"
#include "win32/ComboBox.h"
#include "win32/LanguageComboBox.h"

// The options dialog's texts as the localisation sees them: its title, the relabelled controls
// and the four lists, addressed by control id. The rules are in Localisation; here they meet the
// controls. The texts are the programs' own.
class OptionsTexts : public LocalisableDialog {
public:
    // languageList keeps pointers to its entries' texts.
    explicit OptionsTexts(LanguageComboBox& languageList) : languageList_(languageList) {}
    void Attach(HWND dialog) { dialog_ = dialog; }

    // The dialog's initial list entries, kept as a resource beside its template, so that the
    // stored settings can select positions before the texts of a language replace them.
    void AddInitialListEntries();

    int Selection(int listId) const override;
    void Select(int listId, int position) override;
    void SetTitle(const char* text) override;
    void SetControlText(int controlId, const char* text) override;
    void ClearList(int listId) override;
    void AddListEntry(int listId, const char* text) override;

private:
    ComboBox ListOf(int listId) const { return ComboBox(GetDlgItem(dialog_, listId)); }

    HWND dialog_ = nullptr;
    LanguageComboBox& languageList_;
};
