#pragma once
// The registry editor's export of one key, turned into lines of a profile registry
// file. The editor writes UTF-16 text headed "Windows Registry Editor Version 5.00",
// whose string payloads (hex(1), hex(2), hex(7)) are UTF-16 too; the profile file is
// the older 8-bit layout headed "REGEDIT4", in the ANSI code page, whose importer reads
// those payloads as ANSI strings. An 8-bit export (REGEDIT4) is taken as it stands.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tzp::profiles {

struct ConvertedExport {
    // The export without its header line, in the ANSI code page, without line ends.
    std::vector<std::string> lines;
    // Entries the ANSI code page cannot hold, left out rather than written with '?'
    // in place of their characters (an import would then overwrite a good setting
    // with a wrong one). UTF-8: a key name, or a key name and a value name.
    std::vector<std::string> leftOut;
};

// nullopt when the bytes are not an export of `key` (a full key name such as
// "HKEY_CURRENT_USER\Software\GNU\ffdshow"): no known header, or a section outside
// the key, which is never appended.
std::optional<ConvertedExport> ConvertKeyExport(std::string_view exportBytes, std::string_view key);

}  // namespace tzp::profiles
