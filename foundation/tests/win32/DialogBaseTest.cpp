// The modal dialog base against a real dialog under Wine: the object is found from the window,
// every hook is reached by the message that a user's action produces, and results come back.
#include <gtest/gtest.h>

#include <string>

#include "DialogTestRes.h"
#include "win32/DialogBase.h"
#include "win32/GdiHandles.h"

namespace {

constexpr UINT_PTR kTimer = 7;

// Draws the items of one control: 17 pixels high at 96 dpi, every item equal.
class SeventeenHigh : public OwnerDrawn {
public:
    void MeasureItem(MEASUREITEMSTRUCT& item, UINT dpi) const override {
        item.itemHeight = static_cast<UINT>(ScaleToDpi(17, dpi));
    }
    void DrawItem(const DRAWITEMSTRUCT&, UINT) const override {}
    int CompareItem(const COMPAREITEMSTRUCT&) const override { return 1; }
};

// Walks through the hooks: init starts a timer, the timer clicks a button, the click's route asks
// the dialog for a label colour, the icon and items' sizes and order, and paints it, and then the
// dialog is closed from its close box.
class ScriptedDialog : public DialogBase {
public:
    ScriptedDialog() : DialogBase(IDD_TEST), brush_(CreateSolidBrush(RGB(255, 255, 255))) {}

    HBRUSH LabelBrush() const { return brush_.Get(); }

    std::string log;
    INT_PTR colourAnswer = 0;
    LRESULT dragIconAnswer = 0;
    UINT measuredHeight = 0;
    UINT scaledHeight = 0;
    UINT unregisteredHeight = 0;
    INT_PTR compareAnswer = 0;
    bool userDataWasThis = false;
    bool attached = false;
    bool iconSet = false;
    bool paintHookRan = false;
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);

protected:
    bool OnInitDialog() override {
        log += "init;";
        userDataWasThis =
            GetWindowLongPtrA(Handle(), GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this);
        Attach({{&press_, IDC_PRESS}, {&label_, IDC_LABEL}});
        attached = press_.Handle() == Item(IDC_PRESS) && label_.Handle() == Item(IDC_LABEL) &&
                   label_.Handle() != nullptr;
        SetIcons(icon, icon);
        iconSet =
            SendMessageA(Handle(), WM_GETICON, ICON_BIG, 0) == reinterpret_cast<LRESULT>(icon);
        Route({{IDC_PRESS, BN_DOUBLECLICKED, [this] { log += "double click;"; }},
               {IDC_PRESS, BN_CLICKED, [this] { OnPress(); }}});
        DrawnBy(IDC_PRESS, drawn_);
        SetTimer(Handle(), kTimer, 10, nullptr);
        return true;
    }
    void OnTimer(UINT_PTR id) override {
        log += "timer " + std::to_string(id) + ";";
        KillTimer(Handle(), id);
        PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDC_PRESS, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(IDC_PRESS)));
    }
    void OnPress() {
        log += "press;";
        colourAnswer =
            SendMessageA(Handle(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(Item(IDC_LABEL)));
        dragIconAnswer = SendMessageA(Handle(), WM_QUERYDRAGICON, 0, 0);
        MEASUREITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = IDC_PRESS;
        SendMessageA(Handle(), WM_MEASUREITEM, IDC_PRESS, reinterpret_cast<LPARAM>(&item));
        measuredHeight = item.itemHeight;
        // Moved to a screen at 150 %: the items are measured at the scale the message named.
        SendMessageA(Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
        SendMessageA(Handle(), WM_MEASUREITEM, IDC_PRESS, reinterpret_cast<LPARAM>(&item));
        scaledHeight = item.itemHeight;
        item.CtlID = IDC_LABEL;
        item.itemHeight = 3;
        SendMessageA(Handle(), WM_MEASUREITEM, IDC_LABEL, reinterpret_cast<LPARAM>(&item));
        unregisteredHeight = item.itemHeight;
        COMPAREITEMSTRUCT pair = {};
        pair.CtlID = IDC_PRESS;
        compareAnswer =
            SendMessageA(Handle(), WM_COMPAREITEM, IDC_PRESS, reinterpret_cast<LPARAM>(&pair));
        SendMessageA(Handle(), WM_PAINT, 0, 0);
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    }
    // The label also asks for its colour whenever it paints.
    HBRUSH OnCtlColor(HDC, HWND control, UINT kind) override {
        return control == Item(IDC_LABEL) && kind == WM_CTLCOLORSTATIC ? brush_.Get() : nullptr;
    }
    // The open dialog paints through the hook; the base paints only a minimised one itself.
    bool OnPaint() override {
        paintHookRan = true;
        return false;
    }
    void OnCancel() override {
        log += "cancel;";
        End(42);
    }

private:
    SeventeenHigh drawn_;
    Brush brush_;
    Window press_;
    Window label_;
};

TEST(DialogBaseTest, HooksRunInTheOrderTheMessagesArrive) {
    ScriptedDialog dialog;
    EXPECT_EQ(dialog.RunModal(), 42);
    EXPECT_EQ(dialog.log, "init;timer 7;press;cancel;");
    EXPECT_TRUE(dialog.userDataWasThis);
    EXPECT_TRUE(dialog.attached);
    EXPECT_TRUE(dialog.iconSet);
    EXPECT_TRUE(dialog.paintHookRan) << "only a minimised dialog paints its icon instead";
    EXPECT_EQ(dialog.colourAnswer, reinterpret_cast<INT_PTR>(dialog.LabelBrush()));
    EXPECT_EQ(dialog.dragIconAnswer, reinterpret_cast<LRESULT>(dialog.icon));
    EXPECT_EQ(dialog.measuredHeight, 17u) << "the test prefix is at 96 dpi";
    EXPECT_EQ(dialog.scaledHeight, 26u);  // 25.5, rounded
    EXPECT_EQ(dialog.unregisteredHeight, 3u) << "no object draws the label";
    EXPECT_EQ(dialog.compareAnswer, 1);
    EXPECT_EQ(dialog.Handle(), nullptr);  // the window is gone
}

// Without overrides, IDOK and IDCANCEL end the dialog with their own ids.
class PressingDialog : public DialogBase {
public:
    explicit PressingDialog(int button) : DialogBase(IDD_TEST), button_(button) {}

protected:
    bool OnInitDialog() override {
        PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
        return true;
    }

private:
    int button_;
};

TEST(DialogBaseTest, OkAndCancelEndWithTheirIds) {
    EXPECT_EQ(PressingDialog(IDOK).RunModal(), IDOK);
    EXPECT_EQ(PressingDialog(IDCANCEL).RunModal(), IDCANCEL);
}

TEST(DialogBaseTest, MissingTemplateGivesMinusOne) {
    class Missing : public DialogBase {
    public:
        Missing() : DialogBase(4242) {}
    };
    EXPECT_EQ(Missing().RunModal(), -1);
}

}  // namespace
