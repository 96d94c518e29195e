// Runs Quorvel.exe or Tinkrel.exe as a player starts it and finds its dialog; the DialogDriver
// then sends what a player's actions send. A program still running when the driver goes is
// ended, so that a failed test leaves nothing behind.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "DialogDriver.h"
#include "Wait.h"

class ProgramDriver {
public:
    enum class Start { kRunning, kSuspended };

    // Starts program (a Windows path) with the argument text; a suspended one runs on Resume.
    explicit ProgramDriver(const std::wstring& program, const std::string& arguments = "",
                           Start start = Start::kRunning);
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    void Resume() const { ResumeThread(process_.hThread); }
    DWORD MainThreadId() const { return process_.dwThreadId; }
    // Leaves the program running when the driver goes.
    void KeepRunning() { keepRunning_ = true; }

    // The program's main dialog once it shows and ready(dialog) holds; empty when that doesn't
    // happen within the wait.
    DialogDriver WaitDialog(const std::function<bool(const DialogDriver&)>& ready = {},
                            DWORD timeoutMs = kPatienceMs) const;
    // Another visible dialog of the program with this caption; empty after the wait.
    DialogDriver WaitWindow(const std::string& caption) const;
    // The program's dialog that doesn't show yet (one held by InitHold); empty when none.
    DialogDriver UnshownDialog() const;
    // True when the program ended within timeoutMs.
    bool WaitExit(DWORD timeoutMs = kPatienceMs) const;
    // The exit code; STILL_ACTIVE while it runs. An exception code such as 0xC00000FD (stack
    // overflow) means it crashed.
    DWORD ExitCode() const;
    // A zero-terminated text in the program's memory (item data of the owner-drawn list).
    std::string ReadText(ULONG_PTR address) const;

private:
    // The first dialog with that caption (any for null) that shows, or that doesn't show yet.
    HWND FindDialog(const std::string* caption, bool shown = true) const;

    PROCESS_INFORMATION process_ = {};
    bool keepRunning_ = false;
};

// The program of that name beside this test program: the test registration copies the programs a
// test drives there (PROGRAMS), so that they run from the prefix's C: drive.
std::wstring ProgramBeside(const wchar_t* name);
