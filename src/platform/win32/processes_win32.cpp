#include "platform/win32/processes_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

class Win32RunningProcess : public RunningProcess {
  public:
    explicit Win32RunningProcess(HANDLE process) : process_(process) {}
    bool WaitForExit(uint32_t milliseconds) override {
        return WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
    }

  private:
    UniqueHandleT process_;
};

WORD ShowCommand(WindowStyle style) {
    switch (style) {
        case WindowStyle::Hidden:
            return SW_HIDE;
        case WindowStyle::Normal:
            return SW_SHOWNORMAL;
        case WindowStyle::Minimized:
            return SW_SHOWMINIMIZED;
    }
    return SW_SHOWNORMAL;
}

}  // namespace

StartResult Win32Processes::Start(const std::string& commandLine, WindowStyle style) {
    std::wstring mutableLine = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = ShowCommand(style);
    PROCESS_INFORMATION info{};
    StartResult result;
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        const DWORD error = GetLastError();
        result.status = Status::Fail(error);
        result.errorText = Win32Files().DescribeError(error);
        return result;
    }
    CloseHandle(info.hThread);
    result.process = std::make_unique<Win32RunningProcess>(info.hProcess);
    return result;
}

Status Win32Shell::OpenAddress(const std::string& address) {
    static const auto shellExecute =
        LateBound<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (shellExecute == nullptr) {
        return Status::Fail(static_cast<uint32_t>(GetLastError()));
    }
    const auto code = reinterpret_cast<INT_PTR>(
        shellExecute(nullptr, L"open", Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // Codes up to 32 are errors; most are Win32 error codes as well.
    return code > 32 ? Status::Ok() : Status::Fail(static_cast<uint32_t>(code));
}

}  // namespace tzp::platform
