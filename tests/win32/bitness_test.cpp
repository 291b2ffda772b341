// What a program meets that runs beside programs of the other bitness on 64-bit Windows:
// the shipped 32-bit program under WOW64, and the 64-bit one. Both builds run these,
// each against its own bitness: the registry view that its libraries write and it reads,
// and the system programs it starts where it names them without a folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>

#include "filters/catalogue.h"
#include "filters/registration.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/wide.h"
#include "support/real_panel.h"
#include "support/test_pack.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

using platform::Widen;

constexpr int kOwnBits = static_cast<int>(sizeof(void*) * 8);

struct BitnessWin32 : ::testing::Test {
    TestPack pack;
    void SetUp() override {
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register();
        UnregisterEveryFilter();
    }
    void TearDown() override { UnregisterEveryFilter(); }
    std::string Library(std::string_view box) const {
        return pack.InstallDir() + std::string(filters::Row(box).library);
    }
    // The start-up detection's verdict on a box, from a fresh start.
    int Detected(std::string_view box) const {
        RealPanel panel(pack.PackDir());
        panel.Start();
        return panel.form->Value(std::string(box));
    }
};

TEST_F(BitnessWin32, ClassesLandInTheViewOfThisBitnessAndDetectionReadsOnlyThatView) {
    if (kOwnBits == 32) {
        // Where users keep the 32-bit program: spaces and parentheses in every path.
        EXPECT_EQ(pack.PackDir().rfind("C:\\Program Files (x86)\\", 0), 0u) << pack.PackDir();
    }
    const auto& row = filters::Row("Check2");
    {
        RealPanel panel(pack.PackDir());
        filters::RunSelfRegistration(panel.platform, Library("Check2"), "");
    }
    for (const auto clsid : row.clsids) {
        EXPECT_EQ(InprocServerIn(RegistryView::Own, clsid), Library("Check2")) << clsid;
        EXPECT_EQ(InprocServerIn(RegistryView::Other, clsid), std::nullopt) << clsid;
    }
    EXPECT_EQ(Detected("Check2"), 1);

    // The same registration in the other view alone is a library of the other bitness's
    // business: this program cannot load it, and must not call it registered.
    UnregisterEveryFilter();
    const std::string packCopy = pack.InstallDir() + std::string(row.detectionLibrary);
    ASSERT_TRUE(SetInprocServerIn(RegistryView::Other, row.clsids[0], packCopy));
    EXPECT_EQ(InprocServer(row.clsids[0]), std::nullopt);
    EXPECT_EQ(Detected("Check2"), 0);
    ASSERT_TRUE(SetInprocServerIn(RegistryView::Own, row.clsids[0], packCopy));
    EXPECT_EQ(Detected("Check2"), 1);
}

// Each apply loads and frees every library once; a long session (or a benchmark) does so
// thousands of times in one process. A 32-bit library built with the posix thread
// model's runtime took a thread-local storage slot at each load and kept it, so after
// some 1 085 loads the next one aborted the process.
TEST_F(BitnessWin32, ALibraryLoadsAndFreesAgainAndAgainInOneProcess) {
    platform::Win32SelfRegistration loader;
    for (int round = 0; round < 1200; ++round) {
        const auto loaded = loader.Load(Library("Check2"));
        ASSERT_TRUE(loaded.library) << "round " << round;
    }
    const DWORD slot = TlsAlloc();
    EXPECT_NE(slot, TLS_OUT_OF_INDEXES);
    TlsFree(slot);
}

// ---- the system programs it starts

std::string ReadText(const std::string& path) {
    return ReadBytes(path).value_or("");
}

// A value that differs between the two registry views.
constexpr const wchar_t* kViewProbeKey = L"Software\\Tessaly view probe";

void PutViewProbe(RegistryView view, const std::wstring& text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kViewProbeKey, 0, nullptr, 0,
                              KEY_SET_VALUE | ViewFlag(view), nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"view", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

struct SystemProgramCase {
    const char* name;
    // The command line, given the file the started program writes.
    std::string (*commandLine)(const std::string& out);
    // What that file must say when the program of this bitness ran.
    void (*check)(const std::string& written);
};

const SystemProgramCase kSystemPrograms[] = {
    {"cmd",
     [](const std::string& out) {
         return "cmd /c \"\"" + BuildPath("testlibs/probe/probe.exe") + "\" \"" + out + "\"\"";
     },
     [](const std::string& written) {
         int bits = 0;
         std::istringstream(written) >> bits;
         EXPECT_EQ(bits, kOwnBits) << "cmd: " << written;
     }},
    {"Rundll32",
     [](const std::string& out) {
         return "Rundll32.exe \"" + BuildPath("testlibs/probe/probe.dll") + "\",Note " + out;
     },
     [](const std::string& written) {
         int bits = 0;
         unsigned long self = 0, parent = 0;
         std::istringstream(written) >> bits >> self >> parent;
         EXPECT_EQ(bits, kOwnBits) << "Rundll32: " << written;
         EXPECT_EQ(parent, GetCurrentProcessId()) << "the Rundll32 we started ran the library";
     }},
    {"regedit",
     [](const std::string& out) {
         return "regedit.exe /e \"" + out + "\" \"HKEY_LOCAL_MACHINE\\" +
                platform::Narrow(kViewProbeKey) + "\"";
     },
     [](const std::string& written) {
         // UTF-16LE text; the probe's value is plain ASCII.
         std::string text;
         for (const char c : written) {
             if (c != '\0') {
                 text.push_back(c);
             }
         }
         EXPECT_NE(text.find("\"view\"=\"own\""), std::string::npos) << "regedit: " << text;
     }},
};

TEST_F(BitnessWin32, TheSystemProgramsStartedByTheirBareNamesAreThoseOfThisBitness) {
    PutViewProbe(RegistryView::Own, L"own");
    PutViewProbe(RegistryView::Other, L"other");
    ScratchDir scratch;
    platform::Win32Processes processes;
    for (const auto& program : kSystemPrograms) {
        const std::string out = scratch.Path() + "\\" + program.name + ".txt";
        auto started = processes.Start(program.commandLine(out), platform::WindowStyle::Minimized);
        ASSERT_TRUE(started.status.ok()) << program.name << ": " << started.errorText;
        ASSERT_TRUE(started.process->WaitForExit(30000)) << program.name;
        ASSERT_TRUE(Exists(out)) << program.name << " wrote nothing";
        program.check(ReadText(out));
    }
    for (const auto view : {RegistryView::Own, RegistryView::Other}) {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kViewProbeKey, ViewFlag(view), 0);
    }
}

}  // namespace
}  // namespace tzp::testing
