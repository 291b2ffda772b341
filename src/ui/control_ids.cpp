#include "ui/control_ids.h"

#include <array>
#include <charconv>

namespace tzp::ui {

namespace {

struct NumberedFamily {
    std::string_view prefix;
    int first;
    int last;
    int base;
};

constexpr std::array<NumberedFamily, 8> kFamilies{{
    {"Check", 1, 70, 1000},
    {"Command", 1, 10, 1100},
    {"List", 1, 3, 1200},
    {"Text", 1, 3, 1300},
    {"Picture", 1, 29, 1500},
    {"Label", 1, 555, 2000},
    {"Frame", 1, 13, 3000},
    {"Combo", 1, 1, 1400},
}};

constexpr std::array<std::string_view, 11> kSpecialNames{
    "filtersframe", "assocframe", "aboutframe", "filterpath", "langg", "errr",
    "asss",         "ischange",   "tt",         "wf",         "File1"};

}  // namespace

std::optional<int> ControlId(std::string_view name) {
    if (name == "TabStrip1") {
        return 3101;
    }
    for (size_t i = 0; i < kSpecialNames.size(); ++i) {
        if (name == kSpecialNames[i]) {
            return 3201 + static_cast<int>(i);
        }
    }
    for (const auto& family : kFamilies) {
        if (name.substr(0, family.prefix.size()) != family.prefix) {
            continue;
        }
        const std::string_view digits = name.substr(family.prefix.size());
        if (digits.empty() || digits.front() == '0') {
            continue;
        }
        int number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error == std::errc() && end == digits.data() + digits.size() &&
            number >= family.first && number <= family.last) {
            return family.base + number;
        }
    }
    return std::nullopt;
}

}  // namespace tzp::ui
