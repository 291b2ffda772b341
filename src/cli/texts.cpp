#include "cli/texts.h"

#include <array>

#include "lang/fill.h"
#include "lang/lang.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace tzp::cli {

namespace {

// The ids of the texts, in the order of the enumeration; their built-in words are in
// lang/builtin_texts.cpp.
constexpr auto kTexts = std::to_array<lang::BuiltinId>({
    "100", "101", "102", "103", "104", "105", "106", "107", "108", "109", "110", "111", "112",
    "113", "114", "115", "116", "117", "118", "119", "137", "138", "139", "140", "141", "142",
    "143", "144", "145", "146", "147", "148", "155", "156", "157", "158", "159", "190", "160",
});

static_assert(kTexts.size() == static_cast<size_t>(Text::DecodersHelp) + 1);

}  // namespace

std::string Say(const App& app, Text text, std::string_view first, std::string_view second) {
    const std::string pattern = lang::LookupLangStringOr(app, kTexts[static_cast<size_t>(text)]);
    return lang::Fill(pattern, {first, second});
}

std::string Say(const App& app, Text text, std::string_view value) {
    const std::string pattern = lang::LookupLangStringOr(app, kTexts[static_cast<size_t>(text)]);
    return lang::Fill(pattern, {value});
}

std::string Padded(const std::string& text, size_t width) {
    const size_t length = platform::Utf8ToCodePoints(text).size();
    return text + std::string(length < width ? width - length : 1, ' ');
}

std::string AsLines(std::string_view text) {
    // Message texts break their lines with LF alone or with CR LF.
    const std::string crOnly =
        platform::ReplaceAll(platform::ReplaceAll(text, "\r\n", "\r"), "\n", "\r");
    return platform::JoinLinesCrLf(platform::SplitLines(crOnly));
}

}  // namespace tzp::cli
