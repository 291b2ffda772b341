// The program with its start-up steps timed: the program's own code, with a sink for the
// marks of its steps installed before it starts. The benchmark that starts it names the
// file for the times (TZP_STEP_LOG), which is written anew after every whole step, so
// that it is complete once the window is shown however the program ends afterwards.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "core/step_marks.h"

namespace {

using Clock = std::chrono::steady_clock;

struct StepTimes {
    double loaderMs = 0;
    Clock::time_point last = Clock::now();
    Clock::time_point lastPart = last;
    std::vector<std::pair<std::string, double>> steps;  // name, milliseconds
};

StepTimes times;

// From the creation of the process to this program's own first line: loading the
// program and the system libraries it imports, and the runtime's start.
double MillisecondsSinceProcessStart() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

double MillisecondsSince(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void WriteStepTimes() {
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TZP_STEP_LOG", path, MAX_PATH) == 0) {
        return;
    }
    if (FILE* out = _wfopen(path, L"w")) {
        std::fprintf(out, "0 process start to wWinMain\t%.3f\n", times.loaderMs);
        for (const auto& [step, ms] : times.steps) {
            std::fprintf(out, "%s\t%.3f\n", step.c_str(), ms);
        }
        std::fclose(out);
    }
}

// A part is listed before its step, which still counts the whole. The file's writing is
// no step's time.
void NoteStep(const char* name, bool part) {
    const auto now = Clock::now();
    if (part) {
        times.steps.emplace_back(std::string("  ") + name, MillisecondsSince(times.lastPart, now));
        times.lastPart = now;
        return;
    }
    times.steps.emplace_back(name, MillisecondsSince(times.last, now));
    WriteStepTimes();
    times.last = times.lastPart = Clock::now();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    times.loaderMs = MillisecondsSinceProcessStart();
    times.last = times.lastPart = Clock::now();
    tzp::core::SetStepSink(&NoteStep);
    return tzp::app::RunProgram(instance, showCommand);
}
