// The options dialog in this process, over scripted display drivers: what its lists show and
// allow, what it stores without any adapter, and how it draws. Driven from the test thread
// through messages while the dialog runs modally on a thread of its own.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedCatalogues.h"
#include "res/QuorvelRes.h"
#include "support/Clipboard.h"
#include "support/Cp1252.h"
#include "support/DialogDriver.h"
#include "support/SettingsKey.h"
#include "support/Wait.h"
#include "win32/Dpi.h"
#include "win32/HighContrast.h"
#include "win32/KSysInfo.h"
#include "win32/StartOptionsDialog.h"
#include "win32/WideText.h"

namespace {

using scripted::Board;
using scripted::Device;
using scripted::FlatBoard;
using scripted::TaggedGuid;

KSysInfo& SharedSysInfo() {
    static KSysInfo sysInfo;
    return sysInfo;
}

// One run of the dialog on a Win32 thread of its own (the win32 thread model of the runtime has
// no std::thread).
class DialogRun {
public:
    DialogRun(std::vector<ScriptedDriver> drivers, const char* arguments)
        : layer_(std::move(drivers)), dialog_(SharedSysInfo(), layer_, KStr(arguments)) {
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
        if (thread_ == nullptr) {
            ended_ = true;
        }
    }
    ~DialogRun() {
        if (!ended_ && window_ != nullptr) {
            PostMessageA(window_, WM_COMMAND, IDCANCEL, 0);
        }
        if (thread_ != nullptr) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
        }
    }
    DialogRun(const DialogRun&) = delete;
    DialogRun& operator=(const DialogRun&) = delete;

    // The dialog once its start-up work is done; empty when the dialog ended or the wait did.
    DialogDriver WaitFilled() {
        bool done = WaitFor([this] {
            if (threadId_ != 0) {
                EnumThreadWindows(threadId_, Keep, reinterpret_cast<LPARAM>(&window_));
            }
            return ended_ ||
                   (window_ != nullptr && !DialogDriver(window_).Text(IDC_RATING).empty());
        });
        return done && !ended_ ? DialogDriver(window_) : DialogDriver();
    }
    bool WaitEnded() {
        return WaitFor([this] { return ended_.load(); });
    }

private:
    static DWORD WINAPI Run(void* self) {
        auto* run = static_cast<DialogRun*>(self);
        run->threadId_ = GetCurrentThreadId();
        run->dialog_.RunModal();
        run->ended_ = true;
        return 0;
    }
    // The thread's dialog; its tooltip is a window of the thread too.
    static BOOL CALLBACK Keep(HWND window, LPARAM found) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, "#32770") != 0) {
            return TRUE;
        }
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    ScriptedDisplayDrivers layer_;
    StartOptionsDialog dialog_;
    HANDLE thread_ = nullptr;
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ended_{false};
    HWND window_ = nullptr;
};

class StartOptionsDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    void SetUp() override { kSettingsKey.Delete(); }
    void TearDown() override {
        kSettingsKey.Delete();
        ForceHighContrast(HighContrastAnswer::kSystem);
    }
};

TEST_F(StartOptionsDialogTest, ListsOfferTheCatalogue) {
    DialogRun run({FlatBoard(std::nullopt), Board(TaggedGuid(5))}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog.Entries(IDC_ADAPTER),
              (std::vector<std::string>{"Flat (display.dll certified)",
                                        "Board (display.dll certified)"}));
    // Only the second adapter is usable: the list is locked on it.
    EXPECT_FALSE(dialog.IsEnabled(IDC_ADAPTER));
    EXPECT_EQ(dialog.Selection(IDC_ADAPTER), 1);
    EXPECT_EQ(
        dialog.Entries(IDC_DEVICE),
        (std::vector<std::string>{"RGB (unsupported)", "HAL", "TL (Hardware TnL) (unsupported)"}));
    EXPECT_FALSE(dialog.IsEnabled(IDC_DEVICE));
    EXPECT_EQ(dialog.Selection(IDC_DEVICE), 1);
    EXPECT_TRUE(dialog.IsEnabled(IDC_OK));
    // The two lists locked while the start-up work filled them took the focus with them: it is
    // on the first control that takes input.
    EXPECT_EQ(dialog.FocusedId(), IDC_SCREEN_MODE);
    std::vector<std::string> modes = dialog.Entries(IDC_SCREEN_MODE);
    ASSERT_EQ(modes.size(), 5u);
    EXPECT_EQ(modes[4], "1280 x 1024 (5:4)");
    // The test display's full-screen area (1280 x 1024 less the caption) holds every mode up to
    // 1152 x 864 strictly inside it. 1152 x 864 is only 128 + 96 pixels closer than 1024 x 768,
    // short of the more than 256 it takes to replace an earlier mode: the best fit is 1024 x 768.
    ASSERT_GT(GetSystemMetrics(SM_CXFULLSCREEN), 1152);
    ASSERT_LE(GetSystemMetrics(SM_CXFULLSCREEN), 1280);
    ASSERT_GT(GetSystemMetrics(SM_CYFULLSCREEN), 864);
    EXPECT_EQ(modes.at(dialog.Selection(IDC_SCREEN_MODE)), "1024 x 768 (4:3)");

    // The unusable adapter: its one usable device is selected, its smallest mode, OK is off.
    dialog.Choose(IDC_ADAPTER, 0);
    EXPECT_EQ(dialog.Selection(IDC_DEVICE), 1);
    EXPECT_EQ(dialog.Selection(IDC_SCREEN_MODE), 0);
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
}

