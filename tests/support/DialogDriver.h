// Reads and drives the controls of a dialog, in this process or in another, through the messages
// a player's actions produce. Every message goes with a time limit, so that a program that hangs
// fails the test instead of holding it; texts travel as UTF-16 and come back as Windows-1252.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DialogDriver {
public:
    DialogDriver() = default;
    explicit DialogDriver(HWND dialog) : dialog_(dialog) {}

    HWND Handle() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    explicit operator bool() const { return dialog_ != nullptr; }

    // The text of control id, or the caption for id 0.
    std::string Text(int id = 0) const;
    bool IsShown(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    // Whether control id, or the dialog itself for id 0, takes input.
    bool IsEnabled(int id = 0) const;
    bool HasFocus(int id) const;
    // The id of the dialog's control that has the keyboard focus; 0 when none of its controls has
    // it.
    int FocusedId() const;
    // Window rectangle on the screen of control id, or of the dialog for id 0.
    RECT Frame(int id = 0) const;

    // The controls Tab visits, by id, from the first (as the dialog manager finds them: visible,
    // enabled, with WS_TABSTOP), once round.
    std::vector<int> TabOrder() const;
    // The text of the label just before control id in the dialog's order, after which a screen
    // reader names a control without a text of its own; empty when the window before it is no
    // visible static text.
    std::string LabelBefore(int id) const;
    // The name the system's accessibility layer gives control id (IAccessible::get_accName).
    std::string AccessibleName(int id) const;

    // Entries of a combo box or list box, and the selected position (-1: none).
    std::vector<std::string> Entries(int id) const;
    std::string Entry(int id, int position) const;
    int EntryCount(int id) const;
    int Selection(int id) const;
    // Item data of an entry of a combo box.
    ULONG_PTR EntryData(int id, int position) const;

    // Picks position in combo box id and tells the dialog, as choosing it with the mouse does.
    void Choose(int id, int position) const;
    // The same, posted: for a choice whose handler opens a modal window.
    void PostChoose(int id, int position) const;
    // Selects position without telling the dialog (a list that was scrolled, not chosen from).
    void Select(int id, int position) const;
    // Clicks a row of list box id: the list selects it and notifies the dialog within one message.
    void ClickRow(int id, int row) const;
    // The notification a button sends when clicked (also for IDOK and IDCANCEL without a button).
    void Press(int id) const { Notify(id, BN_CLICKED); }
    // The notification code of control id, as the control itself sends it to the dialog.
    void Notify(int id, WORD code) const;
    // A real click on a visible button: the button itself notifies the dialog.
    void Click(int id) const;
    // A left click with the mouse in the middle of control id, through the system's input queue
    // as a player's mouse gives it: a disabled or hidden control never sees it. False when it
    // can't be sent.
    bool ClickWithMouse(int id) const;
    // Rests the mouse pointer in the middle of control id, as ClickWithMouse moves it; false when
    // it can't be moved there.
    bool PointWithMouse(int id) const;
    // Closes the dialog through button id, or for id 0 through the close box; posted, so that
    // the dialog can end without this side waiting on it.
    void PostClose(int id) const;
    // Escape, as the dialog's message loop sees the key.
    void PressEscape() const;
    // Sets an edit's text as typing does: the field tells the dialog of the change.
    void Type(int id, const std::string& text) const;
    // Types one character into control id.
    void TypeChar(int id, char c) const;
    // Puts the keyboard focus into control id, as a click into it does.
    void Focus(int id) const;
    // Ctrl+C as the dialog's message loop takes it once the keys are translated: the character 3
    // for the control with the focus. Posted, as typed keys are.
    void PressCtrlC() const;
    // The tooltip window the dialog owns; null without one.
    HWND TooltipWindow() const;
    // The tooltip window of the dialog that shows, and its text; null and empty while none shows.
    HWND ShownTipWindow() const;
    std::string ShownTip() const;

    // Brings the dialog to the foreground, as a click on its caption does; true once it is there.
    // Keys go to the foreground window: the tests that press them run in a Wine session of their
    // own, where no other test's window takes it.
    bool BringToFront() const;
    // A key pressed and released through the system's input queue, as a keyboard gives it to the
    // foreground window, with the modifier (VK_CONTROL, VK_SHIFT...) held down when one is given.
    // The program sees it later, in its own time. False when it can't be sent.
    static bool PressKey(WORD key, WORD modifier = 0);
    // Each character of digits and letters (0-9, A-Z) as a key press.
    static bool TypeKeys(const std::string& keys);
    // Alt with the access key (A-Z) that control id shows, as a player presses it; false when it
    // shows none.
    bool PressAccessKeyOf(int id) const;

    int SliderPos(int id) const;
    int SliderMin(int id) const;
    int SliderMax(int id) const;
    // Moves the slider as dragging does; the control sends no notification.
    void MoveSlider(int id, int position) const;

    // A tick of the dialog's timer, delivered now: whatever the dialog does on it is done when
    // this returns, so that no test has to sleep for a timer period.
    void Tick(UINT_PTR timer) const { Send(0, WM_TIMER, timer); }

    // Sends a message to control id (0: the dialog) and returns its answer; -1 when the window
    // did not answer in time.
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

private:
    HWND Window(int id) const { return id == 0 ? dialog_ : Item(id); }
    bool IsComboBox(int id) const;

    HWND dialog_ = nullptr;
};
