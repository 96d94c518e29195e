#include "ProgramDriver.h"

#include <cstring>

#include "Cp1252.h"

namespace {

struct WindowSearch {
    DWORD processId;
    const std::string* caption;  // null: the main dialog, the first one
    bool shown;                  // one that shows, or one that doesn't show yet
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (owner != search->processId || std::wcscmp(className, L"#32770") != 0 ||
        (IsWindowVisible(window) != FALSE) != search->shown) {
        return TRUE;
    }
    if (search->caption != nullptr && DialogDriver(window).Text() != *search->caption) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

ProgramDriver::ProgramDriver(const std::wstring& program, const std::string& arguments,
                             Start start) {
    std::wstring commandLine = L"\"" + program + L"\" " + Widen(arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    const DWORD flags = start == Start::kSuspended ? CREATE_SUSPENDED : 0;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags,
                        nullptr, nullptr, &startup, &process_)) {
        process_ = {};
    }
}

ProgramDriver::~ProgramDriver() {
    if (!Started()) {
        return;
    }
    if (!keepRunning_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND ProgramDriver::FindDialog(const std::string* caption, bool shown) const {
    WindowSearch search{process_.dwProcessId, caption, shown};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DialogDriver ProgramDriver::WaitDialog(const std::function<bool(const DialogDriver&)>& ready,
                                       DWORD timeoutMs) const {
    DialogDriver dialog;
    bool shown = Started() && WaitFor(
                                  [&] {
                                      dialog = DialogDriver(FindDialog(nullptr));
                                      return dialog && (!ready || ready(dialog));
                                  },
                                  timeoutMs);
    return shown ? dialog : DialogDriver();
}

DialogDriver ProgramDriver::WaitWindow(const std::string& caption) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialog(&caption)) != nullptr; });
    return DialogDriver(found);
}

DialogDriver ProgramDriver::UnshownDialog() const {
    return DialogDriver(FindDialog(nullptr, false));
}

bool ProgramDriver::WaitExit(DWORD timeoutMs) const {
    return Started() && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramDriver::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string ProgramDriver::ReadText(ULONG_PTR address) const {
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

std::wstring ProgramBeside(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + name;
}
