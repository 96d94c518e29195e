// Quorvel.exe from the keyboard alone, as a player without a mouse (or with a controller mapped
// to keys) drives it: real key presses through the system's input queue, the focus as the system
// reports it. Keys go to the foreground window, so this test runs in a Wine session of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/Clipboard.h"
#include "support/SettingsKey.h"
#include "win32/QuorvelRun.h"

namespace {

class QuorvelKeyboardTest : public ::testing::Test {
protected:
    QuorvelKeyboardTest() { kVendorKey.Delete(); }
    ~QuorvelKeyboardTest() override { kVendorKey.Delete(); }

    // Quorvel with the switches, filled and in the foreground.
    void Start(const std::string& switches) {
        quorvel_ = std::make_unique<ProgramDriver>(QuorvelPath(), switches);
        dialog_ = quorvel_->WaitDialog(QuorvelFilled);
        ASSERT_TRUE(dialog_) << "Quorvel did not come up";
        ASSERT_TRUE(dialog_.BringToFront());
    }
    // True once the control id has the focus.
    bool FocusReaches(int id) const {
        return WaitFor([&] { return dialog_.FocusedId() == id; }, 5000);
    }
    // The controls of the Tab order that take input now.
    std::vector<int> Reachable(bool advanced) const {
        std::vector<int> reachable;
        for (int id : QuorvelTabOrder(advanced)) {
            if (dialog_.IsEnabled(id)) {
                reachable.push_back(id);
            }
        }
        return reachable;
    }

    std::unique_ptr<ProgramDriver> quorvel_;
    DialogDriver dialog_;
};

TEST_F(QuorvelKeyboardTest, FocusStartsOnTheFirstControlAndTabVisitsTheRestInOrder) {
    for (bool advanced : {false, true}) {
        SCOPED_TRACE(advanced ? "-advanced" : "no switch");
        Start(advanced ? "-advanced" : "");
        const std::vector<int> order = Reachable(advanced);
        ASSERT_GE(order.size(), 4u);
        EXPECT_TRUE(FocusReaches(order.front())) << dialog_.FocusedId();
        for (size_t i = 1; i <= order.size(); ++i) {
            ASSERT_TRUE(DialogDriver::PressKey(VK_TAB));
            EXPECT_TRUE(FocusReaches(order[i % order.size()])) << i << ": " << dialog_.FocusedId();
        }
        ASSERT_TRUE(DialogDriver::PressKey(VK_TAB, VK_SHIFT));
        EXPECT_TRUE(FocusReaches(order.back())) << dialog_.FocusedId();

        // Escape cancels: nothing stored.
        ASSERT_TRUE(DialogDriver::PressKey(VK_ESCAPE));
        ASSERT_TRUE(quorvel_->WaitExit());
        EXPECT_EQ(quorvel_->ExitCode(), 2u);
        EXPECT_TRUE(StoredSettings().empty());
    }
}

TEST_F(QuorvelKeyboardTest, EnterStoresAndCloses) {
    Start("");
    ASSERT_TRUE(FocusReaches(Reachable(false).front()));
    ASSERT_TRUE(DialogDriver::PressKey(VK_RETURN));
    ASSERT_TRUE(quorvel_->WaitExit());
    EXPECT_EQ(quorvel_->ExitCode(), 0u);
    EXPECT_EQ(TextOf(StoredSettings()["Language"]), "de");
}

// F1 shows the figures beside the summary and F1 hides them again; moving on with Tab hides them
// too. Their last line names the keys; Ctrl+C copies the summary and the figures.
TEST_F(QuorvelKeyboardTest, F1ShowsTheFiguresAndCtrlCCopiesThem) {
    Start("");
    ASSERT_TRUE(FocusReaches(Reachable(false).front()));
    EXPECT_EQ(dialog_.ShownTip(), "");
    ASSERT_TRUE(DialogDriver::PressKey(VK_F1));
    std::string figures;
    EXPECT_TRUE(WaitFor([&] { return !(figures = dialog_.ShownTip()).empty(); }, 5000));
    const std::string keysLine = "\nF1 zeigt diese Angaben, Strg+C kopiert sie.";
    ASSERT_GT(figures.size(), keysLine.size());
    EXPECT_EQ(figures.rfind("Prozessor: ", 0), 0u) << figures;
    EXPECT_EQ(figures.substr(figures.size() - keysLine.size()), keysLine);

    EmptyTheClipboard();
    ASSERT_TRUE(DialogDriver::PressKey('C', VK_CONTROL));
    EXPECT_TRUE(WaitFor([] { return !ClipboardText().empty(); }, 5000));
    std::string expected = dialog_.Text(IDC_RATING) + "\n\n" +
                           figures.substr(0, figures.size() - keysLine.size()) + "\n";
    for (size_t at = expected.find('\n'); at != std::string::npos;
         at = expected.find('\n', at + 2)) {
        expected.insert(at, 1, '\r');
    }
    EXPECT_EQ(ClipboardText(), expected);

    ASSERT_TRUE(DialogDriver::PressKey(VK_F1));
    EXPECT_TRUE(WaitFor([&] { return dialog_.ShownTip().empty(); }, 5000));
    ASSERT_TRUE(DialogDriver::PressKey(VK_F1));
    EXPECT_TRUE(WaitFor([&] { return !dialog_.ShownTip().empty(); }, 5000));
    ASSERT_TRUE(DialogDriver::PressKey(VK_TAB));
    EXPECT_TRUE(WaitFor([&] { return dialog_.ShownTip().empty(); }, 5000));
    EXPECT_TRUE(StoredSettings().empty());
}

}  // namespace
