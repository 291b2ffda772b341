#pragma once
// The texts the program carries itself: the messages that the pack's language files lack
// (and that an older or a translated language file may lack too), one row an id, each in
// English and in French, looked up through lang::LookupLangStringOr.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace tzp::lang {

struct BuiltinText {
    std::string_view id;
    std::string_view english;
    std::string_view french;
};

// The ids that have a built-in text, in increasing order. The table in builtin_texts.cpp
// has one row for each, in the same order; it does not compile otherwise.
inline constexpr auto kBuiltinIds = std::to_array<std::string_view>(
    {"060", "061", "062", "065", "066", "067", "068", "069", "070", "071", "072", "073", "074",
     "075", "076", "077", "082", "083", "084", "090", "091", "092", "093", "094", "095", "096",
     "097", "098", "099", "100", "101", "102", "103", "104", "105", "106", "107", "108", "109",
     "110", "111", "112", "113", "114", "115", "116", "117", "118", "119", "120", "130", "131",
     "132", "133", "134", "135", "136", "137", "138", "139", "140", "141", "142", "143", "144",
     "145", "146", "147", "148", "149", "150", "151", "152", "153", "154", "155", "156", "157",
     "158", "159", "160", "161", "162", "163", "164", "165", "166", "167", "168", "169", "170",
     "171", "172", "173", "174", "175", "176", "177", "178", "179", "180", "181", "182", "183",
     "184", "185", "186", "187", "188", "189", "190"});

// An id that has a built-in text. It is made from the id's literal when the program
// compiles, so a call that names an id without a text does not build.
class BuiltinId {
  public:
    // Implicit, so that a call site names the id as the language files do: "060".
    consteval BuiltinId(const char* id) : index_(IndexOf(id)) {}  // NOLINT

    size_t Index() const { return index_; }

  private:
    static consteval size_t IndexOf(std::string_view id) {
        const auto found = std::find(kBuiltinIds.begin(), kBuiltinIds.end(), id);
        if (found == kBuiltinIds.end()) {
            throw "this id has no built-in text";
        }
        return static_cast<size_t>(found - kBuiltinIds.begin());
    }

    size_t index_;
};

// Every built-in text, in the order of kBuiltinIds.
std::span<const BuiltinText> BuiltinTexts();

// The built-in text of an id.
const BuiltinText& Builtin(BuiltinId id);

}  // namespace tzp::lang
