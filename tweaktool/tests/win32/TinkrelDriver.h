// Drives a running Tinkrel.exe from another process through the messages that a user's actions
// produce, and reads back what its controls show. Texts are read with the W forms of the
// messages (Wine hands only the first character of an A form across processes) and converted to
// code page 1252.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <string>
#include <thread>

#include "TweakDialogRes.h"

// "Z:" and the path with backslashes: Wine's name for a path of the machine running it. Windows
// paths are returned as they are.
inline std::wstring WindowsPathOf(const char* path) {
    std::string text = path[0] == '/' ? std::string("Z:") + path : std::string(path);
    std::wstring wide;
    for (char c : text) {
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c == '/' ? '\\' : c));
    }
    return wide;
}

inline std::string FromUtf16(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

// SendMessage that gives up after ten seconds, so that a program that hangs fails the test
// instead of holding it; -1 when it gave up.
inline LRESULT SendW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result)
               ? static_cast<LRESULT>(result)
               : -1;
}
inline LRESULT SendA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result)
               ? static_cast<LRESULT>(result)
               : -1;
}

// Calls done() every few milliseconds until it is true or timeout has passed; true when it was.
template <typename Done>
bool WaitFor(Done done, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class TinkrelDriver {
public:
    TinkrelDriver() = default;
    TinkrelDriver(const TinkrelDriver&) = delete;
    TinkrelDriver& operator=(const TinkrelDriver&) = delete;
    // A program still running is ended: a failed test must not leave it behind.
    ~TinkrelDriver() {
        if (process_.hProcess == nullptr) {
            return;
        }
        if (!keepRunning_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }

    // Starts the program and waits until its dialog is there; false when it isn't.
    bool Start(const std::wstring& program) {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"";
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process_)) {
            return false;
        }
        return WaitFor([this] { return (dialog_ = FindDialog()) != nullptr; },
                       std::chrono::milliseconds(20000));
    }
    // Leaves the program running when the driver goes.
    void KeepRunning() { keepRunning_ = true; }

    HWND Dialog() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    // The list: rows, their texts and the selection.
    int RowCount() const {
        return static_cast<int>(SendW(Item(IDC_PARAMETER_LIST), LB_GETCOUNT, 0, 0));
    }
    std::string Row(int row) const {
        HWND list = Item(IDC_PARAMETER_LIST);
        LRESULT length = SendW(list, LB_GETTEXTLEN, row, 0);
        if (length < 0) {
            return "(no row)";
        }
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        length = SendW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        text.resize(length < 0 ? 0 : static_cast<size_t>(length));
        return FromUtf16(text);
    }
    int SelectedRow() const {
        return static_cast<int>(SendW(Item(IDC_PARAMETER_LIST), LB_GETCURSEL, 0, 0));
    }
    // Clicks a row: the list box selects it and notifies the dialog within one message, as for
    // a user. (Selecting with LB_SETCURSEL and then sending LBN_SELCHANGE would leave a gap in
    // which the slider poll sees the new row beside the old row's slider, which no user can
    // bring about.) Every row of the list is in view.
    void SelectRow(int row) const {
        HWND list = Item(IDC_PARAMETER_LIST);
        RECT item = {};
        SendW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendW(list, WM_LBUTTONUP, 0, at);
    }

    // Text of a control, or the dialog's caption for id 0.
    std::string Text(int id) const {
        HWND window = id == 0 ? dialog_ : Item(id);
        LRESULT length = SendW(window, WM_GETTEXTLENGTH, 0, 0);
        if (length < 0) {
            return "(no answer)";
        }
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        length = SendW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        text.resize(length < 0 ? 0 : static_cast<size_t>(length));
        return FromUtf16(text);
    }
    // Sets the value field's text as typing does: the field tells the dialog of the change.
    void Type(const char* text) const {
        SendA(Item(IDC_VALUE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    // Puts the keyboard focus into the value field, as a click into it does.
    void FocusValueField() const {
        SendW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_VALUE)), TRUE);
    }
    bool ValueFieldHasFocus() const {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(process_.dwThreadId, &info) && info.hwndFocus == Item(IDC_VALUE);
    }

    int SliderPos() const { return static_cast<int>(SendW(Item(IDC_SLIDER), TBM_GETPOS, 0, 0)); }
    int SliderMin() const {
        return static_cast<int>(SendW(Item(IDC_SLIDER), TBM_GETRANGEMIN, 0, 0));
    }
    int SliderMax() const {
        return static_cast<int>(SendW(Item(IDC_SLIDER), TBM_GETRANGEMAX, 0, 0));
    }
    // Moves the slider as dragging does: the dialog learns of it by its poll.
    void MoveSlider(int position) const { SendW(Item(IDC_SLIDER), TBM_SETPOS, TRUE, position); }

    // The notification a button sends when clicked.
    void Press(int id) const { Command(id, BN_CLICKED); }
    // A real click on a visible button: the button itself notifies the dialog.
    void Click(int id) const { SendW(Item(id), BM_CLICK, 0, 0); }

    // Closes the dialog with id (IDOK, IDCANCEL) or, for 0, the close box; true when the program
    // then ends.
    bool Close(int id) {
        if (id == 0) {
            PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(Item(id)));
        }
        return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    void Command(int id, int code) const {
        SendW(dialog_, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }

    struct Search {
        DWORD processId;
        HWND found;
    };

    // The program's visible dialog titled "Tinkrel".
    HWND FindDialog() const {
        Search search = {process_.dwProcessId, nullptr};
        EnumWindows(IsTheDialog, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    static BOOL CALLBACK IsTheDialog(HWND window, LPARAM param) {
        auto* search = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t title[32] = {};
        GetWindowTextW(window, title, 32);
        if (owner == search->processId && IsWindowVisible(window) &&
            std::wstring(title) == L"Tinkrel") {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
    bool keepRunning_ = false;
};
