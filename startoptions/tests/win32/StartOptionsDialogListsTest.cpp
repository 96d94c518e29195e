// The options dialog's lists in this process, over scripted display drivers: what the display
// lists offer and allow, what the dialog stores without any adapter, what the language list
// keeps, measures and draws, and how the texts with accented letters reach the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedCatalogues.h"
#include "StartOptionsDialogRun.h"
#include "res/QuorvelRes.h"
#include "support/Canvas.h"
#include "support/CodePage.h"
#include "support/Wait.h"
#include "win32/WideText.h"

namespace {

using scripted::Board;
using scripted::Device;
using scripted::FlatBoard;
using scripted::TaggedGuid;

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
    EXPECT_FALSE(dialog.IsShown(IDC_WHY_NOT_OK));
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

    // The unusable adapter: its one usable device is selected, its smallest mode, OK is off,
    // and the dialog says why.
    dialog.Choose(IDC_ADAPTER, 0);
    EXPECT_EQ(dialog.Selection(IDC_DEVICE), 1);
    EXPECT_EQ(dialog.Selection(IDC_SCREEN_MODE), 0);
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
    EXPECT_TRUE(dialog.IsShown(IDC_WHY_NOT_OK));
    EXPECT_EQ(
        dialog.Text(IDC_WHY_NOT_OK),
        "Diese Grafikkarte bietet dem Spiel kein 3D. Treiber installieren oder erneuern (F1).");
}

// Screen readers hear of a new text through the system's name-change event, delivered to this
// thread while it pumps its messages.
class NameChanges {
public:
    explicit NameChanges(HWND window)
        : hook_(SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Heard,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
        window_ = window;
        heard_ = 0;
    }
    ~NameChanges() { UnhookWinEvent(hook_); }
    NameChanges(const NameChanges&) = delete;
    NameChanges& operator=(const NameChanges&) = delete;

    // True once the window's name changed since the last look.
    bool Heard() {
        const bool heard = WaitFor(
            [] {
                MSG message;
                while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                    DispatchMessageA(&message);
                }
                return heard_ > 0;
            },
            2000);
        heard_ = 0;
        return heard;
    }

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
        heard_ += window == window_ && object == OBJID_WINDOW;
    }

    HWINEVENTHOOK hook_;
    static inline HWND window_ = nullptr;
    static inline int heard_ = 0;
};

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
    // The text beside OK says why, and screen readers hear of it.
    NameChanges why(dialog.Item(IDC_WHY_NOT_OK));
    const std::string renderer =
        "Anderen Renderer w\xE4"
        "hlen: dieser kann Texturen nicht im Grafikspeicher halten.";
    dialog.Focus(IDC_OK);
    ASSERT_TRUE(dialog.HasFocus(IDC_OK));
    dialog.Choose(IDC_ADAPTER, 0);
    EXPECT_EQ(dialog.Selection(IDC_DEVICE), 0);
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
    EXPECT_EQ(dialog.FocusedId(), IDC_CANCEL);
    EXPECT_TRUE(dialog.IsShown(IDC_WHY_NOT_OK));
    EXPECT_EQ(dialog.Text(IDC_WHY_NOT_OK), renderer);
    EXPECT_TRUE(why.Heard());
    dialog.Choose(IDC_DEVICE, 2);
    EXPECT_TRUE(dialog.IsEnabled(IDC_OK));
    EXPECT_FALSE(dialog.IsShown(IDC_WHY_NOT_OK));
    EXPECT_EQ(dialog.Text(IDC_WHY_NOT_OK), "");
    dialog.Choose(IDC_DEVICE, 0);
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
    EXPECT_EQ(dialog.Text(IDC_WHY_NOT_OK), renderer);
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
        EXPECT_EQ(dialog.Text(IDC_WHY_NOT_OK),
                  "Keine Grafikkarte gefunden. Grafiktreiber installieren oder erneuern (F1).");
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

// The system draws text as the list is meant to: an entry has no access key.
void DrawWide(const Canvas& canvas, const wchar_t* text) {
    PrepareText(canvas);
    RECT rect = kTextRect;
    DrawTextW(canvas.Dc(), text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
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
    // An "&" shows as it is.
    static const char kAmpersand[] = "Tom & Ann";
    Canvas ampersand(kTextWidth, 16);
    DrawEntry(dialog, ampersand, kAmpersand);
    Canvas asItIs(kTextWidth, 16);
    DrawWide(asItIs, L"Tom & Ann");
    EXPECT_EQ(DifferingPixels(ampersand, asItIs), 0);

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

// What the screen shows: the UTF-16 text that message (WM_GETTEXT, CB_GETLBTEXT) answers,
// converted by nothing of ours. The texts asked for are short.
std::wstring Shown(const DialogDriver& dialog, int id, UINT message, WPARAM wParam = 64) {
    wchar_t text[256] = {};
    dialog.Send(id, message, wParam, reinterpret_cast<LPARAM>(text));
    return text;
}

// The texts with letters outside ASCII, read back in UTF-16 as they reach the screen and
// compared with the texts as written. run-in-locale.sh runs this test again in prefixes whose
// system code page is not 1252, where the A functions would show other letters; texts of ASCII
// alone read alike in every code page and are left out.
TEST_F(StartOptionsDialogTest, AccentedTextsShowAsWritten) {
    ASSERT_TRUE(CodePageAsAskedFor()) << "the locale did not apply: " << GetACP();
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    dialog.Choose(IDC_LANGUAGE, kGerman);
    EXPECT_EQ(Shown(dialog, IDC_SCREEN_MODE_LABEL, WM_GETTEXT), L"&Aufl\u00F6sung");

    dialog.Choose(IDC_LANGUAGE, kFrench);
    EXPECT_EQ(Shown(dialog, IDC_GRAPHICS_GROUP, WM_GETTEXT), L"R\u00E9glages graphiques");
    EXPECT_EQ(Shown(dialog, IDC_FULL_SCREEN, WM_GETTEXT), L"Plein \u00E9&cran");
    EXPECT_EQ(Shown(dialog, IDC_TEXTURE, CB_GETLBTEXT, 3), L"Elev\u00E9");
    EXPECT_NE(FiguresOf(dialog).find("\nM\xE9moire disponible : "), std::string::npos)
        << FiguresOf(dialog);

    // The language list draws the text its entry's item data points at.
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

}  // namespace
