#pragma once

#include <windows.h>

// A control that draws its own items. Its dialog hands it the owner-draw messages sent for the
// control's id (DialogBase::DrawnBy), with the dialog's DPI as it stands at that moment (see
// WindowDpi), so that the control keeps no scale of its own; the control handles no messages.
class OwnerDrawn {
public:
    // WM_MEASUREITEM: the height of item.itemID.
    virtual void MeasureItem(MEASUREITEMSTRUCT& item, UINT dpi) const = 0;
    // WM_DRAWITEM.
    virtual void DrawItem(const DRAWITEMSTRUCT& item, UINT dpi) const = 0;
    // WM_COMPAREITEM: the order of the second item against the first (-1, 0, 1).
    virtual int CompareItem(const COMPAREITEMSTRUCT& item) const = 0;

protected:
    ~OwnerDrawn() = default;
};
