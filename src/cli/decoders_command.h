#pragma once
// /decoders: which decoder plays each of the pack's formats, for 32-bit and for 64-bit
// players, the source filter of each extension and the pack's broken entries; as lines
// of text in the language's words, or as one JSON document (the README gives its shape).
#include <string>

#include "core/app.h"
#include "decoders/report.h"

namespace tzp::cli {

std::string DecodersText(App& app);
std::string DecodersJson(PackServices& pack);

// The same from a report already read.
std::string DecodersText(const App& app, const decoders::DecodersReport& report);
std::string DecodersJson(const decoders::DecodersReport& report);

}  // namespace tzp::cli
