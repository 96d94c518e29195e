#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Runs the real Quorvel.exe (placed beside the test program) and reads and drives its windows
// from this process, through the messages a player's actions produce. Texts cross the process
// boundary through the W messages (Wine answers the A forms with one character only) and are
// turned back into the program's Windows-1252 bytes.
class QuorvelProcess {
public:
    explicit QuorvelProcess(const std::string& arguments);
    ~QuorvelProcess();  // ends the program if it still runs
    QuorvelProcess(const QuorvelProcess&) = delete;
    QuorvelProcess& operator=(const QuorvelProcess&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // The options dialog once the start-up work has filled it (rating text shown, dialog
    // enabled); null when that doesn't happen within timeoutMs.
    HWND WaitFilled(DWORD timeoutMs = 60000);
    // Another top-level window of the program with this title; null after timeoutMs.
    HWND WaitWindow(const std::string& title, DWORD timeoutMs = 10000) const;
    // True when the program ended within timeoutMs.
    bool WaitExit(DWORD timeoutMs = 60000);
    // The program's exit code; STILL_ACTIVE while it runs. An exception code such as
    // 0xC00000FD (stack overflow) means it crashed.
    DWORD ExitCode() const;
    // Reads memory of the program: a zero-terminated text at address (item data of the
    // owner-drawn language list).
    std::string ReadText(ULONG_PTR address) const;

private:
    HWND FindDialog() const;

    PROCESS_INFORMATION process_ = {};
};

// The program's path: beside this test program.
std::string QuorvelPath();

// Reading and driving controls of another process.
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
std::vector<std::string> ComboTexts(HWND dialog, int id);
int ComboSelection(HWND dialog, int id);
bool IsShown(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
// Selects position in list id and tells the dialog, as picking it with the mouse does.
void Choose(HWND dialog, int id, int position);
// The same, posted: for a choice whose handler opens a modal window.
void PostChoose(HWND dialog, int id, int position);
void Click(HWND dialog, int id);
// A left click with the mouse in the middle of the control, through the system's input queue as a
// player's mouse gives it: a disabled or hidden control never sees it. False when it can't be sent.
bool ClickWithMouse(HWND dialog, int id);
// Escape, as the dialog's message loop sees the key.
void PressEscape(HWND dialog);
// Polls condition every 10 ms until it holds or timeoutMs pass.
template <typename Condition>
bool WaitFor(DWORD timeoutMs, const Condition& condition) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(10);
    }
    return true;
}
