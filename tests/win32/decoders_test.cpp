// The decoder views on the real registry: the order is the one Windows' own filter
// mapper gives (run in a process of its own), each build reads both registry views with
// their own entries and preferred decoders, and the pack's broken entries are named.
#include <gtest/gtest.h>

#include <windows.h>

#include "cli/decoders_command.h"
#include "decoders/ranking.h"
#include "fakes/filter_data_blob.h"
#include "fuzz/json_check.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide.h"
#include "support/real_panel.h"
#include "support/test_pack.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

using decoders::View;
using platform::Widen;

constexpr View kOwnView = sizeof(void*) == 4 ? View::Bits32 : View::Bits64;
constexpr const char* kVideo = "{73646976-0000-0010-8000-00AA00389B71}";
constexpr const char* kAudio = "{73647561-0000-0010-8000-00AA00389B71}";
constexpr const char* kH264 = "{34363248-0000-0010-8000-00AA00389B71}";
constexpr const char* kAac = "{000000FF-0000-0010-8000-00AA00389B71}";
constexpr const char* kPackVideo = "{04FE9017-F873-410E-871E-AB91661A4EF7}";
constexpr const char* kPackAudio = "{02AFA80F-4BEE-41FD-8572-214B58A9EF90}";

DWORD RunOracle(const std::string& arguments) {
    std::wstring line =
        L"\"" + Widen(BuildPath("testlibs/decoders/mapper_oracle.exe")) + L"\" " + Widen(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        return GetLastError();
    }
    WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// The oracle's test filters and the two pack classes it registers; the prefix's own
// filters are left out of both orders, whatever their merits.
bool OneOfTheOracles(const std::string& clsid) {
    return clsid.starts_with("{7E57") || clsid == kPackVideo || clsid == kPackAudio;
}

std::vector<std::string> MapperOrder(const std::string& major, const std::string& subtype) {
    ScratchDir scratch;
    const std::string file = scratch.Path() + "\\order.txt";
    EXPECT_EQ(RunOracle("enum \"" + file + "\" " + major + " " + subtype), 0u);
    std::vector<std::string> order;
    const std::string text = ReadBytes(file).value_or("");
    for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
        if (OneOfTheOracles(text.substr(at, end - at))) {
            order.push_back(text.substr(at, end - at));
        }
    }
    return order;
}

TEST(DecodersWin32, TheOrderIsTheOneWindowsFilterMapperGives) {
    ASSERT_EQ(RunOracle("register"), 0u);
    platform::Win32Registry registry;
    const auto view = decoders::ReadRegistrations(registry, kOwnView);
    const std::pair<const char*, const char*> types[] = {
        {kVideo, kH264},
        {kAudio, kAac},
        {kVideo, "{E06D8026-DB46-11CF-B4D1-00805F6CBBEA}"},
        {kAudio, "{00000055-0000-0010-8000-00AA00389B71}"},
    };
    const size_t sizes[] = {3, 3, 1, 0};
    for (size_t i = 0; i < std::size(types); ++i) {
        const auto& [major, subtype] = types[i];
        std::vector<std::string> ours;
        const auto ranking = decoders::RankFormat(
            view, {*decoders::ParseGuid(major), *decoders::ParseGuid(subtype)});
        for (const auto& candidate : ranking.candidates) {
            if (OneOfTheOracles(decoders::GuidText(candidate.clsid))) {
                ours.push_back(decoders::GuidText(candidate.clsid));
            }
        }
        const auto mapper = MapperOrder(major, subtype);
        EXPECT_EQ(ours, mapper) << subtype;
        EXPECT_EQ(mapper.size(), sizes[i]) << subtype;
    }
    EXPECT_EQ(RunOracle("unregister"), 0u);
}

REGSAM ViewFlag(View view) {
    return view == View::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

void Put(View view, const std::wstring& key, const wchar_t* name, DWORD type,
         const std::string& bytes) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | ViewFlag(view), nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(opened, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(opened);
}

std::string Utf16(const std::string& ascii) {
    std::string bytes;
    for (const char c : ascii + '\0') {
        bytes += {c, '\0'};
    }
    return bytes;
}

const std::wstring kInstance =
    L"Software\\Classes\\CLSID\\{083863F1-70DE-11D0-BD40-00A0C911CE86}\\Instance\\";
const std::wstring kPreferred = L"Software\\Microsoft\\DirectShow\\Preferred";

void AddEntry(View view, const std::string& clsid, const std::string& filterData) {
    Put(view, kInstance + Widen(clsid), L"CLSID", REG_SZ, Utf16(clsid));
    Put(view, kInstance + Widen(clsid), L"FilterData", REG_BINARY, filterData);
    Put(view, L"Software\\Classes\\CLSID\\" + Widen(clsid) + L"\\InprocServer32", nullptr, REG_SZ,
        Utf16("C:\\windows\\system32\\quartz.dll"));
}

void Remove(View view, const std::wstring& parent, const std::string& child) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, parent.c_str(), 0, KEY_ALL_ACCESS | ViewFlag(view),
                      &opened) == ERROR_SUCCESS) {
        RegDeleteTreeW(opened, Widen(child).c_str());
        RegDeleteValueW(opened, Widen(child).c_str());
        RegCloseKey(opened);
    }
}

