#pragma once
// What one registry view says about the DirectShow filters: every entry of the filter
// category's `Instance` key, with its filter data and the file its class is registered
// to, and Windows' preferred decoders. A 32-bit player reads the 32-bit view and a
// 64-bit player the 64-bit one; each has its own of all of these.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "decoders/filter_data.h"
#include "decoders/guid.h"
#include "platform/registry.h"

namespace tzp::decoders {

enum class View { Bits32, Bits64 };

// "32", "64": how the output names a view.
std::string_view ViewName(View view);

// A registry name in a view: the 64-bit one is the system's own view, the 32-bit one
// what a 32-bit program sees, whichever this program is.
platform::RegName NameInView(View view, platform::RegRoot root, std::string key,
                             std::string valueName = {});

struct RegisteredFilter {
    Guid clsid;
    std::string instanceKey;   // the entry's key name below Instance, as stored
    std::string friendlyName;  // empty when the entry has none
    std::optional<FilterData> data;
    // Why the filter data cannot be read ("absent", "notBinary", or the parser's word);
    // empty when it was read.
    std::string dataProblem;
    // The default of the class's InprocServer32 key; nullopt when the class is not
    // registered.
    std::optional<std::string> server;
};

// An entry or value that could not be read, named so that the user can find it.
struct UnreadableEntry {
    std::string name;  // the full registry name
    std::string problem;
};

// Windows' preferred decoder of a subtype: the class, what its key calls it, and the file
// it is registered to (nullopt when the class is not registered: it cannot win).
struct PreferredDecoder {
    Guid clsid;
    std::string name;
    std::optional<std::string> server;
};

struct ViewRegistrations {
    View view = View::Bits32;
    bool categoryFound = false;  // the filter category's Instance key could be opened
    std::vector<RegisteredFilter> filters;
    // Windows' preferred decoder of each media subtype.
    std::map<Guid, PreferredDecoder> preferred;
    std::vector<UnreadableEntry> unreadable;
};

// Reads a view: one listing of the Instance key, one of each entry, one read of each
// class's server, one listing of the preferred decoders and two reads for each of them.
ViewRegistrations ReadRegistrations(platform::RegistryService& registry, View view);

// The text of a string value's data (UTF-16LE, up to its first terminator); nullopt for
// a value of another type.
std::optional<std::string> StringData(const platform::RegData& data);

}  // namespace tzp::decoders
