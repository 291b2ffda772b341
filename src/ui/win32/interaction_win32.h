#pragma once
#include "platform/interaction.h"
#include "ui/win32/native_window.h"

namespace tzp::ui {

// Message boxes and tables owned by the main window, the system's open-file dialog, the
// busy cursor and the event pump.
class Win32Interaction : public platform::Interaction {
  public:
    explicit Win32Interaction(NativeWindow& window) : window_(window) {}

    void ShowMessage(std::string_view text) override;
    platform::Answer Ask(std::string_view text) override;
    std::optional<std::string> ChooseFileToOpen(const platform::OpenFileRequest& request) override;
    void SetBusyCursor(bool busy) override;
    void DoEvents() override;
    void EndProgram() override;
    void RunLater(uint32_t milliseconds, std::function<void()> action) override;
    void CancelRunLater() override;
    void ShowTable(const platform::Table& table) override;

  private:
    static void CALLBACK RunPendingAction(HWND window, UINT message, UINT_PTR timer, DWORD time);

    NativeWindow& window_;
    std::function<void()> later_;
};

}  // namespace tzp::ui
