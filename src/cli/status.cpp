#include "cli/status.h"

#include <algorithm>
#include <cstdio>

#include "cli/texts.h"
#include "core/version.h"
#include "filters/filters.h"
#include "platform/file_version.h"
#include "ui/control_names.h"

namespace tzp::cli {

namespace {

std::string VersionTextOf(App& app, std::string_view relative) {
    platform::FileVersionTexts texts;
    platform::ReadFileVersionInfo(app.sys.versions, filters::InstalledPath(app, relative), texts);
    return texts.version;
}

// "1.3.4531.0" as a JSON string, or null for a library we know no version of.
std::string JsonVersion(const std::string& versionText) {
    constexpr std::string_view kPrefix = "version ";
    if (versionText.rfind(kPrefix, 0) != 0) {
        return "null";
    }
    return JsonString(std::string_view(versionText).substr(kPrefix.size()));
}

std::vector<std::string> ProfileNames(const App& app) {
    std::vector<std::string> names;
    for (const auto& entry : app.form.Entries(ui::kProfileBox)) {
        names.push_back(entry.text);
    }
    return names;
}

std::string Labelled(const App& app, Text label, const std::string& value) {
    return Say(app, label) + ": " + value + "\r\n";
}

}  // namespace

StatusRow BuildStatusRow(App& app, const filters::FilterRow& row,
                         const filters::RowRegistration* registration) {
    StatusRow status;
    status.box = std::string(row.box);
    status.name = std::string(row.displayName);
    status.library = std::string(row.library);
    status.versionText = VersionTextOf(app, row.library);
    status.registered = app.form.Value(row.box) == 1;
    if (registration != nullptr) {
        status.registration = std::string(filters::RegistrationStateName(registration->state));
        status.registrationText = filters::RegistrationText(app, *registration);
        status.registeredTo = registration->registeredTo;
    }
    return status;
}

std::vector<StatusRow> StatusRows(App& app) {
    // The same reads as the start-up detection, once for all rows.
    const auto registrations = filters::ReadRegistrations(app);
    std::vector<StatusRow> rows;
    for (const auto& row : filters::Catalogue()) {
        if (row.library.empty()) {
            continue;
        }
        const auto found =
            std::find_if(registrations.begin(), registrations.end(),
                         [&](const filters::RowRegistration& r) { return r.box == row.box; });
        rows.push_back(BuildStatusRow(app, row, found == registrations.end() ? nullptr : &*found));
    }
    return rows;
}

std::string StatusText(App& app) {
    std::string text = Labelled(app, Text::Language, app.form.Text(ui::kLanguageCode)) +
                       Labelled(app, Text::InstallationDir, app.form.Text(ui::kFilterPath)) +
                       Labelled(app, Text::Player,
                                filters::LocalisedVersionText(
                                    app, VersionTextOf(app, filters::kPlayerVersionFile)));
    for (const auto& row : StatusRows(app)) {
        text += "  " + Padded(row.name, 15) + Padded(row.library, 29) +
                Padded(Say(app, row.registered ? Text::Registered : Text::NotRegistered), 15) +
                Padded(filters::LocalisedVersionText(app, row.versionText), 22) +
                row.registrationText + "\r\n";
    }
    text += Say(app, Text::Profiles) + ":\r\n";
    for (const auto& name : ProfileNames(app)) {
        text += "  " + name + "\r\n";
    }
    return text;
}

std::string StatusJson(App& app) {
    std::string json =
        "{\r\n  \"version\": " + JsonString(ProgramVersion()) +
        ",\r\n  \"language\": " + JsonString(app.form.Text(ui::kLanguageCode)) +
        ",\r\n  \"installationDirectory\": " + JsonString(app.form.Text(ui::kFilterPath)) +
        ",\r\n  \"player\": {\"file\": " +
        JsonString(std::string(filters::kPlayerVersionFile).substr(1)) +
        ", \"version\": " + JsonVersion(VersionTextOf(app, filters::kPlayerVersionFile)) +
        "},\r\n  \"filters\": [";
    const char* separator = "\r\n";
    for (const auto& row : StatusRows(app)) {
        json += separator;
        json += "    {\"box\": " + JsonString(row.box) + ", \"name\": " + JsonString(row.name) +
                ", \"library\": " + JsonString(row.library) +
                ", \"version\": " + JsonVersion(row.versionText) +
                ", \"registered\": " + (row.registered ? "true" : "false") +
                ", \"registration\": " +
                (row.registration.empty() ? "null" : JsonString(row.registration)) +
                ", \"registeredTo\": " +
                (row.registeredTo.empty() ? "null" : JsonString(row.registeredTo)) + "}";
        separator = ",\r\n";
    }
    json += "\r\n  ],\r\n  \"profiles\": [";
    separator = "";
    for (const auto& name : ProfileNames(app)) {
        json += separator + JsonString(name);
        separator = ", ";
    }
    return json + "]\r\n}\r\n";
}

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

}  // namespace tzp::cli
