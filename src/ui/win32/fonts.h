#pragma once
// The window's fonts at one DPI. A DPI change makes a new set, gives it to every control
// and only then lets the old one go: a control never holds a deleted font.
#include <windows.h>

#include "ui/control.h"
#include "ui/win32/gdi.h"

namespace tzp::ui {

class Fonts {
  public:
    Fonts() = default;
    explicit Fonts(int dpi);

    HFONT For(Look look) const;
    HFONT Normal() const { return normal_.get(); }
    HFONT Link() const { return link_.get(); }
    HFONT Wait() const { return wait_.get(); }

  private:
    Font normal_;
    Font bold_;
    Font link_;
    Font wait_;
};

}  // namespace tzp::ui
