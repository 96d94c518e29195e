#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogInitData.h"
#include "DialogTemplate.h"
#include "ModuleResource.h"
#include "QuorvelRes.h"

// The compiled resources of the start-options program, read back from this test program, which
// links the same resource object as the program.

namespace {

constexpr int kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kComboBox = 0x85;
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kList = kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr uint32_t kLabel = kChild | WS_GROUP;

HMODULE Program() {
    return GetModuleHandleA(nullptr);
}

struct Control {
    int id;
    int windowClass;        // ordinal; 0 for a class given by name
    const char* className;  // as the resource compiler writes it: upper case
    uint32_t style;
    int x, y, cx, cy;
    const char* text;
};

// clang-format off
const Control kOptionsControls[] = {
    {IDC_OK, kButton, "", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 185, 300, 50, 14, "OK"},
    {IDC_CANCEL, kButton, "", kChild | WS_TABSTOP | BS_PUSHBUTTON, 241, 300, 50, 14, "Cancel"},
    {IDC_LANGUAGE, kComboBox, "", kList | CBS_OWNERDRAWVARIABLE, 71, 110, 81, 116, ""},
    {IDC_LANGUAGE_LABEL, kStatic, "", kLabel | SS_RIGHT, 15, 110, 47, 10, "Language"},
    {IDC_GRAPHICS_GROUP, kButton, "", kChild | BS_GROUPBOX, 5, 130, 290, 70, "Graphics settings"},
    {IDC_ADAPTER_LABEL, kStatic, "", kLabel | SS_RIGHT, 10, 143, 52, 8, "Adapter"},
    {IDC_ADAPTER, kComboBox, "", kList, 71, 140, 220, 190, ""},
    {IDC_DEVICE_LABEL, kStatic, "", kLabel | SS_RIGHT, 10, 162, 52, 8, "Device"},
    {IDC_DEVICE, kComboBox, "", kList, 71, 161, 220, 175, ""},
    {IDC_SCREEN_MODE_LABEL, kStatic, "", kLabel | SS_RIGHT, 10, 183, 52, 8, "Screen Mode"},
    {IDC_SCREEN_MODE, kComboBox, "", kList, 71, 180, 81, 175, ""},
    {IDC_FULL_SCREEN, kButton, "", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 161, 178, 85, 15,
     "Full screen"},
    {IDC_DETAIL_GROUP, kButton, "", kChild | BS_GROUPBOX, 5, 205, 290, 65, "Detail settings"},
    {IDC_OBJECTS_LABEL, kStatic, "", kLabel | SS_LEFT, 15, 220, 55, 12, "Objects"},
    {IDC_OBJECTS, kComboBox, "", kList, 15, 234, 51, 120, ""},
    {IDC_LANDSCAPE_LABEL, kStatic, "", kLabel | SS_LEFT, 75, 220, 55, 10, "Landscape"},
    {IDC_LANDSCAPE, kComboBox, "", kList, 75, 234, 51, 120, ""},
    {IDC_TEXTURE_LABEL, kStatic, "", kLabel | SS_LEFT, 135, 220, 55, 10, "Texture"},
    {IDC_TEXTURE, kComboBox, "", kList, 135, 234, 51, 120, ""},
    {IDC_FRAMERATE_LABEL, kStatic, "", kLabel | SS_LEFT, 205, 220, 75, 8, "Framerate"},
    {IDC_FRAMERATE, 0, "MSCTLS_TRACKBAR32", kChild | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS,
     200, 234, 55, 15, ""},
    {IDC_FRAMERATE_VALUE, kStatic, "", kLabel | SS_LEFT | SS_CENTERIMAGE, 260, 234, 20, 15, ""},
    {IDC_DEFAULTS, kButton, "", kChild | WS_TABSTOP | BS_PUSHBUTTON, 215, 250, 75, 14, "Default"},
    {IDC_RATING, kStatic, "", kLabel | SS_LEFT, 5, 275, 175, 40, ""},
    {IDC_SEPARATOR, 0, "STATIC", kChild | SS_ETCHEDHORZ, 5, 320, 290, 1, ""},
    {IDC_TCL_DEFINES_LABEL, kStatic, "", kLabel | SS_LEFT, 10, 330, 37, 8, "Tcl Defines"},
    {IDC_TCL_DEFINES, kEdit, "", kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
     55, 325, 235, 14, ""},
};

const Control kNoticeControls[] = {
    {IDC_OK, kButton, "", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 65, 30, 50, 14, "OK"},
    {IDC_CANCEL, kButton, "", WS_CHILD | WS_DISABLED | WS_TABSTOP | BS_PUSHBUTTON, 5, 30, 50, 14,
     "Cancel"},
    {IDC_STATIC, 0, "STATIC", kChild | SS_BITMAP | SS_REALSIZEIMAGE, 0, 0, 185, 30, nullptr},
    {IDC_STATIC, kStatic, "", kLabel | SS_CENTER, 0, 20, 175, 8,
     "(Japanese does not work in this version!)"},
};
// clang-format on

DialogTemplate LoadTemplate(int id) {
    DialogTemplate dialog;
    const ModuleResource resource = FindModuleResource(Program(), id, 5 /* RT_DIALOG */);
    EXPECT_TRUE(resource) << "dialog " << id;
    EXPECT_TRUE(ReadDialogTemplate(resource.data, resource.size, dialog)) << "dialog " << id;
    return dialog;
}

void ExpectControls(const DialogTemplate& dialog, const Control* expected, size_t count) {
    ASSERT_EQ(dialog.controls.size(), count);
    for (size_t i = 0; i < count; ++i) {
        const TemplateControl& actual = dialog.controls[i];
        const Control& want = expected[i];
        SCOPED_TRACE("control " + std::to_string(i) + ", id " + std::to_string(want.id));
        EXPECT_EQ(actual.id, want.id);
        EXPECT_EQ(actual.windowClass.ordinal, want.windowClass ? want.windowClass : -1);
        EXPECT_EQ(actual.windowClass.text, want.className);
        EXPECT_EQ(actual.style, want.style) << std::hex << (actual.style ^ want.style);
        EXPECT_EQ(actual.exStyle, 0u);
        EXPECT_EQ((std::vector<int>{actual.x, actual.y, actual.cx, actual.cy}),
                  (std::vector<int>{want.x, want.y, want.cx, want.cy}));
        if (want.text != nullptr) {
            EXPECT_EQ(actual.text.text, want.text);
        }
    }
}

TEST(QuorvelResources, OptionsDialogTemplate) {
    const DialogTemplate dialog = LoadTemplate(IDD_OPTIONS);
    EXPECT_EQ(dialog.style,
              DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(dialog.exStyle, static_cast<uint32_t>(WS_EX_APPWINDOW));
    EXPECT_EQ((std::vector<int>{dialog.x, dialog.y, dialog.cx, dialog.cy}),
              (std::vector<int>{0, 0, 302, 366}));
    EXPECT_EQ(dialog.title, "Krumbel - Start Options");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    ExpectControls(dialog, kOptionsControls, std::size(kOptionsControls));
}

TEST(QuorvelResources, NoticeDialogTemplate) {
    const DialogTemplate dialog = LoadTemplate(IDD_NOTICE);
    EXPECT_EQ(dialog.style, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ((std::vector<int>{dialog.x, dialog.y, dialog.cx, dialog.cy}),
              (std::vector<int>{0, 0, 176, 48}));
    EXPECT_EQ(dialog.title, "Error!");
    EXPECT_EQ(dialog.pointSize, 12);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    ExpectControls(dialog, kNoticeControls, std::size(kNoticeControls));
    ASSERT_EQ(dialog.controls.size(), std::size(kNoticeControls));
    EXPECT_EQ(dialog.controls[2].text.ordinal, IDB_NOTICE_LINE) << "the picture's bitmap";
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
         {BitmapFacts{IDB_BANNER, 453, 525, 8}, BitmapFacts{IDB_NOTICE_LINE, 392, 48, 4}}) {
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

TEST(QuorvelResources, ProgramIconInBothSizes) {
    for (int size : {32, 16}) {
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
    // The group lists exactly the two images, so no size is scaled from another.
    const ModuleResource group = FindModuleResource(Program(), IDI_PROGRAM, 14 /* RT_GROUP_ICON */);
    ASSERT_TRUE(group);
    ASSERT_GE(group.size, 6u + 2 * 14);
    const auto* bytes = static_cast<const uint8_t*>(group.data);
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ((std::vector<int>{bytes[6], bytes[6 + 14]}), (std::vector<int>{32, 16}));
}

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

TEST(QuorvelResources, DialogsCreateWithEveryControl) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));

    HWND options =
        CreateDialogParamA(Program(), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, NoHandling, 0);
    ASSERT_NE(options, nullptr) << GetLastError();
    for (const Control& control : kOptionsControls) {
        HWND child = GetDlgItem(options, control.id);
        ASSERT_NE(child, nullptr) << control.id;
        EXPECT_TRUE(IsWindowVisible(child)) << control.id;
    }
    char className[64] = {};
    GetClassNameA(GetDlgItem(options, IDC_FRAMERATE), className, sizeof className);
    EXPECT_STREQ(className, "msctls_trackbar32");
    DestroyWindow(options);

    HWND notice =
        CreateDialogParamA(Program(), MAKEINTRESOURCEA(IDD_NOTICE), nullptr, NoHandling, 0);
    ASSERT_NE(notice, nullptr) << GetLastError();
    HWND cancel = GetDlgItem(notice, IDC_CANCEL);
    EXPECT_FALSE(IsWindowVisible(cancel));
    EXPECT_FALSE(IsWindowEnabled(cancel));
    HWND picture = FindWindowExA(notice, nullptr, "Static", nullptr);
    ASSERT_NE(picture, nullptr);
    HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(shown, nullptr) << "the picture shows bitmap 134";
    BITMAP facts{};
    GetObjectA(shown, sizeof facts, &facts);
    EXPECT_EQ(facts.bmWidth, 392);
    DestroyWindow(notice);
}

}  // namespace
