#include "assoc/settings_page.h"

#include <charconv>
#include <string_view>

#include "assoc/registered_app.h"

namespace tzp::assoc {

namespace {

uint32_t ReadNumber(PackServices& pack, std::string_view valueName) {
    const auto text =
        pack.sys.registry
            .Read(MachineName("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", valueName))
            .value_or("");
    uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

// Letters, digits and "-._~" stand as they are in an address; every other byte is
// written as %XX.
std::string AddressEscaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') ||
            std::string_view("-._~").find(c) != std::string_view::npos) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        }
    }
    return escaped;
}

}  // namespace

WindowsBuild ReadWindowsBuild(PackServices& pack) {
    return {ReadNumber(pack, "CurrentBuildNumber"), ReadNumber(pack, "UBR")};
}

bool SettingsOpenOnAnApplication(WindowsBuild build) {
    if (build.number >= 22631) {
        return true;
    }
    if (build.number >= 22621) {
        return build.revision >= 1555;
    }
    return build.number == 22000 && build.revision >= 1817;
}

std::string PackSettingsAddress() {
    return "ms-settings:defaultapps?registeredAppMachine=" + AddressEscaped(kRegisteredAppName);
}

std::string DefaultAppsAddress(WindowsBuild build, bool packRegistered) {
    if (packRegistered && SettingsOpenOnAnApplication(build)) {
        return PackSettingsAddress();
    }
    // 10240 is the first build of Windows 10, the first with the Settings app's page.
    return build.number >= 10240 ? "ms-settings:defaultapps" : "";
}

platform::Status OpenDefaultAppsSettings(PackServices& pack) {
    const std::string address =
        DefaultAppsAddress(ReadWindowsBuild(pack), IsRegisteredApplication(pack));
    if (!address.empty()) {
        if (auto status = pack.sys.shell.OpenAddress(address); status.ok()) {
            return status;
        }
    }
    return pack.sys.shell.OpenDefaultProgramsSettings();
}

}  // namespace tzp::assoc
