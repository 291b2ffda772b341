// The registration host: runs the libraries its caller names, one at a time, as the
// control panel itself once did, and answers each on the pipe. Whatever a library does to
// this process, the caller sees it end and goes on with another host.
#include "app/host_main.h"

#include <windows.h>

#include <atomic>
#include <cwchar>
#include <optional>
#include <string>

#include "filters/host_loop.h"
#include "platform/line_buffer.h"
#include "platform/win32/handles.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/services_win32.h"

namespace tzp::app {

namespace {

// Exceptions that end a program unless something handles them.
bool IsFatal(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_STACK_OVERFLOW:
        case EXCEPTION_ILLEGAL_INSTRUCTION:
        case EXCEPTION_PRIV_INSTRUCTION:
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_IN_PAGE_ERROR:
        case 0xC0000374:  // heap corruption
        case 0xC0000409:  // stack buffer overrun
            return true;
        default:
            return false;
    }
}

// The process ends with the exception's code: the caller reads it as the exit code. No
// debugger is started and no crash dialog shown (Wine starts its debugger from the
// default filter whatever the error mode says).
LONG WINAPI EndWithExceptionCode(EXCEPTION_POINTERS* exception) {
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

std::atomic<DWORD> loadingThread{0};
DWORD lastFatalWhileLoading = 0;

// Only notes the exception: this handler runs before the library's own, and a library
// may well handle what it raises (probing memory with IsBadReadPtr, say).
LONG WINAPI NoteFatalWhileLoading(EXCEPTION_POINTERS* exception) {
    if (GetCurrentThreadId() == loadingThread &&
        IsFatal(exception->ExceptionRecord->ExceptionCode)) {
        lastFatalWhileLoading = exception->ExceptionRecord->ExceptionCode;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// The loader of the host: a library that crashes as it loads ends the host, and the
// threads of libraries still running after the limit are kept, so that the host ends
// only once they have returned.
class HostSelfRegistration : public platform::Win32SelfRegistration {
  public:
    HostSelfRegistration() { KeepTheLeftRunning(); }
    platform::LoadResult Load(const std::string& path) override {
        loadingThread = GetCurrentThreadId();
        lastFatalWhileLoading = 0;
        void* handler = AddVectoredExceptionHandler(1, &NoteFatalWhileLoading);
        auto loaded = Win32SelfRegistration::Load(path);
        if (handler != nullptr) {
            RemoveVectoredExceptionHandler(handler);
        }
        loadingThread = 0;
        // The loader caught an exception the library did not handle and would report a
        // load failure that hides it: the host ends with it, as it would on the worker
        // thread. A library that loaded handled its own.
        if (!loaded.library && lastFatalWhileLoading != 0) {
            TerminateProcess(GetCurrentProcess(), lastFatalWhileLoading);
        }
        return loaded;
    }
};

void NoCrashDialogs() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    // The error reporting's own window, where the system has it (WER_FAULT_REPORTING_NO_UI).
    using SetFlags = HRESULT(WINAPI*)(DWORD);
    if (const auto setFlags = reinterpret_cast<SetFlags>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "WerSetFlags")))) {
        setFlags(0x00000020);
    }
    SetUnhandledExceptionFilter(&EndWithExceptionCode);
}

// Lines from the pipe, as they come.
class Channel {
  public:
    explicit Channel(HANDLE pipe) : pipe_(pipe) {}
    std::optional<std::string> ReadLine() {
        for (;;) {
            if (auto line = buffer_.TakeLine()) {
                return line;
            }
            char chunk[4096];
            DWORD got = 0;
            if (!ReadFile(pipe_.get(), chunk, sizeof chunk, &got, nullptr) || got == 0) {
                return std::nullopt;
            }
            buffer_.Append(std::string_view(chunk, got));
        }
    }
    bool WriteLine(const std::string& line) {
        const std::string bytes = line + "\n";
        DWORD written = 0;
        return WriteFile(pipe_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) &&
               written == bytes.size();
    }
    void Close() { pipe_.reset(); }

  private:
    platform::UniqueHandleT pipe_;
    platform::LineBuffer buffer_;
};

}  // namespace

int RunRegistrationHost(const wchar_t* channelText) {
    NoCrashDialogs();
    Channel channel(
        reinterpret_cast<HANDLE>(static_cast<uintptr_t>(std::wcstoull(channelText, nullptr, 10))));
    platform::Win32Services system;
    HostSelfRegistration loader;
    platform::NoInteraction interaction;
    // The host has no window, so no window model either: the pass's side needs none.
    auto services = system.With(loader, interaction);
    filters::ServeRegistrationRequests(
        services, [&] { return channel.ReadLine(); },
        [&](const std::string& line) { return channel.WriteLine(line); });
    // The caller has gone on; a library still running finishes here on its own.
    channel.Close();
    loader.WaitForTheLeftRunning();
    return 0;
}

}  // namespace tzp::app
