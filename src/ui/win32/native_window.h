#pragma once
// The native main window: one Win32 child window per control of the model, created
// from the model's table, kept in step with the model, and turning the user's actions
// into model events.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "ui/form.h"

struct IAccPropServices;

namespace tzp::ui {

class NativeWindow : public FormObserver {
  public:
    explicit NativeWindow(Form& form);
    ~NativeWindow() override;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // Creates the window and every control, not yet shown.
    bool Create(HINSTANCE instance);
    void Show(int showCommand);
    HWND Handle() const { return main_; }

    void OnControlChanged(const Control& control, Property property) override;

    // While busy, the window shows the wait cursor.
    void SetBusy(bool busy);
    bool Busy() const { return busy_; }

    // The window's keyboard interface, for the message loop: Tab and Shift+Tab walk the
    // stops in reading order, Ctrl+Tab and Ctrl+Shift+Tab switch pages, Enter presses the
    // focused button; the rest goes to the dialog manager. True when the message was used.
    bool TranslateKeyboard(MSG& message);

  private:
    struct Native {
        Control* control = nullptr;
        HWND hwnd = nullptr;
        std::vector<ListEntry> shownEntries;  // list boxes: what the native list holds
        bool hasTip = false;                  // the tooltip control knows this control
        bool described = false;               // screen readers get its tooltip as its description
        bool shown = true;                    // the native window is visible
        bool stop = false;                    // a keyboard stop: seen, enabled and focusable
        bool pressed = false;                 // pictures: a mouse press began on it
    };

    static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FocusHook(int code, WPARAM wParam, LPARAM lParam);
    bool MayTakeFocus(HWND hwnd);
    static LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMain(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleContainer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControl(Control& control);
    void CreateFonts();
    int Px(int twips) const;
    void Place(Native& native, bool raise);
    void ShowOrParkWaitPanel(Native& panel);
    void UpdateReach();
    void UpdateReachSoon();
    void KeepFocusReachable();
    void FocusDefault();
    std::vector<Native*> Stops();
    Native* FindOwner(HWND hwnd);
    void MoveFocus(bool forward);
    void FocusStop(Native& stop);
    void NextPage(bool forward);
    bool DrawButtonItem(const DRAWITEMSTRUCT& item);
    void SyncAll();
    void SyncCaption(Native& native);
    void SyncText(Native& native);
    void SyncValue(Native& native);
    void SyncEntries(Native& native);
    void SyncTooltip(Native& native);
    void CreateTooltip();
    void StartDescriptions();
    void OnCommand(int id, int code, HWND from);
    void OnNotify(const NMHDR& header);
    bool DrawListItem(const DRAWITEMSTRUCT& item);
    void PaintContainer(HWND hwnd, const Control& control);
    HFONT FontFor(const Control& control) const;
    Native* FindById(int id);
    Native* FindByHwnd(HWND hwnd);
    // Runs a model event; nothing thrown by a behaviour may leave the window procedure.
    template <typename F>
    void Safely(F&& action);

    Form& form_;
    HWND main_ = nullptr;
    HWND focusBeforeWait_ = nullptr;
    HWND savedFocus_ = nullptr;  // the focus when the window was last deactivated
    HINSTANCE instance_ = nullptr;
    int dpi_ = 96;
    bool syncing_ = false;
    bool busy_ = false;
    bool reachPending_ = false;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    HFONT waitFont_ = nullptr;
    HBRUSH faceBrush_ = nullptr;
    HWND tooltip_ = nullptr;
    HHOOK focusHook_ = nullptr;
    IAccPropServices* accProps_ = nullptr;
    bool comStarted_ = false;
    bool descriptionsTried_ = false;
    std::map<int, Native> byId_;
    std::map<HWND, int> idByHwnd_;
    std::map<std::string, std::vector<Native*>, std::less<>> children_;
};

}  // namespace tzp::ui
