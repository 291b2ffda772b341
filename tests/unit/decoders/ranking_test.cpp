// The order in which Windows tries the decoders of a format, per view: preferred first,
// then merit, the excluded left out, equal merits said so.
#include <gtest/gtest.h>

#include "decoders/ranking.h"
#include "decoders_fixture.h"

namespace tzp::testing {
namespace {

using decoders::MediaType;
using decoders::View;

struct Filter {
    std::string view;  // "" the 32-bit view, "64:" the 64-bit one
    std::string clsid;
    std::string name;
    uint32_t merit;
    MediaType type;
    bool registered = true;
};

struct RankingCase {
    const char* what;
    std::vector<Filter> filters;
    std::string preferred;  // the preferred decoder of H.264 in the 32-bit view, if any
    View view;
    std::string expected;  // candidate names in order; "*" after a preferred one, "=" after
                           // one of equal merit
    bool preferredNotRegistered = false;
};

constexpr const char* kA = "{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr const char* kB = "{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr const char* kC = "{CCCCCCCC-0000-0000-0000-000000000003}";

std::string Order(const decoders::FormatRanking& ranking) {
    std::string order;
    for (const auto& candidate : ranking.candidates) {
        order += (order.empty() ? "" : " ") + candidate.name + (candidate.preferred ? "*" : "") +
                 (candidate.equalMerit ? "=" : "");
    }
    return order;
}

TEST(DecoderRanking, OrdersTheCandidatesOfAFormatAsWindowsTriesThem) {
    const MediaType h264{kVideo, kH264};
    const RankingCase cases[] = {
        {"highest merit first",
         {{"", kPackVideo, "Pack", 0x600000, h264}, {"", kA, "A", 0x800000, h264}},
         "",
         View::Bits32,
         "A Pack"},
        {"at or below do-not-use left out, other types ignored",
         {{"", kPackVideo, "Pack", 0x200001, h264},
          {"", kA, "A", 0x200000, h264},
          {"", kB, "B", 0x900000, {kAudio, kAac}}},
         "",
         View::Bits32,
         "Pack"},
        {"a wildcard pin takes the format",
         {{"", kPackVideo, "Pack", 0x600000, h264}, {"", kA, "A", 0x700000, {kVideo, kAny}}},
         "",
         View::Bits32,
         "A Pack"},
        {"a class that is not registered is never made",
         {{"", kPackVideo, "Pack", 0x600000, h264}, {"", kA, "A", 0x800000, h264, false}},
         "",
         View::Bits32,
         "Pack"},
        {"the preferred decoder first whatever its merit",
         {{"", kPackVideo, "Pack", 0x800000, h264}, {"", kA, "A", 0x100000, h264}},
         kA,
         View::Bits32,
         "A* Pack"},
        {"a preferred decoder that is not registered is said so and does not win",
         {{"", kPackVideo, "Pack", 0x800000, h264}, {"", kA, "A", 0x100000, h264, false}},
         kA,
         View::Bits32,
         "Pack",
         true},
        {"equal merits said equal",
         {{"", kPackVideo, "Pack", 0x600000, h264},
          {"", kB, "B", 0x600000, h264},
          {"", kC, "C", 0x800000, h264}},
         "",
         View::Bits32,
         "C B= Pack="},
        {"each view its own registrations and preferred decoders",
         {{"", kPackVideo, "Pack", 0x600000, h264},
          {"", kA, "A", 0x100000, h264},
          {"64:", kPackVideo, "Pack", 0x600000, h264},
          {"64:", kB, "B", 0x700000, h264}},
         kA,
         View::Bits64,
         "B Pack"},
    };
    for (const auto& c : cases) {
        fakes::FakeRegistry registry;
        for (const auto& f : c.filters) {
            AddDecoder(registry, f.view, f.clsid, f.name, f.merit, f.type,
                       f.registered ? "C:\\f\\x.ax" : "");
        }
        if (!c.preferred.empty()) {
            SetPreferred(registry, "", kH264, c.preferred);
        }
        const auto formats =
            decoders::RankPackFormats(decoders::ReadRegistrations(registry, c.view));
        ASSERT_EQ(formats.size(), 1u) << c.what;
        EXPECT_EQ(formats[0].name, "H.264") << c.what;
        EXPECT_EQ(Order(formats[0]), c.expected) << c.what;
        EXPECT_EQ(formats[0].preferredNotRegistered.has_value(), c.preferredNotRegistered)
            << c.what;
        for (const auto& candidate : formats[0].candidates) {
            EXPECT_EQ(candidate.box, candidate.name == "Pack" ? "Check6" : "") << c.what;
        }
    }
}

}  // namespace
}  // namespace tzp::testing