TEST(DecodersWin32, EachBuildReadsBothViewsWithTheirOwnEntriesAndPreferredDecoders) {
    const std::string in32 = "{7E571032-0000-4000-8000-000000000001}";
    const std::string in64 = "{7E571064-0000-4000-8000-000000000002}";
    const decoders::MediaType h264{*decoders::ParseGuid(kVideo), *decoders::ParseGuid(kH264)};
    const std::string data = fakes::FilterDataBlob(fakes::DecoderData(0x400000, {h264}));
    AddEntry(View::Bits32, in32, data);
    AddEntry(View::Bits64, in64, data);
    Put(View::Bits32, kPreferred, Widen(kH264).c_str(), REG_SZ, Utf16(in32));
    Put(View::Bits64, kPreferred, Widen(kH264).c_str(), REG_SZ,
        Utf16("{7E571099-0000-4000-8000-000000000009}"));

    platform::Win32Registry registry;
    std::string seen;
    for (const View view : {View::Bits32, View::Bits64}) {
        const auto ranking =
            decoders::RankFormat(decoders::ReadRegistrations(registry, view), h264);
        seen += std::string(decoders::ViewName(view)) + ":";
        for (const auto& candidate : ranking.candidates) {
            if (OneOfTheOracles(decoders::GuidText(candidate.clsid))) {
                // Appended piece by piece: GCC 12 warns falsely of " " + a string on i686.
                seen += ' ';
                seen += decoders::GuidText(candidate.clsid);
                seen += candidate.preferred ? "*" : "";
            }
        }
        if (ranking.preferredNotRegistered) {
            seen += " not registered " + decoders::GuidText(*ranking.preferredNotRegistered);
        }
        seen += "\n";
    }
    EXPECT_EQ(seen, "32: " + in32 + "*\n64: " + in64 +
                        " not registered {7E571099-0000-4000-8000-000000000009}\n");
    for (const View view : {View::Bits32, View::Bits64}) {
        Remove(view, kInstance, in32);
        Remove(view, kInstance, in64);
        Remove(view, kPreferred, kH264);
        Remove(view, L"Software\\Classes\\CLSID", in32);
        Remove(view, L"Software\\Classes\\CLSID", in64);
    }
}

TEST(DecodersWin32, BrokenEntriesAndMalformedFilterDataAreNamedAndThePanelLives) {
    TestPack pack;
    pack.Register();
    // A pack filter entry whose data points past its end, in this build's own view.
    std::string malformed = fakes::FilterDataBlob(fakes::DecoderData(
        0x600000, {{*decoders::ParseGuid(kVideo), *decoders::ParseGuid(kH264)}}));
    malformed.resize(malformed.size() - 20);
    AddEntry(kOwnView, kPackVideo, malformed);
    Put(kOwnView, kInstance + Widen(kPackAudio), L"CLSID", REG_SZ, Utf16(kPackAudio));

    RealPanel panel(pack.PackDir());
    panel.Start();
    const std::string json = cli::DecodersJson(panel.app);
    EXPECT_TRUE(fuzz::IsJsonDocument(json)) << json;
    const std::string own = kOwnView == View::Bits32 ? "\"32\"" : "\"64\"";
    const std::string ownView = json.substr(json.find(own));
    EXPECT_NE(ownView.find("{\"box\": \"Check6\", \"clsid\": \"" + std::string(kPackVideo) +
                           "\", \"problem\": \"filterDataUnreadable\", \"detail\": \"badOffset\"}"),
              std::string::npos)
        << json;
    EXPECT_NE(ownView.find("{\"box\": \"Check11\", \"clsid\": \"" + std::string(kPackAudio) +
                           "\", \"problem\": \"classNotRegistered\""),
              std::string::npos)
        << json;
    Remove(kOwnView, kInstance, kPackVideo);
    Remove(kOwnView, kInstance, kPackAudio);
    UnregisterEveryFilter();
}

}  // namespace
}  // namespace tzp::testing
