#pragma once
// /export-associations FILE: what the panel associated with the pack's player, as a
// default associations file for Dism.exe or Group Policy.
#include <string>

#include "cli/arguments.h"
#include "core/app.h"
#include "platform/standard_output.h"

namespace tzp::cli {

// Writes the file whole (or leaves what was there) from the pack's registered
// application entry: 0 written, kNothingToExport when the entry maps no extension,
// SomeFailed when the file cannot be written.
ExitCode ExportAssociationsCommand(App& app, const std::string& file,
                                   platform::StandardOutput& output);

}  // namespace tzp::cli
