// For the programs that set the scene of a screenshot (docs/screenshots-*.sh): the screen
// rectangle to photograph, "x y width height", written once the scene is ready.
#pragma once

#include <cstdio>

#include "DialogDriver.h"

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