TEST_F(StartOptionsDialogTest, OkFollowsTheDeviceChoice) {
    ScriptedDriver board = Board(std::nullopt);
    board.devices = {Device("RGB", false, false, 1), Device("HAL", true, false, 2),
                     Device("HAL2", true, false, 3)};
    DialogRun run({board, Board(TaggedGuid(5))}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog.IsEnabled(IDC_ADAPTER));
    EXPECT_TRUE(dialog.IsEnabled(IDC_DEVICE));
    EXPECT_EQ(dialog.Selection(IDC_DEVICE), 1);
    EXPECT_TRUE(dialog.IsEnabled(IDC_OK));

    // Changing the adapter asks for device 0, here the unusable RGB device. OK, disabled, would
    // leave no focus at all: the focus it had moves on to the next control Tab reaches.
    dialog.Focus(IDC_OK);
    ASSERT_TRUE(dialog.HasFocus(IDC_OK));
    dialog.Choose(IDC_ADAPTER, 0);
    EXPECT_EQ(dialog.Selection(IDC_DEVICE), 0);
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
    EXPECT_EQ(dialog.FocusedId(), IDC_CANCEL);
    dialog.Choose(IDC_DEVICE, 2);
    EXPECT_TRUE(dialog.IsEnabled(IDC_OK));
    dialog.Choose(IDC_DEVICE, 0);
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
}

TEST_F(StartOptionsDialogTest, WithoutAdaptersTheRestIsStillStored) {
    {
        DialogRun run({}, "");
        DialogDriver dialog = run.WaitFilled();
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(dialog.Entries(IDC_ADAPTER).empty());
        EXPECT_TRUE(dialog.Entries(IDC_DEVICE).empty());
        EXPECT_TRUE(dialog.Entries(IDC_SCREEN_MODE).empty());
        EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
    }
    StoreSetting("Screen\\Width", "1024");  // kept: no mode to replace it
    DialogRun run({}, "-automatic");
    ASSERT_TRUE(run.WaitEnded());
    ValuesByPath stored = StoredSettings();
    EXPECT_EQ(stored.count("Screen\\DirectDrawGUID"), 0u);
    EXPECT_EQ(stored.count("Screen\\Direct3DGUID"), 0u);
    EXPECT_EQ(stored.count("Screen\\TnL"), 0u);
    EXPECT_EQ(TextOf(stored["Screen\\Width"]), "1024");
    EXPECT_EQ(stored.count("Screen\\Height"), 0u);
    EXPECT_EQ(TextOf(stored["Screen\\Fullscreen"]), "1");
    EXPECT_EQ(TextOf(stored["Language"]), "de");
    EXPECT_EQ(TextOf(stored["Performance\\RatingGfx"]), "0");  // no texture memory anywhere
    EXPECT_EQ(stored.count("Performance\\MaxFramerate"), 1u);
}

