// The updater's answer in maj.txt: the first non-empty line, by a plain reading of the
// line rules, and only the exact answer "1" means a newer pack.
#include <string>

#include "about/update_check.h"
#include "fuzz_check.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = tzp::platform::DecodeTextFile(tzp::fuzz::AsText(data, size));
    const std::string answer = tzp::about::AnswerOf(text);
    FUZZ_CHECK(answer.find('\r') == std::string::npos);
    // Plain reading: skip line ends (CR, CR LF) at the start, take up to the next CR.
    size_t start = 0;
    while (start < text.size() && text[start] == '\r') {
        start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
    }
    const std::string expected = text.substr(start, text.find('\r', start) - start);
    FUZZ_CHECK(answer == expected);
    FUZZ_CHECK(tzp::about::AnswerMeansNewerPack(answer) == (answer == "1"));
    return 0;
}
