#pragma once

#include <windows.h>

#include <string>

#include "DiskBenchmark.h"
#include "KStr.h"
#include "SystemRating.h"
#include "win32/CopyKey.h"
#include "win32/DialogBase.h"
#include "win32/Static.h"
#include "win32/Tooltip.h"

// The rating summary below the lists and the figures behind it: the summary's tooltip, in the
// dialog's language, and Ctrl+C, which copies the summary with the figures as the tooltip shows
// them.
class RatingFiguresView {
public:
    // Takes the summary control of dialog and gives it its tooltip, empty until the figures are
    // measured; installs Ctrl+C.
    void Attach(const DialogBase& dialog);
    // The summary as the system gave its names (the system's code page).
    void ShowSummary(const KStr& summary);
    // The figures in language; a language without texts keeps the figures last shown.
    void ShowFigures(int language, const RatingInputs& inputs, const DiskMeasurement& disk);
    // Puts the summary and the figures on the clipboard; nothing before they are measured.
    void Copy() const;

private:
    HWND dialog_ = nullptr;
    Static ratingText_;
    Tooltip ratingTooltip_;
    CopyKey copyKey_;
    std::wstring figures_;  // the tooltip's text, in the language last shown
};
