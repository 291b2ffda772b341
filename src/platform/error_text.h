#pragma once
// The platform's wording of its error codes, for the messages that say why something
// failed.
#include <cstdint>
#include <string>

namespace tzp::platform {

class ErrorTextService {
  public:
    virtual ~ErrorTextService() = default;
    // The system's words for the code, in the user's language; "error <code>" when it
    // has none.
    virtual std::string Describe(uint32_t error) = 0;
};

}  // namespace tzp::platform
