// How long the decoder views take to read with 500 registered filters, as the details
// view and /decoders read them (both registry views: the filters, their data and
// servers, the preferred decoders, the extensions' source filters and byte-stream
// handlers, the pack's classes), against the same registry reads made raw in one loop.
// Prints the fastest of the rounds of each and their ratio; asserts nothing. It writes
// its filters to the registry of the prefix it runs in and removes them again, so run it
// in a prefix of its own (tests/support/wine-run.sh gives one).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assoc/catalogue.h"
#include "decoders/broken.h"
#include "decoders/extensions.h"
#include "decoders/ranking.h"
#include "fakes/filter_data_blob.h"
#include "filters/catalogue.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide.h"

namespace {

using Clock = std::chrono::steady_clock;
using tzp::decoders::View;
using tzp::platform::Widen;

constexpr int kFilters = 500;
const std::wstring kInstance = L"CLSID\\{083863F1-70DE-11D0-BD40-00A0C911CE86}\\Instance";

std::vector<std::string> PackClasses() {
    std::vector<std::string> classes;
    for (const auto& row : tzp::filters::Catalogue()) {
        for (const auto clsid : row.clsids) {
            // Appended, not "{" + ...: GCC 12 warns falsely of such a sum on i686.
            std::string braced = "{";
            braced += clsid;
            braced += '}';
            classes.push_back(braced);
        }
    }
    return classes;
}

std::vector<std::string> Extensions() {
    std::vector<std::string> all(tzp::assoc::kVideoExtensions.begin(),
                                 tzp::assoc::kVideoExtensions.end());
    all.insert(all.end(), tzp::assoc::kAudioExtensions.begin(), tzp::assoc::kAudioExtensions.end());
    return all;
}

std::string Clsid(int n, const std::vector<std::string>& pack) {
    if (n < 20) {
        return pack[static_cast<size_t>(n)];  // twenty of the pack's classes among them
    }
    char text[40];
    std::snprintf(text, sizeof text, "{BE4C%04X-0000-4000-8000-000000000000}", n);
    return text;
}

void SetValue(const std::wstring& key, const wchar_t* name, DWORD type, const std::string& bytes) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, type, bytes.data(),
                    static_cast<DWORD>(bytes.size()));
}

std::string Utf16(const std::string& ascii) {
    std::string bytes;
    for (const char c : ascii + '\0') {
        bytes += {c, '\0'};
    }
    return bytes;
}

// Five hundred filters of twenty video subtypes, merits spread, every class registered.
void WriteFilters(const std::vector<std::string>& pack) {
    const auto video = *tzp::decoders::ParseGuid("{73646976-0000-0010-8000-00AA00389B71}");
    for (int n = 0; n < kFilters; ++n) {
        const std::string clsid = Clsid(n, pack);
        auto subtype = *tzp::decoders::ParseGuid("{34363248-0000-0010-8000-00AA00389B71}");
        subtype.bytes[0] = static_cast<uint8_t>('A' + n % 20);
        const std::string data = tzp::fakes::FilterDataBlob(
            tzp::fakes::DecoderData(0x200000 + static_cast<uint32_t>(n) * 977, {{video, subtype}}));
        const std::wstring entry = kInstance + L"\\" + Widen(clsid);
        SetValue(entry, L"CLSID", REG_SZ, Utf16(clsid));
        SetValue(entry, L"FriendlyName", REG_SZ, Utf16("Bench filter " + std::to_string(n)));
        SetValue(entry, L"FilterData", REG_BINARY, data);
        SetValue(L"CLSID\\" + Widen(clsid) + L"\\InprocServer32", nullptr, REG_SZ,
                 Utf16("C:\\windows\\system32\\quartz.dll"));
    }
}

void RemoveFilters(const std::vector<std::string>& pack) {
    for (int n = 0; n < kFilters; ++n) {
        const std::string clsid = Clsid(n, pack);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (kInstance + L"\\" + Widen(clsid)).c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + Widen(clsid)).c_str());
    }
}

REGSAM Flag(View view) {
    return view == View::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

// Every value of a key, raw; the count of values read.
size_t RawValues(HKEY root, const std::wstring& key, REGSAM flag) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | flag, &opened) != ERROR_SUCCESS) {
        return 0;
    }
    wchar_t name[16384];
    BYTE data[4096];
    size_t count = 0;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = 16384, size = sizeof data, type = 0;
        if (RegEnumValueW(opened, index, name, &nameLength, nullptr, &type, data, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        ++count;
    }
    RegCloseKey(opened);
    return count;
}

