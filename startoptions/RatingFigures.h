#pragma once

#include "DiskBenchmark.h"
#include "KStr.h"
#include "SystemRating.h"

// The figures behind the ratings, in the words of the dialog's language: what the rating summary's
// tooltip shows and Ctrl+C copies. The summary itself stays as it is, untranslated.

// One line each for processor, memory and graphics, then the disk's throughputs and folder (or
// why it rated 0), then how the average weighs the ratings; joined by line feeds. Empty for a
// position without texts.
KStr RatingFiguresText(int language, const RatingInputs& inputs, const DiskMeasurement& disk);
