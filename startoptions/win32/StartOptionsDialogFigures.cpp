// The figures behind the ratings: the rating summary's tooltip, in the dialog's language, and
// Ctrl+C, which copies the summary with the figures as the tooltip shows them.
#include <string>

#include "RatingFigures.h"
#include "win32/StartOptionsDialog.h"
#include "win32/WideText.h"

namespace {

// Long enough to read five lines; the longest delay the tooltip takes.
constexpr int kFiguresShowTimeMs = 32767;

// The summary as the system gave it, a blank line, the figures; every line ended by CR LF, as
// clipboard text is.
std::wstring CopyText(const KStr& summary, const KStr& figures) {
    std::wstring text =
        WideText(summary.Text(), TextOrigin::kSystem) + L"\n\n" + WideText(figures.Text()) + L"\n";
    for (size_t at = text.find(L'\n'); at != std::wstring::npos; at = text.find(L'\n', at + 2)) {
        text.insert(at, 1, L'\r');
    }
    return text;
}

}  // namespace

void StartOptionsDialog::SetUpRatingFigures() {
    // A static control leaves the mouse to its dialog unless it notifies; the tooltip needs to see
    // the pointer resting on the summary itself.
    HWND summary = ratingText_.Handle();
    SetWindowLongW(summary, GWL_STYLE, GetWindowLongW(summary, GWL_STYLE) | SS_NOTIFY);
    ratingTooltip_.Create(Handle());
    ratingTooltip_.AddTool(summary, "");  // no text, no tip, until the figures are measured
    // Lines end where the figures end them; only one wider than the screen is wrapped.
    ratingTooltip_.SetMaxTipWidth(GetSystemMetrics(SM_CXSCREEN));
    ratingTooltip_.SetShowTime(kFiguresShowTimeMs);
    copyKey_.Install();
}

// Runs with every relabelling, all of which follow the measurements.
void StartOptionsDialog::ShowRatingFigures() {
    KStr figures = RatingFiguresText(languageList_.GetCurSel(), ratingInputs_, disk_);
    if (figures.Length() > 0) {
        ratingFigures_ = figures;
        ratingTooltip_.UpdateText(ratingText_.Handle(), figures.Text());
    }
}

void StartOptionsDialog::CopyRatingFigures() {
    if (ratingFigures_.Length() == 0) {
        return;  // nothing measured yet: nothing to hand on
    }
    CopyTextToClipboard(Handle(),
                        CopyText(ratingText_.GetText(TextOrigin::kSystem), ratingFigures_));
}

// Ctrl+C outside an edit field.
bool StartOptionsDialog::OnCopy() {
    CopyRatingFigures();
    return true;
}
