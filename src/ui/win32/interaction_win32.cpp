#include "ui/win32/interaction_win32.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/late_bound.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/wide.h"
#include "ui/form1_controls.h"
#include "ui/win32/barrier.h"
#include "ui/win32/table_window.h"

namespace tzp::ui {

using platform::Narrow;
using platform::Widen;

void Win32Interaction::ShowMessage(std::string_view text) {
    MessageBoxW(window_.Handle(), Widen(text).c_str(), Widen(kFormTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

platform::Answer Win32Interaction::Ask(std::string_view text) {
    switch (MessageBoxW(window_.Handle(), Widen(text).c_str(), Widen(kFormTitle).c_str(),
                        MB_YESNO | MB_ICONQUESTION)) {
        case IDYES:
            return platform::Answer::Yes;
        case IDNO:
            return platform::Answer::No;
        default:
            return platform::Answer::None;
    }
}

std::optional<std::string> Win32Interaction::ChooseFileToOpen(
    const platform::OpenFileRequest& request) {
    // The filter is pairs of description and pattern, each ended by a zero.
    std::wstring filter = Widen(request.filterDescription);
    filter.push_back(L'\0');
    filter += Widen(request.filterPattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    const std::wstring title = Widen(request.title);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring initial = Widen(request.initialName);
    std::copy(initial.begin(), initial.end(), file.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_.Handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    static const auto getOpenFileName =
        platform::LateBound<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (getOpenFileName == nullptr || !getOpenFileName(&dialog)) {
        return std::nullopt;
    }
    return Narrow(file.data());
}

void Win32Interaction::SetBusyCursor(bool busy) {
    window_.SetBusy(busy);
}

void Win32Interaction::DoEvents() {
    // The keys go through the window's keyboard interface here too.
    int quitCode = 0;
    if (!platform::RunPendingMessages(platform::UserInput::Handle, quitCode)) {
        PostQuitMessage(quitCode);  // the quit is the main loop's
    }
}

namespace {
constexpr UINT_PTR kRunLaterTimer = 1;
Win32Interaction* runLaterOwner = nullptr;
}  // namespace

void Win32Interaction::RunLater(uint32_t milliseconds, std::function<void()> action) {
    later_ = std::move(action);
    runLaterOwner = this;
    SetTimer(window_.Handle(), kRunLaterTimer, milliseconds, &RunPendingAction);
}

void Win32Interaction::CancelRunLater() {
    KillTimer(window_.Handle(), kRunLaterTimer);
    later_ = nullptr;
}

// Called by the system from the event pump: nothing thrown may go back through it.
void CALLBACK Win32Interaction::RunPendingAction(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    Win32Interaction* self = runLaterOwner;
    if (self == nullptr || !self->later_) {
        return;
    }
    const auto action = std::move(self->later_);
    self->later_ = nullptr;
    Barrier(
        0,
        [&] {
            action();
            return 0;
        },
        [self](const char* what) { self->window_.ShowError(what); });
}

void Win32Interaction::ShowTable(const platform::Table& table) {
    ShowTableWindow(window_.Handle(), table);
}

void Win32Interaction::EndProgram() {
    // The close handler asked for it: the window goes now, and the loop ends with it.
    PostQuitMessage(0);
}

}  // namespace tzp::ui
