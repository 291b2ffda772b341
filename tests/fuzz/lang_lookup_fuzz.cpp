// The language lookup: the text of an id agrees with a plain reading of the line rules
// (a line ends at CR, optionally followed by LF; the first line whose first three
// characters are the id gives everything after the id and one separator character, which
// in UTF-8 is its lead byte and up to three continuation bytes after it).
#include <string>

#include "fuzz_check.h"
#include "lang/lang.h"

namespace {

std::string PlainReading(std::string_view content, std::string_view id) {
    std::string line;
    bool atLineStart = true;
    for (size_t i = 0; i <= content.size(); ++i) {
        const bool end = i == content.size() || content[i] == '\r';
        if (!end) {
            if (!(atLineStart && i > 0 && content[i] == '\n' && content[i - 1] == '\r')) {
                line += content[i];
            }
            atLineStart = false;
            continue;
        }
        if (line.size() >= 3 && line.compare(0, 3, id) == 0) {
            size_t start = 4;
            while (start < line.size() && start < 7 &&
                   (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) {
                ++start;
            }
            return start < line.size() ? line.substr(start) : std::string();
        }
        line.clear();
        atLineStart = true;
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = tzp::fuzz::AsText(data, size);
    if (input.size() < 3) {
        return 0;
    }
    const std::string id(input.substr(0, 3));
    const std::string_view content = input.substr(3);
    const std::string text = tzp::lang::FindLangLine(content, id);
    FUZZ_CHECK(text == PlainReading(content, id));
    FUZZ_CHECK(text.find('\r') == std::string::npos);
    return 0;
}
