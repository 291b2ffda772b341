#pragma once
// What the logic asks of the user and of the window's event loop.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tzp::platform {

enum class Answer { Yes, No, None };

struct OpenFileRequest {
    std::string title;
    std::string filterDescription;  // shown for the one file type
    std::string filterPattern;      // "*.exe"
    std::string initialName;        // "*.exe"
};

// A read-only table in a modal window of its own: a title, the column headings, the rows
// (each as many cells as headings) and the caption of the button that closes it.
struct Table {
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::string closeCaption;
};

class Interaction {
  public:
    virtual ~Interaction() = default;
    // A message box with an OK button, owned by the main window.
    virtual void ShowMessage(std::string_view text) = 0;
    // A message box with Yes and No; None when no answer could be had.
    virtual Answer Ask(std::string_view text) = 0;
    // The chosen file's full path; nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // Lets pending window events run (repaint, clicks) and returns.
    virtual void DoEvents() = 0;
    // Ends the program at once, without further close handling.
    virtual void EndProgram() = 0;
    // Runs `action` once, `milliseconds` from now, from the event pump (while the window
    // waits on something too), unless cancelled first; a new call replaces a pending one.
    // Where there is no event pump to wait in, the action runs at once.
    virtual void RunLater(uint32_t milliseconds, std::function<void()> action) {
        (void)milliseconds;
        action();
    }
    virtual void CancelRunLater() {}
    // Shows the table, owned by the main window, until the user closes it. Where nobody
    // is there to read it, nothing is shown.
    virtual void ShowTable(const Table& table) { (void)table; }
};

// The busy cursor for as long as it lives.
class BusyCursor {
  public:
    explicit BusyCursor(Interaction& ui) : ui_(ui) { ui_.SetBusyCursor(true); }
    ~BusyCursor() { ui_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Interaction& ui_;
};

// Where nobody is there to see anything: no message, no answer, no dialog, no events.
class NoInteraction : public Interaction {
  public:
    void ShowMessage(std::string_view) override {}
    Answer Ask(std::string_view) override { return Answer::None; }
    std::optional<std::string> ChooseFileToOpen(const OpenFileRequest&) override {
        return std::nullopt;
    }
    void SetBusyCursor(bool) override {}
    void DoEvents() override {}
    void EndProgram() override {}
};

}  // namespace tzp::platform
