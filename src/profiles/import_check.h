#pragma once
// What a profile registry file may write before the registry editor imports it. The
// editor runs with administrator rights and the Sav folder may be writable by others,
// so a profile's file may only touch the filters' own settings: the twelve keys a save
// exports, and the keys below them.
#include <optional>
#include <string>
#include <string_view>

namespace tzp::profiles {

// The first section ("[key]" or "[-key]") of a registry file that names neither one of
// the profile keys nor a key below one, as written in the file (UTF-8, without the
// line's surrounding blanks); nullopt when every section is a profile key's.
// `fileBytes` is the file as the editor reads it: UTF-16 with its byte-order mark
// ("Windows Registry Editor Version 5.00"), else 8-bit text ("REGEDIT4").
std::optional<std::string> FindRefusedSection(std::string_view fileBytes);

}  // namespace tzp::profiles
