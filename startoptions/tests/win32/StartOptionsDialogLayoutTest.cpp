// The options dialog in this process, over scripted display drivers, moved to screens of other
// scales: the banner, the icons and the Japanese characters follow the DPI of the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "ScriptedCatalogues.h"
#include "StartOptionsDialogRun.h"
#include "res/QuorvelRes.h"
#include "support/Canvas.h"
#include "support/Wait.h"
#include "win32/Dpi.h"

namespace {

using scripted::Board;

// The dialog moves to a screen of another scale: WM_DPICHANGED names the new DPI and suggests
// the window's new rectangle.
void MoveToDpi(const DialogDriver& dialog, UINT dpi) {
    const RECT frame = dialog.Frame();
    RECT suggested = {frame.left, frame.top, frame.left + (frame.right - frame.left) * 2,
                      frame.top + (frame.bottom - frame.top) * 2};
    dialog.Send(0, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    const RECT moved = dialog.Frame();
    EXPECT_EQ(moved.right - moved.left, suggested.right - suggested.left);
    EXPECT_EQ(moved.bottom - moved.top, suggested.bottom - suggested.top);
}

TEST_F(StartOptionsDialogTest, DecorationFollowsTheDpiOfItsScreen) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    ASSERT_EQ(DpiOfWindow(dialog.Handle()), 96u) << "the shared test prefix stays at 96 dpi";
    EXPECT_TRUE(IsGold(PaintedPixel(dialog, 2, kGoldRuleY)));
    // Beyond the banner's right edge its paper goes on, light and even.
    const COLORREF paper = PaintedPixel(dialog, 460, 110);
    EXPECT_GT(GetGValue(paper), 240);
    EXPECT_EQ(PaintedPixel(dialog, 452, 300), paper);

    // 150 %: the master shrunk to three quarters; 200 %: the master itself. Under Wine the first
    // paint after the window grew may not reach its pixels yet, hence the wait.
    MoveToDpi(dialog, 144);
    EXPECT_TRUE(WaitFor([&] { return IsGold(PaintedPixel(dialog, 3, kGoldRuleY * 3 / 2)); }));
    EXPECT_FALSE(IsGold(PaintedPixel(dialog, 3, kGoldRuleY)));
    MoveToDpi(dialog, 192);
    EXPECT_TRUE(WaitFor([&] { return IsGold(PaintedPixel(dialog, 4, kGoldRuleY * 2)); }));
    EXPECT_FALSE(IsGold(PaintedPixel(dialog, 4, kGoldRuleY * 3 / 2)));

    // The icons at the sizes of the new scale.
    for (auto [kind, metric] :
         {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        auto icon = reinterpret_cast<HICON>(dialog.Send(0, WM_GETICON, kind));
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << kind;
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        EXPECT_EQ(mask.bmWidth, SystemMetricForDpi(metric, 192)) << kind;
    }

    // The Japanese characters at twice their size, with a pen twice as wide.
    static const char kJapanese[] = "Japanese";
    Canvas japanese(80, 32);
    DRAWITEMSTRUCT item = DrawRequest(dialog, japanese.Dc(), kJapanese, true, {80, 32});
    dialog.Send(0, WM_DRAWITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&item));
    const COLORREF highlight = GetNearestColor(japanese.Dc(), GetSysColor(COLOR_HIGHLIGHT));
    const COLORREF stroke = GetNearestColor(japanese.Dc(), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(japanese.At(4, 4), stroke);   // the first stroke of the first character
    EXPECT_EQ(japanese.At(4, 22), stroke);  // ... down to near its end at (4, 24)
    EXPECT_EQ(japanese.At(8, 8), highlight);
    EXPECT_EQ(japanese.At(36, 4), stroke);  // the second character's stem
    // The pen is two pixels wide: the stroke covers a neighbour of its own column.
    EXPECT_TRUE(japanese.At(3, 12) == stroke || japanese.At(5, 12) == stroke);
}

}  // namespace
