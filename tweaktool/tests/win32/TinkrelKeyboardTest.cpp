// Tinkrel.exe from the keyboard alone: real key presses through the system's input queue, the
// focus as the system reports it. Keys go to the foreground window, so this test runs in a Wine
// session of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "AccessKeys.h"
#include "res/TweakDialogRes.h"
#include "support/ProgramDriver.h"
#include "support/SettingsKey.h"

namespace {

constexpr int kTexVideoMemLimit = 16;  // list row
constexpr int kWebServer = 20;         // the last row
constexpr int kTabOrder[] = {IDC_PARAMETER_LIST, IDC_SLIDER, IDC_VALUE, IDC_RESET,
                             IDC_DEFAULT,        IDC_SAVE,   IDC_LOAD,  IDCANCEL};

class TinkrelKeyboardTest : public ::testing::Test {
protected:
    TinkrelKeyboardTest() { kVendorKey.Delete(); }
    ~TinkrelKeyboardTest() override { kVendorKey.Delete(); }

    void Start() {
        tinkrel_ = std::make_unique<ProgramDriver>(ProgramBeside(L"Tinkrel.exe"));
        dialog_ = tinkrel_->WaitDialog();
        ASSERT_TRUE(dialog_) << "no Tinkrel dialog appeared";
        ASSERT_TRUE(dialog_.BringToFront());
    }
    bool FocusReaches(int id) const {
        return WaitFor([&] { return dialog_.FocusedId() == id; }, 5000);
    }
    // Presses key count times.
    static void Press(WORD key, int count = 1) {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(DialogDriver::PressKey(key));
        }
    }
    bool RowBecomes(int row, const std::string& text) const {
        return WaitFor([&] { return dialog_.Entry(IDC_PARAMETER_LIST, row) == text; }, 5000);
    }

    std::unique_ptr<ProgramDriver> tinkrel_;
    DialogDriver dialog_;
};

TEST_F(TinkrelKeyboardTest, FocusStartsOnTheListAndTabVisitsEveryControlInOrder) {
    Start();
    EXPECT_TRUE(FocusReaches(IDC_PARAMETER_LIST)) << dialog_.FocusedId();
    for (size_t i = 1; i <= std::size(kTabOrder); ++i) {
        Press(VK_TAB);
        EXPECT_TRUE(FocusReaches(kTabOrder[i % std::size(kTabOrder)]))
            << i << ": " << dialog_.FocusedId();
    }
    ASSERT_TRUE(DialogDriver::PressKey(VK_TAB, VK_SHIFT));
    EXPECT_TRUE(FocusReaches(IDCANCEL));
}

// Enter confirms a typed number and leaves the tool open; Enter on Save stores it.
TEST_F(TinkrelKeyboardTest, EnterKeepsTheTypedNumber) {
    Start();
    ASSERT_TRUE(FocusReaches(IDC_PARAMETER_LIST));
    Press(VK_DOWN, kTexVideoMemLimit + 1);  // the first press selects the header
    ASSERT_TRUE(WaitFor([&] { return dialog_.Text(IDC_VALUE) == "4096"; }, 5000))
        << dialog_.Selection(IDC_PARAMETER_LIST);
    Press(VK_TAB, 2);
    ASSERT_TRUE(FocusReaches(IDC_VALUE));
    ASSERT_TRUE(DialogDriver::TypeKeys("2048"));  // replaces the field's text, all selected
    ASSERT_TRUE(RowBecomes(kTexVideoMemLimit, "TexVideoMemLimit\t1024\t32768\t2048\t4096"));
    Press(VK_RETURN);
    ASSERT_FALSE(WaitFor([&] { return !IsWindowVisible(dialog_.Handle()); }, 1000))
        << "Enter closed Tinkrel";
    EXPECT_EQ(dialog_.Text(IDC_VALUE), "2048");
    EXPECT_EQ(dialog_.Entry(IDC_PARAMETER_LIST, kTexVideoMemLimit),
              "TexVideoMemLimit\t1024\t32768\t2048\t4096");
    EXPECT_EQ(kSettingsKey.Get("Performance", "TexVideoMemLimit"), std::nullopt);

    Press(VK_TAB, 3);
    ASSERT_TRUE(FocusReaches(IDC_SAVE));
    Press(VK_RETURN);
    EXPECT_TRUE(WaitFor(
        [] { return kSettingsKey.Get("Performance", "TexVideoMemLimit") == StoredSz("2048"); },
        5000));
    Press(VK_ESCAPE);
    EXPECT_TRUE(tinkrel_->WaitExit());
}

