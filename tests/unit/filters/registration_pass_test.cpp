#include <gtest/gtest.h>

#include "filter_pack.h"
#include "filters/registration.h"

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
    filters::RunSelfRegistration(sys.app, path, "");
    filters::RunSelfRegistration(sys.app, path, "U");
    filters::RunSelfRegistration(sys.app, path, "u");
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
        filters::RunSelfRegistration(sys.app, path, mode);
    }
    EXPECT_TRUE(sys.selfRegistration.log.empty());
    EXPECT_TRUE(sys.ui.log.empty());
}

TEST_F(SelfRegistrationTest, AMissingEntryPointOrThreadReleasesTheLibrary) {
    sys.selfRegistration.Add(path, {{kRegister}, false});
    filters::RunSelfRegistration(sys.app, path, "u");
    EXPECT_EQ(sys.selfRegistration.log, (std::vector<std::string>{"load:" + path, "free:" + path}));
    EXPECT_FALSE(sys.ui.busy);

    sys.selfRegistration.log.clear();
    sys.selfRegistration.failThreadStart = true;
    filters::RunSelfRegistration(sys.app, path, "");
    EXPECT_EQ(sys.selfRegistration.log, (std::vector<std::string>{"load:" + path, "free:" + path}));
    EXPECT_FALSE(sys.ui.busy);
    EXPECT_TRUE(sys.selfRegistration.calls.empty());
}

TEST_F(SelfRegistrationTest, AnEntryPointThatOutlivesTheWaitKeepsItsLibrary) {
    sys.selfRegistration.Add(path, {{kRegister, kUnregister}, true});
    filters::RunSelfRegistration(sys.app, path, "");
    EXPECT_EQ(sys.selfRegistration.log,
              (std::vector<std::string>{"load:" + path, "run:" + path + "|" + kRegister,
                                        "wait:10000", "abandon:" + path}));
    EXPECT_FALSE(sys.ui.busy);
}

TEST_F(SelfRegistrationTest, ARelativePathIsNeverLoaded) {
    // With no installation directory the paths start with "Erreur\"; Windows would look
    // for such a library in the current folder and along the search path.
    filters::RunSelfRegistration(sys.app, "Erreur\\filtres\\vp7dec.ax", "");
    filters::RunSelfRegistration(sys.app, "filtres\\vp7dec.ax", "u");
    EXPECT_TRUE(sys.selfRegistration.log.empty());
    // An installation directory written with forward slashes is absolute all the same.
    for (const char* folder : {"C:/Pack/", "//server/pack/"}) {
        const std::string library = std::string(folder) + "filtres\\vp7dec.ax";
        sys.selfRegistration.Add(library, {{kRegister}});
        filters::RunSelfRegistration(sys.app, library, "");
        EXPECT_EQ(sys.selfRegistration.calls.back(), library + "|" + kRegister);
    }
}

}  // namespace
}  // namespace tzp
