#include "DialogDriver.h"

#include <commctrl.h>
#include <oleacc.h>

#include "AccessKeys.h"
#include "Cp1252.h"
#include "Wait.h"

namespace {

constexpr UINT kAnswerLimitMs = 10000;

LRESULT SendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerLimitMs,
                               &result)
               ? static_cast<LRESULT>(result)
               : -1;
}

// A text of at most length characters that ask writes into a buffer of length + 1.
template <typename Ask>
std::string TextOf(LRESULT length, const Ask& ask) {
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = ask(text.data(), static_cast<WPARAM>(text.size()));
    text.resize(copied < 0 ? 0 : std::min<size_t>(static_cast<size_t>(copied), length));
    return Narrow(text);
}

std::string WindowText(HWND window) {
    return TextOf(SendTimed(window, WM_GETTEXTLENGTH, 0, 0), [&](wchar_t* buffer, WPARAM size) {
        return SendTimed(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
    });
}

// The first tooltip window the dialog owns for which take(tip) holds; null when there is none.
template <typename Take>
HWND OwnedTooltip(HWND dialog, const Take& take) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
        if (GetWindow(tip, GW_OWNER) == dialog && take(tip)) {
            return tip;
        }
    }
    return nullptr;
}

}  // namespace

LRESULT DialogDriver::Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendTimed(Window(id), message, wParam, lParam);
}

std::string DialogDriver::Text(int id) const {
    return WindowText(Window(id));
}

bool DialogDriver::IsEnabled(int id) const {
    return IsWindowEnabled(Window(id)) != FALSE;
}

bool DialogDriver::HasFocus(int id) const {
    return id != 0 && FocusedId() == id;
}

int DialogDriver::FocusedId() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info) ||
        info.hwndFocus == nullptr || GetParent(info.hwndFocus) != dialog_) {
        return 0;
    }
    return GetDlgCtrlID(info.hwndFocus);
}

RECT DialogDriver::Frame(int id) const {
    RECT frame = {};
    GetWindowRect(Window(id), &frame);
    return frame;
}

bool DialogDriver::IsComboBox(int id) const {
    wchar_t name[32] = {};
    GetClassNameW(Item(id), name, 32);
    return lstrcmpiW(name, L"ComboBox") == 0;
}

std::vector<int> DialogDriver::TabOrder() const {
    std::vector<int> order;
    const HWND first = GetNextDlgTabItem(dialog_, nullptr, FALSE);
    for (HWND at = first; at != nullptr && (order.empty() || at != first);
         at = GetNextDlgTabItem(dialog_, at, FALSE)) {
        order.push_back(GetDlgCtrlID(at));
    }
    return order;
}

std::string DialogDriver::LabelBefore(int id) const {
    HWND before = GetWindow(Item(id), GW_HWNDPREV);
    wchar_t name[16] = {};
    if (before == nullptr || !IsWindowVisible(before) || GetClassNameW(before, name, 16) == 0 ||
        lstrcmpiW(name, L"Static") != 0) {
        return {};
    }
    return WindowText(before);
}

std::string DialogDriver::AccessibleName(int id) const {
    struct Com {
        HRESULT status = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ~Com() {
            if (SUCCEEDED(status)) {
                CoUninitialize();
            }
        }
    } com;
    IAccessible* accessible = nullptr;
    // The runtime's library holds a wrong IID_IAccessible; the header's declaration is right.
    if (FAILED(AccessibleObjectFromWindow(Item(id), static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return "<no accessible object>";
    }
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        text = Narrow(name);
        SysFreeString(name);
    }
    accessible->Release();
    return text;
}

int DialogDriver::EntryCount(int id) const {
    return static_cast<int>(Send(id, IsComboBox(id) ? CB_GETCOUNT : LB_GETCOUNT));
}

std::string DialogDriver::Entry(int id, int position) const {
    const bool combo = IsComboBox(id);
    return TextOf(Send(id, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, position),
                  [&](wchar_t* buffer, WPARAM) {
                      return Send(id, combo ? CB_GETLBTEXT : LB_GETTEXT, position,
                                  reinterpret_cast<LPARAM>(buffer));
                  });
}

std::vector<std::string> DialogDriver::Entries(int id) const {
    std::vector<std::string> entries;
    for (int i = 0, count = EntryCount(id); i < count; ++i) {
        entries.push_back(Entry(id, i));
    }
    return entries;
}

int DialogDriver::Selection(int id) const {
    return static_cast<int>(Send(id, IsComboBox(id) ? CB_GETCURSEL : LB_GETCURSEL));
}

ULONG_PTR DialogDriver::EntryData(int id, int position) const {
    return static_cast<ULONG_PTR>(Send(id, CB_GETITEMDATA, position));
}

void DialogDriver::Select(int id, int position) const {
    Send(id, IsComboBox(id) ? CB_SETCURSEL : LB_SETCURSEL, position);
}

void DialogDriver::Choose(int id, int position) const {
    Select(id, position);
    Notify(id, CBN_SELENDOK);
}

void DialogDriver::PostChoose(int id, int position) const {
    Select(id, position);
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(Item(id)));
}

