// What the tests that run Quorvel.exe share: where it is, when its dialog is filled, and what it
// proposes for the ratings a run stored.
#pragma once

#include <string>
#include <vector>

#include "SystemRating.h"
#include "res/QuorvelRes.h"
#include "support/DialogDriver.h"
#include "support/ProgramDriver.h"

// Quorvel.exe, beside the test program.
inline std::wstring QuorvelPath() {
    return ProgramBeside(L"Quorvel.exe");
}

// Quorvel's options dialog once its start-up work has filled it: rating shown, input taken.
inline bool QuorvelFilled(const DialogDriver& dialog) {
    return !dialog.Text(IDC_RATING).empty() && dialog.IsEnabled();
}

// The controls Tab visits in the options dialog, in this order; the language list and the Tcl
// field only with "-advanced".
inline std::vector<int> QuorvelTabOrder(bool advanced) {
    std::vector<int> order = {IDC_ADAPTER,  IDC_DEVICE,    IDC_SCREEN_MODE, IDC_FULL_SCREEN,
                              IDC_OBJECTS,  IDC_LANDSCAPE, IDC_TEXTURE,     IDC_FRAMERATE,
                              IDC_DEFAULTS, IDC_OK,        IDC_CANCEL};
    if (advanced) {
        order.insert(order.begin(), IDC_LANGUAGE);
        order.insert(order.end() - 2, IDC_TCL_DEFINES);
    }
    return order;
}

// What the program proposes besides the language.
struct Proposal {
    int framerate = 0;
    int texture = 0;
    int landscape = 0;
    int objects = 0;
};

// The proposal for four ratings a run stored, by the rating rules, which the worked examples of
// SystemRatingTest pin down; the program tests check that the program applies them.
inline Proposal ProposalFor(int cpu, int mem, int gfx, int disk) {
    SystemRatings ratings;
    ratings.ratingCpu = cpu;
    ratings.ratingMem = mem;
    ratings.ratingGfx = gfx;
    ratings.ratingDisk = disk;
    ratings.ratingAverage = AverageRating(cpu, mem, gfx, disk);
    const Presets presets = RecommendedPresets(ratings);
    return {RecommendedFramerate(ratings.ratingAverage), presets.texture, presets.landscape,
            presets.objects};
}
