#include "cli/check_command.h"

#include "cli/status.h"
#include "cli/texts.h"
#include "filters/catalogue.h"
#include "filters/filter_check.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "profiles/messages.h"
#include "profiles/profile_name.h"
#include "profiles/profiles.h"
#include "profiles/settings_check.h"
#include "ui/control_names.h"

namespace tzp::cli {

namespace {

struct Comparison {
    std::vector<filters::FilterDifference> filters;
    std::vector<profiles::SettingDifference> settings;
    bool Matches() const { return filters.empty() && settings.empty(); }
};

std::string FoundText(const App& app, const filters::RowRegistration& found) {
    switch (found.state) {
        case filters::RegistrationState::ThisCopy:
            return Say(app, Text::Registered);
        case filters::RegistrationState::NotRegistered:
            return Say(app, Text::NotRegistered);
        default:
            return filters::RegistrationText(app, found);
    }
}

std::string WantedData(const profiles::WantedSetting& wanted) {
    return wanted.data ? profiles::DataText(*wanted.data) : std::string();
}

// "" for what the registry does not have; for a key the file deletes, the key itself.
std::string FoundData(const profiles::SettingDifference& difference) {
    if (difference.wanted.wholeKey) {
        return difference.found.keyExists ? "present" : std::string();
    }
    return difference.found.value ? profiles::DataText(*difference.found.value) : std::string();
}

std::string ShownData(const App& app, const std::string& data) {
    return data.empty()        ? Say(app, Text::Absent)
           : data == "present" ? Say(app, Text::Present)
                               : data;
}

std::string JsonData(const std::string& data) {
    return data.empty() ? "null" : JsonString(data);
}

std::string ComparisonText(const App& app, const std::string& name, const Comparison& comparison) {
    if (comparison.Matches()) {
        return AsLines(Say(app, Text::Matches, name));
    }
    std::string text = AsLines(Say(app, Text::Differs, name));
    for (const auto& difference : comparison.filters) {
        const auto& row = filters::Row(difference.box);
        text += "  " + Padded(std::string(row.displayName), 15) +
                Padded(std::string(row.library), 29) +
                Say(app, Text::WantedFound,
                    Say(app, difference.wantRegistered ? Text::Registered : Text::NotRegistered),
                    FoundText(app, difference.found)) +
                "\r\n";
    }
    for (const auto& difference : comparison.settings) {
        const auto& wanted = difference.wanted;
        const std::string valueName = wanted.wholeKey       ? std::string()
                                      : wanted.name.empty() ? Say(app, Text::DefaultValue) + "  "
                                                            : wanted.name + "  ";
        text += "  " + wanted.key + "  " + valueName +
                Say(app, Text::WantedFound, ShownData(app, WantedData(wanted)),
                    ShownData(app, FoundData(difference))) +
                "\r\n";
    }
    return text;
}

std::string ComparisonJson(const std::string& name, const Comparison& comparison) {
    std::string json = "{\r\n  \"profile\": " + JsonString(name) +
                       ",\r\n  \"matches\": " + (comparison.Matches() ? "true" : "false") +
                       ",\r\n  \"filters\": [";
    const char* separator = "\r\n";
    for (const auto& difference : comparison.filters) {
        const auto& row = filters::Row(difference.box);
        json += separator;
        json +=
            "    {\"box\": " + JsonString(row.box) + ", \"name\": " + JsonString(row.displayName) +
            ", \"wanted\": " +
            JsonString(difference.wantRegistered ? "registered" : "unregistered") +
            ", \"found\": " + JsonString(filters::RegistrationStateName(difference.found.state)) +
            "}";
        separator = ",\r\n";
    }
    json += std::string(comparison.filters.empty() ? "" : "\r\n  ") + "],\r\n  \"settings\": [";
    separator = "\r\n";
    for (const auto& difference : comparison.settings) {
        const auto& wanted = difference.wanted;
        json += separator;
        json += "    {\"key\": " + JsonString(wanted.key) +
                ", \"name\": " + (wanted.wholeKey ? "null" : JsonString(wanted.name)) +
                ", \"wanted\": " + JsonData(WantedData(wanted)) +
                ", \"found\": " + JsonData(FoundData(difference)) + "}";
        separator = ",\r\n";
    }
    return json + (comparison.settings.empty() ? "" : "\r\n  ") + "]\r\n}\r\n";
}

}  // namespace

ExitCode CheckProfileName(App& app, const std::string& name, platform::StandardOutput& output) {
    if (!profiles::IsUsableProfileName(name)) {
        output.Err(AsLines(profiles::NameRefusedText(app)));
        return ExitCode::NoSuchProfile;
    }
    const std::string folder = profiles::ProfileFolder(app);
    if (!app.sys.files.DirectoryExists(folder.substr(0, folder.size() - 1))) {
        output.Err(AsLines(profiles::NotFoundText(app, folder)));
        return ExitCode::PackNotFound;
    }
    if (!profiles::IsListedProfile(app.form, name)) {
        output.Err(AsLines(lang::LookupLangString(app, lang::text::kNoSuchProfile) + "\n" + name));
        return ExitCode::NoSuchProfile;
    }
    return ExitCode::Done;
}

ExitCode CheckCommand(App& app, const std::string& name, bool json,
                      platform::StandardOutput& output) {
    if (const ExitCode refused = CheckProfileName(app, name, output); refused != ExitCode::Done) {
        return refused;
    }
    // The window's preview reads the state file into the boxes, as the apply's does; when
    // it cannot, it says why (on the error output) and takes the name away.
    app.form.SetText(ui::kProfileBox, name);
    profiles::PreviewProfile(app);
    if (app.form.Text(ui::kProfileBox) != name) {
        return ExitCode::FilesUnreadable;
    }
    const auto settings = profiles::ReadProfileSettings(app, name);
    if (!settings.problem.empty()) {
        output.Err(AsLines(settings.problem));
        return ExitCode::FilesUnreadable;
    }
    Comparison comparison;
    comparison.filters = filters::CompareFilterStates(app.form, filters::ReadRegistrations(app));
    comparison.settings = profiles::CompareSettings(app.sys.registry, settings.wanted);
    output.Out(json ? ComparisonJson(name, comparison) : ComparisonText(app, name, comparison));
    return comparison.Matches() ? ExitCode::Done : kDiffers;
}

}  // namespace tzp::cli
