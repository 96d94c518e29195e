#pragma once

#include <windows.h>

#include <string>

#include "DiskBenchmark.h"
#include "DisplayFigures.h"
#include "KStr.h"
#include "SystemRating.h"
#include "win32/DialogBase.h"
#include "win32/Static.h"
#include "win32/Tooltip.h"

// The rating summary below the lists and the figures behind it: the summary's tooltip, in the
// dialog's language, and the copy that the dialog's Ctrl+C asks for: the summary with the figures
// as the tooltip shows them. The tooltip shows while the pointer rests on the summary; F1 and a
// click or tap on the summary show the figures beside it too, without the mouse. Their last line
// names these keys.
class RatingFiguresView {
public:
    // Takes the summary control of dialog and gives it its tooltip, empty until the figures are
    // measured.
    void Attach(const DialogBase& dialog);
    // The summary as the system gave its names (the system's code page).
    void ShowSummary(const KStr& summary);
    // The figures in language, followed by the display section; a language without texts keeps
    // the figures last shown.
    void ShowFigures(int language, const RatingInputs& inputs, const DiskMeasurement& disk,
                     const DisplayFigures& display);
    // Puts the summary and the figures on the clipboard (without the line about the keys);
    // nothing before they are measured.
    void Copy() const;
    // Shows the figures beside the summary until the next toggle or a move of the focus; hides
    // them when they show.
    void ToggleFigures();
    void HideFiguresWhenFocusMoved();

private:
    void HideFigures();

    HWND dialog_ = nullptr;
    Static ratingText_;
    Tooltip ratingTooltip_;  // on the pointer
    Tooltip figuresTip_;     // beside the summary, on F1 or a click
    bool figuresShown_ = false;
    HWND focusWithFigures_ = nullptr;  // the focus when they showed
    std::wstring figures_;             // the figures, in the language last shown
};
