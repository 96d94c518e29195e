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
    // Setting the text tells screen readers the new name; hiding an empty text keeps it from
    // being read at all.
    text_.SetText(texts->whyNotOk[static_cast<int>(reason)]);
    text_.Show(reason != Unfitness::kNone);
}
