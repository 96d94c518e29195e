#pragma once

#include <algorithm>

// What Quorvel proposes for four ratings: their weighted average, the frame-rate limit and the
// three detail levels. Worked out here from the rating rules themselves, so that the program tests
// never check the program against its own arithmetic.
struct ExpectedProposal {
    int average = 0;
    int framerate = 0;
    int texture = 0;
    int landscape = 0;
    int objects = 0;
};

inline ExpectedProposal ProposalForRatings(int cpu, int mem, int gfx, int disk) {
    // The disk counts less the more memory there is: its weight falls from 700 to 100.
    const double diskWeight = 700.0 - 6.0 * mem;
    const double weighted = disk * diskWeight + 600.0 * cpu + 400.0 * gfx + 1200.0 * mem;
    ExpectedProposal p;
    p.average = static_cast<int>(weighted / (diskWeight + 2200.0));
    p.framerate = std::min(10 + p.average * 8 / 50, 40);
    p.texture = std::clamp(5 * (mem + gfx + 10) / 200, 0, 4);
    p.landscape = std::clamp((4 * (3 * p.average + gfx) + 50) / 400, 0, 2);
    p.objects = std::clamp((3 * p.average + 50) / 100, 0, 2);
    return p;
}
