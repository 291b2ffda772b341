#include "platform/win32/processes_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <optional>

#include "platform/paths.h"
#include "platform/win32/error_text_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

constexpr DWORD kTerminateWaitMs = 5000;

class Win32RunningProcess : public RunningProcess {
  public:
    explicit Win32RunningProcess(HANDLE process) : process_(process) {}
    bool Terminate() override {
        // The process lets go of its files only once it has really ended.
        TerminateProcess(process_.get(), ERROR_TIMEOUT);
        return WaitForExit(kTerminateWaitMs);
    }
    bool WaitForExit(uint32_t milliseconds) override {
        return WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
    }
    std::optional<uint32_t> ExitCode() override {
        DWORD code = 0;
        if (!GetExitCodeProcess(process_.get(), &code)) {
            return std::nullopt;
        }
        return code;
    }
    void KeepUntilExit(std::unique_ptr<PrivateCopy> copy) override;

  private:
    UniqueHandleT process_;
};

// What a keeping thread owns: its own handle of the process, and the copy.
struct KeptUntilExit {
    UniqueHandleT process;
    std::unique_ptr<PrivateCopy> copy;
};

DWORD WINAPI ReleaseWhenEnded(void* context) {
    std::unique_ptr<KeptUntilExit> kept(static_cast<KeptUntilExit*>(context));
    WaitForSingleObject(kept->process.get(), INFINITE);
    return 0;
}

// A thread of its own waits, so the window never does; a program that ends first leaves
// the copy to the next start (Win32Files::RemoveLeftPrivateCopies). Where no thread can
// be had, the copy stays held until this program ends: released now, it would be removed
// under the program that reads it.
void Win32RunningProcess::KeepUntilExit(std::unique_ptr<PrivateCopy> copy) {
    HANDLE own = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), process_.get(), GetCurrentProcess(), &own,
                         SYNCHRONIZE, FALSE, 0)) {
        (void)copy.release();
        return;
    }
    auto kept = std::make_unique<KeptUntilExit>(KeptUntilExit{UniqueHandleT(own), std::move(copy)});
    UniqueHandleT thread(CreateThread(nullptr, 0, ReleaseWhenEnded, kept.get(), 0, nullptr));
    if (!thread) {
        (void)kept->copy.release();
        return;
    }
    (void)kept.release();
}

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

// A system program named without a folder ("cmd", "Rundll32.exe", "regedit.exe"), looked
// for in the system folder and then the Windows folder, where Windows itself would look
// after the program's own folder and the current one. Those two are left out: the
// program runs with administrator rights, and a cmd.exe dropped there must not run.
std::optional<std::wstring> SystemProgramPath(std::wstring name) {
    if (name.find(L'.') == std::wstring::npos) {
        name += L".exe";
    }
    for (const auto folderOf : {GetSystemDirectoryW, GetWindowsDirectoryW}) {
        wchar_t folder[MAX_PATH];
        const UINT length = folderOf(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            continue;
        }
        std::wstring path(folder, length);
        path += L"\\" + name;
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return path;
        }
    }
    return std::nullopt;
}

StartResult Failed(DWORD error) {
    StartResult result;
    result.status = Status::Fail(error);
    result.errorText = DescribeSystemError(error);
    return result;
}

}  // namespace

StartResult Win32Processes::Start(const std::string& commandLine, WindowStyle style) {
    // The program is always named by its full path, so that no search for it takes
    // place; a program given by a relative path would depend on the current folder.
    const auto [program, rest] = SplitCommandProgram(commandLine);
    std::wstring application;
    std::wstring mutableLine;
    if (IsBareProgramName(program)) {
        const auto path = SystemProgramPath(Widen(program));
        if (!path) {
            return Failed(ERROR_FILE_NOT_FOUND);
        }
        application = *path;
        mutableLine = L"\"" + *path + L"\"" + Widen(rest);
    } else if (IsAbsolutePath(program)) {
        application = Widen(program);
        mutableLine = Widen(commandLine);
    } else {
        return Failed(ERROR_BAD_PATHNAME);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = ShowCommand(style);
    PROCESS_INFORMATION info{};
    StartResult result;
    if (!CreateProcessW(application.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &info)) {
        return Failed(GetLastError());
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

std::optional<std::string> Win32Shell::AssociatedProgram(const std::string& extension) {
    // The default verb (no verb given) is what a double click runs, and the verb the
    // association writes its command under. Without IGNOREUNKNOWN an extension with no
    // class would resolve to the "Open with" dialog's program.
    static const auto assocQueryString =
        LateBound<decltype(AssocQueryStringW)>(L"shlwapi.dll", "AssocQueryStringW");
    if (assocQueryString == nullptr) {
        return std::nullopt;
    }
    const std::wstring wideExtension = Widen(extension);
    std::wstring program(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD length = static_cast<DWORD>(program.size());
        const HRESULT result =
            assocQueryString(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_EXECUTABLE, wideExtension.c_str(),
                             nullptr, program.data(), &length);
        if (SUCCEEDED(result)) {
            program.resize(wcsnlen(program.c_str(), program.size()));
            return program.empty() ? std::nullopt : std::optional(Narrow(program));
        }
        // Too small a buffer says how much is needed; any other failure means the shell
        // names no program.
        if ((result != E_POINTER && result != HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)) ||
            length <= program.size()) {
            return std::nullopt;
        }
        program.assign(length, L'\0');
    }
    return std::nullopt;
}

void Win32Shell::NotifyAssociationsChanged() {
    static const auto shChangeNotify =
        LateBound<decltype(SHChangeNotify)>(L"shell32.dll", "SHChangeNotify");
    if (shChangeNotify != nullptr) {
        shChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    }
}

Status Win32Shell::OpenDefaultProgramsSettings() {
    // By its full path, so that no other "control.exe" (the current folder, the PATH)
    // is started in its place.
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return Status::Fail(GetLastError());
    }
    const std::wstring command =
        L"\"" + std::wstring(system, length) + L"\\control.exe\" /name Microsoft.DefaultPrograms";
    return Win32Processes().Start(Narrow(command), WindowStyle::Normal).status;
}

}  // namespace tzp::platform
