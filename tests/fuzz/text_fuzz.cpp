// The text conversions: the code page and UTF-8 round trips, malformed UTF-8 made whole,
// the line rules, the lower-casing and the replacement helper.
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "json_check.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace {

using namespace tzp::platform;

void CheckCodePage(std::string_view bytes) {
    // Every byte of the code page has a character, and comes back from it.
    const std::string utf8 = AnsiToUtf8(bytes);
    FUZZ_CHECK(FitsAnsi(utf8));
    FUZZ_CHECK(Utf8ToAnsi(utf8) == bytes);
    FUZZ_CHECK(CodePointsToUtf8(Utf8ToCodePoints(utf8)) == utf8);
}

void CheckUtf8(std::string_view text) {
    // Made whole, the text is UTF-8 by a reading of its own, and whole UTF-8 stays as it
    // is; the decoder's code points are that whole text.
    const std::string valid = ValidUtf8(text);
    FUZZ_CHECK(tzp::fuzz::IsWholeUtf8(valid));
    FUZZ_CHECK((valid == text) == tzp::fuzz::IsWholeUtf8(text));
    FUZZ_CHECK(ValidUtf8(valid) == valid);
    const std::u32string cps = Utf8ToCodePoints(text);
    FUZZ_CHECK(CodePointsToUtf8(cps) == valid);
    const std::string again = CodePointsToUtf8(cps);
    // Whole UTF-8 comes back unchanged; anything else only loses what was malformed.
    FUZZ_CHECK(Utf8ToCodePoints(again) == cps);
    if (cps.find(0xFFFD) == std::u32string::npos) {
        FUZZ_CHECK(again == text);
    }
    FUZZ_CHECK(cps.size() <= text.size());
    const std::string ansi = Utf8ToAnsi(text);
    FUZZ_CHECK(ansi.size() == cps.size());
    if (FitsAnsi(text)) {
        FUZZ_CHECK(AnsiToUtf8(ansi) == again);
    }
    // Lower-casing keeps the number of characters, and a second pass changes nothing.
    const std::string lower = UnicodeLower(text);
    FUZZ_CHECK(Utf8ToCodePoints(lower).size() == cps.size());
    FUZZ_CHECK(UnicodeLower(lower) == lower);
    FUZZ_CHECK(EqualsNoCase(text, lower));
    FUZZ_CHECK(AsciiLower(AsciiUpper(text)) == AsciiLower(text));
    FUZZ_CHECK(AsciiUpper(text).size() == text.size());
}

void CheckLines(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    for (const auto& line : lines) {
        FUZZ_CHECK(line.find('\r') == std::string::npos);
    }
    // Lines joined and split again are the same lines, and the joined text only
    // differs from the original in its line ends.
    const std::string joined = JoinLinesCrLf(lines);
    FUZZ_CHECK(SplitLines(joined) == lines);
    std::string withoutEnds;
    for (const auto& line : lines) {
        withoutEnds += line;
    }
    FUZZ_CHECK(ReplaceAll(ReplaceAll(text, "\r\n", "\r"), "\r", "") ==
               ReplaceAll(ReplaceAll(joined, "\r\n", "\r"), "\r", ""));
    FUZZ_CHECK(ReplaceAll(joined, "\r\n", "") == withoutEnds);
    // A byte-order mark makes the rest UTF-8, whole UTF-8 as it stands.
    FUZZ_CHECK(DecodeTextFile("\xEF\xBB\xBF" + std::string(text)) == ValidUtf8(text));
    if (!text.starts_with("\xEF\xBB\xBF")) {
        FUZZ_CHECK(DecodeTextFile(text) == AnsiToUtf8(text));
    }
}

void CheckReplace(std::string_view input) {
    // "from" and "to" are the first two bytes' worth of lengths.
    if (input.size() < 2) {
        return;
    }
    const size_t fromSize = static_cast<unsigned char>(input[0]) % 4;
    const size_t toSize = static_cast<unsigned char>(input[1]) % 4;
    input.remove_prefix(2);
    if (input.size() < fromSize + toSize) {
        return;
    }
    const std::string_view from = input.substr(0, fromSize);
    const std::string_view to = input.substr(fromSize, toSize);
    const std::string_view text = input.substr(fromSize + toSize);
    const std::string out = ReplaceAll(text, from, to);
    if (from.empty() || from == to) {
        FUZZ_CHECK(out == text);
        return;
    }
    // Counting the left-to-right matches gives the new length; replacing back, when
    // "to" cannot overlap itself or appear in the text, restores the text.
    size_t matches = 0;
    for (size_t at = text.find(from); at != std::string_view::npos;
         at = text.find(from, at + from.size())) {
        ++matches;
    }
    FUZZ_CHECK(out.size() == text.size() + matches * to.size() - matches * from.size());
    if (to.size() == 1 && text.find(to) == std::string_view::npos &&
        from.find(to) == std::string_view::npos) {
        FUZZ_CHECK(ReplaceAll(out, to, from) == text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = tzp::fuzz::AsText(data, size);
    CheckCodePage(input);
    CheckUtf8(input);
    CheckLines(input);
    CheckReplace(input);
    return 0;
}
