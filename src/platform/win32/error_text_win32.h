#pragma once
// The system's words for its error codes (FormatMessage).
#include <cstdint>
#include <string>

#include "platform/error_text.h"

namespace tzp::platform {

// "error <code>" when the system has no words for the code.
std::string DescribeSystemError(uint32_t error);

class Win32ErrorText : public ErrorTextService {
  public:
    std::string Describe(uint32_t error) override { return DescribeSystemError(error); }
};

}  // namespace tzp::platform
