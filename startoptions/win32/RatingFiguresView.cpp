#include "win32/RatingFiguresView.h"

#include "Localisation.h"
#include "RatingFigures.h"
#include "res/QuorvelRes.h"
#include "win32/CopyKey.h"
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
    HWND summary = ratingText_.Handle();
    ratingTooltip_.Create(dialog_);
    ratingTooltip_.AddTool(summary, "");  // no text, no tip, until the figures are measured
    figuresTip_.Create(dialog_);
    figuresTip_.AddTrackedTool(summary, "");
    // Lines end where the figures end them; only one wider than the screen is wrapped.
    for (Tooltip* tip : {&ratingTooltip_, &figuresTip_}) {
        tip->SetMaxTipWidth(GetSystemMetrics(SM_CXSCREEN));
    }
    ratingTooltip_.SetShowTime(kFiguresShowTimeMs);
}

void RatingFiguresView::ShowSummary(const KStr& summary) {
    ratingText_.SetText(summary.Text(), TextOrigin::kSystem);
}

void RatingFiguresView::ShowFigures(int language, const RatingInputs& inputs,
                                    const DiskMeasurement& disk, const DisplayFigures& display) {
    const RatingFigures figures = RatingFiguresOf(language, inputs, disk);
    if (figures.text.Length() > 0) {
        figures_ = WideFigures(figures) + L"\n" + WideFigures(display);
        const std::wstring tip = figures_ + L"\n" + WideText(RatingFigureTextsOf(language)->keys);
        ratingTooltip_.UpdateText(ratingText_.Handle(), tip);
        figuresTip_.UpdateText(ratingText_.Handle(), tip);
    }
}

void RatingFiguresView::Copy() const {
    if (figures_.empty()) {
        return;  // nothing measured yet: nothing to hand on
    }
    CopyTextToClipboard(dialog_, CopyText(ratingText_.GetWideText(), figures_));
}

void RatingFiguresView::ToggleFigures() {
    if (figuresShown_) {
        HideFigures();
        return;
    }
    if (figures_.empty()) {
        return;  // nothing measured yet
    }
    HWND summary = ratingText_.Handle();
    RECT place;
    GetWindowRect(summary, &place);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(dialog_, MONITOR_DEFAULTTONEAREST), &monitor);
    // Below the summary, or above it where the screen ends first.
    const SIZE size = figuresTip_.TipSize(summary);
    POINT at = {place.left, place.bottom};
    if (at.y + size.cy > monitor.rcWork.bottom) {
        at.y = place.top - size.cy;
    }
    ratingTooltip_.Activate(false);  // one tip of the figures at a time
    figuresTip_.Track(summary, true, at);
    figuresShown_ = true;
    focusWithFigures_ = GetFocus();
}

void RatingFiguresView::HideFigures() {
    figuresTip_.Track(ratingText_.Handle(), false);
    ratingTooltip_.Activate(true);
    figuresShown_ = false;
}

void RatingFiguresView::HideFiguresWhenFocusMoved() {
    if (figuresShown_ && GetFocus() != focusWithFigures_) {
        HideFigures();
    }
}
