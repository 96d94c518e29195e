#pragma once

#include <windows.h>

#include "win32/ComboBox.h"
#include "win32/Dpi.h"
#include "win32/OwnerDrawn.h"

// The language list: an owner-drawn drop-down list that keeps its entries' texts, which screen
// readers read. Each item's data points at the program's own text, which must outlive the item
// (the program passes static texts) and which the drawing takes. The entry "Japanese" is drawn as
// the three Japanese characters, so that it shows without a Japanese font; every other entry as
// its text, measured and drawn through the W functions; under high contrast in the system's
// window colours.
class LanguageComboBox : public ComboBox, public OwnerDrawn {
public:
    using ComboBox::ComboBox;

    // The DPI the Japanese characters are drawn at: their strokes, pen and place in the item.
    void SetDpi(UINT dpi) { dpi_ = dpi; }

    // Adds an entry with the text, whose item data is text itself; returns its position.
    int AddString(const char* text);
    // The text of entry index; null when the entry has none or doesn't exist.
    const char* EntryText(int index) const;

    // WM_MEASUREITEM: an entry is as high as its text.
    void MeasureItem(MEASUREITEMSTRUCT& item) const override;
    // WM_DRAWITEM: the entry, or the selection field, on the highlight colour when selected.
    void DrawItem(const DRAWITEMSTRUCT& item) const override;
    // WM_COMPAREITEM: byte-wise order of the second entry's text against the first's (-1, 0, 1).
    // An owner-drawn list without strings can be sorted only through this answer. The template
    // doesn't ask for CBS_SORT (the entries' positions are the stored language numbers), so the
    // system never asks today; the answer stays defined should it ever.
    int CompareItem(const COMPAREITEMSTRUCT& item) const override;

private:
    UINT dpi_ = kDesignDpi;
};
