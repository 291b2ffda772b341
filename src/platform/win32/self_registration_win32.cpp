#include "platform/win32/self_registration_win32.h"

#include <windows.h>

#include <memory>

#include "platform/win32/message_loop.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

using EntryPointFunction = HRESULT(STDAPICALLTYPE*)();

// What the worker thread owns: the entry point and its reference on the
// library.
struct Job {
    EntryPointFunction entry;
    HMODULE pin;
};

// The entry point takes no argument and the thread routine one; calling it
// through this routine instead of starting the thread on it directly keeps the
// stack right on every calling convention, and gives the entry point's result
// as the thread's exit code.
DWORD WINAPI RunEntryPoint(LPVOID parameter) noexcept {
    const Job job = *static_cast<Job*>(parameter);
    delete static_cast<Job*>(parameter);
    const HRESULT result = job.entry();
    FreeLibrary(job.pin);
    return static_cast<DWORD>(result);
}

class Win32LoadedLibrary : public LoadedLibrary {
  public:
    explicit Win32LoadedLibrary(HMODULE module) : module_(module) {}
    std::optional<EntryPoint> FindEntryPoint(const std::string& name) override {
        const FARPROC address = GetProcAddress(module_.get(), name.c_str());
        if (address == nullptr) {
            return std::nullopt;
        }
        return EntryPoint{reinterpret_cast<uintptr_t>(address)};
    }

  private:
    UniqueModule module_;
};

}  // namespace

Win32EntryPointThread::~Win32EntryPointThread() {
    if (leftRunning_ != nullptr && thread_ &&
        WaitForSingleObject(thread_.get(), 0) != WAIT_OBJECT_0) {
        leftRunning_->push_back(std::move(thread_));
    }
}

LoadResult Win32SelfRegistration::Load(const std::string& path) {
    // The library's own folder is searched first for the libraries it needs, as
    // the system's registration tool does, and then the system folder: never the
    // program's folder, the current one or the PATH. A missing drive gives a
    // failure, not a system dialog.
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    const HMODULE module =
        LoadLibraryExW(Widen(path).c_str(), nullptr,
                       LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    const DWORD error = module == nullptr ? GetLastError() : 0;
    SetThreadErrorMode(previousMode, nullptr);
    if (module == nullptr) {
        return {nullptr, error == 0 ? ERROR_MOD_NOT_FOUND : error};
    }
    return {std::make_unique<Win32LoadedLibrary>(module), 0};
}

int Win32SelfRegistration::LibraryBits(const std::string& path) {
    UniqueHandleT file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return 0;
    }
    // The PE header of any library lies well within its first pages.
    std::string head(4096, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr)) {
        return 0;
    }
    head.resize(read);
    return LibraryBitsFromHeader(head);
}

ThreadStart Win32SelfRegistration::StartThread(EntryPoint entry) {
    HMODULE pin = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(entry.value), &pin)) {
        return {nullptr, GetLastError()};
    }
    auto* job = new Job{reinterpret_cast<EntryPointFunction>(entry.value), pin};
    DWORD threadId = 0;
    const HANDLE thread = CreateThread(nullptr, 0, &RunEntryPoint, job, 0, &threadId);
    if (thread == nullptr) {
        const DWORD error = GetLastError();
        delete job;
        FreeLibrary(pin);
        return {nullptr, error};
    }
    return {std::make_unique<Win32EntryPointThread>(UniqueHandleT(thread),
                                                    keepLeftRunning_ ? &leftRunning_ : nullptr),
            0};
}

void Win32SelfRegistration::WaitForTheLeftRunning() {
    for (const auto& thread : leftRunning_) {
        WaitForSingleObject(thread.get(), INFINITE);
    }
}

bool Win32EntryPointThread::Wait(uint32_t milliseconds) {
    const HANDLE handle = thread_.get();
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    bool quit = false;
    int quitCode = 0;
    bool ended = false;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            // Messages may have kept us busy up to the end: one last look at the
            // thread.
            ended = WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
            break;
        }
        const auto remaining = static_cast<DWORD>(deadline - now);
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(1, &handle, remaining, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
        if (woke != WAIT_OBJECT_0 + 1) {
            break;  // the time is up, or the wait failed
        }
        if (!RunPendingMessages(UserInput::Drop, quitCode)) {
            quit = true;
        }
    }
    if (quit) {
        PostQuitMessage(quitCode);
    }
    return ended;
}

uint32_t Win32EntryPointThread::ExitCode() {
    DWORD code = 0;
    if (!GetExitCodeThread(thread_.get(), &code)) {
        return static_cast<uint32_t>(HRESULT_FROM_WIN32(GetLastError()));
    }
    return code;
}

}  // namespace tzp::platform
