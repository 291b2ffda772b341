#include <gtest/gtest.h>

#include "filter_pack.h"
#include "filters/registration.h"
#include "platform/self_registration.h"

namespace tzp {
namespace {

using testing::InstallPath;

constexpr const char* kRegister = "DllRegisterServer";
constexpr const char* kUnregister = "DllUnregisterServer";

std::string Call(std::string_view relative, const char* entry) {
    return InstallPath(relative) + "|" + entry;
}

struct RegistrationPassTest : testing::FilterPackTest {
    void TickAll() {
        for (const auto& row : filters::Catalogue()) {
            form().SetValueQuietly(row.box, 1);
        }
    }
};

TEST_F(RegistrationPassTest, AllTickedRegistersEighteenLibrariesInTheFixedOrder) {
    TickAll();
    filters::ApplyFilterStates(sys.app);
    const std::vector<std::string> expected = {
        Call("filtres\\ac3filter.ax", kRegister),
        Call("filtres\\RealMediaSplitter.ax", kRegister),
        Call("filtres\\VSFilter.dll", kRegister),
        Call("filtres\\vp7dec.ax", kRegister),
        Call("filtres\\splitter.ax", kRegister),
        Call("filtres\\mp4.dll", kRegister),
        Call("filtres\\mkx.dll", kRegister),
        Call("filtres\\ogm.dll", kRegister),
        Call("filtres\\avi.dll", kRegister),
        Call("filtres\\ts.dll", kRegister),
        Call("filtres\\MpegSplitter.ax", kRegister),
        Call("filtres\\FLVSplitter.ax", kRegister),
        Call("filtres\\Mpeg2DecFilter.ax", kRegister),
        Call("filtres\\RLAPEDec.ax", kRegister),
        Call("filtres\\RLMPCDec.ax", kRegister),
        Call("filtres\\RLOFRDec.ax", kRegister),
        Call("filtres\\madVR.ax", kRegister),
        Call("filtres\\ffdshow.ax", kRegister),
    };
    EXPECT_EQ(sys.selfRegistration.calls, expected);
    EXPECT_EQ(sys.selfRegistration.loadedNow, 0);
}

TEST_F(RegistrationPassTest, MasterOffUnregistersTheWholeGroupWhateverTheMembersShow) {
    TickAll();
    form().SetValueQuietly("Check13", 0);
    form().SetValueQuietly("Check9", 0);
    filters::ApplyFilterStates(sys.app);
    const auto& calls = sys.selfRegistration.calls;
    ASSERT_EQ(calls.size(), 18u);
    EXPECT_EQ(calls[1], Call("filtres\\RealMediaSplitter.ax", kUnregister));
    const std::vector<std::string> group(calls.begin() + 4, calls.begin() + 10);
    EXPECT_EQ(group, (std::vector<std::string>{
                         Call("filtres\\splitter.ax", kUnregister),
                         Call("filtres\\avi.dll", kUnregister),
                         Call("filtres\\mkx.dll", kUnregister),
                         Call("filtres\\mp4.dll", kUnregister),
                         Call("filtres\\ogm.dll", kUnregister),
                         Call("filtres\\ts.dll", kUnregister),
                     }));
}

TEST_F(RegistrationPassTest, GreyedAndUntickedBoxesUnregisterMembersFollowTheirOwnBox) {
    form().SetValueQuietly("Check13", 1);
    form().SetValueQuietly("Check2", 1);
    form().SetValueQuietly("Check4", 2);
    form().SetValueQuietly("Check6", 2);
    filters::ApplyFilterStates(sys.app);
    const auto& calls = sys.selfRegistration.calls;
    ASSERT_EQ(calls.size(), 18u);
    EXPECT_EQ(calls[4], Call("filtres\\splitter.ax", kRegister));
    EXPECT_EQ(calls[5], Call("filtres\\mp4.dll", kUnregister));
    EXPECT_EQ(calls[6], Call("filtres\\mkx.dll", kRegister));
    EXPECT_EQ(calls[8], Call("filtres\\avi.dll", kUnregister));
    EXPECT_EQ(calls[17], Call("filtres\\ffdshow.ax", kUnregister));
    EXPECT_EQ(calls[0], Call("filtres\\ac3filter.ax", kUnregister));
}

TEST_F(RegistrationPassTest, MissingAndBrokenLibrariesAreSkippedAndThePassGoesOn) {
    fakes::FakeSystem sparse;
    sparse.InstallStandardPack();
    sparse.Start();
    testing::AddLibrary(sparse, "filtres\\ffdshow.ax");
    sparse.selfRegistration.Add(InstallPath("filtres\\ac3filter.ax"), {{}, false});  // no entries
    sparse.selfRegistration.Add(InstallPath("filtres\\vp7dec.ax"), {{kUnregister}, true});
    filters::ApplyFilterStates(sparse.app);
    EXPECT_EQ(sparse.selfRegistration.calls,
              (std::vector<std::string>{Call("filtres\\vp7dec.ax", kUnregister),
                                        Call("filtres\\ffdshow.ax", kUnregister)}));
    // Every library was asked for, every one loaded was let go of or left to its thread.
    int loads = 0;
    for (const auto& line : sparse.selfRegistration.log) {
        loads += line.rfind("load:", 0) == 0;
    }
    EXPECT_EQ(loads, 18);
    EXPECT_EQ(sparse.selfRegistration.loadedNow, 0);
    EXPECT_FALSE(sparse.ui.busy);
    EXPECT_TRUE(sparse.ui.messages.empty());
}

struct SelfRegistrationTest : RegistrationPassTest {
    const std::string path = InstallPath("filtres\\vp7dec.ax");
    std::vector<std::string> Trace() {
        // The loader's steps and the cursor changes, in order.
        std::vector<std::string> steps = sys.selfRegistration.log;
        steps.insert(steps.end(), sys.ui.log.begin(), sys.ui.log.end());
        return steps;
    }
};

TEST_F(SelfRegistrationTest, RunsTheEntryPointOfTheModeAndReleasesTheLibrary) {
    filters::RunSelfRegistration(sys.platform, path, "");
    filters::RunSelfRegistration(sys.platform, path, "U");
    filters::RunSelfRegistration(sys.platform, path, "u");
    EXPECT_EQ(sys.selfRegistration.calls,
              (std::vector<std::string>{path + "|" + kRegister, path + "|" + kUnregister,
                                        path + "|" + kUnregister}));
    const std::vector<std::string> oneCall = {"load:" + path, "run:" + path + "|" + kRegister,
                                              "wait:10000", "close", "free:" + path};
    EXPECT_EQ(std::vector<std::string>(sys.selfRegistration.log.begin(),
                                       sys.selfRegistration.log.begin() + 5),
              oneCall);
    EXPECT_EQ(sys.ui.log,
              (std::vector<std::string>{"cursor:busy", "cursor:default", "cursor:busy",
                                        "cursor:default", "cursor:busy", "cursor:default"}));
    EXPECT_EQ(sys.selfRegistration.loadedNow, 0);
}

TEST_F(SelfRegistrationTest, AnyOtherModeRunsNothingAndLoadsNothing) {
    for (const char* mode : {"x", "R", " ", "uu"}) {
        filters::RunSelfRegistration(sys.platform, path, mode);
    }
    EXPECT_TRUE(sys.selfRegistration.log.empty());
    EXPECT_TRUE(sys.ui.log.empty());
}

TEST_F(SelfRegistrationTest, AMissingEntryPointOrThreadReleasesTheLibrary) {
    sys.selfRegistration.Add(path, {{kRegister}, false});
    filters::RunSelfRegistration(sys.platform, path, "u");
    EXPECT_EQ(sys.selfRegistration.log, (std::vector<std::string>{"load:" + path, "free:" + path}));
    EXPECT_TRUE(sys.ui.log.empty()) << "nothing runs: the cursor stays as it was";

    sys.selfRegistration.log.clear();
    sys.selfRegistration.failThreadStart = true;
    filters::RunSelfRegistration(sys.platform, path, "");
    EXPECT_EQ(sys.selfRegistration.log, (std::vector<std::string>{"load:" + path, "free:" + path}));
    EXPECT_FALSE(sys.ui.busy);
    EXPECT_TRUE(sys.selfRegistration.calls.empty());
}

// Its thread holds the library for itself until it returns (the Win32 tests see to that).
TEST_F(SelfRegistrationTest, AnEntryPointThatOutlivesTheWaitIsLeftToRun) {
    sys.selfRegistration.Add(path, {{kRegister, kUnregister}, true});
    filters::RunSelfRegistration(sys.platform, path, "");
    EXPECT_EQ(sys.selfRegistration.log,
              (std::vector<std::string>{"load:" + path, "run:" + path + "|" + kRegister,
                                        "wait:10000", "leave:" + path, "free:" + path}));
    EXPECT_FALSE(sys.ui.busy);
}

TEST_F(SelfRegistrationTest, ARelativePathIsNeverLoaded) {
    // With no installation directory the paths start with "Erreur\"; Windows would look
    // for such a library in the current folder and along the search path.
    filters::RunSelfRegistration(sys.platform, "Erreur\\filtres\\vp7dec.ax", "");
    filters::RunSelfRegistration(sys.platform, "filtres\\vp7dec.ax", "u");
    EXPECT_TRUE(sys.selfRegistration.log.empty());
    // An installation directory written with forward slashes is absolute all the same.
    for (const char* folder : {"C:/Pack/", "//server/pack/"}) {
        const std::string library = std::string(folder) + "filtres\\vp7dec.ax";
        sys.selfRegistration.Add(library, {{kRegister}});
        filters::RunSelfRegistration(sys.platform, library, "");
        EXPECT_EQ(sys.selfRegistration.calls.back(), library + "|" + kRegister);
    }
}

// Every way a library can fail, on one library: the outcome, whether it counts as a
// failure, and the words the report gives it.
TEST_F(SelfRegistrationTest, EachOutcomeIsReportedWithItsLibraryAndWords) {
    using K = filters::OutcomeKind;
    constexpr int kOtherBits = sizeof(void*) == 8 ? 32 : 64;
    constexpr int kOwnBits = sizeof(void*) == 8 ? 64 : 32;
    struct Case {
        const char* what;
        std::optional<fakes::FakeLibrary> library;  // nullopt: no file at all
        const char* mode;
        K kind;
        bool failure;
        std::string words;
    };
    const auto other = std::to_string(kOtherBits);
    const std::vector<Case> cases = {
        {"done", fakes::FakeLibrary{}, "", K::Done, false, "done"},
        {"S_FALSE is a success", fakes::FakeLibrary{{kRegister}, false, 1}, "", K::Done, false,
         "done"},
        {"missing, registering", std::nullopt, "", K::FileMissing, true,
         "the library cannot be loaded: error 2"},
        {"missing, unregistering", std::nullopt, "u", K::FileMissing, false,
         "the library cannot be loaded: error 2"},
        {"a dependency missing", fakes::FakeLibrary{{}, false, 0, 126}, "", K::NotLoadable, true,
         "the library cannot be loaded: error 126"},
        {"no library at all", fakes::FakeLibrary{{}, false, 0, 193, 0}, "", K::NotLoadable, true,
         "the library cannot be loaded: error 193"},
        {"the other bitness", fakes::FakeLibrary{{}, false, 0, 193, kOtherBits}, "u",
         K::OtherBitness, true,
         "a " + other + "-bit library; use the " + other + "-bit control panel"},
        {"our bitness, yet refused", fakes::FakeLibrary{{}, false, 0, 193, kOwnBits}, "",
         K::NotLoadable, true, "the library cannot be loaded: error 193"},
        {"no entry point", fakes::FakeLibrary{{kRegister}, false}, "U", K::NoEntryPoint, true,
         "the library has no entry point to register itself"},
        {"access denied", fakes::FakeLibrary{{kRegister}, false, 0x80070005u}, "",
         K::EntryPointFailed, true, "the library reported the failure 0x80070005: error 5"},
        {"E_FAIL", fakes::FakeLibrary{{kUnregister}, false, 0x80004005u}, "u", K::EntryPointFailed,
         true, "the library reported the failure 0x80004005: error 2147500037"},
        {"still running", fakes::FakeLibrary{{kRegister}, true}, "", K::TimedOut, true,
         "the library was still working after 10 seconds; it was left to finish on its own"},
        {"unknown mode", fakes::FakeLibrary{}, "x", K::NothingRun, false,
         "the library was not run"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeSystem one;
        one.InstallStandardPack();
        one.Start();
        if (c.library) {
            one.files.AddFile(path, "MZ");
            one.selfRegistration.Add(path, *c.library);
        }
        const auto outcome = filters::RunSelfRegistration(one.platform, path, c.mode);
        EXPECT_EQ(outcome.path, path);
        EXPECT_EQ(outcome.mode, c.mode);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(filters::IsFailure(outcome), c.failure);
        EXPECT_EQ(filters::OutcomeText(one.app, outcome), c.words);
        EXPECT_EQ(filters::FailureReport(one.app, {outcome}).find("\r\nvp7dec.ax: " + c.words) !=
                      std::string::npos,
                  c.failure);
        EXPECT_EQ(one.selfRegistration.loadedNow, 0);
        EXPECT_FALSE(one.ui.busy);
    }

    sys.selfRegistration.failThreadStart = true;
    const auto notStarted = filters::RunSelfRegistration(sys.platform, path, "");
    EXPECT_EQ(notStarted.kind, K::NotStarted);
    EXPECT_EQ(filters::OutcomeText(sys.app, notStarted), "the library was not run: error 8");
}

TEST(LibraryHeaderTest, TheMachineFieldGivesTheBitness) {
    auto header = [](uint16_t machine, uint32_t peAt = 0x80) {
        std::string bytes(0x200, '\0');
        bytes[0] = 'M';
        bytes[1] = 'Z';
        for (int i = 0; i < 4; ++i) {
            bytes[0x3C + i] = static_cast<char>((peAt >> (8 * i)) & 0xFF);
        }
        if (peAt + 6 <= bytes.size()) {
            bytes.replace(peAt, 4, std::string("PE\0\0", 4));
            bytes[peAt + 4] = static_cast<char>(machine & 0xFF);
            bytes[peAt + 5] = static_cast<char>(machine >> 8);
        }
        return bytes;
    };
    EXPECT_EQ(platform::LibraryBitsFromHeader(header(0x014C)), 32);
    EXPECT_EQ(platform::LibraryBitsFromHeader(header(0x8664)), 64);
    EXPECT_EQ(platform::LibraryBitsFromHeader(header(0xAA64)), 64);
    EXPECT_EQ(platform::LibraryBitsFromHeader(header(0x1234)), 0);
    EXPECT_EQ(platform::LibraryBitsFromHeader(header(0x8664, 0x1FC)), 0);  // cut short
    EXPECT_EQ(platform::LibraryBitsFromHeader(header(0x8664, 0xFFFFFFF0u)), 0);
    EXPECT_EQ(platform::LibraryBitsFromHeader("REGEDIT4\r\n"), 0);
    EXPECT_EQ(platform::LibraryBitsFromHeader(""), 0);
}

}  // namespace
}  // namespace tzp
