#include "win32/RatingFiguresView.h"

#include "RatingFigures.h"
#include "res/QuorvelRes.h"
#include "win32/WideFigures.h"
#include "win32/WideText.h"

namespace {

// Long enough to read five lines; the longest delay the tooltip takes.
constexpr int kFiguresShowTimeMs = 32767;

// The summary, a blank line, the figures; every line ended by CR LF, as clipboard text is.
std::wstring CopyText(const std::wstring& summary, const std::wstring& figures) {
    std::wstring text = summary + L"\n\n" + figures + L"\n";
    for (size_t at = text.find(L'\n'); at != std::wstring::npos; at = text.find(L'\n', at + 2)) {
        text.insert(at, 1, L'\r');
    }
    return text;
}

}  // namespace

void RatingFiguresView::Attach(const DialogBase& dialog) {
    dialog_ = dialog.Handle();
    ratingText_.Attach(dialog_, IDC_RATING);
    // A static control leaves the mouse to its dialog unless it notifies; the tooltip needs to see
    // the pointer resting on the summary itself.
    HWND summary = ratingText_.Handle();
    SetWindowLongW(summary, GWL_STYLE, GetWindowLongW(summary, GWL_STYLE) | SS_NOTIFY);
    ratingTooltip_.Create(dialog_);
    ratingTooltip_.AddTool(summary, "");  // no text, no tip, until the figures are measured
    // Lines end where the figures end them; only one wider than the screen is wrapped.
    ratingTooltip_.SetMaxTipWidth(GetSystemMetrics(SM_CXSCREEN));
    ratingTooltip_.SetShowTime(kFiguresShowTimeMs);
    copyKey_.Install();
}

void RatingFiguresView::ShowSummary(const KStr& summary) {
    ratingText_.SetText(summary.Text(), TextOrigin::kSystem);
}

void RatingFiguresView::ShowFigures(int language, const RatingInputs& inputs,
                                    const DiskMeasurement& disk) {
    const RatingFigures figures = RatingFiguresOf(language, inputs, disk);
    if (figures.text.Length() > 0) {
        figures_ = WideFigures(figures);
        ratingTooltip_.UpdateText(ratingText_.Handle(), figures_);
    }
}

void RatingFiguresView::Copy() const {
    if (figures_.empty()) {
        return;  // nothing measured yet: nothing to hand on
    }
    const KStr summary = ratingText_.GetText(TextOrigin::kSystem);
    CopyTextToClipboard(dialog_, CopyText(WideText(summary.Text(), TextOrigin::kSystem), figures_));
}
