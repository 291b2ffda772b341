#pragma once
// The tooltips of the window's controls, and the same texts as their descriptions for
// screen readers.
#include <windows.h>

#include <string>

#include "ui/win32/gdi.h"

struct IAccPropServices;

namespace tzp::ui {

// What the system knows of one control's text.
struct TipState {
    bool hasTip = false;     // the tooltip control knows the control
    bool described = false;  // screen readers get the text as its description
};

class Tooltips {
  public:
    Tooltips();
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // One tooltip control serves every control of the window.
    void Create(HWND window, HINSTANCE instance, int maxWidth);
    void SetMaxWidth(int maxWidth);
    // The pointer's messages from the queue, for the tooltip to show and hide by; a message
    // of any window of the main window may come.
    void Relay(const MSG& message);
    // The tip that shows is drawn again, at the size of its text now.
    void Update();
    // Gives the control the text, or takes it away when empty.
    void Sync(HWND control, const std::string& text, TipState& state);
    // Loads the annotation service for an accessibility client, once; true when it just
    // became available, and the controls' texts must be given to it.
    bool StartDescriptions();

  private:
    HWND window_ = nullptr;
    HINSTANCE instance_ = nullptr;
    HWND tooltip_ = nullptr;  // a window owned by the main window, destroyed with it
    bool comStarted_ = false;
    bool descriptionsTried_ = false;
    ComPtr<IAccPropServices> accProps_;  // released before COM ends, in the destructor
};

}  // namespace tzp::ui
