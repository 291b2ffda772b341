#include "lang/fill.h"

namespace tzp::lang {

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const bool mark = text[i] == '%' && next >= '1' && next <= '9';
        const auto index = static_cast<size_t>(next - '1');
        if (mark && index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace tzp::lang
