#include "ui/form.h"

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

void Form::Click(std::string_view name) {
    RunClick(Get(name).name);
}

void Form::UserToggle(std::string_view name) {
    SetValue(name, Get(name).value == 1 ? 0 : 1);
}

void Form::PickEntry(std::string_view name, size_t index) {
    Control& c = Get(name);
    if (index >= c.entries.size()) {
        return;
    }
    SetText(name, c.entries[index].text);
    RunClick(c.name);
}

void Form::SelectTab(std::string_view name, int tab) {
    Control& c = Get(name);
    if (c.value == tab) {
        return;
    }
    c.value = tab;
    Notify(c, Property::Value);
    RunClick(c.name);
}

bool Form::RequestClose() {
    bool cancel = false;
    if (closeHandler_) {
        closeHandler_(cancel);
    }
    return !cancel;
}

}  // namespace tzp::ui
