#include "win32/LanguageComboBox.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "JapaneseCharacters.h"
#include "Localisation.h"
#include "win32/Dpi.h"
#include "win32/HighContrast.h"

namespace {

const char* TextOfItemData(ULONG_PTR data) {
    // A null pointer, or the CB_ERR that an empty selection field reports, stands for no text.
    if (data == 0 || data == static_cast<ULONG_PTR>(CB_ERR)) {
        return nullptr;
    }
    return reinterpret_cast<const char*>(data);
}

// The strokes are designed for 96 dpi; at dpi their points and the pen grow alike.
void DrawJapaneseWord(HDC dc, const RECT& rect, COLORREF colour, UINT dpi) {
    HPEN pen = CreatePen(PS_SOLID, std::max(1, ScaleToDpi(1, dpi)), colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    auto point = [&](const StrokePoint& p) {
        return POINT{rect.left + ScaleToDpi(p.x, dpi), rect.top + ScaleToDpi(p.y, dpi)};
    };
    for (const Stroke& stroke : JapaneseWordStrokes()) {
        const POINT start = point(stroke.points[0]);
        MoveToEx(dc, start.x, start.y, nullptr);
        for (int i = 1; i < stroke.count; ++i) {
            const POINT to = point(stroke.points[i]);
            LineTo(dc, to.x, to.y);
        }
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
}

}  // namespace

// The list keeps the entry's text, which screen readers read; the drawing takes the program's
// own text from the item's data.
int LanguageComboBox::AddString(const char* text) {
    int index = ComboBox::AddString(text);
    SetItemData(index, Ptr(text));
    return index;
}

void LanguageComboBox::MeasureItem(MEASUREITEMSTRUCT& item, UINT) const {
    if (item.itemID == static_cast<UINT>(-1)) {
        return;  // the selection field keeps the height the system gave it
    }
    // The list asks while it adds the entry, before the entry has its item data: the text the
    // list keeps is measured.
    const std::wstring wide = GetLBWideText(static_cast<int>(item.itemID));
    if (wide.empty()) {
        item.itemHeight = 0;
        return;
    }
    HDC dc = GetDC(hwnd_);
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    ReleaseDC(hwnd_, dc);
    item.itemHeight = static_cast<UINT>(extent.cy);
}

void LanguageComboBox::DrawItem(const DRAWITEMSTRUCT& item, UINT dpi) const {
    const char* text = TextOfItemData(item.itemData);
    if (text == nullptr) {
        return;
    }
    HDC dc = item.hDC;
    COLORREF oldText = GetTextColor(dc);
    COLORREF oldBackground = GetBkColor(dc);
    COLORREF drawing = oldText;
    RECT rect = item.rcItem;
    if ((item.itemState & ODS_SELECTED) != 0) {
        drawing = GetSysColor(COLOR_HIGHLIGHTTEXT);
        SetTextColor(dc, drawing);
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else if (HighContrastOn()) {
        drawing = GetSysColor(COLOR_WINDOWTEXT);
        SetTextColor(dc, drawing);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOW));
    } else {
        HBRUSH background = CreateSolidBrush(oldBackground);
        FillRect(dc, &rect, background);
        DeleteObject(background);
    }
    if (DrawsAsJapaneseCharacters(text)) {
        DrawJapaneseWord(dc, rect, drawing, dpi);
    } else {
        // An entry has no access key: an "&" in it shows as it is.
        DrawTextW(dc, WideText(text).c_str(), -1, &rect,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBackground);
}

int LanguageComboBox::CompareItem(const COMPAREITEMSTRUCT& item) const {
    const char* first = TextOfItemData(item.itemData1);
    const char* second = TextOfItemData(item.itemData2);
    int order = std::strcmp(second != nullptr ? second : "", first != nullptr ? first : "");
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}
