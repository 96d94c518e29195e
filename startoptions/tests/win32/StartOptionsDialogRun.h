// What the tests of the options dialog in their own process share: the dialog over scripted
// display drivers, run modally on a thread of its own and driven from the test thread through
// messages; the tests' fixture; and how they read what it draws and shows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedDisplayDrivers.h"
#include "support/DialogDriver.h"
#include "support/DialogThread.h"
#include "support/SettingsKey.h"
#include "win32/HighContrast.h"
#include "win32/StartOptionsDialog.h"

// One run of the dialog with the drivers and the argument text.
class DialogRun {
public:
    DialogRun(std::vector<ScriptedDriver> drivers, const char* arguments);

    // The dialog once its start-up work is done; empty when the dialog ended or the wait did.
    DialogDriver WaitFilled();
    bool WaitEnded() { return thread_.WaitEnded(); }

private:
    ScriptedDisplayDrivers layer_;
    StartOptionsDialog dialog_;
    DialogThread thread_;  // last: the dialog ends before its drivers go
};

class StartOptionsDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override { kSettingsKey.Delete(); }
    void TearDown() override {
        kSettingsKey.Delete();
        ForceHighContrast(HighContrastAnswer::kSystem);
    }
};

// One owner-draw request for the language list, into a rectangle of the given size.
DRAWITEMSTRUCT DrawRequest(const DialogDriver& dialog, HDC dc, const char* text, bool selected,
                           SIZE size = {40, 16});

// A pixel of the dialog's client area as the screen shows it now.
COLORREF ShownPixel(const DialogDriver& dialog, int x, int y);
// A pixel of the dialog's client area as the dialog paints it. The paint is sent, so that it is
// done on the dialog's thread before the pixel is read.
COLORREF PaintedPixel(const DialogDriver& dialog, int x, int y);

// The banner's gold rule under its band, at y = 102 for 96 dpi; nothing else there is as warm.
bool IsGold(COLORREF pixel);
constexpr int kGoldRuleY = 102;

// The rating summary's tooltip text, as the tooltip holds it. Asked for as UTF-16: the ANSI
// form of the question hands back no more than 80 characters.
std::string FiguresOf(const DialogDriver& dialog);
