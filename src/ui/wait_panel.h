#pragma once
// The wait panel over the window while a long action runs. The owner brings it in and
// always parks it again, however the action ends: an exception never leaves the window
// busy for good.
#include <string_view>

#include "ui/form.h"
#include "ui/form1_controls.h"

namespace tzp::ui {

class WaitPanel {
  public:
    // Shows the panel at (left, top); parks it at (parkLeft, parkTop) when the owner goes.
    WaitPanel(Form& form, int left, int top, int parkLeft = kPark, int parkTop = kPark)
        : form_(form), parkLeft_(parkLeft), parkTop_(parkTop) {
        form_.Move(kWaitPanel, left, top);
    }
    ~WaitPanel() {
        try {
            form_.Move(kWaitPanel, parkLeft_, parkTop_);
        } catch (...) {
            // Moving a control of the model throws only for a name it lacks.
        }
    }
    WaitPanel(const WaitPanel&) = delete;
    WaitPanel& operator=(const WaitPanel&) = delete;

  private:
    Form& form_;
    int parkLeft_;
    int parkTop_;
};

}  // namespace tzp::ui
