// The options dialog's colours in this process, over scripted display drivers: white behind the
// controls whatever "-bunt" says, the system's colours under high contrast, in the language list
// too, and the notice on white.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>

#include "ScriptedCatalogues.h"
#include "StartOptionsDialogRun.h"
#include "res/QuorvelRes.h"
#include "support/Canvas.h"
#include "support/Wait.h"

namespace {

using scripted::Board;

TEST_F(StartOptionsDialogTest, ControlsStayWhiteWithBunt) {
    DialogRun run({Board(std::nullopt)}, "-bunt");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    Canvas canvas(4, 4);
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORDLG, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX}) {
        SetBkColor(canvas.Dc(), Canvas::kCanary);
        auto brush = reinterpret_cast<HBRUSH>(
            dialog.Send(0, message, reinterpret_cast<WPARAM>(canvas.Dc()),
                        reinterpret_cast<LPARAM>(dialog.Item(IDC_ADAPTER_LABEL))));
        ASSERT_NE(brush, nullptr) << message;
        EXPECT_EQ(BrushColour(brush), RGB(255, 255, 255)) << message;
        EXPECT_EQ(GetBkColor(canvas.Dc()), RGB(255, 255, 255)) << message;
    }
    // Push buttons keep the system's own colours.
    auto buttonBrush = reinterpret_cast<HBRUSH>(
        dialog.Send(0, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(canvas.Dc()),
                    reinterpret_cast<LPARAM>(dialog.Item(IDC_OK))));
    EXPECT_EQ(BrushColour(buttonBrush), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetBkColor(canvas.Dc()), GetSysColor(COLOR_BTNFACE));
    EXPECT_NE(dialog.Send(0, WM_QUERYDRAGICON, 0, 0), 0);

    // On screen, the left part of a right-aligned label shows the white background.
    RECT label;
    GetWindowRect(dialog.Item(IDC_ADAPTER_LABEL), &label);
    RedrawWindow(dialog.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC screen = GetDC(nullptr);
    COLORREF pixel = GetPixel(screen, label.left + 1, label.top + 1);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(pixel, RGB(255, 255, 255));
}