// Tab and Shift+Tab through every control, with a parameter selected, mark nothing: Save stores
// the same before and after.
TEST_F(TinkrelKeyboardTest, FocusStoresNothing) {
    Start();
    ASSERT_TRUE(FocusReaches(IDC_PARAMETER_LIST));
    Press(VK_DOWN, kWebServer + 1);
    ASSERT_TRUE(WaitFor([&] { return dialog_.Text(IDC_VALUE) == "0"; }, 5000));
    dialog_.Press(IDC_SAVE);
    const ValuesByPath saved = StoredSettings();
    EXPECT_EQ(saved.count("Performance\\WebServer"), 0u);
    for (size_t i = 1; i <= 2 * std::size(kTabOrder); ++i) {
        Press(VK_TAB);
        ASSERT_TRUE(FocusReaches(kTabOrder[i % std::size(kTabOrder)]));
    }
    for (size_t i = 0; i < std::size(kTabOrder); ++i) {
        ASSERT_TRUE(DialogDriver::PressKey(VK_TAB, VK_SHIFT));
    }
    ASSERT_TRUE(FocusReaches(IDC_PARAMETER_LIST));
    dialog_.Press(IDC_SAVE);
    EXPECT_EQ(StoredSettings(), saved);
    Press(VK_ESCAPE);
    EXPECT_TRUE(tinkrel_->WaitExit());
}

// Every label and button but Quit shows a key of its own. Alt with a label's key puts the focus
// on the control after the label; with Default's, the selected parameter takes its default.
TEST_F(TinkrelKeyboardTest, AltWithAKeyReachesItsControlOrPressesItsButton) {
    Start();
    ASSERT_TRUE(FocusReaches(IDC_PARAMETER_LIST));
    Press(VK_DOWN, kTexVideoMemLimit + 1);
    ASSERT_TRUE(WaitFor([&] { return dialog_.Text(IDC_VALUE) == "4096"; }, 5000));
    std::map<char, int> owners;
    for (int id : {IDC_PARAMETER_LIST_LABEL, IDC_SLIDER_LABEL, IDC_VALUE_LABEL, IDC_RESET,
                   IDC_DEFAULT, IDC_SAVE, IDC_LOAD}) {
        const char key = AccessKeyOf(dialog_.Text(id).c_str());
        EXPECT_TRUE(key >= 'A' && key <= 'Z') << dialog_.Text(id);
        EXPECT_TRUE(owners.emplace(key, id).second) << dialog_.Text(id) << " " << owners[key];
    }
    EXPECT_EQ(AccessKeyOf(dialog_.Text(IDCANCEL).c_str()), 0);
    EXPECT_EQ(AccessKeyOf(dialog_.Text(IDOK).c_str()), 0);

    for (auto [label, control] :
         {std::pair{IDC_SLIDER_LABEL, IDC_SLIDER}, std::pair{IDC_VALUE_LABEL, IDC_VALUE},
          std::pair{IDC_PARAMETER_LIST_LABEL, IDC_PARAMETER_LIST}}) {
        ASSERT_TRUE(dialog_.PressAccessKeyOf(label));
        EXPECT_TRUE(FocusReaches(control)) << dialog_.Text(label) << ": " << dialog_.FocusedId();
    }

    ASSERT_TRUE(dialog_.PressAccessKeyOf(IDC_VALUE_LABEL));
    ASSERT_TRUE(FocusReaches(IDC_VALUE));
    ASSERT_TRUE(DialogDriver::TypeKeys("2048"));
    ASSERT_TRUE(RowBecomes(kTexVideoMemLimit, "TexVideoMemLimit\t1024\t32768\t2048\t4096"));
    ASSERT_TRUE(dialog_.PressAccessKeyOf(IDC_DEFAULT));
    EXPECT_TRUE(RowBecomes(kTexVideoMemLimit, "TexVideoMemLimit\t1024\t32768\t4096\t4096"));
    EXPECT_EQ(kSettingsKey.Get("Performance", "TexVideoMemLimit"), std::nullopt);
    Press(VK_ESCAPE);
    EXPECT_TRUE(tinkrel_->WaitExit());
}

}  // namespace
