#include "StartOptionsDialogRun.h"

#include <commctrl.h>

#include <utility>

#include "res/QuorvelRes.h"
#include "support/Cp1252.h"
#include "win32/KSysInfo.h"

namespace {

KSysInfo& SharedSysInfo() {
    static KSysInfo sysInfo;
    return sysInfo;
}

}  // namespace

DialogRun::DialogRun(std::vector<ScriptedDriver> drivers, const char* arguments)
    : layer_(std::move(drivers)),
      dialog_(SharedSysInfo(), layer_, KStr(arguments)),
      thread_(dialog_) {}

DialogDriver DialogRun::WaitFilled() {
    return thread_.WaitReady(
        [](const DialogDriver& dialog) { return !dialog.Text(IDC_RATING).empty(); });
}

void StartOptionsDialogTest::SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

DRAWITEMSTRUCT DrawRequest(const DialogDriver& dialog, HDC dc, const char* text, bool selected,
                           SIZE size) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = IDC_LANGUAGE;
    item.itemID = 6;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hwndItem = dialog.Item(IDC_LANGUAGE);
    item.hDC = dc;
    item.rcItem = {0, 0, size.cx, size.cy};
    item.itemData = reinterpret_cast<ULONG_PTR>(text);
    return item;
}

COLORREF ShownPixel(const DialogDriver& dialog, int x, int y) {
    HDC dc = GetDC(dialog.Handle());
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(dialog.Handle(), dc);
    return pixel;
}

COLORREF PaintedPixel(const DialogDriver& dialog, int x, int y) {
    InvalidateRect(dialog.Handle(), nullptr, TRUE);
    dialog.Send(0, WM_PAINT);
    return ShownPixel(dialog, x, y);
}

bool IsGold(COLORREF pixel) {
    return GetRValue(pixel) - GetBValue(pixel) > 100;
}

std::string FiguresOf(const DialogDriver& dialog) {
    wchar_t text[INFOTIPSIZE] = {};
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = dialog.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(dialog.Item(IDC_RATING));
    tool.lpszText = text;
    HWND tip = dialog.TooltipWindow();
    if (tip == nullptr) {
        return "<no tooltip>";
    }
    SendMessageW(tip, TTM_GETTEXTW, INFOTIPSIZE, reinterpret_cast<LPARAM>(&tool));
    return Narrow(text);
}
