#pragma once
// The standard output and error of the command line mode, where the caller reads what
// the program says: a console, a file or a pipe.
#include <string_view>

namespace tzp::platform {

class StandardOutput {
  public:
    virtual ~StandardOutput() = default;
    // UTF-8 text, written as it is given (the caller ends its lines).
    virtual void Out(std::string_view text) = 0;
    virtual void Err(std::string_view text) = 0;
};

}  // namespace tzp::platform
