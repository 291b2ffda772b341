#pragma once
// The window model: every control by its given name, its properties, and the click
// behaviours that handlers attach to it. All state of the window lives here; the
// native window only shows it and reports the user's actions.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/control.h"

namespace tzp::ui {

class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void OnControlChanged(const Control& control, Property property) = 0;
};

class Form {
  public:
    explicit Form(std::span<const ControlSpec> specs);

    Control& Get(std::string_view name);
    const Control& Get(std::string_view name) const;
    bool Has(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    void SetObserver(FormObserver* observer) { observer_ = observer; }

    // The window's area in twips, and the panel that long actions bring over it while they
    // run (and move out of it after). A control is seen when its rectangle, clipped by
    // those of its containers, lies partly in the area and no wait panel covers it.
    void SetView(int width, int height, std::string_view waitPanel);
    bool Seen(std::string_view name) const;
    // A long action runs: its wait panel is in view, or the action holds the window busy
    // before its panel shows. The user's commands below are then refused, whatever their
    // source, and a close request is refused without asking.
    bool Busy() const;
    // The wait panel is in view: it covers the window and takes the keyboard focus.
    bool WaitPanelShown() const;
    // An action that shows its panel only if it runs long holds the window busy meanwhile
    // (through BusyHold).
    void HoldBusy() { ++busyHolds_; }
    void ReleaseBusy() { --busyHolds_; }

    // Behaviours, run when the control is clicked (check boxes: when their value
    // changes; combo box: when an entry is picked; tab strip: when the tab changes).
    void OnClick(std::string_view name, std::function<void()> handler);
    // Runs when the user asks to close; setting `cancel` keeps the window open.
    void OnClose(std::function<void(bool& cancel)> handler) { closeHandler_ = std::move(handler); }
    // Runs when the control's tooltip is about to show, so that what costs a read may be
    // added to it then rather than at start-up. A new handler replaces the old one.
    void OnTipShown(std::string_view name, std::function<void()> handler);
    // A context menu of one item on the control. The caption is asked for when the menu
    // opens, so wiring it reads no text.
    void SetMenu(std::string_view name, std::function<std::string()> caption,
                 std::function<void()> action);
    bool HasMenu(std::string_view name) const { return menus_.find(name) != menus_.end(); }
    // The caption of the control's menu item; nullopt when it has no menu.
    std::optional<std::string> MenuCaption(std::string_view name) const;

    // --- reading
    const std::string& Caption(std::string_view name) const { return Get(name).caption; }
    const std::string& Text(std::string_view name) const { return Get(name).text; }
    int Value(std::string_view name) const { return Get(name).value; }
    bool Enabled(std::string_view name) const { return Get(name).enabled; }
    const std::vector<ListEntry>& Entries(std::string_view name) const { return Get(name).entries; }

    // --- changes made by code
    void SetCaption(std::string_view name, std::string_view caption);
    void SetText(std::string_view name, std::string_view text);
    void SetEnabled(std::string_view name, bool enabled);
    void SetTooltip(std::string_view name, std::string_view tooltip);
    // Runs the click behaviour when the value changes, and only then.
    void SetValue(std::string_view name, int value);
    // Sets the value without running any behaviour (loading a profile's states).
    void SetValueQuietly(std::string_view name, int value);
    void Move(std::string_view name, int left, int top);
    void SetLeft(std::string_view name, int left);
    void SetTop(std::string_view name, int top);

    void AddEntry(std::string_view name, std::string_view text);
    // Appends several entries, unticked, in order, with one change notice for them all.
    void AddEntries(std::string_view name, std::vector<std::string> texts);
    void RemoveEntry(std::string_view name, size_t index);
    // Emptying a combo box's list empties its text too.
    void ClearEntries(std::string_view name);
    void SetTicked(std::string_view name, size_t index, bool ticked);
    void SetEntryText(std::string_view name, size_t index, std::string_view text);

    // --- actions of the user (the native window reports them here; tests call them).
    // Each returns false when it was refused because the window is busy; the native
    // window then shows the model's state again.
    bool Click(std::string_view name);
    // A click on a check box: ticked becomes unticked, anything else ticked.
    bool UserToggle(std::string_view name);
    // Picks an entry of the combo box list: its text becomes the combo's text and
    // the combo's click behaviour runs.
    bool PickEntry(std::string_view name, size_t index);
    // Selects a tab (1-based) and runs the tab strip's behaviour. Also used by code at
    // start-up, when nothing is busy.
    bool SelectTab(std::string_view name, int tab);
    // Text typed into a text box or the combo box.
    bool UserEdit(std::string_view name, std::string_view text);
    // An entry of a list box ticked or unticked.
    bool UserTick(std::string_view name, size_t index, bool ticked);
    // Returns true when the window may close.
    bool RequestClose();
    // The control's tooltip is about to show.
    bool TipShown(std::string_view name);
    // The item of the control's context menu was chosen.
    bool ChooseMenuItem(std::string_view name);

  private:
    void Notify(const Control& control, Property property);
    void RunClick(const std::string& name);

    std::vector<std::unique_ptr<Control>> controls_;
    // Every handler names the controls it reads and writes, many times a click: one hash
    // a lookup, where a tree of seven hundred names costs ten string comparisons.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::unordered_map<std::string, Control*, NameHash, std::equal_to<>> byName_;
    std::map<std::string, std::function<void()>, std::less<>> clickHandlers_;
    std::function<void(bool&)> closeHandler_;
    std::map<std::string, std::function<void()>, std::less<>> tipHandlers_;
    struct Menu {
        std::function<std::string()> caption;
        std::function<void()> action;
    };
    std::map<std::string, Menu, std::less<>> menus_;
    FormObserver* observer_ = nullptr;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    std::string waitPanel_;
    int busyHolds_ = 0;
};

// Holds the window busy for its lifetime, however the action ends.
class BusyHold {
  public:
    explicit BusyHold(Form& form) : form_(form) { form_.HoldBusy(); }
    ~BusyHold() { form_.ReleaseBusy(); }
    BusyHold(const BusyHold&) = delete;
    BusyHold& operator=(const BusyHold&) = delete;

  private:
    Form& form_;
};

}  // namespace tzp::ui
