#include "platform/win32/console_win32.h"

#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

// A standard handle the program can write to, or nullptr. A windowed program started
// without redirection has none; a console handle it inherited from a console it is not
// attached to is of no known type (before Windows 8) or still a working handle.
HANDLE Usable(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    switch (GetFileType(handle)) {
        case FILE_TYPE_DISK:
        case FILE_TYPE_PIPE:
        case FILE_TYPE_CHAR:  // a console, or a device such as NUL
            return handle;
        default:
            return nullptr;
    }
}

void Write(HANDLE handle, std::string_view text) {
    if (handle == nullptr || text.empty()) {
        return;
    }
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Widen(text);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // A pipe may take a large text in parts.
    while (!text.empty()) {
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written == 0) {
            return;
        }
        text.remove_prefix(written);
    }
}

}  // namespace

Win32StandardOutput::Win32StandardOutput()
    : out_(Usable(STD_OUTPUT_HANDLE)), err_(Usable(STD_ERROR_HANDLE)) {
    if ((out_ == nullptr || err_ == nullptr) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        consoleOut_.reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
        if (consoleOut_) {
            out_ = out_ != nullptr ? out_ : consoleOut_.get();
            err_ = err_ != nullptr ? err_ : consoleOut_.get();
        }
    }
    // The programs we start (the registry editor) would otherwise be handed the same
    // standard handles and write their own words into our output, a JSON document
    // included. What the caller reads is ours alone.
    SetStdHandle(STD_OUTPUT_HANDLE, nullptr);
    SetStdHandle(STD_ERROR_HANDLE, nullptr);
}

void Win32StandardOutput::Out(std::string_view text) {
    Write(out_, text);
}

void Win32StandardOutput::Err(std::string_view text) {
    Write(err_, text);
}

}  // namespace tzp::platform
