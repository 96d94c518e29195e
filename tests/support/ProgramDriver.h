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
    // Starts program (a Windows path) with the argument text.
    explicit ProgramDriver(const std::wstring& program, const std::string& arguments = "");
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // Leaves the program running when the driver goes.
    void KeepRunning() { keepRunning_ = true; }

    // The program's main dialog once it shows and ready(dialog) holds; empty when that doesn't
    // happen within the wait.
    DialogDriver WaitDialog(const std::function<bool(const DialogDriver&)>& ready = {},
                            DWORD timeoutMs = kPatienceMs) const;
    // Another visible dialog of the program with this caption; empty after the wait.
    DialogDriver WaitWindow(const std::string& caption) const;
    // True when the program ended within timeoutMs.
    bool WaitExit(DWORD timeoutMs = kPatienceMs) const;
    // The exit code; STILL_ACTIVE while it runs. An exception code such as 0xC00000FD (stack
    // overflow) means it crashed.
    DWORD ExitCode() const;
    // A zero-terminated text in the program's memory (item data of the owner-drawn list).
    std::string ReadText(ULONG_PTR address) const;

private:
    HWND FindDialog(const std::string* caption) const;

    PROCESS_INFORMATION process_ = {};
    bool keepRunning_ = false;
};

// Quorvel.exe beside this test program (the test scripts put it there).
std::wstring QuorvelPath();
// The program path that the test registration passes as the last argument, a path of this
// machine: Wine reaches it as Z: with backslashes. Empty when the last argument is a gtest flag.
std::wstring ProgramPathArgument();
// A path of this machine as Wine names it ("/a/b" is "Z:\a\b"); Windows paths stay as they are.
std::wstring WindowsPathOf(const std::string& path);

// Quorvel's options dialog once its start-up work has filled it: rating shown, input taken.
bool QuorvelFilled(const DialogDriver& dialog);
