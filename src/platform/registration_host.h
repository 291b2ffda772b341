#pragma once
// A separate process of this program that loads the filter libraries and runs their
// entry points, so that nothing a library does (a bad pointer, a stack overflow, ending
// its process) can end or corrupt the control panel. One request is one library; the
// host answers it before it takes the next.
#include <cstdint>
#include <string>

#include "platform/status.h"

namespace tzp::platform {

struct HostAnswer {
    enum class Kind {
        Answered,  // `line` holds the host's answer
        Ended,     // the host ended before it answered: `code` is its exit code
        Silent,    // no answer within the time given: the host is left to itself
        Garbled,   // what came cannot be an answer (a line longer than any): the host
                   // was ended, since its library writes over the channel
        NotSent,   // no host runs (none could be started): `code` is the system error
    };
    Kind kind = Kind::NotSent;
    std::string line;
    uint32_t code = 0;
    // For an exception code, the system error it stands for (0 when none): the system
    // has words for those in the user's language.
    uint32_t systemError = 0;
};

class RegistrationHost {
  public:
    virtual ~RegistrationHost() = default;
    // Starts a host when none is running (the first time, and after one has ended).
    virtual Status Start() = 0;
    // Sends one request line and waits at most `milliseconds` for the answer line, while
    // the window keeps painting and drops the user's input. A host that ended or went
    // silent is let go; the next Start() starts a new one.
    virtual HostAnswer Ask(const std::string& line, uint32_t milliseconds) = 0;
    // Lets the host go at the end of a pass: it ends once its libraries have returned.
    virtual void Finish() = 0;
    // Once the pass has been reported: ends every host the pass started, with whatever
    // library still runs in one, so that no host (with the caller's rights, holding its
    // libraries' files) outlives the pass.
    virtual void EndHosts() = 0;
};

}  // namespace tzp::platform
