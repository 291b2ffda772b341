// What a view holds besides the ranking: the pack's broken entries, values that cannot be
// read, and which source filter opens each extension.
#include <gtest/gtest.h>

#include "decoders/report.h"
#include "decoders_fixture.h"
#include "fakes/fake_system.h"

namespace tzp::testing {
namespace {

using decoders::View;

std::vector<std::string> Broken(const decoders::ViewReport& report) {
    std::vector<std::string> lines;
    for (const auto& entry : report.broken) {
        lines.push_back(std::string(entry.box) + " " + decoders::GuidText(entry.clsid) + " " +
                        std::string(decoders::ProblemName(entry.problem)) + " " + entry.detail);
    }
    return lines;
}

TEST(DecoderViews, NameTheBrokenEntriesOfThePackAndWhatCannotBeRead) {
    fakes::FakeSystem sys;
    sys.files.AddFile("C:\\Install\\filtres\\VSFilter.dll", "");
    // FFDshow's class to a file that is gone; Ac3filter's entry without its class;
    // VSFilter's entry with data cut short.
    sys.registry.Set("HKCR\\CLSID\\" + std::string(kPackVideo) + "\\InprocServer32\\",
                     "C:\\Old\\ffdshow.ax");
    AddDecoder(sys.registry, "", kPackAudio, "Ac3", 0x600000, {kAudio, kAac}, "");
    const std::string vsfilter = "{0180E49C-13BF-46DB-9AFD-9F52292E1C22}";
    AddFilter(sys.registry, "", vsfilter, "VSFilter", std::string(10, '\0'),
              "C:\\Install\\filtres\\VSFilter.dll");
    // Another filter's data stored as text, and an entry that names no class.
    sys.registry.Set(InstanceKey("", "{AAAAAAAA-0000-0000-0000-000000000001}") + "\\FilterData",
                     "x");
    sys.registry.Set(InstanceKey("", "junk") + "\\FriendlyName", "Junk");

    const auto bits32 = decoders::ReadViewReport(sys.app, View::Bits32, {});
    EXPECT_EQ(Broken(bits32),
              (std::vector<std::string>{
                  "Check6 " + std::string(kPackVideo) + " fileMissing C:\\Old\\ffdshow.ax",
                  "Check11 " + std::string(kPackAudio) + " classNotRegistered ",
                  "Check10 " + vsfilter + " filterDataUnreadable tooShort",
              }));
    std::vector<std::string> unreadable;
    for (const auto& entry : bits32.registrations.unreadable) {
        unreadable.push_back(entry.problem);
    }
    EXPECT_EQ(unreadable, (std::vector<std::string>{"noClsid", "tooShort", "notBinary"}));
    EXPECT_TRUE(decoders::ReadViewReport(sys.app, View::Bits64, {}).broken.empty());
}

TEST(DecoderViews, TellTheSourceFilterAndByteStreamHandlerOfEachExtension) {
    fakes::FakeSystem sys;
    const std::string types = "HKCR\\Media Type\\Extensions\\";
    sys.registry.Set(types + ".mkv\\Source Filter", "{53D9DE0B-FC61-4650-9773-74D13CC7E582}");
    sys.registry.Set(types + ".avi\\Source Filter", "{E436EBB5-524F-11CE-9F53-0020AF0BA770}");
    sys.registry.Set("64:" + types + ".avi\\Source Filter",
                     "{51A00247-40A8-4845-9F17-7DBFCC9A8783}");
    sys.registry.Set(
        "64:HKLM\\SOFTWARE\\Microsoft\\Windows Media Foundation\\ByteStreamHandlers\\.MKV\\x", "y");
    const std::vector<std::string> extensions = {".mkv", ".avi", ".mp3"};
    std::string seen;
    for (const View view : {View::Bits32, View::Bits64}) {
        for (const auto& source : decoders::ReadViewReport(sys.app, view, extensions).extensions) {
            seen += source.extension + ":" +
                    (source.sourceFilter ? std::string(source.box.empty() ? "other" : source.box)
                                         : "none") +
                    (source.mediaFoundation ? "+mf " : " ");
        }
    }
    EXPECT_EQ(seen, ".mkv:Check2 .avi:other .mp3:none .mkv:none+mf .avi:Check4 .mp3:none ");
}

}  // namespace
}  // namespace tzp::testing
