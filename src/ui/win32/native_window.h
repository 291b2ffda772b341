#pragma once
// The native main window: one Win32 child window per control of the model, created
// from the model's table, kept in step with the model, and turning the user's actions
// into model events.
#include <windows.h>

#include "platform/win32/message_loop.h"
#include "ui/form.h"
#include "ui/win32/focus_keeper.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi.h"
#include "ui/win32/native_controls.h"
#include "ui/win32/tooltips.h"

namespace tzp::ui {

// Posted to the main window when a control's tooltip shows (wParam: the control); see
// NativeWindow::OnTipShown.
inline constexpr UINT kTipShownMessage = WM_APP + 2;

class NativeWindow : public FormObserver, public platform::KeyboardTranslator {
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
    // focused button; the rest goes to the dialog manager. The pointer's messages are also
    // relayed to the tooltips. True when the message was used.
    bool TranslateKeyboard(MSG& message) override;

    // What a behaviour threw where the system called in: told, and the window lives on.
    void ShowError(const char* what);

  private:
    // window_procs.cpp: routing, behind one exception barrier each.
    static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMain(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleWindowState(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnDpiChanged(int dpi, const RECT& suggested);

    // container_window.cpp: frames and pictures that hold other controls.
    LRESULT HandleContainer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnPictureMouse(HWND hwnd, UINT message, LPARAM lParam);

    // native_window.cpp
    void RegisterClasses();
    void CreateControls();
    void CreateControl(Control& control);
    int Px(int twips) const;
    void Place(NativeControl& native, bool raise);
    void ShowOrParkWaitPanel(NativeControl& panel);

    // control_sync.cpp: the model's state shown natively.
    void SyncAll();
    void SyncCaption(NativeControl& native);
    void SyncText(NativeControl& native);
    void SyncValue(NativeControl& native);
    void SyncEntries(NativeControl& native);
    void SyncTooltip(NativeControl& native);
    void DescribeAll();

    // notifications.cpp: the user's actions to the model.
    void OnCommand(int id, int code, HWND from);
    void OnEdit(NativeControl& native, HWND from);
    void OnPick(NativeControl& native, HWND from);
    void OnTick(NativeControl& native, HWND from);
    void OnNotify(const NMHDR& header);

    // context_menu.cpp: what the filter boxes offer beyond their tick.
    void OnTipShown(HWND control);
    void OnContextMenu(HWND from, LPARAM at);
    bool OpenMenu(const NativeControl& native, LPARAM at);
    bool TranslateMenuKeys(const MSG& message);

    // keyboard.cpp
    bool TranslateOwnKeys(const MSG& message);
    void NextPage(bool forward);

    // While set, what the native controls report is the window's own doing, not the user's.
    class SyncingScope {
      public:
        explicit SyncingScope(bool& syncing) : syncing_(syncing), was_(syncing) { syncing = true; }
        ~SyncingScope() { syncing_ = was_; }
        SyncingScope(const SyncingScope&) = delete;
        SyncingScope& operator=(const SyncingScope&) = delete;

      private:
        bool& syncing_;
        bool was_;
    };

    Form& form_;
    HWND main_ = nullptr;
    HINSTANCE instance_ = nullptr;
    int dpi_ = 96;
    bool syncing_ = false;
    bool busy_ = false;
    Fonts fonts_;
    Brush faceBrush_;
    NativeControls natives_;
    Tooltips tooltips_;
    FocusKeeper focus_{form_, natives_};
};

}  // namespace tzp::ui
