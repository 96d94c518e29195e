#include "QuorvelProcess.h"

#include "QuorvelRes.h"

namespace {

std::string FromWide(const wchar_t* text, int length) {
    if (length <= 0) {
        return std::string();
    }
    int size = WideCharToMultiByte(1252, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(1252, 0, text, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

struct WindowSearch {
    DWORD processId;
    std::string title;  // empty: the options dialog (a visible dialog-class window)
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || std::string(className) != "#32770" ||
        !IsWindowVisible(window)) {
        return TRUE;
    }
    std::string title = Text(window);
    bool options = search->title.empty() && title != "Error!";
    if (options || (!search->title.empty() && title == search->title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string QuorvelPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "Quorvel.exe";
}

QuorvelProcess::QuorvelProcess(const std::string& arguments) {
    std::string commandLine = "\"" + QuorvelPath() + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        process_ = {};
    }
}

QuorvelProcess::~QuorvelProcess() {
    if (!Started()) {
        return;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND QuorvelProcess::FindDialog() const {
    WindowSearch search{process_.dwProcessId, ""};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND QuorvelProcess::WaitFilled(DWORD timeoutMs) {
    HWND dialog = nullptr;
    WaitFor(timeoutMs, [&] {
        dialog = FindDialog();
        return dialog != nullptr && !ItemText(dialog, IDC_RATING).empty() &&
               IsWindowEnabled(dialog);
    });
    return dialog != nullptr && !ItemText(dialog, IDC_RATING).empty() ? dialog : nullptr;
}

HWND QuorvelProcess::WaitWindow(const std::string& title, DWORD timeoutMs) const {
    WindowSearch search{process_.dwProcessId, title};
    WaitFor(timeoutMs, [&] {
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

bool QuorvelProcess::WaitExit(DWORD timeoutMs) {
    return Started() && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD QuorvelProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string QuorvelProcess::ReadText(ULONG_PTR address) const {
    std::string text;
    char c = 0;
    SIZE_T read = 0;
    for (ULONG_PTR at = address; text.size() < 256; ++at) {
        if (!ReadProcessMemory(process_.hProcess, reinterpret_cast<const void*>(at), &c, 1,
                               &read) ||
            read != 1 || c == '\0') {
            break;
        }
        text.push_back(c);
    }
    return text;
}

std::string Text(HWND window) {
    wchar_t buffer[1024] = {};
    LRESULT length = SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
    return FromWide(buffer, static_cast<int>(length));
}

std::string ItemText(HWND dialog, int id) {
    return Text(GetDlgItem(dialog, id));
}

std::vector<std::string> ComboTexts(HWND dialog, int id) {
    std::vector<std::string> texts;
    LRESULT count = SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t buffer[512] = {};
        LRESULT length =
            SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
        texts.push_back(FromWide(buffer, static_cast<int>(length)));
    }
    return texts;
}

int ComboSelection(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

bool IsShown(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

bool IsEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void Choose(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, position, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PostChoose(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, position, 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Click(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool ClickWithMouse(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    RECT rect = {};
    if (!GetWindowRect(control, &rect)) {
        return false;
    }
    SetForegroundWindow(dialog);
    // Absolute positions are given in 0..65535 across the primary screen.
    auto scaled = [](LONG at, int metric) {
        return static_cast<LONG>((at * 65536 + 32768) / GetSystemMetrics(metric));
    };
    POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    auto send = [&](DWORD flags) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = scaled(middle.x, SM_CXSCREEN);
        input.mi.dy = scaled(middle.y, SM_CYSCREEN);
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
        return SendInput(1, &input, sizeof input) == 1;
    };
    // The press goes where the pointer is once the move has arrived.
    bool arrived = send(MOUSEEVENTF_MOVE) && WaitFor(5000, [&] {
                       POINT at = {};
                       return GetCursorPos(&at) && at.x == middle.x && at.y == middle.y;
                   });
    return arrived && send(MOUSEEVENTF_LEFTDOWN) && send(MOUSEEVENTF_LEFTUP);
}

void PressEscape(HWND dialog) {
    PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}
