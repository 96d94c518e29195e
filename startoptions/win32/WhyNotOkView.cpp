#include "win32/WhyNotOkView.h"

#include "Localisation.h"
#include "res/QuorvelRes.h"

void WhyNotOkView::Attach(const DialogBase& dialog) {
    text_.Attach(dialog.Handle(), IDC_WHY_NOT_OK);
}

void WhyNotOkView::Show(Unfitness reason, int language) {
    const DisplayFitnessTexts* texts = DisplayFitnessTextsOf(language);
    if (texts == nullptr) {
        return;
    }
    text_.SetText(texts->whyNotOk[static_cast<int>(reason)]);
    // Windows tells screen readers of a new text by itself; Wine 8 doesn't, so the event is raised
    // here too (a second one on Windows changes nothing a reader says).
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, text_.Handle(), OBJID_WINDOW, CHILDID_SELF);
    // An empty text is hidden, so that it is not read at all.
    text_.Show(reason != Unfitness::kNone);
}
