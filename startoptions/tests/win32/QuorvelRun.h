// What the tests that run Quorvel.exe share: where it is, when its dialog is filled, and what it
// proposes for the ratings a run stored.
#pragma once

#include <string>

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
