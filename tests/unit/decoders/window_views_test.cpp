// What the window says of the decoders: the line a filter box's tooltip gains, and the
// rows of the details view, read when first asked for and kept.
#include <gtest/gtest.h>

#include "decoders/window_views.h"
#include "decoders_fixture.h"
#include "fakes/fake_system.h"
#include "filters/registration_info.h"

namespace tzp::testing {
namespace {

using decoders::MediaType;
using decoders::View;

struct Decoder {
    std::string view;  // "" the 32-bit view, "64:" the 64-bit one
    std::string clsid;
    std::string name;
    uint32_t merit;
    std::vector<MediaType> types;
    uint32_t pinFlags = 0;
};

struct WindowCase {
    const char* what;
    std::vector<Decoder> decoders;
    std::string preferred;  // the preferred decoder of H.264 in the 32-bit view, if any
    std::string line;       // FFDshow's (Check6) line in the 32-bit view
    std::string rows;       // the details view's rows, cells split by "|", rows by "/"
};

constexpr const char* kA = "{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr const char* kB = "{BBBBBBBB-0000-0000-0000-000000000002}";

decoders::WindowView ReadView(fakes::FakeRegistry& registry, View view) {
    decoders::WindowView read{decoders::ReadRegistrations(registry, view), {}};
    read.formats = decoders::RankPackFormats(read.registrations);
    return read;
}

std::string Rows(const platform::Table& table) {
    std::string text;
    for (const auto& row : table.rows) {
        text += text.empty() ? "" : "/";
        for (size_t i = 0; i < row.size(); ++i) {
            text += (i ? "|" : "") + row[i];
        }
    }
    return text;
}

TEST(DecoderWindowViews, TheTooltipLineAndTheDetailsSayWhoPlaysEachFormatAndWhy) {
    const MediaType h264{kVideo, kH264};
    const MediaType aac{kAudio, kAac};
    const WindowCase cases[] = {
        {"the pack's filter first",
         {{"", kPackVideo, "Pack", 0x800000, {h264}}, {"", kA, "A", 0x600000, {h264}}},
         "",
         "Used first for: H.264",
         "H.264|Pack|1 of 2|merit 0x00800000|no decoder|not taken by the pack|"},
        {"outranked by a higher merit",
         {{"", kPackVideo, "Pack", 0x600000, {h264}}, {"", kA, "A", 0x800000, {h264}}},
         "",
         "H.264: A, higher merit (0x00800000 against 0x00600000)",
         "H.264|A|2 of 2|merit 0x00800000|no decoder|not taken by the pack|"},
        {"outranked by Windows' preferred decoder",
         {{"", kPackVideo, "Pack", 0x800000, {h264}}, {"", kA, "A", 0x100000, {h264}}},
         kA,
         "H.264: A, preferred by Windows",
         "H.264|A|2 of 2|preferred by Windows|no decoder|not taken by the pack|"},
        {"first for one format, outranked on another, each view its own",
         {{"", kPackVideo, "Pack", 0x600000, {h264, aac}},
          {"", kA, "A", 0x600000, {aac}},
          {"64:", kPackVideo, "Pack", 0x600000, {aac}}},
         "",
         "Used first for: H.264; AAC: A, equal merit, tried in no set order",
         "H.264|Pack|1 of 1|merit 0x00600000|no decoder|not taken by the pack|"
         "/AAC|A|2 of 2|equal merit, tried in no set order|Pack|1 of 1|merit 0x00600000"},
        {"a renderer of any subtype, tried first at an equal merit, plays nothing; one naming it "
         "decodes",
         {{"", kPackVideo, "Pack", 0x600000, {h264}},
          {"", kA, "A renderer", 0x700000, {{kVideo, kAny}}, decoders::kPinFlagRenders},
          {"", kB, "B", 0x700000, {h264}, decoders::kPinFlagRenders}},
         "",
         "H.264: B, higher merit (0x00700000 against 0x00600000)",
         "H.264|B|2 of 2|merit 0x00700000|no decoder|not taken by the pack|"},
        {"only in the other view: no line here",
         {{"64:", kPackVideo, "Pack", 0x600000, {h264}}},
         "",
         "",
         "H.264|no decoder|not taken by the pack||Pack|1 of 1|merit 0x00600000"},
    };
    for (const auto& c : cases) {
        fakes::FakeSystem sys;
        for (const auto& d : c.decoders) {
            auto data = fakes::DecoderData(d.merit, d.types);
            data.pins[0].flags = d.pinFlags;
            AddFilter(sys.registry, d.view, d.clsid, d.name, fakes::FilterDataBlob(data),
                      "C:\\f\\x.ax");
        }
        if (!c.preferred.empty()) {
            SetPreferred(sys.registry, "", kH264, c.preferred);
        }
        const auto bits32 = ReadView(sys.registry, View::Bits32);
        EXPECT_EQ(decoders::BoxDecoderLine(sys.app, "Check6", bits32), c.line) << c.what;
        const auto table =
            decoders::DetailsTable(sys.app, bits32, ReadView(sys.registry, View::Bits64));
        EXPECT_EQ(Rows(table), c.rows) << c.what;
        EXPECT_EQ(table.columns.size(), 7u) << c.what;
    }
}

TEST(DecoderWindowViews, AreReadWhenATooltipFirstShowsAndKeptUntilTheNextApply) {
    fakes::FakeSystem sys;
    const std::string own = decoders::OwnView() == View::Bits64 ? "64:" : "";
    AddDecoder(sys.registry, own, kPackVideo, "Pack", 0x800000, {kVideo, kH264});
    sys.Start();
    const std::string tooltip = sys.form->Get("Check6").tooltip;
    EXPECT_EQ(tooltip.find("Used first"), std::string::npos);

    const int startReads = sys.registry.reads;
    EXPECT_TRUE(sys.form->TipShown("Check6"));
    EXPECT_EQ(sys.form->Get("Check6").tooltip, tooltip + "\r\nUsed first for: H.264");
    const int viewReads = sys.registry.reads;
    EXPECT_GT(viewReads, startReads);
    EXPECT_TRUE(sys.form->TipShown("Check6"));
    EXPECT_EQ(sys.form->Get("Check6").tooltip, tooltip + "\r\nUsed first for: H.264");
    EXPECT_EQ(sys.form->MenuCaption("Check6"), "Which decoder plays each format...");
    EXPECT_TRUE(sys.form->ChooseMenuItem("Check11"));
    ASSERT_EQ(sys.ui.tables.size(), 1u);
    EXPECT_EQ(Rows(sys.ui.tables[0]), own.empty()
                                          ? "H.264|Pack|1 of 1|merit 0x00800000|no decoder|not "
                                            "taken by the pack|"
                                          : "H.264|no decoder|not taken by the pack||Pack|1 of "
                                            "1|merit 0x00800000");
    const int bothViewsReads = sys.registry.reads;
    EXPECT_TRUE(sys.form->ChooseMenuItem("Check6"));
    EXPECT_EQ(sys.registry.reads, bothViewsReads);

    // The tooltips written anew (as after an apply) read the views again when shown.
    filters::RefreshRegistrationInfo(sys.app);
    EXPECT_EQ(sys.form->Get("Check6").tooltip, tooltip);
    const int refreshReads = sys.registry.reads;
    EXPECT_TRUE(sys.form->TipShown("Check6"));
    EXPECT_GT(sys.registry.reads, refreshReads);
}

}  // namespace
}  // namespace tzp::testing
