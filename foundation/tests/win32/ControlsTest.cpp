// The control wrappers against real controls under Wine: what each control answers through
// them, especially where a control clamps or refuses.
#include <gtest/gtest.h>

#include <string>

#include "win32/Button.h"
#include "win32/ComboBox.h"
#include "win32/Edit.h"
#include "win32/GdiHandles.h"
#include "win32/ListBox.h"
#include "win32/Trackbar.h"  // with <commctrl.h>

namespace {

class ControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
    }

    // The parent stays hidden: Wine takes seconds over each visible top-level window on a
    // display without a window manager.
    ControlsTest() {
        parent_ = CreateWindowExA(0, "STATIC", "controls", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
    }
    ~ControlsTest() override { DestroyWindow(parent_); }

    HWND Create(const char* className, DWORD style, const char* text = "") {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 150,
                               parent_, nullptr, nullptr, nullptr);
    }

    HWND parent_ = nullptr;
};

TEST_F(ControlsTest, TrackbarKeepsPositionInsideItsRange) {
    struct Case {
        int minimum, maximum, position, expected;
    };
    const Case cases[] = {
        {10, 40, 25, 25},         {10, 40, 5, 10},          {10, 40, 99, 40},
        {2, 500, 0, 2},           {1, 40000, 20000, 20000},  // beyond 16 bits
        {1024, 32768, 500, 1024}, {-100, -10, 0, -10},      {0, 0, 7, 0},
    };
    Trackbar trackbar(Create(TRACKBAR_CLASSA, TBS_HORZ | TBS_NOTICKS));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum) + " <- " +
                     std::to_string(c.position));
        trackbar.SetRange(c.minimum, c.maximum, false);
        trackbar.SetPos(c.position);
        EXPECT_EQ(trackbar.GetRangeMin(), c.minimum);
        EXPECT_EQ(trackbar.GetRangeMax(), c.maximum);
        EXPECT_EQ(trackbar.GetPos(), c.expected);
    }

    // A new range also moves the position into it.
    trackbar.SetRange(10, 40, false);
    trackbar.SetPos(35);
    trackbar.SetRange(0, 20, true);
    EXPECT_EQ(trackbar.GetPos(), 20);
}

TEST_F(ControlsTest, ComboBoxAnswersErrorForNoOrBadSelection) {
    ComboBox combo(Create("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL));
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.GetCount(), 0);

    EXPECT_EQ(combo.AddString("Low"), 0);
    EXPECT_EQ(combo.AddString("Medium"), 1);
    EXPECT_EQ(combo.AddString("High"), 2);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_STREQ(combo.GetLBText(1).Text(), "Medium");
    EXPECT_STREQ(combo.GetLBText(7).Text(), "");

    EXPECT_EQ(combo.SetCurSel(3), CB_ERR);  // out of range: no selection afterwards
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.SetCurSel(2);
    combo.SetCurSel(-1);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    static const char kText[] = "item text";
    combo.SetItemData(0, reinterpret_cast<LPARAM>(kText));
    EXPECT_EQ(combo.GetItemData(0), reinterpret_cast<LPARAM>(kText));
    EXPECT_EQ(combo.GetItemData(9), CB_ERR);

    // An entry reads back in the code page it was written in, also outside Windows-1252.
    const char* greek = "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7";
    EXPECT_EQ(combo.AddString(greek, TextOrigin::kUtf8), 3);
    EXPECT_STREQ(combo.GetLBText(3, TextOrigin::kUtf8).Text(), greek);
    EXPECT_STREQ(combo.GetLBText(1, TextOrigin::kUtf8).Text(), "Medium");

    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
}

TEST_F(ControlsTest, ListBoxKeepsTabbedRowsAndSelection) {
    ListBox list(Create("LISTBOX", LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT));
    const int stops[] = {110, 140, 170, 200};
    EXPECT_TRUE(list.SetTabStops(4, stops));

    const char* rows[] = {"Name\tMin\tMax\tCurrent\tDefault",
                          "DIPYieldThreshold\t1\t40000\t20000\t20000",
                          "MinThreadSleep\t2\t500\t-5\t10"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.AddString(rows[i]), i);  // not sorted: rows stay in insertion order
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(list.GetText(i).Text(), rows[i]);
    }
    EXPECT_STREQ(list.GetText(3).Text(), "");

    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.SetCurSel(-1), LB_ERR);  // clears the selection, answered with LB_ERR
    EXPECT_EQ(list.GetCurSel(), LB_ERR);

    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ControlsTest, TextsOfAnyLengthAndCheckStateRoundTrip) {
    Edit edit(Create("EDIT", ES_AUTOHSCROLL | WS_BORDER));
    const std::string longText(5000, 'e');  // beyond any fixed work area
    for (const std::string& text : {std::string("2048"), std::string(), longText}) {
        EXPECT_TRUE(edit.SetText(text.c_str()));
        EXPECT_EQ(std::string(edit.GetText().Text()), text);
    }
    // Typing stops at the limit; the program's own text was not cut by it.
    edit.LimitText(4);
    EXPECT_EQ(edit.GetText().Length(), 5000);
    edit.SetText("");
    for (char c : std::string("123456")) {
        edit.Send(WM_CHAR, static_cast<WPARAM>(c));
    }
    EXPECT_EQ(std::string(edit.GetText().Text()), "1234");

    Button check(Create("BUTTON", BS_AUTOCHECKBOX, "Full screen"));
    EXPECT_FALSE(check.IsChecked());
    check.SetCheck(true);
    EXPECT_TRUE(check.IsChecked());
    check.SetCheck(false);
    EXPECT_FALSE(check.IsChecked());
}

TEST(GdiHandlesTest, HolderDeletesExactlyOnceAndMovesOwnership) {
    HBRUSH raw = CreateSolidBrush(RGB(1, 2, 3));
    {
        Brush first(raw);
        Brush second(std::move(first));
        EXPECT_EQ(first.Get(), nullptr);
        EXPECT_EQ(second.Get(), raw);
        EXPECT_NE(GetObjectType(raw), 0u);
    }
    EXPECT_EQ(GetObjectType(raw), 0u);  // deleted when the last holder went

    Bitmap bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    HBITMAP old = bitmap.Get();
    bitmap.Reset(CreateBitmap(2, 2, 1, 1, nullptr));
    EXPECT_EQ(GetObjectType(old), 0u);
    EXPECT_EQ(GetObjectType(bitmap.Get()), static_cast<DWORD>(OBJ_BITMAP));
}

}  // namespace