// Selecting with LB_SETCURSEL and then sending LBN_SELCHANGE would leave a gap in which the
// dialog sees the new row and the old state together, which no player can bring about. Every row
// of the lists driven here is in view.
void DialogDriver::ClickRow(int id, int row) const {
    RECT item = {};
    Send(id, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    Send(id, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Send(id, WM_LBUTTONUP, 0, at);
}

void DialogDriver::Notify(int id, WORD code) const {
    Send(0, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
}

void DialogDriver::Click(int id) const {
    Send(id, BM_CLICK);
}

bool DialogDriver::ClickWithMouse(int id) const {
    auto click = [](DWORD flags) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        return SendInput(1, &input, sizeof input) == 1;
    };
    return PointWithMouse(id) && click(MOUSEEVENTF_LEFTDOWN) && click(MOUSEEVENTF_LEFTUP);
}

bool DialogDriver::PointWithMouse(int id) const {
    const RECT rect = Frame(id);
    SetForegroundWindow(dialog_);
    // Absolute positions are given in 0..65535 across the primary screen.
    auto scaled = [](LONG at, int metric) {
        return static_cast<LONG>((at * 65536 + 32768) / GetSystemMetrics(metric));
    };
    const POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    auto send = [&](DWORD flags) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = scaled(middle.x, SM_CXSCREEN);
        input.mi.dy = scaled(middle.y, SM_CYSCREEN);
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
        return SendInput(1, &input, sizeof input) == 1;
    };
    // A press goes where the pointer is once the move has arrived.
    const bool arrived = send(MOUSEEVENTF_MOVE) && WaitFor([&] {
                             POINT at = {};
                             return GetCursorPos(&at) && at.x == middle.x && at.y == middle.y;
                         });
    return Item(id) != nullptr && arrived;
}

void DialogDriver::PostClose(int id) const {
    if (id == 0) {
        PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(id)));
    }
}

void DialogDriver::PressEscape() const {
    PostMessageW(dialog_, WM_KEYDOWN, VK_ESCAPE, 0);
}

void DialogDriver::Type(int id, const std::string& text) const {
    const std::wstring wide = Widen(text);
    Send(id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void DialogDriver::TypeChar(int id, char c) const {
    Send(id, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)));
}

void DialogDriver::Focus(int id) const {
    Send(0, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

void DialogDriver::PressCtrlC() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info)) {
        PostMessageW(info.hwndFocus != nullptr ? info.hwndFocus : dialog_, WM_CHAR, 3, 0);
    }
}

HWND DialogDriver::TooltipWindow() const {
    return OwnedTooltip(dialog_, [](HWND) { return true; });
}

HWND DialogDriver::ShownTipWindow() const {
    return OwnedTooltip(dialog_, [](HWND window) { return IsWindowVisible(window) != FALSE; });
}

std::string DialogDriver::ShownTip() const {
    HWND tip = ShownTipWindow();
    return tip != nullptr ? WindowText(tip) : std::string();
}

bool DialogDriver::BringToFront() const {
    return WaitFor([&] {
        SetForegroundWindow(dialog_);
        return GetForegroundWindow() == dialog_;
    });
}

bool DialogDriver::PressKey(WORD key, WORD modifier) {
    auto stroke = [](WORD virtualKey, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        return input;
    };
    INPUT strokes[4];
    UINT count = 0;
    if (modifier != 0) {
        strokes[count++] = stroke(modifier, false);
    }
    strokes[count++] = stroke(key, false);
    strokes[count++] = stroke(key, true);
    if (modifier != 0) {
        strokes[count++] = stroke(modifier, true);
    }
    return SendInput(count, strokes, sizeof(INPUT)) == count;
}

bool DialogDriver::TypeKeys(const std::string& keys) {
    for (char key : keys) {
        if (!PressKey(static_cast<WORD>(key))) {
            return false;
        }
    }
    return true;
}

bool DialogDriver::PressAccessKeyOf(int id) const {
    const char key = AccessKeyOf(Text(id).c_str());
    return key >= 'A' && key <= 'Z' && PressKey(static_cast<WORD>(key), VK_MENU);
}

int DialogDriver::SliderPos(int id) const {
    return static_cast<int>(Send(id, TBM_GETPOS));
}

int DialogDriver::SliderMin(int id) const {
    return static_cast<int>(Send(id, TBM_GETRANGEMIN));
}

int DialogDriver::SliderMax(int id) const {
    return static_cast<int>(Send(id, TBM_GETRANGEMAX));
}

void DialogDriver::MoveSlider(int id, int position) const {
    Send(id, TBM_SETPOS, TRUE, position);
}
