#pragma once
// Texts name what they report with "%1", "%2"... so that translators may move them.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tzp::lang {

// Puts the n-th value where the text says "%n" (1 to 9); a mark with no value stays as
// it is. One pass: a value that holds a mark itself is shown as it is.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace tzp::lang
