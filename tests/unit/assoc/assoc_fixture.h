#pragma once
// A started control panel with helpers to put file types into the fake registry.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fakes/fake_system.h"

namespace tzp::assoc_test {

inline constexpr const char* kExtsPath = "C:\\Pack\\Settings\\exts.ini";
inline constexpr const char* kNotAssociated = "en 029";
inline constexpr const char* kUserExts =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

struct AssocTest : ::testing::Test {
    fakes::FakeSystem sys;

    void SetUp() override { sys.InstallStandardPack(); }

    // A class key naming `progId`, whose "open" verb runs `command`.
    void FileType(const std::string& ext, const std::string& progId, const std::string& command) {
        sys.registry.Set("HKCR\\" + ext + "\\", progId);
        sys.registry.Set("HKCR\\" + progId + "\\shell\\open\\command\\", command);
    }

    std::vector<std::string> Texts(const char* list) const {
        std::vector<std::string> texts;
        for (const auto& entry : sys.form->Entries(list)) {
            texts.push_back(entry.text);
        }
        return texts;
    }

    std::string Value(const std::string& fullName) const {
        const auto value = sys.registry.Get(fullName);
        return value ? value->data : "<absent>";
    }

    // Replaces (or, with nullptr, drops) the line of an id in the English language file.
    void SetLanguageLine(const std::string& id, const char* text) {
        std::string content;
        for (int n = 0; n <= 999; ++n) {
            char buffer[4];
            std::snprintf(buffer, sizeof buffer, "%03d", n);
            if (buffer == id) {
                if (text != nullptr) {
                    content += id + "=" + text + "\r\n";
                }
            } else if (n <= 70 || n >= 997) {
                content += std::string(buffer) + "=en " + buffer + "\r\n";
            }
        }
        sys.files.AddFile("C:\\Pack\\Langs\\en.ini", content);
    }

    std::string ExtsFile() const { return sys.files.Content(kExtsPath).value_or("<absent>"); }
};

}  // namespace tzp::assoc_test
