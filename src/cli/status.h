#pragma once
// /status: what the window shows after start-up, as text or as one JSON document.
#include <optional>
#include <string>
#include <vector>

#include "core/app.h"
#include "filters/catalogue.h"
#include "filters/registration_info.h"

namespace tzp::cli {

// One filter row as /status reports it.
struct StatusRow {
    std::string box;      // "Check6"
    std::string name;     // "FFDshow"
    std::string library;  // below the installation directory, "filtres\ffdshow.ax"
    // The version text as the version captions read it ("version 1.3.4531.0"), or
    // "Erreur" for a missing library or one without version information.
    std::string versionText;
    bool registered = false;  // ticked by the start-up detection
    // Which copy holds the row's classes ("this", "other", "partly", "none"), and that
    // state in the language's words; empty for a row without classes of its own (the
    // splitter master).
    std::string registration;
    std::string registrationText;
    std::string registeredTo;  // for another copy: the file its first class names
};

// The row of a filter box of a started panel, with what the registry says of its classes
// (nullptr for a row without classes). Every field of a row comes from here.
StatusRow BuildStatusRow(App& app, const filters::FilterRow& row,
                         const filters::RowRegistration* registration);

// The rows of every box with a library behind it, in the window's layout order.
std::vector<StatusRow> StatusRows(App& app);

// The report of a started panel: lines of text in the language's words, or JSON (the
// README describes its shape).
std::string StatusText(App& app);
std::string StatusJson(App& app);

// Text as a JSON string, quotes included.
std::string JsonString(std::string_view utf8);

}  // namespace tzp::cli
