// The profile state file as the preview reads it: every box ends in 0, 1 or 2, takes
// exactly the state a plain reading of its line gives (or keeps its own), and the file
// written for the boxes as they then stand reads back to the same boxes.
#include <optional>
#include <string>

#include "fakes/fake_system.h"
#include "fuzz_check.h"
#include "fuzz_system.h"
#include "platform/text.h"
#include "profiles/profile_files.h"
#include "profiles/profiles.h"

namespace {

using tzp::profiles::kStateRows;

constexpr const char* kStatePath = "C:\\Pack\\Sav\\fuzz.sav";

// Blanks around digits, an optional fraction, and a whole part of 0, 1 or 2.
std::optional<int> PlainState(std::string_view value) {
    const size_t first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    value = value.substr(first, value.find_last_not_of(" \t") - first + 1);
    long whole = -1;
    bool inFraction = false;
    for (const char c : value) {
        if (c == '.' && !inFraction && whole >= 0) {
            inFraction = true;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        } else if (!inFraction) {
            whole = (whole < 0 ? 0 : whole) * 10 + (c - '0');
            if (whole > 2) {
                whole = 3;  // stays out of range, whatever follows
            }
        }
    }
    return whole >= 0 && whole <= 2 ? std::optional<int>(static_cast<int>(whole)) : std::nullopt;
}

void Preview(tzp::fakes::FakeSystem& sys, std::string_view bytes) {
    sys.files.AddFile(kStatePath, bytes);
    sys.form->SetText("Combo1", "fuzz");
    sys.form->SetValueQuietly("ischange", 0);
    tzp::profiles::PreviewProfile(sys.app);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = tzp::fuzz::AsText(data, size);
    auto& sys = tzp::fuzz::PackSystem();
    sys.ui.messages.clear();
    // The boxes start in states picked by the first byte, so that kept states show.
    const uint8_t pattern = tzp::fuzz::TakeByte(input);
    int before[kStateRows.size()];
    for (size_t i = 0; i < kStateRows.size(); ++i) {
        before[i] = static_cast<int>((pattern + i) % 3);
        sys.form->SetValueQuietly(kStateRows[i].box, before[i]);
    }
    Preview(sys, input);

    // A plain reading of the line rules: the first line of each id, a line ending at CR
    // (optionally followed by LF), the value after the id and one separator character.
    const std::string text = tzp::platform::DecodeTextFile(input);
    std::optional<std::string> lineOf[kStateRows.size()];
    for (size_t start = 0; start < text.size();) {
        const size_t cr = text.find('\r', start);
        const std::string_view line =
            std::string_view(text).substr(start, cr == std::string::npos ? cr : cr - start);
        for (size_t i = 0; i < kStateRows.size(); ++i) {
            if (!lineOf[i] && line.size() >= 3 && line.substr(0, 3) == kStateRows[i].id) {
                // One separator character: its lead byte and up to three continuation bytes.
                size_t value = 4;
                while (value < line.size() && value < 7 &&
                       (static_cast<unsigned char>(line[value]) & 0xC0) == 0x80) {
                    ++value;
                }
                lineOf[i] = std::string(value < line.size() ? line.substr(value) : "");
            }
        }
        start = cr == std::string::npos ? text.size() : cr + 1;
        if (start < text.size() && text[start] == '\n' && cr != std::string::npos) {
            ++start;
        }
    }
    for (size_t i = 0; i < kStateRows.size(); ++i) {
        const int value = sys.form->Value(kStateRows[i].box);
        FUZZ_CHECK(value >= 0 && value <= 2);
        FUZZ_CHECK(value == PlainState(lineOf[i].value_or("")).value_or(before[i]));
    }

    const std::string written = tzp::profiles::BuildStateFile(*sys.form);
    int after[kStateRows.size()];
    for (size_t i = 0; i < kStateRows.size(); ++i) {
        after[i] = sys.form->Value(kStateRows[i].box);
        sys.form->SetValueQuietly(kStateRows[i].box, (after[i] + 1) % 3);
    }
    Preview(sys, written);
    for (size_t i = 0; i < kStateRows.size(); ++i) {
        FUZZ_CHECK(sys.form->Value(kStateRows[i].box) == after[i]);
    }
    return 0;
}
