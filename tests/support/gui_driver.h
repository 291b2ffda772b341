#pragma once
// Drives the real control panel from another process, as an accessibility tool would:
// controls are found by their control IDs, message boxes as the system's dialogs.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tzp::testing {

// Polls until the condition holds or the time runs out.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 30000);

// CreateProcessW, tried again a few times when it fails: under a loaded Wine a start now
// and then fails for a moment and succeeds right after. Each failure is printed with its
// error code, so a start that never succeeds says why.
bool StartProcess(std::wstring commandLine, const wchar_t* folder, BOOL inheritHandles,
                  DWORD flags, STARTUPINFOW& startup, PROCESS_INFORMATION& process);

struct DialogSeen {
    HWND hwnd = nullptr;
    std::string title;
    std::string text;  // the message of a message box
};

class GuiApp {
  public:
    // Starts the program and waits for its main window.
    explicit GuiApp(const std::string& programPath);
    ~GuiApp();
    GuiApp(const GuiApp&) = delete;
    GuiApp& operator=(const GuiApp&) = delete;

    bool Started() const { return main_ != nullptr; }
    HWND Main() const { return main_; }
    std::string Title() const;

    HWND Control(int id) const;
    std::string Text(int id) const;
    int Check(int id) const;
    bool Enabled(int id) const;
    // The control's rectangle in the main window's client coordinates.
    RECT Rect(int id) const;
    // True when the control lies inside the main window's client area.
    bool InView(int id) const;

    // A click on a button, check box, label or picture.
    void Click(int id);
    void SelectTab(int tab);  // 1-based
    std::vector<std::string> TabCaptions() const;
    // The text the window's tooltip control shows for the control; "" for none.
    std::string Tooltip(int id) const;
    // Takes the pointer off the window until no tip shows, then rests it on the control;
    // true when the window's tooltip then shows, within the time given.
    bool TooltipShowsOnRest(int id, int milliseconds = 5000) const;
    void TypeText(int id, const std::string& text);  // edit boxes and the combo's edit
    void PickComboEntry(int id, int index);
    std::vector<std::string> ListEntries(int id) const;
    std::vector<bool> ListTicks(int id) const;
    void SetListTick(int id, int index, bool ticked);

    // The texts of a row of a list view (SysListView32) of the program, column by column.
    std::vector<std::string> ListViewRow(HWND list, int row) const;

    // The next dialog box of the program (a message box, the open-file dialog).
    std::optional<DialogSeen> WaitForDialog(int milliseconds = 10000) const;
    // Presses a button of a dialog: IDOK, IDYES, IDNO, IDCANCEL.
    void Press(const DialogSeen& dialog, int buttonId);
    // Waits for a message box, checks nothing, presses the button; returns its text.
    std::optional<std::string> AnswerMessageBox(int buttonId, int milliseconds = 30000);

    // The keyboard, as the program's thread receives it: the control ID holding the focus
    // (0 for none of ours), and a key pressed and released where the focus is.
    int FocusedId() const;
    void PressKey(WORD key);
    bool Visible(int id) const;
    // Messages sent (not posted) as another program or an automation tool does; they are
    // handled even while the program waits. False when the program did not answer in time.
    bool SendClick(int id);
    bool SendClose();

    void RequestClose();
    bool WaitForExit(int milliseconds = 30000);
    bool Running() const;
    DWORD ProcessId() const { return process_.dwProcessId; }

  private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// The file names of the modules loaded in a process, lower-cased.
std::vector<std::string> ModulesOf(DWORD processId);

}  // namespace tzp::testing
