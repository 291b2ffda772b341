#include "decoders/registrations.h"

#include "platform/text.h"
#include "platform/utf16.h"
#include "platform/utf8.h"

namespace tzp::decoders {

using platform::RegRoot;

namespace {

constexpr std::string_view kInstanceKey = "CLSID\\{083863F1-70DE-11D0-BD40-00A0C911CE86}\\Instance";
constexpr std::string_view kPreferredKey = "SOFTWARE\\Microsoft\\DirectShow\\Preferred";

std::string FullName(const platform::RegName& name, std::string_view valueName = {}) {
    const std::string root = name.root == RegRoot::ClassesRoot ? "HKCR\\" : "HKLM\\";
    return root + name.key + "\\" + std::string(valueName);
}

// Takes one value of an Instance entry into the filter.
void TakeValue(RegisteredFilter& filter, const platform::RegNamedValue& value,
               std::optional<Guid>& clsidValue) {
    const std::string name = platform::AsciiLower(value.name);
    if (name == "clsid") {
        if (const auto text = StringData(value.data)) {
            clsidValue = ParseGuid(*text);
        }
    } else if (name == "friendlyname") {
        filter.friendlyName = StringData(value.data).value_or("");
    } else if (name == "filterdata") {
        if (value.data.type != platform::kRegBinary) {
            filter.dataProblem = "notBinary";
            return;
        }
        auto parsed = ParseFilterData(value.data.bytes);
        if (auto* data = std::get_if<FilterData>(&parsed)) {
            filter.data = std::move(*data);
            filter.dataProblem.clear();
        } else {
            filter.dataProblem = std::get<FilterDataFault>(parsed).what;
        }
    }
}

// One entry of the category, or nullopt (and the reason, named) when it names no class.
std::optional<RegisteredFilter> ReadEntry(platform::RegistryService& registry, View view,
                                          const std::string& entry, ViewRegistrations& into) {
    const auto name =
        NameInView(view, RegRoot::ClassesRoot, std::string(kInstanceKey) + "\\" + entry);
    const auto values = registry.Values(name);
    if (!values) {
        into.unreadable.push_back({FullName(name), "cannotOpen"});
        return std::nullopt;
    }
    RegisteredFilter filter;
    filter.instanceKey = entry;
    filter.dataProblem = "absent";
    std::optional<Guid> clsidValue;
    for (const auto& value : *values) {
        TakeValue(filter, value, clsidValue);
    }
    // The mapper names the class in the CLSID value; the key's own name is the same id
    // when a filter registers itself, and stands in for a missing value.
    const auto clsid = clsidValue ? clsidValue : ParseGuid(entry);
    if (!clsid) {
        into.unreadable.push_back({FullName(name, "CLSID"), "noClsid"});
        return std::nullopt;
    }
    filter.clsid = *clsid;
    if (!filter.dataProblem.empty()) {
        into.unreadable.push_back({FullName(name, "FilterData"), filter.dataProblem});
    }
    filter.server = registry.Read(
        NameInView(view, RegRoot::ClassesRoot, "CLSID\\" + GuidText(*clsid) + "\\InprocServer32"));
    return filter;
}

void ReadPreferred(platform::RegistryService& registry, View view, ViewRegistrations& into) {
    const auto name = NameInView(view, RegRoot::LocalMachine, std::string(kPreferredKey));
    const auto values = registry.Values(name);
    if (!values) {
        return;  // Windows before 7, or nothing preferred: the merits decide alone
    }
    for (const auto& value : *values) {
        const auto subtype = ParseGuid(value.name);
        const auto text = StringData(value.data);
        const auto decoder = text ? ParseGuid(*text) : std::nullopt;
        if (!subtype || !decoder) {
            into.unreadable.push_back({FullName(name, value.name), "notAClassId"});
            continue;
        }
        const std::string classKey = "CLSID\\" + GuidText(*decoder);
        into.preferred[*subtype] = PreferredDecoder{
            *decoder, registry.Read(NameInView(view, RegRoot::ClassesRoot, classKey)).value_or(""),
            registry.Read(NameInView(view, RegRoot::ClassesRoot, classKey + "\\InprocServer32"))};
    }
}

}  // namespace

std::string_view ViewName(View view) {
    return view == View::Bits32 ? "32" : "64";
}

platform::RegName NameInView(View view, RegRoot root, std::string key, std::string valueName) {
    platform::RegName name;
    name.root = root;
    name.key = std::move(key);
    name.valueName = std::move(valueName);
    name.systemView = view == View::Bits64;
    name.wow32View = view == View::Bits32;
    return name;
}

std::optional<std::string> StringData(const platform::RegData& data) {
    if (data.type != platform::kRegSz && data.type != platform::kRegExpandSz) {
        return std::nullopt;
    }
    std::u32string text = platform::Utf16LeToCodePoints(data.bytes);
    if (const size_t nul = text.find(U'\0'); nul != std::u32string::npos) {
        text.resize(nul);
    }
    return platform::CodePointsToUtf8(text);
}

ViewRegistrations ReadRegistrations(platform::RegistryService& registry, View view) {
    ViewRegistrations into;
    into.view = view;
    const auto entries =
        registry.SubKeyNames(NameInView(view, RegRoot::ClassesRoot, std::string(kInstanceKey)));
    into.categoryFound = entries.has_value();
    for (const auto& entry : entries.value_or(std::vector<std::string>{})) {
        if (auto filter = ReadEntry(registry, view, entry, into)) {
            into.filters.push_back(std::move(*filter));
        }
    }
    ReadPreferred(registry, view, into);
    return into;
}

}  // namespace tzp::decoders
