#pragma once

#include <cstdint>

#include "DiskBenchmark.h"
#include "KStr.h"
#include "SystemRating.h"

// The figures behind the ratings, in the words of the dialog's language: what the rating summary's
// tooltip shows and Ctrl+C copies. The summary itself stays as it is, untranslated.

// The figures in two code pages: the words in the programs' own, the folder of the disk test as
// the file system named it (UTF-8), so that a folder named in any script shows as it is. The
// folder goes into text at folderAt.
struct RatingFigures {
    KStr text;
    int32_t folderAt = 0;
    KStr folder;  // empty when the disk line names no folder
};

// One line each for processor, memory and graphics, then the disk's throughputs and folder (or
// why it rated 0), then how the average weighs the ratings; joined by line feeds. Empty for a
// position without texts.
RatingFigures RatingFiguresOf(int language, const RatingInputs& inputs,
                              const DiskMeasurement& disk);
