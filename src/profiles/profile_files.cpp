#include "profiles/profile_files.h"

#include "platform/lines.h"
#include "platform/text.h"

namespace tzp::profiles {

std::string StateFilePath(const PackServices& pack, std::string_view name) {
    return ProfileFolder(pack) + std::string(name) + ".sav";
}

std::string RegistryFilePath(const PackServices& pack, std::string_view name) {
    return ProfileFolder(pack) + std::string(name) + ".reg";
}

std::string TemporaryExportPath(const PackServices& pack) {
    return ProfileFolder(pack) + "temp.txt";
}

std::string BuildStateFile(const ui::Form& form) {
    std::string out;
    for (const auto& row : kStateRows) {
        out += row.id;
        out += ' ';
        out += std::to_string(form.Value(row.box));
        out += "\r\n";
    }
    return out;
}

std::optional<std::string> FindStateValue(std::string_view content, std::string_view id) {
    return platform::FindIdLine(content, id);
}

std::optional<std::string> FindStateValue(const std::vector<std::string_view>& lines,
                                          std::string_view id) {
    return platform::FindIdLine(lines, id);
}

std::optional<int> ParseBoxState(std::string_view value) {
    // Surrounding blanks are tolerated, as a hand-edited file may hold them; the
    // number itself is digits with an optional fraction, which is dropped.
    value = platform::TrimBlanks(value);
    const size_t point = value.find('.');
    const std::string_view whole = value.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : value.substr(point + 1);
    auto allDigits = [](std::string_view digits) {
        for (char c : digits) {
            if (c < '0' || c > '9') {
                return false;
            }
        }
        return true;
    };
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    size_t first = 0;
    while (first + 1 < whole.size() && whole[first] == '0') {
        ++first;
    }
    if (whole.size() - first != 1 || whole[first] > '2') {
        return std::nullopt;
    }
    return whole[first] - '0';
}

}  // namespace tzp::profiles