// A memory context with a bitmap of its own, filled with a canary colour.
class Canvas {
public:
    static constexpr COLORREF kCanary = RGB(1, 2, 3);
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        HBRUSH canary = CreateSolidBrush(kCanary);
        FillRect(dc_, &all, canary);
        DeleteObject(canary);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH logBrush = {};
    GetObjectA(brush, sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

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

// One owner-draw request for the language list, into a rectangle of the given size.
DRAWITEMSTRUCT DrawRequest(const DialogDriver& dialog, HDC dc, const char* text, bool selected,
                           SIZE size = {40, 16}) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = IDC_LANGUAGE;
    item.itemID = 6;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hwndItem = dialog.Item(IDC_LANGUAGE);
    item.hDC = dc;
    item.rcItem = {0, 0, size.cx, size.cy};
    item.itemData = reinterpret_cast<ULONG_PTR>(text);
    return item;
}

// Entries drawn as text, black on white, on canvases of kTextWidth x 16.
constexpr int kTextWidth = 100;
constexpr RECT kTextRect = {0, 0, kTextWidth, 16};

void PrepareText(const Canvas& canvas) {
    FillRect(canvas.Dc(), &kTextRect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(canvas.Dc(), RGB(0, 0, 0));
    SetBkColor(canvas.Dc(), RGB(255, 255, 255));
}

// The language list draws an entry, not selected, whose item data is text.
void DrawEntry(const DialogDriver& dialog, const Canvas& canvas, const char* text) {
    PrepareText(canvas);
    DRAWITEMSTRUCT item = DrawRequest(dialog, canvas.Dc(), text, false, {kTextWidth, 16});
    dialog.Send(0, WM_DRAWITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&item));
}

// The system draws text as the list is meant to.
void DrawWide(const Canvas& canvas, const wchar_t* text) {
    PrepareText(canvas);
    RECT rect = kTextRect;
    DrawTextW(canvas.Dc(), text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

int DifferingPixels(const Canvas& a, const Canvas& b) {
    int differing = 0;
    for (int y = 0; y < kTextRect.bottom; ++y) {
        for (int x = 0; x < kTextWidth; ++x) {
            differing += a.At(x, y) != b.At(x, y);
        }
    }
    return differing;
}

// A pixel of the dialog's client area as the screen shows it now.
COLORREF ShownPixel(const DialogDriver& dialog, int x, int y) {
    HDC dc = GetDC(dialog.Handle());
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(dialog.Handle(), dc);
    return pixel;
}

// A pixel of the dialog's client area as the dialog paints it. The paint is sent, so that it is
// done on the dialog's thread before the pixel is read.
COLORREF PaintedPixel(const DialogDriver& dialog, int x, int y) {
    InvalidateRect(dialog.Handle(), nullptr, TRUE);
    dialog.Send(0, WM_PAINT);
    return ShownPixel(dialog, x, y);
}

// The banner's gold rule under its band, at y = 102 for 96 dpi; nothing else there is as warm.
bool IsGold(COLORREF pixel) {
    return GetRValue(pixel) - GetBValue(pixel) > 100;
}
constexpr int kGoldRuleY = 102;

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

TEST_F(StartOptionsDialogTest, LanguageListDrawsJapaneseAsCharacters) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    static const char kJapanese[] = "Japanese";
    static const char kJaponais[] = "Japonais";

    Canvas japanese(40, 16);
    DRAWITEMSTRUCT item = DrawRequest(dialog, japanese.Dc(), kJapanese, true);
    dialog.Send(0, WM_DRAWITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&item));
    COLORREF highlight = GetNearestColor(japanese.Dc(), GetSysColor(COLOR_HIGHLIGHT));
    COLORREF highlightText = GetNearestColor(japanese.Dc(), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(japanese.At(0, 0), highlight);
    EXPECT_EQ(japanese.At(2, 2), highlightText);   // first stroke of the first character
    EXPECT_EQ(japanese.At(2, 11), highlightText);  // ... down to just above its end point
    EXPECT_EQ(japanese.At(4, 4), highlight);       // inside the first character
    EXPECT_EQ(japanese.At(18, 2), highlightText);  // the second character's stem
    EXPECT_EQ(japanese.At(39, 15), highlight);

    // Other texts are drawn as text, exactly as the system draws them.
    Canvas japonais(kTextWidth, 16);
    DrawEntry(dialog, japonais, kJaponais);
    Canvas expected(kTextWidth, 16);
    DrawWide(expected, L"Japonais");
    EXPECT_EQ(DifferingPixels(japonais, expected), 0);
    Canvas blank(kTextWidth, 16);
    PrepareText(blank);
    EXPECT_GT(DifferingPixels(japonais, blank), 0);

    // No text: nothing drawn at all.
    Canvas untouched(40, 16);
    item = DrawRequest(dialog, untouched.Dc(), nullptr, true);
    dialog.Send(0, WM_DRAWITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(untouched.At(0, 0), Canvas::kCanary);
    EXPECT_EQ(untouched.At(2, 2), Canvas::kCanary);
}

// The list keeps each entry's text, which a screen reader reads, in every language; each entry is
// as high as its text, measured before the entry has its item data.
TEST_F(StartOptionsDialogTest, LanguageListKeepsMeasuresAndComparesItsTexts) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    for (int language = kEnglish; language < kTranslatedLanguageCount; ++language) {
        SCOPED_TRACE(language);
        dialog.Choose(IDC_LANGUAGE, language);
        const char* const* texts = TextsOf(language)->languageList;
        EXPECT_EQ(dialog.Entries(IDC_LANGUAGE),
                  std::vector<std::string>(texts, texts + kLanguageListSize));
        for (int i = 0; i < kLanguageListSize; ++i) {
            EXPECT_STREQ(reinterpret_cast<const char*>(dialog.EntryData(IDC_LANGUAGE, i)),
                         texts[i]);
            const auto height = dialog.Send(IDC_LANGUAGE, CB_GETITEMHEIGHT, i);
            EXPECT_GT(height, 0) << i;
            EXPECT_LT(height, 100) << i;
        }
    }
    static const char kEnglishText[] = "English";
    static const char kDutchText[] = "Dutch";

    // An entry is measured from its text, whatever the item data holds (nothing yet, while the
    // list adds the entry).
    MEASUREITEMSTRUCT measure = {ODT_COMBOBOX, IDC_LANGUAGE, 0, 0, 12345, 0};
    dialog.Send(0, WM_MEASUREITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemHeight,
              static_cast<UINT>(dialog.Send(IDC_LANGUAGE, CB_GETITEMHEIGHT, 0)));
    measure.itemID = kLanguageListSize;  // no such entry, no text
    measure.itemHeight = 12345;
    dialog.Send(0, WM_MEASUREITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemHeight, 0u);
    measure.itemID = static_cast<UINT>(-1);  // the selection field keeps its height
    measure.itemHeight = 12345;
    dialog.Send(0, WM_MEASUREITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemHeight, 12345u);

    COMPAREITEMSTRUCT compare = {};
    compare.CtlType = ODT_COMBOBOX;
    compare.CtlID = IDC_LANGUAGE;
    compare.hwndItem = dialog.Item(IDC_LANGUAGE);
    compare.itemData1 = reinterpret_cast<ULONG_PTR>(kEnglishText);
    compare.itemData2 = reinterpret_cast<ULONG_PTR>(kDutchText);
    auto order = [&] {
        return static_cast<int>(
            dialog.Send(0, WM_COMPAREITEM, IDC_LANGUAGE, reinterpret_cast<LPARAM>(&compare)));
    };
    EXPECT_EQ(order(), -1);  // the second text sorts first
    std::swap(compare.itemData1, compare.itemData2);
    EXPECT_EQ(order(), 1);
    compare.itemData2 = compare.itemData1;
    EXPECT_EQ(order(), 0);
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
}

// What the screen shows: the UTF-16 text that message (WM_GETTEXT, CB_GETLBTEXT) answers,
// converted by nothing of ours. The texts asked for are short.
std::wstring Shown(const DialogDriver& dialog, int id, UINT message, WPARAM wParam = 64) {
    wchar_t text[256] = {};
    dialog.Send(id, message, wParam, reinterpret_cast<LPARAM>(text));
    return text;
}

// The rating summary's tooltip text, as the tooltip holds it. Asked for as UTF-16: the ANSI
// form of the question hands back no more than 80 characters.
std::string FiguresOf(const DialogDriver& dialog) {
    wchar_t text[INFOTIPSIZE] = {};
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = dialog.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(dialog.Item(IDC_RATING));
    tool.lpszText = text;
    HWND tip = dialog.TooltipWindow();
    if (tip == nullptr) {
        return "<no tooltip>";
    }
    SendMessageW(tip, TTM_GETTEXTW, INFOTIPSIZE, reinterpret_cast<LPARAM>(&tool));
    return Narrow(text);
}

// The texts with letters outside ASCII, read back in UTF-16 as they reach the screen and
// compared with the texts as written. locale-texts.sh runs this test again in prefixes whose
// system code page is not 1252, where the A functions would show other letters; texts of ASCII
// alone read alike in every code page and are left out.
TEST_F(StartOptionsDialogTest, AccentedTextsShowAsWritten) {
    if (const char* codePage = std::getenv("KRUMBEL_CODE_PAGE")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(codePage))) << "the locale did not apply";
    }
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    dialog.Choose(IDC_LANGUAGE, kGerman);
    EXPECT_EQ(Shown(dialog, IDC_SCREEN_MODE_LABEL, WM_GETTEXT), L"Aufl\u00F6sung");

