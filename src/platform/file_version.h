#pragma once
// The display texts of a file's version resource: the version shown beside every filter
// and the player, and the file's type, copyright and description.
#include <array>
#include <cstdint>
#include <string>

#include "platform/version_info.h"

namespace tzp::platform {

struct FileVersionTexts {
    std::string version;      // "version 1.0.3.1444", or "Erreur"
    std::string fileType;     // "Dynamic Link Library (DLL)", ...
    std::string copyright;    // LegalCopyright of the first translation
    std::string description;  // FileDescription of the first translation
};

// Overwrites the four texts from the file's version resource. A file that is missing
// or has none sets only `version`, to "Erreur", and leaves the other three as they were.
// A value the resource lacks (no translation table, no such string) reads as empty.
void ReadFileVersionInfo(VersionService& versions, const std::string& path,
                         FileVersionTexts& texts);

// The name of a VS_FIXEDFILEINFO file type.
std::string FileTypeName(uint32_t fileType);

}  // namespace tzp::platform
