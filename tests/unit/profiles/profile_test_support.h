#pragma once
// Shared by the profile tests: a stand-in for the registry editor's export and text
// helpers for its UTF-16 output.
#include <map>
#include <string>

#include "fakes/fake_system.h"
#include "platform/utf8.h"

namespace tzp::profiles::testing {

inline constexpr const char* kTemporaryExport = "C:\\Pack\\Sav\\temp.txt";

// UTF-8 text as the registry editor writes it: UTF-16LE with its byte-order mark.
inline std::string Utf16Le(std::string_view utf8, bool withMark = true) {
    std::string out = withMark ? "\xFF\xFE" : "";
    auto unit = [&](char32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>((u >> 8) & 0xFF));
    };
    for (char32_t cp : platform::Utf8ToCodePoints(utf8)) {
        if (cp >= 0x10000) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out;
}

// Acts as "regedit.exe /e /s <file> <key>": writes the export of the key when it has
// one (the bytes as given), nothing for a missing key. Other command lines start and
// do nothing.
struct FakeRegistryEditor {
    std::map<std::string, std::string> exports;  // full key name -> export bytes
    std::vector<std::string> exportedKeys;

    void Install(fakes::FakeSystem& sys) {
        sys.processes.onStart = [this, &sys](const std::string& commandLine) {
            const std::string prefix = "regedit.exe /e /s \"";
            if (commandLine.rfind(prefix, 0) != 0) {
                return true;
            }
            const size_t fileEnd = commandLine.find('"', prefix.size());
            const std::string file = commandLine.substr(prefix.size(), fileEnd - prefix.size());
            const size_t keyStart = commandLine.find('"', fileEnd + 1) + 1;
            const std::string key = commandLine.substr(keyStart, commandLine.size() - 1 - keyStart);
            exportedKeys.push_back(key);
            const auto it = exports.find(key);
            if (it != exports.end()) {
                sys.files.AddFile(file, it->second);
            }
            return true;
        };
    }
};

}  // namespace tzp::profiles::testing
