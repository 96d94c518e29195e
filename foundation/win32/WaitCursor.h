#pragma once

#include <windows.h>

// Shows the hourglass while a long piece of work runs on the dialog's thread, and the arrow
// when it ends: the cursor shown before may have been the system's start-up cursor, which must
// not come back.
class WaitCursor {
public:
    WaitCursor() : arrow_(LoadCursor(nullptr, IDC_ARROW)) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(arrow_); }

private:
    HCURSOR arrow_;  // shared system cursor: never destroyed
};