    dialog.Choose(IDC_LANGUAGE, kFrench);
    EXPECT_EQ(Shown(dialog, IDC_GRAPHICS_GROUP, WM_GETTEXT), L"R\u00E9glages graphiques");
    EXPECT_EQ(Shown(dialog, IDC_FULL_SCREEN, WM_GETTEXT), L"Plein \u00E9cran");
    EXPECT_EQ(Shown(dialog, IDC_TEXTURE, CB_GETLBTEXT, 3), L"Elev\u00E9");
    EXPECT_NE(FiguresOf(dialog).find("\nM\xE9moire disponible : "), std::string::npos)
        << FiguresOf(dialog);

    // The language list keeps no strings: its entry's text is what it hands to the drawing.
    Canvas drawn(kTextWidth, 16);
    DrawEntry(dialog, drawn,
              reinterpret_cast<const char*>(dialog.EntryData(IDC_LANGUAGE, kFrench)));
    Canvas written(kTextWidth, 16);
    DrawWide(written, L"Fran\u00E7ais");
    EXPECT_EQ(DifferingPixels(drawn, written), 0);
    // Read in this system's code page, as the A functions read them, the bytes as written look
    // different wherever it is not 1252: the comparison sees a missing conversion.
    Canvas misread(kTextWidth, 16);
    DrawWide(misread, WideText("Fran\347ais", TextOrigin::kSystem).c_str());
    EXPECT_EQ(DifferingPixels(misread, written) > 0, GetACP() != 1252);
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

std::string WithCrLf(const std::string& text) {
    return std::regex_replace(text, std::regex("\n"), "\r\n");
}

// Ctrl+C outside an edit field, and what it put on the clipboard.
std::string CopiedWithCtrlC(const DialogDriver& dialog) {
    EmptyTheClipboard();
    dialog.PressCtrlC();
    WaitFor([] { return !ClipboardText().empty(); });
    return ClipboardText();
}

TEST_F(StartOptionsDialogTest, SummaryTooltipGivesTheMeasuredFiguresInTheDialogsLanguage) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    const std::string summaryText = dialog.Text(IDC_RATING);
    const std::vector<std::string> summary = Lines(summaryText);
    ASSERT_EQ(summary.size(), 5u) << summaryText;
    // The machine's whole memory, as this test's own 64-bit query finds it.
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    const uint64_t totalMb = (status.ullTotalPhys + 655360) / 1048576;
    EXPECT_EQ(summary[2], std::to_string(totalMb) + " MB RAM");

