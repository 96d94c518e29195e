#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "AccessKeys.h"
#include "DialogInitData.h"
#include "Localisation.h"
#include "res/QuorvelRes.h"
#include "support/Cp1252.h"
#include "win32/Dpi.h"
#include "win32/ModuleResource.h"
#include "win32/QuorvelRun.h"
#include "win32/Window.h"

// The compiled resources of the start-options program, read back from this test program, which
// links the same resource object as the program.

namespace {

HMODULE Program() {
    return GetModuleHandleA(nullptr);
}

// The dialogs as a player sees them: created from the resources, without the program's code.
class ShownDialog {
public:
    explicit ShownDialog(int id)
        : dialog_(CreateDialogParamA(Program(), MAKEINTRESOURCEA(id), nullptr, NoHandling, 0)) {}
    ShownDialog(const ShownDialog&) = delete;
    ShownDialog& operator=(const ShownDialog&) = delete;
    ~ShownDialog() { DestroyWindow(dialog_); }

    HWND Handle() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    // Where control id lies in the client area, in pixels (a closed list: its field).
    RECT Place(int id) const {
        RECT place = {};
        GetWindowRect(Item(id), &place);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    RECT Client() const {
        RECT client = {};
        GetClientRect(dialog_, &client);
        return client;
    }
    // The text of control id, or the caption for 0.
    std::string Text(int id) const {
        char text[256] = {};
        GetWindowTextA(id == 0 ? dialog_ : Item(id), text, sizeof text);
        return text;
    }
    std::string ClassOf(int id) const {
        char name[64] = {};
        GetClassNameA(Item(id), name, sizeof name);
        return name;
    }
    LONG Style(int id) const { return GetWindowLongA(Item(id), GWL_STYLE); }
    // The dialog's font as the template asks for it: face and point size.
    std::pair<std::string, int> Font() const {
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        HDC screen = GetDC(nullptr);
        int points = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72,
                            GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
        return {font.lfFaceName, points};
    }
    // The template's size in dialog units, in pixels of this dialog's font.
    SIZE Units(int width, int height) const {
        RECT units = {0, 0, width, height};
        MapDialogRect(dialog_, &units);
        return {units.right, units.bottom};
    }
    // Whether the text of control id shows whole in the control's own font: on one line, or on
    // as many lines as a static text's height holds.
    ::testing::AssertionResult TextFits(int id) const;

private:
    static INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    HWND dialog_;
};

// Room a control's frame takes from its text, in pixels at 96 dpi: a button's edges and focus
// frame, a check box's box (beside the system's metric) and a frame's caption indent.
constexpr int kButtonMargin = 4;
constexpr int kCheckBoxGap = 6;
constexpr int kFrameCaptionIndent = 10;

::testing::AssertionResult ShownDialog::TextFits(int id) const {
    HWND control = Item(id);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    // The text as the control shows it: without its access key's mark, unless the control shows
    // every "&".
    std::string read = DialogDriver(dialog_).Text(id);
    if (ClassOf(id) != "Static" || (style & SS_NOPREFIX) == 0) {
        read = WithoutAccessKeyMark(read.c_str());
    }
    const std::wstring shown = Widen(read);
    const wchar_t* text = shown.c_str();
    const int length = static_cast<int>(shown.size());
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text, length, &extent);
    RECT room = {};
    GetClientRect(control, &room);
    const UINT dpi = DpiOfWindow(dialog_);
    int needed = extent.cx;
    int height = extent.cy;
    if (ClassOf(id) == "Static") {
        if (room.bottom >= 2 * extent.cy) {  // wraps: as the control draws it
            RECT wrapped = room;
            DrawTextW(dc, text, length, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            needed = wrapped.right;
            height = wrapped.bottom;
        }
    } else if ((style & BS_TYPEMASK) == BS_GROUPBOX) {
        needed += 2 * ScaleToDpi(kFrameCaptionIndent, dpi);
    } else if ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        needed += SystemMetricForDpi(SM_CXMENUCHECK, dpi) + ScaleToDpi(kCheckBoxGap, dpi);
    } else {
        needed += 2 * ScaleToDpi(kButtonMargin, dpi);
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    if (needed <= room.right && height <= room.bottom) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "\"" << Text(id) << "\" of control " << id << " needs " << needed << " x " << height
           << " pixels, has " << room.right << " x " << room.bottom;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

int MiddleY(const RECT& r) {
    return (r.top + r.bottom) / 2;
}

// The options dialog's controls a player reads or uses, apart from the two frames.
constexpr int kOptionsControls[] = {
    IDC_OK,
    IDC_CANCEL,
    IDC_LANGUAGE,
    IDC_LANGUAGE_LABEL,
    IDC_ADAPTER,
    IDC_ADAPTER_LABEL,
    IDC_DEVICE,
    IDC_DEVICE_LABEL,
    IDC_SCREEN_MODE,
    IDC_SCREEN_MODE_LABEL,
    IDC_FULL_SCREEN,
    IDC_OBJECTS,
    IDC_OBJECTS_LABEL,
    IDC_LANDSCAPE,
    IDC_LANDSCAPE_LABEL,
    IDC_TEXTURE,
    IDC_TEXTURE_LABEL,
    IDC_FRAMERATE,
    IDC_FRAMERATE_LABEL,
    IDC_FRAMERATE_VALUE,
    IDC_DEFAULTS,
    IDC_RATING,
    IDC_TCL_DEFINES,
    IDC_TCL_DEFINES_LABEL,
    IDC_WHY_NOT_OK,
};
// What the program hides without "-advanced", and how much shorter the window then is.
constexpr int kAdvancedControls[] = {IDC_LANGUAGE, IDC_LANGUAGE_LABEL, IDC_SEPARATOR,
                                     IDC_TCL_DEFINES_LABEL, IDC_TCL_DEFINES};
constexpr int kAdvancedRowsHeight = 70;

bool IsAdvanced(int id) {
    return std::find(std::begin(kAdvancedControls), std::end(kAdvancedControls), id) !=
           std::end(kAdvancedControls);
}

// Every control in view, above the cut when the advanced rows are hidden, and none on another.
void ExpectLaidOut(const ShownDialog& dialog) {
    const RECT client = dialog.Client();
    RECT shortened = client;
    shortened.bottom -= ScaleToDpi(kAdvancedRowsHeight, DpiOfWindow(dialog.Handle()));
    for (int id : kOptionsControls) {
        SCOPED_TRACE(id);
        ASSERT_NE(dialog.Item(id), nullptr);
        EXPECT_TRUE(Inside(dialog.Place(id), IsAdvanced(id) ? client : shortened));
        for (int other : kOptionsControls) {
            EXPECT_TRUE(other == id || !Overlap(dialog.Place(id), dialog.Place(other))) << other;
        }
    }
}

// Tab reaches every control a player uses, in the order of the dialog, and no label.
void ExpectTabReachesEveryControl(const ShownDialog& dialog) {
    for (int id : kOptionsControls) {
        const bool used = dialog.ClassOf(id) != "Static";
        EXPECT_EQ((dialog.Style(id) & WS_TABSTOP) != 0, used) << id;
    }
    EXPECT_EQ(DialogDriver(dialog.Handle()).TabOrder(), QuorvelTabOrder(true));
}

// The options dialog relabelled the way the program relabels it when a player picks a language:
// the language list holds its seven entries, one is selected, and the localisation runs.
class LocalisedOptions : private LocalisableDialog {
public:
    explicit LocalisedOptions(const ShownDialog& dialog) : dialog_(dialog) {
        for (const char* entry : TextsOf(kEnglish)->languageList) {
            AddListEntry(IDC_LANGUAGE, entry);
        }
    }
    void Choose(int language) {
        Select(IDC_LANGUAGE, language);
        LocaliseDialog(*this);
    }

private:
    LRESULT Send(int listId, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(dialog_.Item(listId), message, wParam, lParam);
    }
    int Selection(int listId) const override {
        return static_cast<int>(Send(listId, CB_GETCURSEL));
    }
    void Select(int listId, int position) override { Send(listId, CB_SETCURSEL, position); }
    // Texts through the program's own control wrapper, as the program sets them.
    void SetTitle(const char* text) override { Window(dialog_.Handle()).SetText(text); }
    void SetControlText(int controlId, const char* text) override {
        Window(dialog_.Item(controlId)).SetText(text);
    }
    void ClearList(int listId) override { Send(listId, CB_RESETCONTENT); }
    void AddListEntry(int listId, const char* text) override {
        Send(listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }

    const ShownDialog& dialog_;
};

// The texts a player reads on the options dialog's labels, boxes, buttons and frames.
constexpr int kTextControls[] = {
    IDC_OK,
    IDC_CANCEL,
    IDC_DEFAULTS,
    IDC_FULL_SCREEN,
    IDC_ADAPTER_LABEL,
    IDC_DEVICE_LABEL,
    IDC_SCREEN_MODE_LABEL,
    IDC_LANGUAGE_LABEL,
    IDC_OBJECTS_LABEL,
    IDC_LANDSCAPE_LABEL,
    IDC_TEXTURE_LABEL,
    IDC_FRAMERATE_LABEL,
    IDC_GRAPHICS_GROUP,
    IDC_DETAIL_GROUP,
    IDC_TCL_DEFINES_LABEL,
};

class QuorvelDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
    }
};

TEST_F(QuorvelDialogs, OptionsDialogShowsEveryControlInItsPlace) {
    ShownDialog dialog(IDD_OPTIONS);
    ASSERT_NE(dialog.Handle(), nullptr) << GetLastError();
    const LONG style = GetWindowLongA(dialog.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_CAPTION | WS_SYSMENU)
        << "a caption with a close box, not resizable";
    EXPECT_NE(GetWindowLongA(dialog.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0)
        << "on the task bar";
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(dialog.Text(0), "Krumbel - Start Options");
    EXPECT_EQ(dialog.Font(), std::make_pair(std::string("MS Sans Serif"), 8));
    const RECT client = dialog.Client();
    const SIZE size = dialog.Units(302, 366);
    EXPECT_EQ(client.right, size.cx);
    EXPECT_EQ(client.bottom, size.cy);

    for (int id : kOptionsControls) {
        // Why OK is disabled shows only then.
        EXPECT_EQ(IsWindowVisible(dialog.Item(id)) != FALSE, id != IDC_WHY_NOT_OK) << id;
    }
    // Without the advanced rows the window is shorter: everything else must stay in view.
    ExpectLaidOut(dialog);
}

// In each of the six languages, at the DPI of this run (its own Wine prefix for each scale),
// every text shows whole and the controls keep their places and their order.
TEST_F(QuorvelDialogs, OptionsDialogFitsEveryLanguage) {
    ShownDialog dialog(IDD_OPTIONS);
    ASSERT_NE(dialog.Handle(), nullptr);
    LocalisedOptions localised(dialog);
    for (int language = kEnglish; language < kTranslatedLanguageCount; ++language) {
        SCOPED_TRACE(TextsOf(language)->code);
        localised.Choose(language);
        ASSERT_EQ(dialog.Text(0), TextsOf(language)->title);
        ExpectLaidOut(dialog);
        ExpectTabReachesEveryControl(dialog);
        for (int id : kTextControls) {
            EXPECT_TRUE(dialog.TextFits(id));
        }
        // Every reason why OK is disabled, in the room above OK.
        for (const char* why : DisplayFitnessTextsOf(language)->whyNotOk) {
            Window(dialog.Item(IDC_WHY_NOT_OK)).SetText(why);
            EXPECT_TRUE(dialog.TextFits(IDC_WHY_NOT_OK));
        }
    }
}

// Each control without a text of its own comes just after its label, after which a screen reader
// names it: right-aligned labels left of their lists on the same line; the detail levels' and the
// frame rate's labels above their controls, about left-aligned; the Tcl field's left of it.
TEST_F(QuorvelDialogs, OptionsDialogLabelsSitBesideOrAboveTheirControls) {
    ShownDialog dialog(IDD_OPTIONS);
    ASSERT_NE(dialog.Handle(), nullptr);
    enum Place { kBeside, kAbove, kLeft };
    struct Labelled {
        int label, control;
        Place place;
    };
    for (auto [label, control, place] : {Labelled{IDC_LANGUAGE_LABEL, IDC_LANGUAGE, kBeside},
                                         Labelled{IDC_ADAPTER_LABEL, IDC_ADAPTER, kBeside},
                                         Labelled{IDC_DEVICE_LABEL, IDC_DEVICE, kBeside},
                                         Labelled{IDC_SCREEN_MODE_LABEL, IDC_SCREEN_MODE, kBeside},
                                         Labelled{IDC_OBJECTS_LABEL, IDC_OBJECTS, kAbove},
                                         Labelled{IDC_LANDSCAPE_LABEL, IDC_LANDSCAPE, kAbove},
                                         Labelled{IDC_TEXTURE_LABEL, IDC_TEXTURE, kAbove},
                                         Labelled{IDC_FRAMERATE_LABEL, IDC_FRAMERATE, kAbove},
                                         Labelled{IDC_TCL_DEFINES_LABEL, IDC_TCL_DEFINES, kLeft}}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(GetWindow(dialog.Item(control), GW_HWNDPREV), dialog.Item(label));
        EXPECT_EQ(DialogDriver(dialog.Handle()).LabelBefore(control), dialog.Text(label));
        const RECT l = dialog.Place(label), c = dialog.Place(control);
        if (place == kAbove) {
            EXPECT_LE(l.bottom, c.top);
            EXPECT_LT(std::abs(l.left - c.left), dialog.Units(10, 0).cx);
        } else {
            EXPECT_LE(l.right, c.left);
        }
        if (place == kBeside) {
            EXPECT_TRUE(MiddleY(l) >= c.top && MiddleY(l) <= c.bottom);
            EXPECT_EQ(dialog.Style(label) & SS_TYPEMASK, SS_RIGHT);
        }
    }
    // The Tcl field is named after its label, as Wine's accessibility layer can tell for edit
    // fields.
    EXPECT_EQ(DialogDriver(dialog.Handle()).AccessibleName(IDC_TCL_DEFINES), "Tcl Defines");
    // The frame rate's number right of its slider.
    EXPECT_LE(dialog.Place(IDC_FRAMERATE).right, dialog.Place(IDC_FRAMERATE_VALUE).left);
    // Each frame holds its controls.
    for (int id : {IDC_ADAPTER, IDC_ADAPTER_LABEL, IDC_DEVICE, IDC_DEVICE_LABEL, IDC_SCREEN_MODE,
                   IDC_SCREEN_MODE_LABEL, IDC_FULL_SCREEN}) {
        EXPECT_TRUE(Inside(dialog.Place(id), dialog.Place(IDC_GRAPHICS_GROUP))) << id;
    }
    for (int id : {IDC_OBJECTS, IDC_OBJECTS_LABEL, IDC_LANDSCAPE, IDC_LANDSCAPE_LABEL, IDC_TEXTURE,
                   IDC_TEXTURE_LABEL, IDC_FRAMERATE, IDC_FRAMERATE_LABEL, IDC_FRAMERATE_VALUE,
                   IDC_DEFAULTS}) {
        EXPECT_TRUE(Inside(dialog.Place(id), dialog.Place(IDC_DETAIL_GROUP))) << id;
    }
    EXPECT_LE(dialog.Place(IDC_GRAPHICS_GROUP).bottom, dialog.Place(IDC_DETAIL_GROUP).top);
    // OK, then Cancel, on one line below the frames, beside the rating.
    const RECT ok = dialog.Place(IDC_OK), cancel = dialog.Place(IDC_CANCEL);
    EXPECT_LE(ok.right, cancel.left);
    EXPECT_EQ(ok.top, cancel.top);
    EXPECT_LE(dialog.Place(IDC_DETAIL_GROUP).bottom, ok.top);
    EXPECT_LE(dialog.Place(IDC_RATING).right, ok.left);
}

TEST_F(QuorvelDialogs, OptionsDialogControlsAreOfTheirKind) {
    ShownDialog dialog(IDD_OPTIONS);
    ASSERT_NE(dialog.Handle(), nullptr);
    for (int id : {IDC_LANGUAGE, IDC_ADAPTER, IDC_DEVICE, IDC_SCREEN_MODE, IDC_OBJECTS,
                   IDC_LANDSCAPE, IDC_TEXTURE}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(dialog.ClassOf(id), "ComboBox");
        EXPECT_EQ(dialog.Style(id) & 3, CBS_DROPDOWNLIST) << "a list to choose from, not to type";
        EXPECT_EQ(dialog.Style(id) & CBS_SORT, 0) << "positions are the stored numbers";
    }
    EXPECT_NE(dialog.Style(IDC_LANGUAGE) & CBS_OWNERDRAWVARIABLE, 0);
    EXPECT_NE(dialog.Style(IDC_LANGUAGE) & CBS_HASSTRINGS, 0) << "screen readers read the texts";
    EXPECT_EQ(dialog.ClassOf(IDC_FRAMERATE), "msctls_trackbar32");
    EXPECT_EQ(dialog.ClassOf(IDC_TCL_DEFINES), "Edit");
    EXPECT_NE(dialog.Style(IDC_RATING) & SS_NOTIFY, 0) << "its tooltip and a click see the mouse";
    EXPECT_EQ(LOWORD(SendMessageA(dialog.Handle(), DM_GETDEFID, 0, 0)), IDC_OK) << "Enter is OK";
    // A click ticks and unticks the full-screen box.
    HWND box = dialog.Item(IDC_FULL_SCREEN);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // The texts before the localisation replaces them.
    for (auto [id, text] :
         {std::pair{IDC_OK, "OK"}, std::pair{IDC_CANCEL, "Cancel"},
          std::pair{IDC_LANGUAGE_LABEL, "Lan&guage"},
          std::pair{IDC_GRAPHICS_GROUP, "Graphics settings"},
          std::pair{IDC_ADAPTER_LABEL, "&Adapter"}, std::pair{IDC_DEVICE_LABEL, "De&vice"},
          std::pair{IDC_SCREEN_MODE_LABEL, "Screen &Mode"},
          std::pair{IDC_FULL_SCREEN, "Full &screen"},
          std::pair{IDC_DETAIL_GROUP, "Detail settings"}, std::pair{IDC_OBJECTS_LABEL, "&Objects"},
          std::pair{IDC_LANDSCAPE_LABEL, "&Landscape"}, std::pair{IDC_TEXTURE_LABEL, "&Texture"},
          std::pair{IDC_FRAMERATE_LABEL, "&Framerate"}, std::pair{IDC_FRAMERATE_VALUE, ""},
          std::pair{IDC_DEFAULTS, "&Default"}, std::pair{IDC_RATING, ""},
          std::pair{IDC_TCL_DEFINES_LABEL, "Tcl Defi&nes"}}) {
        EXPECT_EQ(dialog.Text(id), text);
    }
    ExpectTabReachesEveryControl(dialog);
}

TEST_F(QuorvelDialogs, NoticeShowsItsSentenceTwiceAndOnlyOk) {
    ShownDialog notice(IDD_NOTICE);
    ASSERT_NE(notice.Handle(), nullptr) << GetLastError();
    EXPECT_EQ(notice.Text(0), "Error!");
    EXPECT_FALSE(IsWindowVisible(notice.Handle())) << "the program shows it when needed";
    ShowWindow(notice.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_EQ(notice.Font(), std::make_pair(std::string("MS Sans Serif"), 12));
    const RECT client = notice.Client();
    const SIZE size = notice.Units(176, 48);
    EXPECT_EQ(client.right, size.cx);
    EXPECT_EQ(client.bottom, size.cy);
    EXPECT_TRUE(IsWindowVisible(notice.Item(IDC_OK)));
    EXPECT_TRUE(Inside(notice.Place(IDC_OK), client));
    EXPECT_EQ(LOWORD(SendMessageA(notice.Handle(), DM_GETDEFID, 0, 0)), IDC_OK);
    EXPECT_FALSE(IsWindowVisible(notice.Item(IDC_CANCEL)));
    EXPECT_FALSE(IsWindowEnabled(notice.Item(IDC_CANCEL)));
    // The Japanese sentence as a picture, the English one below it, above the button.
    HWND picture = FindWindowExA(notice.Handle(), nullptr, "Static", nullptr);
    ASSERT_NE(picture, nullptr);
    HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(shown, nullptr) << "the picture shows bitmap 134";
    BITMAP facts{};
    GetObjectA(shown, sizeof facts, &facts);
    EXPECT_EQ(facts.bmWidth, 392);
    HWND sentence = FindWindowExA(notice.Handle(), picture, "Static", nullptr);
    ASSERT_NE(sentence, nullptr);
    char text[64] = {};
    GetWindowTextA(sentence, text, sizeof text);
    EXPECT_STREQ(text, "(Japanese does not work in this version!)");
    EXPECT_TRUE(IsWindowVisible(sentence));
    RECT line = {};
    GetWindowRect(sentence, &line);
    MapWindowPoints(nullptr, notice.Handle(), reinterpret_cast<POINT*>(&line), 2);
    EXPECT_TRUE(Inside(line, client));
    EXPECT_LE(line.bottom, notice.Place(IDC_OK).top);
    EXPECT_TRUE(notice.TextFits(IDC_STATIC));
    EXPECT_TRUE(notice.TextFits(IDC_OK));
}

TEST(QuorvelResources, InitialListEntriesAreSingleByteTexts) {
    const ModuleResource resource = FindModuleResource(Program(), IDD_OPTIONS, RT_DIALOG_INIT);
    ASSERT_TRUE(resource);
    DialogInitReader reader(resource.data, resource.size);
    std::vector<std::string> read;
    DialogInitEntry entry;
    while (reader.Next(entry)) {
        EXPECT_EQ(entry.message, kDialogInitAddComboEntry);
        read.push_back(std::to_string(entry.controlId) + " " + entry.text);
    }
    const std::vector<std::string> expected = {
        "1008 English",     "1008 Deutsch",  "1008 Franz\xF6sisch",
        "1008 Italienisch", "1008 Spanisch", "1008 Niederl\xE4ndisch",
        "1008 Japanese",    "1011 Low",      "1011 Medium",
        "1011 High",        "1012 Low",      "1012 Medium",
        "1012 High",        "1009 Minimum",  "1009 Low",
        "1009 Medium",      "1009 High",     "1009 Maximum",
    };
    EXPECT_EQ(read, expected);
}

struct BitmapFacts {
    int id, width, height, bits;
};

TEST(QuorvelResources, BitmapsHaveTheirSizesAndDepths) {
    for (const BitmapFacts& want :
         {BitmapFacts{IDB_BANNER, 453, 525, 8}, BitmapFacts{IDB_NOTICE_LINE, 392, 48, 4},
          BitmapFacts{IDB_BANNER_MASTER, 906, 1050, 8},
          BitmapFacts{IDB_NOTICE_LINE_MASTER, 784, 96, 4}}) {
        SCOPED_TRACE(want.id);
        const ModuleResource resource = FindModuleResource(Program(), want.id, 2 /* RT_BITMAP */);
        ASSERT_TRUE(resource);
        ASSERT_GE(resource.size, sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        memcpy(&header, resource.data, sizeof header);
        EXPECT_EQ(header.biWidth, want.width);
        EXPECT_EQ(header.biHeight, want.height) << "bottom-up";
        EXPECT_EQ(header.biBitCount, want.bits);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

        HBITMAP bitmap = LoadBitmapA(Program(), MAKEINTRESOURCEA(want.id));
        ASSERT_NE(bitmap, nullptr);
        BITMAP facts{};
        EXPECT_TRUE(GetObjectA(bitmap, sizeof facts, &facts));
        EXPECT_EQ(facts.bmWidth, want.width);
        EXPECT_EQ(facts.bmHeight, want.height);
        DeleteObject(bitmap);
    }
}

TEST(QuorvelResources, ProgramIconInEverySizeFrom100To200Percent) {
    const std::vector<int> sizes = {64, 48, 40, 32, 24, 20, 16};
    for (int size : sizes) {
        HICON icon = static_cast<HICON>(
            LoadImageA(Program(), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask{};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, size);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
    // The group lists exactly these images, so no size is scaled from another.
    const ModuleResource group = FindModuleResource(Program(), IDI_PROGRAM, 14 /* RT_GROUP_ICON */);
    ASSERT_TRUE(group);
    ASSERT_GE(group.size, 6u + sizes.size() * 14);
    const auto* bytes = static_cast<const uint8_t*>(group.data);
    std::vector<int> listed(bytes[4]);
    for (size_t i = 0; i < listed.size(); ++i) {
        listed[i] = bytes[6 + 14 * i];
    }
    EXPECT_EQ(listed, sizes);
}

}  // namespace
