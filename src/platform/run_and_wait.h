#pragma once
// Starting a program and waiting for its end while the window stays alive.
#include <string>

#include "platform/interaction.h"
#include "platform/processes.h"

namespace tzp::platform {

// How long one wait on the process lasts before pending window events run again.
inline constexpr uint32_t kRunAndWaitSliceMs = 100;

// Starts the command line with the window style and returns when the program has ended,
// letting pending window events run between short waits on the process. True when the
// program was started and has ended. False when it could not be started: `errorText`
// then holds the platform's description of the failure (and is left alone otherwise).
//
// The wait is on the process itself, never on its exit code: a program may well end with
// the code 259, which a poll of the exit code would take for "still running" forever.
// There is no time limit; the caller covers the window while it waits, since the window's
// events (its own clicks included) keep running.
bool RunAndWait(ProcessService& processes, Interaction& ui, const std::string& commandLine,
                WindowStyle style, std::string& errorText);

}  // namespace tzp::platform
