#pragma once
#include "platform/standard_output.h"
#include "platform/win32/handles.h"

namespace tzp::platform {

// The program is a windowed one, so that starting it by a double click never flashes a
// console. In command line mode it writes to the standard handles it was given (a file
// or pipe of a deployment tool, or a console handle); where it was given none, it joins
// the console of the program that started it (a command prompt), if there is one, and
// writes there. Without either, the text goes nowhere and only the exit code tells.
//
// A console gets UTF-16 through WriteConsoleW, so every character shows whatever the
// console's code page. A file or pipe gets UTF-8 without a byte-order mark: JSON is
// UTF-8 by definition, the deployment tools read UTF-8, and no 8-bit code page holds
// every path and profile name.
class Win32StandardOutput : public StandardOutput {
  public:
    Win32StandardOutput();
    void Out(std::string_view text) override;
    void Err(std::string_view text) override;

  private:
    HANDLE out_ = nullptr;
    HANDLE err_ = nullptr;
    UniqueHandleT consoleOut_;  // opened here when the program joined a console
};

}  // namespace tzp::platform