// Under high contrast the entries are drawn in the system's window, text and highlight colours,
// whatever colours the list's context holds; the Japanese characters in the entry's text colour.
TEST_F(StartOptionsDialogTest, LanguageListUnderHighContrastDrawsInTheSystemsColours) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    ForceHighContrast(HighContrastAnswer::kOn);
    static const char kJapanese[] = "Japanese";
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected);
        Canvas japanese(40, 16);
        SetTextColor(japanese.Dc(), RGB(200, 0, 0));
        SetBkColor(japanese.Dc(), RGB(0, 0, 200));
        DRAWITEMSTRUCT item = DrawRequest(dialog, japanese.Dc(), kJapanese, selected);
        dialog.Send(0, WM_DRAWITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&item));
        auto system = [&](int index) { return GetNearestColor(japanese.Dc(), GetSysColor(index)); };
        EXPECT_EQ(japanese.At(0, 0), system(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        EXPECT_EQ(japanese.At(2, 2), system(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        EXPECT_EQ(japanese.At(18, 2), system(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    }
}

// Whether pixel is the banner's gold rule's: nothing in the system's colours is that warm.
bool BannerShows(const DialogDriver& dialog) {
    return IsGold(PaintedPixel(dialog, 2, kGoldRuleY));
}

// The brush and colours the dialog gives a label.
struct LabelColours {
    COLORREF brush, text, background;
};
LabelColours ColoursOfLabel(HWND dialogOrNotice, int id) {
    Canvas canvas(4, 4);
    SetBkColor(canvas.Dc(), Canvas::kCanary);
    SetTextColor(canvas.Dc(), Canvas::kCanary);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(dialogOrNotice, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialogOrNotice, id))));
    return {BrushColour(brush), GetTextColor(canvas.Dc()), GetBkColor(canvas.Dc())};
}

// A change of scheme while the dialog is open takes effect at once; without high contrast the
// dialog is as it always was.
TEST_F(StartOptionsDialogTest, HighContrastTakesEffectAtOnce) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(WaitFor([&] { return BannerShows(dialog); }));
    ForceHighContrast(HighContrastAnswer::kOn);
    dialog.Send(0, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST);
    // The dialog repaints by itself.
    EXPECT_TRUE(
        WaitFor([&] { return ShownPixel(dialog, 2, kGoldRuleY) == GetSysColor(COLOR_WINDOW); }));
    LabelColours label = ColoursOfLabel(dialog.Handle(), IDC_ADAPTER_LABEL);
    EXPECT_EQ(label.brush, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(label.background, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(label.text, GetSysColor(COLOR_WINDOWTEXT));

    ForceHighContrast(HighContrastAnswer::kOff);
    dialog.Send(0, WM_SYSCOLORCHANGE);
    EXPECT_TRUE(WaitFor([&] { return IsGold(ShownPixel(dialog, 2, kGoldRuleY)); }));
    label = ColoursOfLabel(dialog.Handle(), IDC_ADAPTER_LABEL);
    EXPECT_EQ(label.brush, RGB(255, 255, 255));
    EXPECT_EQ(label.text, Canvas::kCanary) << "the label's own text colour stays";
}

// The contrast of two colours as the accessibility guidelines measure it: 1 (none) to 21.
double Contrast(COLORREF a, COLORREF b) {
    auto luminance = [](COLORREF c) {
        auto linear = [](int channel) {
            const double v = channel / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) +
               0.0722 * linear(GetBValue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strip of the screen a control's text lies in, height pixels from its top: its background
// is its most frequent colour, its text the colour that stands out most against it.
struct TextOnScreen {
    COLORREF background = CLR_INVALID;
    COLORREF text = CLR_INVALID;
};
TextOnScreen ReadText(const RECT& place, int height) {
    const int width = place.right - place.left;
    Canvas strip(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(strip.Dc(), 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    std::map<COLORREF, int> counts;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ++counts[strip.At(x, y)];
        }
    }
    TextOnScreen found;
    int most = 0;
    for (auto [colour, count] : counts) {
        if (count > most) {
            most = count;
            found.background = colour;
        }
    }
    for (auto [colour, count] : counts) {
        if (found.text == CLR_INVALID ||
            Contrast(colour, found.background) > Contrast(found.text, found.background)) {
            found.text = colour;
        }
    }
    return found;
}

// Run in a Wine session of its own whose system colours are a black high-contrast scheme
// (high-contrast-black.reg). Wine doesn't report the scheme: the answer is forced.
TEST_F(StartOptionsDialogTest, HighContrastSchemeShowsEveryTextClearly) {
    const char* colours = std::getenv("KRUMBEL_SYSTEM_COLOURS");
    if (colours == nullptr || std::strcmp(colours, "high-contrast-black.reg") != 0) {
        GTEST_SKIP() << "needs the black high-contrast scheme";
    }
    ASSERT_EQ(GetSysColor(COLOR_WINDOW), RGB(0, 0, 0)) << "the scheme did not apply";
    ForceHighContrast(HighContrastAnswer::kOn);
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    dialog.Choose(IDC_LANGUAGE, kFrench);
    dialog.Send(0, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog.Item(IDC_OK)), TRUE);
    RedrawWindow(dialog.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(500);  // the display shows what was drawn

    // No banner: the window colour where its band and its paper were.
    RECT client = {};
    GetClientRect(dialog.Handle(), &client);
    MapWindowPoints(dialog.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT band = {client.left, client.top, client.right, client.top + 105};
    const TextOnScreen banner = ReadText(band, 105);
    EXPECT_EQ(banner.background, RGB(0, 0, 0));
    EXPECT_EQ(banner.text, RGB(0, 0, 0)) << "nothing but the window colour";

    const int textHeight = 13;  // a line of the dialog's font at 96 dpi
    for (int id : {IDC_LANGUAGE_LABEL, IDC_ADAPTER_LABEL, IDC_DEVICE_LABEL, IDC_SCREEN_MODE_LABEL,
                   IDC_FULL_SCREEN, IDC_OBJECTS_LABEL, IDC_LANDSCAPE_LABEL, IDC_TEXTURE_LABEL,
                   IDC_FRAMERATE_LABEL, IDC_FRAMERATE_VALUE, IDC_RATING, IDC_GRAPHICS_GROUP,
                   IDC_DETAIL_GROUP, IDC_TCL_DEFINES_LABEL}) {
        SCOPED_TRACE(id);
        const TextOnScreen label = ReadText(dialog.Frame(id), textHeight);
        EXPECT_EQ(label.background, RGB(0, 0, 0));
        EXPECT_GE(Contrast(label.text, label.background), 4.5);
    }
    // A renderer the game can't use: the text beside OK says why, as clearly.
    dialog.Choose(IDC_DEVICE, 0);
    ASSERT_TRUE(dialog.IsShown(IDC_WHY_NOT_OK));
    RedrawWindow(dialog.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(500);
    const TextOnScreen why = ReadText(dialog.Frame(IDC_WHY_NOT_OK), textHeight);
    EXPECT_EQ(why.background, RGB(0, 0, 0));
    EXPECT_GE(Contrast(why.text, why.background), 4.5);
}

BOOL CALLBACK FindNotice(HWND window, LPARAM found) {
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    if (std::strcmp(title, "Error!") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

TEST_F(StartOptionsDialogTest, NoticeSitsOnWhiteAndFallsBackToEnglish) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    dialog.PostChoose(IDC_LANGUAGE, kJapanese);
    HWND notice = nullptr;
    WaitFor([&] {
        EnumThreadWindows(GetWindowThreadProcessId(dialog.Handle(), nullptr), FindNotice,
                          reinterpret_cast<LPARAM>(&notice));
        return notice != nullptr;
    });
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(GetWindow(notice, GW_OWNER), dialog.Handle());
    Canvas canvas(4, 4);
    for (UINT message : {WM_CTLCOLORBTN, WM_CTLCOLORSTATIC, WM_CTLCOLORDLG}) {
        SetBkColor(canvas.Dc(), Canvas::kCanary);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(notice, message, reinterpret_cast<WPARAM>(canvas.Dc()),
                         reinterpret_cast<LPARAM>(GetDlgItem(notice, IDOK))));
        ASSERT_NE(brush, nullptr) << message;
        EXPECT_EQ(BrushColour(brush), RGB(255, 255, 255)) << message;
        EXPECT_EQ(GetBkColor(canvas.Dc()), RGB(255, 255, 255)) << message;
    }
    // Moved to a screen at 150 %, the picture of the sentence grows with the dialog.
    RECT frame = {};
    GetWindowRect(notice, &frame);
    SendMessageA(notice, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
    BITMAP picture = {};
    GetObjectA(reinterpret_cast<HBITMAP>(
                   SendDlgItemMessageA(notice, IDC_NOTICE_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof picture, &picture);
    EXPECT_EQ(picture.bmWidth, 392 * 3 / 2);
    EXPECT_EQ(picture.bmHeight, 48 * 3 / 2);
    // Under high contrast the system's window colours, and no picture: the sentence below says
    // the same.
    ForceHighContrast(HighContrastAnswer::kOn);
    SendMessageW(notice, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(notice, IDC_NOTICE_PICTURE)));
    const LabelColours ok = ColoursOfLabel(notice, IDOK);
    EXPECT_EQ(ok.brush, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ok.text, GetSysColor(COLOR_WINDOWTEXT));
    PostMessageA(notice, WM_COMMAND, IDCANCEL, 0);  // the close box: English all the same
    EXPECT_TRUE(WaitFor([&] { return dialog.Selection(IDC_LANGUAGE) == kEnglish; }));
    EXPECT_EQ(dialog.Text(), "Krumbel - Options");
}

}  // namespace
