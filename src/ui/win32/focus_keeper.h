#pragma once
// Where the keyboard focus may go. Only what the user sees, enabled, can be a keyboard
// stop; whatever moves the focus (a click sent to a hidden button, a program calling
// SetFocus), it never lands on a control the user cannot see. While a long action runs
// the wait panel holds the focus, and the focus goes back where it was after.
#include <windows.h>

#include <vector>

#include "ui/form.h"
#include "ui/win32/gdi.h"
#include "ui/win32/native_controls.h"

namespace tzp::ui {

// Posted to the main window: the controls' reach is worked out again.
inline constexpr UINT kUpdateReachMessage = WM_APP + 1;

class FocusKeeper {
  public:
    FocusKeeper(Form& form, NativeControls& natives) : form_(form), natives_(natives) {}
    ~FocusKeeper();
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

    void SetWindow(HWND main) { main_ = main; }
    // Guards the focus of the main window's controls, on this thread.
    void Start();

    // Shows what is seen and hides the rest, and makes the stops anew.
    void UpdateReach();
    // The same, once, after the changes that are under way.
    void UpdateReachSoon();
    void OnUpdateReachMessage();

    void FocusDefault();
    void MoveFocus(bool forward);
    void OnDeactivate();
    // The wait panel comes: the focus it takes away comes back after, when still a stop.
    void RememberForWait(HWND panel);
    void RestoreAfterWait();

    // The control a window of the main window belongs to.
    NativeControl* Owner(HWND hwnd) { return natives_.Owner(hwnd, main_); }

  private:
    static LRESULT CALLBACK FocusHook(int code, WPARAM wParam, LPARAM lParam);
    bool MayTakeFocus(HWND hwnd);
    void KeepFocusReachable();
    std::vector<NativeControl*> Stops();
    void FocusStop(NativeControl& stop);

    Form& form_;
    NativeControls& natives_;
    HWND main_ = nullptr;
    HWND focusBeforeWait_ = nullptr;
    HWND savedFocus_ = nullptr;  // the focus when the window was last deactivated
    bool reachPending_ = false;
    Hook hook_;
};

}  // namespace tzp::ui
