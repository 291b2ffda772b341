// Version texts read from the test filter libraries' version resources, through the
// system's version API.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "platform/file_version.h"
#include "platform/win32/version_win32.h"
#include "support/wine_files.h"

namespace tzp::platform {
namespace {

using testing::BuildPath;

struct FilterVersionTest : ::testing::Test {
    Win32Versions versions;
    FileVersionTexts Read(const std::string& relative) {
        FileVersionTexts texts{"-", "-", "-", "-"};
        ReadFileVersionInfo(versions, BuildPath("testlibs/" + relative), texts);
        return texts;
    }
};

TEST_F(FilterVersionTest, ReadsTheFourTextsOfALibrary) {
    const auto texts = Read("filtres/ffdshow.ax");
    EXPECT_EQ(texts.version, "version 1.3.4531.0");
    EXPECT_EQ(texts.fileType, "Dynamic Link Library (DLL)");
    EXPECT_EQ(texts.copyright, "(C) Tessaly test filters, ffdshow.ax");
    EXPECT_EQ(texts.description, "Stand-in for ffdshow.ax");
}

// Every heap of the process passes the system's own check.
bool HeapsAreWhole() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    for (HANDLE heap : heaps) {
        if (!HeapValidate(heap, 0, nullptr)) {
            return false;
        }
    }
    return !heaps.empty();
}

// The version API converts an old-style block's ANSI texts to UTF-16 into room after the
// block; a copy without that room has them written past its end, over the heap.
TEST_F(FilterVersionTest, AnOldStyleBlockIsReadInsideItsOwnRoom) {
    ASSERT_TRUE(HeapsAreWhole());
    const auto texts = Read("oldstyle/oldstyle.ax");
    EXPECT_EQ(texts.version, "version 1.2.3.4");
    EXPECT_EQ(texts.description, "Old-style test filter");
    EXPECT_EQ(texts.copyright, "(c) Old Times");
    EXPECT_TRUE(HeapsAreWhole());
}

TEST_F(FilterVersionTest, ComponentsAbove32767PrintUnsigned) {
    EXPECT_EQ(Read("filtres/madVR.ax").version, "version 0.87.40000.65535");
    EXPECT_EQ(Read("filtres/RLOFRDec.ax").version, "version 65535.2.0.0");
    EXPECT_EQ(Read("filtres/splitter.ax").version, "version 1.0.0.0");
}

TEST_F(FilterVersionTest, StringsComeFromTheFirstTranslationWhateverItsLanguage) {
    // German (0407) and French (040C) tables, each in code page 1252.
    EXPECT_EQ(Read("filtres/madVR.ax").description, "Stand-in for madVR.ax");
    EXPECT_EQ(Read("filtres/ac3filter.ax").copyright, "(C) Tessaly test filters, ac3filter.ax");
}

TEST_F(FilterVersionTest, NoResourceOrNoFileGivesErreurAndLeavesTheRest) {
    for (const char* relative : {"variants/noversion/VSFilter.dll", "filtres/missing.ax"}) {
        const auto texts = Read(relative);
        EXPECT_EQ(texts.version, "Erreur") << relative;
        EXPECT_EQ(texts.fileType, "-") << relative;
        EXPECT_EQ(texts.copyright, "-") << relative;
        EXPECT_EQ(texts.description, "-") << relative;
    }
}

TEST_F(FilterVersionTest, EveryShippedStandInCarriesAVersion) {
    for (const char* file : {"ffdshow.ax", "ac3filter.ax", "VSFilter.dll", "RealMediaSplitter.ax",
                             "vp7dec.ax", "splitter.ax", "mp4.dll", "mkx.dll", "ogm.dll", "avi.dll",
                             "ts.dll", "MpegSplitter.ax", "FLVSplitter.ax", "RLAPEDec.ax",
                             "RLMPCDec.ax", "RLOFRDec.ax", "Mpeg2DecFilter.ax", "madVR.ax"}) {
        EXPECT_EQ(Read(std::string("filtres/") + file).version.rfind("version ", 0), 0u) << file;
    }
}

}  // namespace
}  // namespace tzp::platform