    // The first run speaks German. The figures are those the summary rates: the clock of its
    // processor line, the scripted board's 16 MB with hardware TnL, the disk of this program.
    const std::vector<std::string> german = Lines(FiguresOf(dialog));
    ASSERT_EQ(german.size(), 6u) << FiguresOf(dialog);
    const std::string clock = summary[1].substr(summary[1].rfind(' ') + 1);
    EXPECT_EQ(german[0], "Prozessor: " + clock + " MHz");
    std::smatch memory;
    ASSERT_TRUE(
        std::regex_match(german[1], memory, std::regex("Freier Arbeitsspeicher: ([0-9]+) MB")))
        << german[1];
    EXPECT_LE(std::stoull(memory[1]), totalMb);
    if (status.ullAvailPhys > (3ull << 30)) {
        EXPECT_GT(std::stoull(memory[1]), 2048u) << "no 32-bit cap";
    }
    EXPECT_EQ(german[2], "Texturspeicher: 16 MB, Hardware-Transformation und -Beleuchtung: ja");
    const bool diskRated = summary[4].find("HDD:000") == std::string::npos;
    const char* diskLine = diskRated
                               ? "Festplatte: schreiben [1-9][0-9]* MB/s, lesen [1-9][0-9]* MB/s, "
                                 "in C:\\\\"
                               : "Festplatte mit 0 bewertet: Der Test dauerte zu lange\\.";
    EXPECT_TRUE(std::regex_match(german[3], std::regex(diskLine)))
        << summary[4] << " " << german[3];
    EXPECT_EQ(german[4],
              "Durchschnitt: Der Arbeitsspeicher z\xE4"
              "hlt am meisten, dann Prozessor, Grafik und Festplatte.");
    EXPECT_EQ(german[5], "F1 zeigt diese Angaben, Strg+C kopiert sie.");

