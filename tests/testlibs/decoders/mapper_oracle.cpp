// Windows' own filter mapper, as the oracle of the decoder ranking: it registers a fixed
// set of test filters through IFilterMapper2::RegisterFilter (their classes registered to
// this program's own file, so that they count as made-able), removes them again, or
// lists, one class id a line into a file, the filters that IFilterMapper2::
// EnumMatchingFilters returns for a media type, in its order. A separate process, since
// a malformed FilterData elsewhere in the registry can crash the mapper.
//
//   mapper_oracle register | unregister
//   mapper_oracle enum OUTFILE {major} {subtype}
#include <windows.h>

#include <dshow.h>

#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

namespace {

struct TestFilter {
    const wchar_t* clsid;
    const wchar_t* name;
    DWORD merit;
    const wchar_t* major;  // nullptr: GUID_NULL
    const wchar_t* subtype;
    bool output;  // its only pin is an output pin
};

constexpr const wchar_t* kVideo = L"{73646976-0000-0010-8000-00AA00389B71}";
constexpr const wchar_t* kAudio = L"{73647561-0000-0010-8000-00AA00389B71}";
constexpr const wchar_t* kH264 = L"{34363248-0000-0010-8000-00AA00389B71}";
constexpr const wchar_t* kAac = L"{000000FF-0000-0010-8000-00AA00389B71}";

// The pack's FFDshow and Ac3filter classes among competitors: a higher merit, one at
// MERIT_DO_NOT_USE, wildcards on either GUID, a lower merit, an output pin only. No two
// merits are equal, since the mapper's order of equals is not defined.
const TestFilter kFilters[] = {
    {L"{04FE9017-F873-410E-871E-AB91661A4EF7}", L"Pack Video", 0x600010, kVideo, kH264, false},
    {L"{7E570001-0000-4000-8000-000000000001}", L"Higher H.264", 0x800010, kVideo, kH264, false},
    {L"{7E570002-0000-4000-8000-000000000002}", L"Do Not Use", 0x200000, kVideo, kH264, false},
    {L"{7E570003-0000-4000-8000-000000000003}", L"Any Video", 0x600020, kVideo, nullptr, false},
    {L"{02AFA80F-4BEE-41FD-8572-214B58A9EF90}", L"Pack Audio", 0x600030, kAudio, kAac, false},
    {L"{7E570004-0000-4000-8000-000000000004}", L"Lower AAC", 0x500000, kAudio, kAac, false},
    {L"{7E570005-0000-4000-8000-000000000005}", L"Any Major AAC", 0x600040, nullptr, kAac, false},
    {L"{7E570006-0000-4000-8000-000000000006}", L"Output H.264", 0x900000, kVideo, kH264, true},
};

GUID Guid(const wchar_t* text) {
    GUID guid = GUID_NULL;
    if (text != nullptr) {
        CLSIDFromString(text, &guid);
    }
    return guid;
}

std::wstring OwnPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

bool RegisterClassServer(const TestFilter& filter) {
    const std::wstring key = std::wstring(L"CLSID\\") + filter.clsid + L"\\InprocServer32";
    const std::wstring path = OwnPath();
    return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, path.c_str(),
                           static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

int Register(IFilterMapper2* mapper) {
    for (const auto& filter : kFilters) {
        const GUID major = Guid(filter.major);
        const GUID subtype = Guid(filter.subtype);
        REGPINTYPES type = {&major, &subtype};
        REGFILTERPINS2 pin = {};
        pin.dwFlags = filter.output ? REG_PINFLAG_B_OUTPUT : 0;
        pin.cInstances = 1;
        pin.nMediaTypes = 1;
        pin.lpMediaType = &type;
        REGFILTER2 data = {};
        data.dwVersion = 2;
        data.dwMerit = filter.merit;
        data.cPins2 = 1;
        data.rgPins2 = &pin;
        const GUID clsid = Guid(filter.clsid);
        if (FAILED(mapper->RegisterFilter(clsid, filter.name, nullptr,
                                          &CLSID_LegacyAmFilterCategory, nullptr, &data)) ||
            !RegisterClassServer(filter)) {
            return 1;
        }
    }
    return 0;
}

int Unregister(IFilterMapper2* mapper) {
    for (const auto& filter : kFilters) {
        mapper->UnregisterFilter(&CLSID_LegacyAmFilterCategory, nullptr, Guid(filter.clsid));
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + filter.clsid).c_str());
    }
    return 0;
}

std::string ClassOf(IMoniker* moniker) {
    IPropertyBag* bag = nullptr;
    std::string text;
    if (SUCCEEDED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                         reinterpret_cast<void**>(&bag)))) {
        VARIANT value;
        VariantInit(&value);
        if (SUCCEEDED(bag->Read(L"CLSID", &value, nullptr)) && value.vt == VT_BSTR) {
            for (const wchar_t* c = value.bstrVal; *c != 0; ++c) {
                text.push_back(static_cast<char>(towupper(*c)));
            }
        }
        VariantClear(&value);
        bag->Release();
    }
    return text;
}

int Enumerate(IFilterMapper2* mapper, const wchar_t* outFile, const wchar_t* major,
              const wchar_t* subtype) {
    const GUID types[2] = {Guid(major), Guid(subtype)};
    IEnumMoniker* found = nullptr;
    if (FAILED(mapper->EnumMatchingFilters(&found, 0, FALSE, MERIT_DO_NOT_USE + 1, TRUE, 1, types,
                                           nullptr, nullptr, FALSE, FALSE, 0, nullptr, nullptr,
                                           nullptr)) ||
        found == nullptr) {
        return 1;
    }
    std::string lines;
    IMoniker* moniker = nullptr;
    while (found->Next(1, &moniker, nullptr) == S_OK) {
        lines += ClassOf(moniker) + "\n";
        moniker->Release();
    }
    found->Release();
    FILE* out = _wfopen(outFile, L"wb");
    if (out == nullptr) {
        return 1;
    }
    std::fwrite(lines.data(), 1, lines.size(), out);
    return std::fclose(out) == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 2;
    }
    IFilterMapper2* mapper = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFilterMapper2, reinterpret_cast<void**>(&mapper)))) {
        return 3;
    }
    const std::wstring mode = argv[1];
    int result = 2;
    if (mode == L"register") {
        result = Register(mapper);
    } else if (mode == L"unregister") {
        result = Unregister(mapper);
    } else if (mode == L"enum" && argc == 5) {
        result = Enumerate(mapper, argv[2], argv[3], argv[4]);
    }
    mapper->Release();
    CoUninitialize();
    return result;
}
