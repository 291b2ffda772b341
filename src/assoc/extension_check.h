#pragma once
// What a typed extension must be before it may name a registry key or a line of the
// personal list file.
#include <string>
#include <string_view>

namespace tzp::assoc {

// The extension a typed text stands for: a leading dot is dropped and one put back,
// so "avi" and ".avi" both give ".avi". Nothing else is changed.
std::string NormaliseExtension(std::string_view typed);

// True when the typed text is "exe" or ".exe" in any mix of case: the one refusal with
// a message of its own.
bool IsExeTyped(std::string_view typed);

// An extension (with its dot) that can safely be part of a registry path and of a file
// line: not "." or "..", none of \ / : * ? " < > |, no control character, no " (" (which
// would break the list entry format), and only characters the ANSI code page holds,
// since the list file is kept in that code page. Device names (".con", ".nul") are
// fine: with its dot an extension never becomes a file or device name of its own.
bool IsAcceptableExtension(std::string_view extension);

// Extensions of files Windows runs by itself. Associating one of them with a player
// would stop every such program from starting.
bool IsProgramType(std::string_view extension);

}  // namespace tzp::assoc
