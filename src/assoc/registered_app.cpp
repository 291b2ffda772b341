#include "assoc/registered_app.h"

#include <array>
#include <set>

#include "assoc/entries.h"
#include "assoc/extension_check.h"
#include "assoc/messages.h"
#include "assoc/read_association.h"
#include "assoc/write_association.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/control_names.h"

namespace tzp::assoc {

namespace {

using platform::RegName;
using platform::Status;

constexpr std::string_view kRegisteredApplicationsKey = "SOFTWARE\\RegisteredApplications";

std::string FileAssociationsKey() {
    return std::string(kCapabilitiesKey) + "\\FileAssociations";
}

RegName RegisteredApplicationsValue() {
    return MachineName(kRegisteredApplicationsKey, kRegisteredAppName);
}

// The extensions of the three lists, each once: the first spelling met stands for the
// others, as the registry does not tell them apart. Lines of the personal file that the
// panel would never associate are left out.
std::vector<std::string> ListedExtensions(const App& app) {
    std::vector<std::string> extensions;
    std::set<std::string> seen;
    for (const auto list : std::array{ui::kVideoList, ui::kAudioList, ui::kPersonalList}) {
        for (const auto& entry : app.form.Entries(list)) {
            std::string extension = ExtensionPart(entry.text);
            if (IsAcceptableExtension(extension) && !IsProgramType(extension) &&
                seen.insert(platform::UnicodeLower(extension)).second) {
                extensions.push_back(std::move(extension));
            }
        }
    }
    return extensions;
}

// "mplayerc" for "C:\MPC\mplayerc.exe".
std::string PlayerName(std::string_view program) {
    std::string_view name = platform::FileName(program);
    if (platform::AsciiLower(name).ends_with(".exe")) {
        name.remove_suffix(4);
    }
    return std::string(name);
}

void RemoveEntry(PackServices& pack) {
    auto& registry = pack.sys.registry;
    (void)registry.Delete(RegisteredApplicationsValue());
    (void)registry.Delete(MachineName(FileAssociationsKey(), "", true));
    (void)registry.Delete(MachineName(kCapabilitiesKey, "", true));
}

Status WriteText(PackServices& pack, const RegName& name, std::string_view text) {
    return pack.sys.registry.Write(name, text, platform::RegType::String);
}

Status WriteEntry(App& app, std::string_view program,
                  const std::vector<AppAssociation>& associations) {
    const std::string player = PlayerName(program);
    Status status = WriteText(app, MachineName(kCapabilitiesKey, "ApplicationName"),
                              RegisteredAppName(app, player));
    if (status.ok()) {
        status = WriteText(app, MachineName(kCapabilitiesKey, "ApplicationDescription"),
                           RegisteredAppDescription(app, player));
    }
    if (status.ok()) {
        status = WriteText(app, MachineName(kCapabilitiesKey, "ApplicationIcon"),
                           AssociationIcon(program));
    }
    for (size_t i = 0; status.ok() && i < associations.size(); ++i) {
        status = WriteText(app, MachineName(FileAssociationsKey(), associations[i].extension),
                           associations[i].progId);
    }
    // Named last, so that the settings are never pointed at an entry being written.
    return status.ok() ? WriteText(app, RegisteredApplicationsValue(), kCapabilitiesKey) : status;
}

std::vector<AppAssociation> RecordedAssociations(App& app) {
    std::vector<AppAssociation> recorded;
    for (auto& extension : ListedExtensions(app)) {
        auto progId = app.sys.registry.Read(MachineName(FileAssociationsKey(), extension));
        if (progId && !progId->empty()) {
            recorded.push_back({std::move(extension), std::move(*progId)});
        }
    }
    return recorded;
}

}  // namespace

RegName MachineName(std::string_view key, std::string_view valueName, bool namesKey) {
    RegName name;
    name.root = platform::RegRoot::LocalMachine;
    name.key = std::string(key);
    name.valueName = std::string(valueName);
    name.namesKey = namesKey;
    name.systemView = true;
    return name;
}

std::vector<AppAssociation> AssociationsWith(App& app, std::string_view program) {
    const std::string command = AssociationCommand(program);
    std::vector<AppAssociation> associations;
    for (auto& extension : ListedExtensions(app)) {
        auto progId = OpeningProgId(app, extension);
        if (progId && platform::EqualsNoCase(ProgIdCommand(app, *progId), command)) {
            associations.push_back({std::move(extension), std::move(*progId)});
        }
    }
    return associations;
}

Status KeepRegisteredApplication(App& app, std::string_view program) {
    const auto associations = AssociationsWith(app, program);
    // Emptied first, so that an extension associated elsewhere since the last run, or no
    // longer listed, is gone from it.
    RemoveEntry(app);
    const Status status =
        associations.empty() ? Status::Ok() : WriteEntry(app, program, associations);
    app.sys.shell.NotifyAssociationsChanged();
    return status;
}

void DropFromRegisteredApplication(App& app, std::string_view extension) {
    const auto listed = ListedExtensions(app);
    for (const auto& other : listed) {
        if (platform::EqualsNoCase(other, extension)) {
            return;
        }
    }
    if (!app.sys.registry.Delete(MachineName(FileAssociationsKey(), extension)).ok()) {
        return;  // the entry never named it
    }
    if (RecordedAssociations(app).empty()) {
        RemoveEntry(app);
    }
    app.sys.shell.NotifyAssociationsChanged();
}

bool IsRegisteredApplication(PackServices& pack) {
    return pack.sys.registry.Read(RegisteredApplicationsValue()).has_value();
}

std::optional<RegisteredApplication> ReadRegisteredApplication(App& app) {
    auto name = app.sys.registry.Read(MachineName(kCapabilitiesKey, "ApplicationName"));
    if (!name) {
        return std::nullopt;
    }
    return RegisteredApplication{std::move(*name), RecordedAssociations(app)};
}

}  // namespace tzp::assoc