    // Another language relabels the figures; the summary stays as it is.
    dialog.Choose(IDC_LANGUAGE, kFrench);
    const std::string french = FiguresOf(dialog);
    EXPECT_EQ(Lines(french).at(0), "Processeur : " + clock + " MHz");
    EXPECT_EQ(Lines(french).at(2),
              "M\xE9"
              "moire de textures : 16 Mo, transformation et \xE9"
              "clairage mat\xE9"
              "riels : oui");
    EXPECT_EQ(dialog.Text(IDC_RATING), summaryText);

    EXPECT_EQ(Lines(french).back(), "F1 affiche ces chiffres, Ctrl+C les copie.");

    // Ctrl+C outside an edit field hands on the summary and the figures as the tooltip shows them,
    // without the line about the keys.
    dialog.Focus(IDC_OK);
    EXPECT_EQ(CopiedWithCtrlC(dialog),
              WithCrLf(summaryText + "\n\n" + french.substr(0, french.rfind('\n')) + "\n"));
}

// A click or a tap on the summary shows the figures beside it, as F1 does; another hides them.
TEST_F(StartOptionsDialogTest, ClickOnTheSummaryShowsTheFigures) {
    DialogRun run({Board(std::nullopt)}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    auto click = [&] {
        dialog.Send(IDC_RATING, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        dialog.Send(IDC_RATING, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    };
    EXPECT_EQ(dialog.ShownTip(), "");
    click();
    EXPECT_TRUE(WaitFor([&] { return !dialog.ShownTip().empty(); }, 5000));
    EXPECT_EQ(dialog.ShownTip(), FiguresOf(dialog));
    // Beside the summary: its top left at the summary's bottom left, or above the summary (the
    // tooltip's frame may take a pixel or two).
    RECT tip = {};
    GetWindowRect(dialog.ShownTipWindow(), &tip);
    const RECT summary = dialog.Frame(IDC_RATING);
    auto touches = [](LONG a, LONG b) { return std::abs(a - b) <= 2; };
    EXPECT_TRUE(touches(tip.left, summary.left)) << tip.left << " " << summary.left;
    EXPECT_TRUE(touches(tip.top, summary.bottom) || touches(tip.bottom, summary.top)) << tip.top;
    click();
    EXPECT_TRUE(WaitFor([&] { return dialog.ShownTip().empty(); }, 5000));
}

TEST_F(StartOptionsDialogTest, CtrlCInTheTclFieldCopiesItsSelectionOnly) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    dialog.Type(IDC_TCL_DEFINES, "FULL NOSOUND");
    dialog.Focus(IDC_TCL_DEFINES);
    dialog.Send(IDC_TCL_DEFINES, EM_SETSEL, 5, 12);
    EXPECT_EQ(CopiedWithCtrlC(dialog), "NOSOUND");
    EXPECT_EQ(dialog.Text(IDC_TCL_DEFINES), "FULL NOSOUND");
}

// Run by readonly-root.sh from drive R:, whose root can't be written, with a temporary folder that
// can't be written either.
TEST_F(StartOptionsDialogTest, DiskThatTookNothingSaysSo) {
    if (std::getenv("KRUMBEL_READONLY_ROOT") == nullptr) {
        GTEST_SKIP() << "needs a read-only drive root (readonly-root.sh)";
    }
    SetEnvironmentVariableA("TMP", "R:\\locked");
    SetEnvironmentVariableA("TEMP", "R:\\locked");
    DialogRun run({Board(std::nullopt)}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    EXPECT_NE(dialog.Text(IDC_RATING).find("HDD:000"), std::string::npos);
    const std::string why =
        "Festplatte mit 0 bewertet: Auf dem Laufwerk des Programms lie\xDF"
        " sich nichts schreiben.";
    EXPECT_EQ(Lines(FiguresOf(dialog)).at(3), why);
    EXPECT_NE(CopiedWithCtrlC(dialog).find(why + "\r\n"), std::string::npos);
}

}  // namespace
