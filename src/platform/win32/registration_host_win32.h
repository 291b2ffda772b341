#pragma once
// The registration host as a process of this same program (so of its own bitness),
// started with a private argument. The channel is one pipe whose two ends this process
// creates before the host starts: the host inherits its end, named in the handle list as
// the only handle it inherits, and has no window, console or standard handles. A named
// pipe rather than CreatePipe's anonymous one, since only it can be read overlapped, so
// that the wait for an answer also watches the host's end and keeps the window painted.
// The hosts of a pass run in a job that ends them when the pass is over, or when this
// process ends. The pipe's name cannot be guessed and only this program's own user may
// open it, so nobody can create it first or slip in before the host's end is opened.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/line_buffer.h"
#include "platform/registration_host.h"
#include "platform/win32/handles.h"

namespace tzp::platform {

// The argument that makes the program a registration host; the usage does not list it.
inline constexpr wchar_t kRegistrationHostArgument[] = L"/registration-host";

// Longer than any answer line: more without a line end is a library writing over the
// channel, and no reason to keep the caller or its memory.
inline constexpr size_t kMaxAnswerLine = 64 * 1024;

// The channel to one host: this process's end, overlapped, and the host's, inheritable.
struct HostChannel {
    UniqueHandleT ours;
    UniqueHandleT hostEnd;
};
// A new pipe under a name nobody can guess, that only this program's own user may open.
Status OpenHostChannel(HostChannel& channel);

class Win32RegistrationHost : public RegistrationHost {
  public:
    // The program to start as the host; empty for this program itself.
    explicit Win32RegistrationHost(std::wstring program = {});
    ~Win32RegistrationHost() override;
    Win32RegistrationHost(const Win32RegistrationHost&) = delete;
    Win32RegistrationHost& operator=(const Win32RegistrationHost&) = delete;

    Status Start() override;
    HostAnswer Ask(const std::string& line, uint32_t milliseconds) override;
    void Finish() override;
    void EndHosts() override;

    // The running host's process id, 0 when none runs.
    uint32_t ProcessId() const { return processId_; }

  private:
    enum class Read { Got, HostGone, TimeUp };
    Read ReadSome(ULONGLONG deadline);
    Status StartHost(HANDLE hostEnd);
    HostAnswer Ended();
    HostAnswer Garbled();
    bool Send(const std::string& line);

    std::wstring program_;
    UniqueHandleT job_;  // the pass's hosts, those left running included
    UniqueHandleT pipe_;
    UniqueHandleT process_;
    UniqueHandleT readDone_;
    uint32_t processId_ = 0;
    LineBuffer pending_;  // what has arrived beyond the last answer line
};

}  // namespace tzp::platform
