#include "decoders/words.h"

#include <array>
#include <cstdio>

#include "filters/catalogue.h"
#include "lang/fill.h"
#include "lang/lang.h"

namespace tzp::decoders {

namespace {

// The ids of the words, in the order of the enumeration; their built-in texts are in
// lang/builtin_texts.cpp.
constexpr auto kWords = std::to_array<lang::BuiltinId>({
    "161",
    "162",
    "163",
    "164",
    "165",
    "166",
    "167",
    "168",
    "169",
    "170",
    "171",
    "172",
    "173",
    "174",
    "175",
    "176",
    "189",
});

static_assert(kWords.size() == static_cast<size_t>(Word::Renderer) + 1);

}  // namespace

std::string Say(const App& app, Word word, std::string_view value) {
    return lang::Fill(lang::LookupLangStringOr(app, kWords[static_cast<size_t>(word)]), {value});
}

std::string MeritText(uint32_t merit) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(merit));
    return text;
}

std::string_view BoxName(std::string_view box) {
    return box.empty() ? box : filters::Row(box).displayName;
}

std::string ProblemText(const App& app, const BrokenEntry& entry) {
    switch (entry.problem) {
        case Problem::FileMissing:
            return Say(app, Word::FileMissing, entry.detail);
        case Problem::ClassNotRegistered:
            return Say(app, Word::ClassNotRegistered);
        case Problem::FilterDataUnreadable:
            return Say(app, Word::FilterDataUnreadable, entry.detail);
    }
    return {};
}

}  // namespace tzp::decoders
