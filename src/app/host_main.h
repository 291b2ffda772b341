#pragma once
// The program started as a registration host (see platform/win32/registration_host_win32.h).

namespace tzp::app {

// Serves the caller on the pipe handle named by `channel` and returns the exit code.
int RunRegistrationHost(const wchar_t* channel);

}  // namespace tzp::app
