#include "filters/registration_info.h"

#include <string>

#include "decoders/window_views.h"
#include "filters/filters.h"
#include "lang/fill.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/reg.h"
#include "platform/text.h"

namespace tzp::filters {

namespace {

std::string InprocServerKey(std::string_view clsid) {
    // The trailing backslash names the key's default value.
    return "CLSID\\{" + std::string(clsid) + "}\\InprocServer32\\";
}

bool IsRegistered(const std::string& server) {
    return server != platform::kErreur && !server.empty();
}

// The four texts of the states, looked up once for all rows: each lookup reads the
// language file.
struct StateTexts {
    std::string thisCopy, otherCopy, partly, none;
};

StateTexts LookUpStateTexts(const App& app) {
    return {
        lang::LookupLangStringOr(app, lang::text::kRegisteredHere),
        lang::LookupLangStringOr(app, lang::text::kRegisteredElsewhere),
        lang::LookupLangStringOr(app, lang::text::kPartlyRegisteredHere),
        lang::LookupLangStringOr(app, lang::text::kNotRegistered),
    };
}

std::string StateText(const StateTexts& texts, const RowRegistration& registration) {
    switch (registration.state) {
        case RegistrationState::ThisCopy:
            return texts.thisCopy;
        case RegistrationState::OtherCopy:
            return lang::Fill(texts.otherCopy, {registration.registeredTo});
        case RegistrationState::Partly:
            return lang::Fill(texts.partly, {std::to_string(registration.classesHere),
                                             std::to_string(registration.classes)});
        case RegistrationState::NotRegistered:
            return texts.none;
    }
    return texts.none;
}

std::string LibraryLines(const App& app, const FilterRow& row) {
    std::string lines = InstalledPath(app, row.library);
    if (const auto version = ShownVersion(app, row)) {
        lines += "\r\n" + *version;
    }
    return lines;
}

}  // namespace

RowRegistration ClassifyRegistration(const FilterRow& row, const std::vector<std::string>& servers,
                                     const std::string& expected) {
    RowRegistration result;
    result.box = row.box;
    result.classes = servers.size();
    size_t registered = 0;
    for (const auto& server : servers) {
        if (!IsRegistered(server)) {
            continue;
        }
        ++registered;
        if (platform::EqualsNoCase(server, expected)) {
            ++result.classesHere;
        } else if (result.registeredTo.empty()) {
            result.registeredTo = server;
        }
    }
    // Another copy wins over this one: a class served by another file is what the user
    // cannot see from the tick, whatever the other classes name.
    if (!result.registeredTo.empty()) {
        result.state = RegistrationState::OtherCopy;
    } else if (registered == 0) {
        result.state = RegistrationState::NotRegistered;
    } else if (result.classesHere == result.classes) {
        result.state = RegistrationState::ThisCopy;
    } else {
        result.state = RegistrationState::Partly;
    }
    return result;
}

std::vector<RowRegistration> ReadRegistrations(const App& app) {
    std::vector<RowRegistration> registrations;
    for (const auto box : DetectionOrder()) {
        const FilterRow& row = Row(box);
        std::vector<std::string> servers;
        for (const auto clsid : row.clsids) {
            servers.push_back(platform::ReadRegValue(app.sys.registry, platform::kRootClasses,
                                                     InprocServerKey(clsid), platform::kErreur));
        }
        registrations.push_back(
            ClassifyRegistration(row, servers, InstalledPath(app, row.detectionLibrary)));
    }
    return registrations;
}

std::string RegistrationText(const App& app, const RowRegistration& registration) {
    return StateText(LookUpStateTexts(app), registration);
}

std::string_view RegistrationStateName(RegistrationState state) {
    switch (state) {
        case RegistrationState::ThisCopy:
            return "this";
        case RegistrationState::OtherCopy:
            return "other";
        case RegistrationState::Partly:
            return "partly";
        case RegistrationState::NotRegistered:
            return "none";
    }
    return "none";
}

void SetRegistrationTooltips(App& app, const std::vector<RowRegistration>& registrations) {
    const StateTexts texts = LookUpStateTexts(app);
    for (const auto& registration : registrations) {
        const FilterRow& row = Row(registration.box);
        app.form.SetTooltip(row.box,
                            LibraryLines(app, row) + "\r\n" + StateText(texts, registration));
    }
    // The splitter master has no class of its own: its library and version only.
    const FilterRow& master = Row(kSplitterMaster);
    app.form.SetTooltip(master.box, LibraryLines(app, master));
    // The decoder lines come when a tooltip first shows: the views they need are read
    // then, and read again after the next apply, which writes the tooltips anew.
    decoders::WireDecoderViews(app);
}

std::vector<RowRegistration> RefreshRegistrationInfo(App& app) {
    auto registrations = ReadRegistrations(app);
    SetRegistrationTooltips(app, registrations);
    return registrations;
}

}  // namespace tzp::filters
