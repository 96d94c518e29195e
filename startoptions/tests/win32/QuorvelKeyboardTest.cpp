// Quorvel.exe from the keyboard alone, as a player without a mouse (or with a controller mapped
// to keys) drives it: real key presses through the system's input queue, the focus as the system
// reports it. Keys go to the foreground window, so this test runs in a Wine session of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Localisation.h"
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

    // Where Alt with the key of control's label puts the focus: on control, or where that is
    // switched off, on the next control that Tab reaches.
    int KeyTarget(int control) const {
        const std::vector<int> order = QuorvelTabOrder(true);
        for (auto at = std::find(order.begin(), order.end(), control); at != order.end(); ++at) {
            if (dialog_.IsEnabled(*at)) {
                return *at;
            }
        }
        return 0;
    }
    void ExpectLabelKeysReachTheirControls() const;

    std::unique_ptr<ProgramDriver> quorvel_;
    DialogDriver dialog_;
};

// Each label's key, last label first, so that each key has the focus to move.
void QuorvelKeyboardTest::ExpectLabelKeysReachTheirControls() const {
    struct Labelled {
        int label, control;
    };
    for (auto [label, control] :
         {Labelled{IDC_TCL_DEFINES_LABEL, IDC_TCL_DEFINES},
          Labelled{IDC_FRAMERATE_LABEL, IDC_FRAMERATE}, Labelled{IDC_TEXTURE_LABEL, IDC_TEXTURE},
          Labelled{IDC_LANDSCAPE_LABEL, IDC_LANDSCAPE}, Labelled{IDC_OBJECTS_LABEL, IDC_OBJECTS},
          Labelled{IDC_SCREEN_MODE_LABEL, IDC_SCREEN_MODE}, Labelled{IDC_DEVICE_LABEL, IDC_DEVICE},
          Labelled{IDC_ADAPTER_LABEL, IDC_ADAPTER}, Labelled{IDC_LANGUAGE_LABEL, IDC_LANGUAGE}}) {
        SCOPED_TRACE(dialog_.Text(label));
        const int target = KeyTarget(control);
        if (dialog_.FocusedId() == target) {  // a switched-off list before: move on first
            ASSERT_TRUE(DialogDriver::PressKey(VK_TAB));
            ASSERT_TRUE(WaitFor([&] { return dialog_.FocusedId() != target; }, 5000));
        }
        ASSERT_TRUE(dialog_.PressAccessKeyOf(label));
        EXPECT_TRUE(FocusReaches(target)) << dialog_.FocusedId();
    }
}

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

// Alt with a label's key puts the focus on the control after the label; the full-screen box's key
// ticks and unticks it; Default's presses it. The keys are those the dialog shows, in German, then
// in French. Nothing is stored.
TEST_F(QuorvelKeyboardTest, AltWithAKeyReachesItsControl) {
    Start("-advanced");
    ASSERT_TRUE(FocusReaches(Reachable(true).front()));
    for (int language : {kGerman, kFrench}) {
        SCOPED_TRACE(LanguageCode(language));
        dialog_.Choose(IDC_LANGUAGE, language);
        ASSERT_EQ(dialog_.Text(), TextsOf(language)->title);
        ExpectLabelKeysReachTheirControls();
        const LRESULT ticked = dialog_.Send(IDC_FULL_SCREEN, BM_GETCHECK);
        for (LRESULT expected : {ticked ^ BST_CHECKED, ticked}) {
            ASSERT_TRUE(dialog_.PressAccessKeyOf(IDC_FULL_SCREEN));
            EXPECT_TRUE(WaitFor(
                [&] { return dialog_.Send(IDC_FULL_SCREEN, BM_GETCHECK) == expected; }, 5000));
        }
    }
    // Default proposes the settings in German.
    ASSERT_TRUE(dialog_.PressAccessKeyOf(IDC_DEFAULTS));
    EXPECT_TRUE(WaitFor([&] { return dialog_.Text() == TextsOf(kGerman)->title; }, 5000));

    ASSERT_TRUE(DialogDriver::PressKey(VK_ESCAPE));
    ASSERT_TRUE(quorvel_->WaitExit());
    EXPECT_TRUE(StoredSettings().empty());
}

}  // namespace
