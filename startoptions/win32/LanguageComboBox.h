#pragma once

#include <windows.h>

#include "win32/ComboBox.h"
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

    // Adds an entry with the text, whose item data is text itself; returns its position.
    int AddString(const char* text);

    // WM_MEASUREITEM: an entry is as high as its text in the list's font, which follows the
    // dialog's DPI by itself.
    void MeasureItem(MEASUREITEMSTRUCT& item, UINT dpi) const override;
    // WM_DRAWITEM: the entry, or the selection field, on the highlight colour when selected; the
    // Japanese characters' strokes, pen and place in the item at dpi.
    void DrawItem(const DRAWITEMSTRUCT& item, UINT dpi) const override;
    // WM_COMPAREITEM: byte-wise order of the second entry's text against the first's (-1, 0, 1).
    // The system asks only a sorted list, and this one is not (CBS_SORT is left out: the entries'
    // positions are the stored language numbers); the answer stays defined should it ever ask.
    int CompareItem(const COMPAREITEMSTRUCT& item) const override;
};
