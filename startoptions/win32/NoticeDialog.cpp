#include "win32/NoticeDialog.h"

#include <utility>

#include "res/QuorvelRes.h"
#include "win32/HighContrast.h"

namespace {

ScaledPicture NoticePicture() {
    return ScaledPicture(IDB_NOTICE_LINE, IDB_NOTICE_LINE_MASTER);
}

}  // namespace

NoticeDialog::NoticeDialog() : DialogBase(IDD_NOTICE), picture_(NoticePicture()) {}

bool NoticeDialog::OnInitDialog() {
    whiteBrush.Create();
    if (!Dpi().IsDesign()) {
        ScalePicture();
    }
    ShowPictureUnlessHighContrast();
    return true;
}

// The picture is black on white whatever the theme; the English sentence below it says the same
// in the theme's colours.
void NoticeDialog::ShowPictureUnlessHighContrast() {
    Window(Item(IDC_NOTICE_PICTURE)).Show(!HighContrastOn());
}

void NoticeDialog::OnColoursChanged() {
    ShowPictureUnlessHighContrast();
}

void NoticeDialog::ScalePicture() {
    ScaledPicture fresh = NoticePicture();
    fresh.Load(GetModuleHandleA(nullptr), Dpi().Get());
    if (fresh.Get() == nullptr) {
        return;
    }
    auto previous = reinterpret_cast<HBITMAP>(
        Window(Item(IDC_NOTICE_PICTURE))
            .Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fresh.Get())));
    // The control never frees a picture it was given. The one it loaded itself is ours to free
    // once replaced; an earlier one of ours goes with the assignment below.
    if (previous != nullptr && !templatePicture_) {
        templatePicture_.Reset(previous);
    }
    picture_ = std::move(fresh);
}

void NoticeDialog::OnDpiChanged() {
    ScalePicture();
}

HBRUSH NoticeDialog::OnCtlColor(HDC dc, HWND, UINT) {
    return whiteBrush.Colour(dc);
}
