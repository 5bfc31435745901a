#pragma once

#include <windows.h>

// The wait cursor for the life of a scope, for work that may take longer than a user waits
// without a sign (about half a second). The window first paints what it owes, so the work never
// leaves part of it unpainted (a closed menu, a dialog just gone).
class WaitCursor {
  public:
    // Does nothing when the work is surely short.
    WaitCursor(HWND window, bool mayTakeLong);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    bool shown_ = false;
    HCURSOR previous_ = nullptr;
};
