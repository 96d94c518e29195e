// For the programs that set the scene of a screenshot (docs/screenshots.sh, ./dev run): the
// screen rectangle to photograph, "x y width height", written once the scene is ready.
#pragma once

#include <cstdio>

#include "DialogDriver.h"
#include "ProgramDriver.h"

inline bool WriteReadyFile(const char* path, const RECT& frame) {
    FILE* file = std::fopen(path, "w");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top);
    return std::fclose(file) == 0;
}

inline bool WriteReadyFile(const char* path, const DialogDriver& window) {
    return WriteReadyFile(path, window.Frame());
}

// The scene of ./dev run: the program as a player runs it. Once its dialog shows and ready(dialog)
// holds, the dialog's place goes to the ready file; then the program is left to the player, and
// its exit code is the result. A program that ends first (-automatic) leaves no ready file.
inline int RunAsPlayer(ProgramDriver& program, const char* readyFile,
                       const std::function<bool(const DialogDriver&)>& ready = {}) {
    if (!program.Started()) {
        return 1;
    }
    DialogDriver dialog;
    WaitFor([&] { return program.WaitExit(0) || (dialog = program.WaitDialog(ready, 0)); });
    if (dialog && !program.WaitExit(0)) {
        WriteReadyFile(readyFile, dialog);
    }
    program.WaitExit(INFINITE);
    return static_cast<int>(program.ExitCode());
}