std::vector<std::wstring> RawSubKeys(HKEY root, const std::wstring& key, REGSAM flag) {
    std::vector<std::wstring> names;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | flag, &opened) ==
        ERROR_SUCCESS) {
        wchar_t name[256];
        for (DWORD index = 0;; ++index) {
            DWORD length = 256;
            if (RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                break;
            }
            names.emplace_back(name, length);
        }
        RegCloseKey(opened);
    }
    return names;
}

bool RawRead(HKEY root, const std::wstring& key, const wchar_t* name, REGSAM flag) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | flag, &opened) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t data[1024];
    DWORD size = sizeof data, type = 0;
    const bool read = RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(data),
                                       &size) == ERROR_SUCCESS;
    RegCloseKey(opened);
    if (read && type == REG_SZ && size >= sizeof(wchar_t)) {
        data[std::min<size_t>(size / sizeof(wchar_t), 1023)] = 0;
        GetFileAttributesW(data);
    }
    return read;
}

// The reads the views make, raw: per view the category's entries, each entry's values
// and class server, the preferred decoders, the extensions, the handlers, the pack's
// classes without an entry.
size_t RawRound(const std::vector<std::string>& pack, const std::vector<std::string>& extensions) {
    size_t reads = 0;
    for (const View view : {View::Bits32, View::Bits64}) {
        const REGSAM flag = Flag(view);
        for (const auto& entry : RawSubKeys(HKEY_CLASSES_ROOT, kInstance, flag)) {
            reads += RawValues(HKEY_CLASSES_ROOT, kInstance + L"\\" + entry, flag);
            reads +=
                RawRead(HKEY_CLASSES_ROOT, L"CLSID\\" + entry + L"\\InprocServer32", L"", flag);
        }
        reads += RawValues(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\DirectShow\\Preferred", flag);
        for (const auto& extension : extensions) {
            reads += RawRead(HKEY_CLASSES_ROOT, L"Media Type\\Extensions\\" + Widen(extension),
                             L"Source Filter", flag);
        }
        reads +=
            RawSubKeys(HKEY_LOCAL_MACHINE,
                       L"SOFTWARE\\Microsoft\\Windows Media Foundation\\ByteStreamHandlers", flag)
                .size();
        for (size_t i = 20; i < pack.size(); ++i) {
            reads += RawRead(HKEY_CLASSES_ROOT, L"CLSID\\" + Widen(pack[i]) + L"\\InprocServer32",
                             L"", flag);
        }
    }
    return reads;
}

size_t ViewsRound(const std::vector<std::string>& extensions) {
    tzp::platform::Win32Registry registry;
    tzp::platform::Win32Files files;
    size_t candidates = 0;
    for (const View view : {View::Bits32, View::Bits64}) {
        const auto registrations = tzp::decoders::ReadRegistrations(registry, view);
        for (const auto& format : tzp::decoders::RankPackFormats(registrations)) {
            candidates += format.candidates.size();
        }
        candidates += tzp::decoders::ReadExtensionSources(registry, view, extensions).size();
        candidates += tzp::decoders::FindBrokenEntries(registry, files, registrations).size();
    }
    return candidates;
}

template <typename Round>
double FastestMs(int rounds, Round round) {
    double fastest = 1e12;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        volatile size_t sink = round();
        (void)sink;
        fastest = std::min(fastest,
                           std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return fastest;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    const auto pack = PackClasses();
    const auto extensions = Extensions();
    WriteFilters(pack);
    ViewsRound(extensions);  // a warm-up of each, so both meet a registry that has run
    RawRound(pack, extensions);
    const double views = FastestMs(rounds, [&] { return ViewsRound(extensions); });
    const double raw = FastestMs(rounds, [&] { return RawRound(pack, extensions); });
    RemoveFilters(pack);
    std::printf("decoder views, %d registered filters, both registry views, fastest of %d:\n",
                kFilters, rounds);
    std::printf("  read and ranked: %.1f ms (goal: within 300 ms)\n", views);
    std::printf("  the same registry reads, raw: %.1f ms\n", raw);
    std::printf("  ratio: %.2f (goal: within 1.5)\n", views / raw);
    return 0;
}
