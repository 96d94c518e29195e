// Tinkrel: the tweak tool. One modal dialog; the program ends when it closes, whatever the button.
#include <windows.h>

#include <commctrl.h>

#include "win32/TweakDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();  // registers the trackbar class
    TweakDialog dialog;
    dialog.RunModal();
    return 0;
}
