#include "platform/run_and_wait.h"

namespace tzp::platform {

bool RunAndWait(ProcessService& processes, Interaction& ui, const std::string& commandLine,
                WindowStyle style, std::string& errorText) {
    StartResult started = processes.Start(commandLine, style);
    if (!started.status.ok() || !started.process) {
        // A start that failed without words still must not leave the caller's text empty.
        errorText = started.errorText.empty() ? std::string("error") : started.errorText;
        return false;
    }
    bool ended = false;
    do {
        ended = started.process->WaitForExit(kRunAndWaitSliceMs);
        ui.DoEvents();
    } while (!ended);
    return true;
}

}  // namespace tzp::platform
