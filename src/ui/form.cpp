#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

namespace tzp::ui {

Form::Form(std::span<const ControlSpec> specs) {
    controls_.reserve(specs.size());
    for (const auto& spec : specs) {
        controls_.push_back(std::make_unique<Control>(spec));
        byName_.emplace(spec.name, controls_.back().get());
    }
}

Control& Form::Get(std::string_view name) {
    const auto it = byName_.find(name);
    if (it == byName_.end()) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *it->second;
}

const Control& Form::Get(std::string_view name) const {
    return const_cast<Form*>(this)->Get(name);
}

bool Form::Has(std::string_view name) const {
    return byName_.count(name) != 0;
}

void Form::OnClick(std::string_view name, std::function<void()> handler) {
    Get(name);  // a behaviour for a control that does not exist is a wiring fault
    clickHandlers_[std::string(name)] = std::move(handler);
}

void Form::Notify(const Control& control, Property property) {
    if (observer_ != nullptr) {
        observer_->OnControlChanged(control, property);
    }
}

void Form::RunClick(const std::string& name) {
    const auto it = clickHandlers_.find(name);
    if (it != clickHandlers_.end() && it->second) {
        // A copy, so that a behaviour may replace handlers without pulling the
        // running one from under itself.
        auto handler = it->second;
        handler();
    }
}

void Form::SetCaption(std::string_view name, std::string_view caption) {
    Control& c = Get(name);
    if (c.caption != caption) {
        c.caption = std::string(caption);
        Notify(c, Property::Caption);
    }
}

void Form::SetText(std::string_view name, std::string_view text) {
    Control& c = Get(name);
    if (c.text != text) {
        c.text = std::string(text);
        Notify(c, Property::Text);
    }
}

void Form::SetTooltip(std::string_view name, std::string_view tooltip) {
    Control& c = Get(name);
    if (c.tooltip != tooltip) {
        c.tooltip = std::string(tooltip);
        Notify(c, Property::Tooltip);
    }
}

void Form::SetEnabled(std::string_view name, bool enabled) {
    Control& c = Get(name);
    if (c.enabled != enabled) {
        c.enabled = enabled;
        Notify(c, Property::Enabled);
    }
}

void Form::SetValue(std::string_view name, int value) {
    Control& c = Get(name);
    if (c.value == value) {
        return;
    }
    c.value = value;
    Notify(c, Property::Value);
    RunClick(c.name);
}

void Form::SetValueQuietly(std::string_view name, int value) {
    Control& c = Get(name);
    if (c.value != value) {
        c.value = value;
        Notify(c, Property::Value);
    }
}

void Form::Move(std::string_view name, int left, int top) {
    Control& c = Get(name);
    if (c.left != left || c.top != top) {
        c.left = left;
        c.top = top;
        Notify(c, Property::Position);
    }
}

void Form::SetLeft(std::string_view name, int left) {
    Move(name, left, Get(name).top);
}

void Form::SetTop(std::string_view name, int top) {
    Move(name, Get(name).left, top);
}

void Form::AddEntry(std::string_view name, std::string_view text) {
    Control& c = Get(name);
    c.entries.push_back({std::string(text), false});
    Notify(c, Property::Entries);
}

void Form::AddEntries(std::string_view name, std::vector<std::string> texts) {
    Control& c = Get(name);
    if (texts.empty()) {
        return;
    }
    c.entries.reserve(c.entries.size() + texts.size());
    for (auto& text : texts) {
        c.entries.push_back({std::move(text), false});
    }
    Notify(c, Property::Entries);
}

void Form::RemoveEntry(std::string_view name, size_t index) {
    Control& c = Get(name);
    if (index < c.entries.size()) {
        c.entries.erase(c.entries.begin() + static_cast<std::ptrdiff_t>(index));
        Notify(c, Property::Entries);
    }
}

void Form::ClearEntries(std::string_view name) {
    Control& c = Get(name);
    c.entries.clear();
    Notify(c, Property::Entries);
    if (c.kind == ControlKind::ComboBox) {
        SetText(name, "");
    }
}

void Form::SetTicked(std::string_view name, size_t index, bool ticked) {
    Control& c = Get(name);
    if (index < c.entries.size() && c.entries[index].ticked != ticked) {
        c.entries[index].ticked = ticked;
        Notify(c, Property::Entries);
    }
}

void Form::SetEntryText(std::string_view name, size_t index, std::string_view text) {
    Control& c = Get(name);
    if (index < c.entries.size() && c.entries[index].text != text) {
        c.entries[index].text = std::string(text);
        Notify(c, Property::Entries);
    }
}

void Form::SetView(int width, int height, std::string_view waitPanel) {
    viewWidth_ = width;
    viewHeight_ = height;
    waitPanel_ = std::string(waitPanel);
}

namespace {

struct Box {
    int left, top, right, bottom;
    bool Empty() const { return left >= right || top >= bottom; }
};

Box Clip(const Box& box, const Box& by) {
    return {std::max(box.left, by.left), std::max(box.top, by.top), std::min(box.right, by.right),
            std::min(box.bottom, by.bottom)};
}

}  // namespace

bool Form::Seen(std::string_view name) const {
    const Control* c = &Get(name);
    Box box{c->left, c->top, c->left + c->width, c->top + c->height};
    // Up through the containers, each showing only what lies inside it.
    while (!c->parent.empty()) {
        c = &Get(c->parent);
        box = Clip(box, {0, 0, c->width, c->height});
        box = {box.left + c->left, box.top + c->top, box.right + c->left, box.bottom + c->top};
    }
    if (Clip(box, {0, 0, viewWidth_, viewHeight_}).Empty()) {
        return false;
    }
    return !WaitPanelShown() || c->name == waitPanel_;
}

bool Form::Busy() const {
    return busyHolds_ > 0 || WaitPanelShown();
}

bool Form::WaitPanelShown() const {
    if (waitPanel_.empty()) {
        return false;
    }
    const Control& panel = Get(waitPanel_);
    return panel.left < viewWidth_ && panel.top < viewHeight_ && panel.left + panel.width > 0 &&
           panel.top + panel.height > 0;
}

// Every action of the user passes here first. Long actions let window events run while
// they wait, and events can come from anywhere (a key, a message sent by another program,
// an automation tool): refusing them in the model is the one place that covers them all.
bool Form::Click(std::string_view name) {
    if (Busy()) {
        return false;
    }
    RunClick(Get(name).name);
    return true;
}

void Form::OnTipShown(std::string_view name, std::function<void()> handler) {
    tipHandlers_.insert_or_assign(Get(name).name, std::move(handler));
}

void Form::SetMenu(std::string_view name, std::function<std::string()> caption,
                   std::function<void()> action) {
    menus_.insert_or_assign(Get(name).name, Menu{std::move(caption), std::move(action)});
}

std::optional<std::string> Form::MenuCaption(std::string_view name) const {
    const auto menu = menus_.find(name);
    if (menu == menus_.end()) {
        return std::nullopt;
    }
    return menu->second.caption();
}

bool Form::TipShown(std::string_view name) {
    // A long action holds the window: what the handler would read waits for the next time.
    if (Busy()) {
        return false;
    }
    if (const auto handler = tipHandlers_.find(name); handler != tipHandlers_.end()) {
        const auto run = handler->second;  // the handler may wire a new one
        run();
    }
    return true;
}

bool Form::ChooseMenuItem(std::string_view name) {
    if (Busy()) {
        return false;
    }
    if (const auto menu = menus_.find(name); menu != menus_.end()) {
        const auto run = menu->second.action;
        run();
    }
    return true;
}

bool Form::UserToggle(std::string_view name) {
    if (Busy()) {
        return false;
    }
    SetValue(name, Get(name).value == 1 ? 0 : 1);
    return true;
}

bool Form::PickEntry(std::string_view name, size_t index) {
    Control& c = Get(name);
    if (Busy()) {
        return false;
    }
    if (index < c.entries.size()) {
        SetText(name, c.entries[index].text);
        RunClick(c.name);
    }
    return true;
}

bool Form::SelectTab(std::string_view name, int tab) {
    Control& c = Get(name);
    if (Busy()) {
        return false;
    }
    if (c.value != tab) {
        c.value = tab;
        Notify(c, Property::Value);
        RunClick(c.name);
    }
    return true;
}

bool Form::UserEdit(std::string_view name, std::string_view text) {
    if (Busy()) {
        return false;
    }
    SetText(name, text);
    return true;
}

bool Form::UserTick(std::string_view name, size_t index, bool ticked) {
    if (Busy()) {
        return false;
    }
    SetTicked(name, index, ticked);
    return true;
}

bool Form::RequestClose() {
    if (Busy()) {
        return false;
    }
    bool cancel = false;
    if (closeHandler_) {
        closeHandler_(cancel);
    }
    return !cancel;
}

}  // namespace tzp::ui
