#include "filters/catalogue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace tzp::filters {

namespace {

using Ids = std::string_view;

constexpr auto kFfdshow = std::to_array<Ids>({
    "007FC171-01AA-4B3A-B2DB-062DEE815A1E", "04FE9017-F873-410E-871E-AB91661A4EF7",
    "0512B874-44F6-48F1-AFB5-6DE808DDE230", "05F983EC-637F-4133-B489-5E03914929D7",
    "0B390488-D80F-4A68-8408-48DC199F0E97", "0F40E1E5-4F79-4988-B1A9-CC98794E6B55",
    "1F71651E-65D2-40BF-AC44-275D11927D99", "3E3ECA90-4D6A-4344-98C3-1BB95BF24038",
    "49590BC9-6DD5-4E44-AD4C-E8FCB7131EC4", "4DB2B5D9-4556-4340-B189-AD20110D953F",
    "5711D95F-0984-4A22-8FF8-90A954958D0C", "650DE05E-5CD3-44F8-BA20-A5BB91FC61E6",
    "7CA71B1E-A67D-4D54-A200-FA47605483A7", "87271B4E-1726-4CED-AF0D-BE675621FD29",
    "8E9922F0-B775-45B8-B650-941BEA790EEB", "9A98ADCC-C6A4-449E-A8B1-0363673D9F8A",
    "A0606860-51BE-4CF6-99C0-7CE5F78AC2D8", "B86F6BEE-E7C0-4D03-8D52-5B4430CF6C88",
    "D6A9B8CC-192D-4F00-8BF8-AD8774011B07", "F6E8FC04-8B05-48B1-9399-848229502A06",
    "FFFCC670-5CD4-4C09-952C-F53F46C2B1A7",
});
constexpr auto kAc3filter = std::to_array<Ids>({
    "02AFA80F-4BEE-41FD-8572-214B58A9EF90",
    "363F46BE-27B4-4C8D-99E7-B1E049B84376",
    "90A9B7D2-3794-45EA-9E23-140E3938D2D9",
    "A6A695A2-B1AD-49A2-AD6F-FFB82E2A7832",
    "A753A1EC-973E-4718-AF8E-A3F554D45C44",
    "F0B801B1-A239-473B-B6B4-6AE3DB3ABBD3",
    "FBA5FB05-58C3-45CB-8B0D-C2313EA048CF",
});
constexpr auto kVsfilter = std::to_array<Ids>({
    "0180E49C-13BF-46DB-9AFD-9F52292E1C22",
    "525F116F-04AD-40A2-AE2F-A0C4E1AFEF98",
    "60765CF5-01C2-4EE7-A44B-C791CF25FEA0",
    "93A22E7A-5091-45EF-BA61-6DA26156A5D0",
    "9852A670-F845-491B-9BE6-EBD841B8A613",
    "A8B25C0E-0894-4531-B668-AB1599FAF7F6",
    "ACE4747B-35BD-4E97-9DD7-1D4245B0695C",
    "C2D6D98F-09CA-4524-AF64-1049B5665C9C",
    "CE77C59C-CFD2-429F-868C-8B04D23F94CA",
    "F544E0F5-CA3C-47EA-A64D-35FCF1602396",
});
constexpr auto kRealSplitter = std::to_array<Ids>({
    "238D0F23-5DC9-45A6-9BE2-666160C324DD",
    "765035B3-5944-4A94-806B-20EE3415F26F",
    "941A4793-A705-4312-8DFC-C11CA05F397E",
    "E21BE468-5C18-43EB-B0CC-DB93A847D769",
});
constexpr auto kVp7dec = std::to_array<Ids>({
    "C204438D-6E1A-4309-B09C-0C0F749863AF",
    "EBCBF283-A798-4BA1-A8E1-E9413927F715",
});
constexpr auto kOgm = std::to_array<Ids>({"DB43B405-43AA-4f01-82D8-D84D47E6019C"});
constexpr auto kMp4 = std::to_array<Ids>({"B3DE7EDC-0CD4-4d07-B1C5-92219CD475CC"});
constexpr auto kMkx = std::to_array<Ids>({
    "53D9DE0B-FC61-4650-9773-74D13CC7E582",
    "64F2005C-6CF5-4652-B94F-600360B15B27",
    "BD4FB4BE-809D-487b-ADD6-F7D164247E52",
});
constexpr auto kAvi = std::to_array<Ids>({"51A00247-40A8-4845-9F17-7DBFCC9A8783"});
constexpr auto kTs = std::to_array<Ids>({"B841F346-4835-4de8-AA5E-2E7CD2D4C435"});
constexpr auto kMpegSplitter = std::to_array<Ids>({
    "1365BE7A-C86A-473C-9A41-C0A6E82C9FA3",
    "DC257063-045F-4BE2-BD5B-E12279C464F0",
});
constexpr auto kFlvSplitter = std::to_array<Ids>({
    "47E792CF-0BBE-4F7A-859C-194B0768650A",
    "C9ECE7B3-1D8E-41F5-9F24-B255DF16C087",
});
constexpr auto kRlApe = std::to_array<Ids>({"41FAF0F4-DCEC-4F6A-82D2-56E100F2A8E5"});
constexpr auto kRlMpc = std::to_array<Ids>({"876B9304-359C-42E2-864E-B98B03F33C9D"});
constexpr auto kRlOfr = std::to_array<Ids>({"68D6728A-D715-492A-A57B-8DDA01F4921F"});
constexpr auto kMpeg2Dec = std::to_array<Ids>({
    "39F498AF-1A09-4275-B193-673B0BA3D478",
    "E5FB6957-65E6-491B-BB37-B25C9FE3BEA7",
});
constexpr auto kMadVr = std::to_array<Ids>({
    "E1A8B82A-32CE-4B0D-BE0D-AA68C772E423",
    "F352C9C1-D39D-4622-A279-978A60927CDE",
});

constexpr std::span<const Ids> kNone;

using A = PageArea;

// clang-format off
const auto kRows = std::to_array<FilterRow>({
    {"Check6",  "FFDshow",        "FFDshow (",        "filtres\\ffdshow.ax",
     "filtres\\ffdshow.ax",           kFfdshow,      A::Configurable,   "006"},
    {"Check11", "Ac3filter.ax",   "Ac3filter.ax (",   "filtres\\ac3filter.ax",
     "filtres\\ac3filter.ax",         kAc3filter,    A::Configurable,   "011"},
    {"Check10", "VSFilter",       "VSFilter (",       "filtres\\VSFilter.dll",
     "filtres\\VSFilter.dll",         kVsfilter,     A::Configurable,   "010"},
    {"Check9",  "RealSplitter",   "RealSplitter (",   "filtres\\RealMediaSplitter.ax",
     "filtres\\RealMediaSplitter.ax", kRealSplitter, A::Configurable,   "009"},
    {"Check12", "VP7dec",         "VP7dec (",         "filtres\\vp7dec.ax",
     "filtres\\vp7dec.ax",            kVp7dec,       A::Configurable,   "012"},
    {"Check13", "Norvi Splitter", "Norvi Splitter (", "filtres\\splitter.ax",
     "",                              kNone,         A::Configurable,   "013"},
    {"Check3",  "OGM Splitter",   "",                 "filtres\\ogm.dll",
     "filtres\\ogm.dll",              kOgm,          A::SplitterMember, "003"},
    {"Check1",  "MP4 Splitter",   "",                 "filtres\\mp4.dll",
     "filtres\\mp4.dll",              kMp4,          A::SplitterMember, "001"},
    {"Check2",  "MKV Splitter",   "",                 "filtres\\mkx.dll",
     "filtres\\mkx.dll",              kMkx,          A::SplitterMember, "002"},
    {"Check4",  "AVI Splitter",   "",                 "filtres\\avi.dll",
     "filtres\\avi.dll",              kAvi,          A::SplitterMember, "004"},
    {"Check5",  "TS Splitter",    "",                 "filtres\\ts.dll",
     "filtres\\ts.dll",               kTs,           A::SplitterMember, "005"},
    {"Check17", "MpegSplit",      "MpegSplit (",      "filtres\\MpegSplitter.ax",
     "filtres\\MpegSplitter.ax",      kMpegSplitter, A::Simple,         "017"},
    {"Check15", "FLVSplitter",    "FLVSplitter (",    "filtres\\FLVSplitter.ax",
     "filtres\\FLVSplitter.ax",       kFlvSplitter,  A::Simple,         "015"},
    {"Check18", "RLAPEDec",       "RLAPEDec (",       "filtres\\RLAPEDec.ax",
     "filtres\\RLAPEDec.ax",          kRlApe,        A::Simple,         "018"},
    {"Check19", "RLMPCDec",       "RLMPCDec (",       "filtres\\RLMPCDec.ax",
     "filtres\\RLMPCDec.ax",          kRlMpc,        A::Simple,         "019"},
    {"Check20", "RLOFRDec",       "RLOFRDec (",       "filtres\\RLOFRDec.ax",
     "filtres\\RLOFRDec.ax",          kRlOfr,        A::Simple,         "020"},
    {"Check16", "Mpeg2Dec",       "Mpeg2Dec (",       "filtres\\Mpeg2DecFilter.ax",
     "filtres\\Mpeg2DecFilter.ax",    kMpeg2Dec,     A::Hidden,         "016"},
    {"Check70", "MadVr",          "MadVr (",          "filtres\\madVR.ax",
     "filtres\\madvr.ax",             kMadVr,        A::Hidden,         "070"},
    {"Check14", "",               "",                 "",
     "",                              kNone,         A::Hidden,         "014"},
});
// clang-format on

// The registered classes are read library by library, in the order of the library
// names; the boxes' click behaviours run in that order as well.
constexpr auto kDetectionOrder = std::to_array<std::string_view>({
    "Check6",
    "Check11",
    "Check4",
    "Check15",
    "Check2",
    "Check1",
    "Check16",
    "Check17",
    "Check3",
    "Check9",
    "Check18",
    "Check19",
    "Check20",
    "Check5",
    "Check12",
    "Check10",
    "Check70",
});

constexpr auto kCaptionOrder = std::to_array<std::string_view>({
    "Check6",
    "Check9",
    "Check10",
    "Check11",
    "Check12",
    "Check13",
    "Check17",
    "Check15",
    "Check16",
    "Check18",
    "Check19",
    "Check20",
    "Check70",
});

// The splitter group stands for one step of the pass, between VP7dec and MpegSplit;
// FFDshow comes last.
constexpr auto kRegistrationOrder = std::to_array<std::string_view>({
    "Check11",
    "Check9",
    "Check10",
    "Check12",
    kSplitterMaster,
    "Check17",
    "Check15",
    "Check16",
    "Check18",
    "Check19",
    "Check20",
    "Check70",
    "Check6",
});

constexpr auto kSplitterMembers = std::to_array<std::string_view>({
    "Check1",
    "Check2",
    "Check3",
    "Check4",
    "Check5",
});
constexpr auto kSplitterRegisterOrder = std::to_array<std::string_view>({
    "Check1",
    "Check2",
    "Check3",
    "Check4",
    "Check5",
});
constexpr auto kSplitterUnregisterOrder = std::to_array<std::string_view>({
    "Check4",
    "Check2",
    "Check1",
    "Check3",
    "Check5",
});

}  // namespace

std::span<const FilterRow> Catalogue() {
    return kRows;
}

const FilterRow& Row(std::string_view box) {
    for (const auto& row : kRows) {
        if (row.box == box) {
            return row;
        }
    }
    throw std::out_of_range("no filter row for " + std::string(box));
}

std::span<const std::string_view> DetectionOrder() {
    return kDetectionOrder;
}
std::span<const std::string_view> CaptionOrder() {
    return kCaptionOrder;
}
std::span<const std::string_view> RegistrationOrder() {
    return kRegistrationOrder;
}
std::span<const std::string_view> SplitterMembers() {
    return kSplitterMembers;
}
std::span<const std::string_view> SplitterRegisterOrder() {
    return kSplitterRegisterOrder;
}
std::span<const std::string_view> SplitterUnregisterOrder() {
    return kSplitterUnregisterOrder;
}

size_t CountClsids() {
    size_t count = 0;
    for (const auto& row : kRows) {
        count += row.clsids.size();
    }
    return count;
}

}  // namespace tzp::filters
