// The command line's machine-readable output: whatever the language file, the profile's
// state file and its registry file hold, /status, /apply and /check with /json print
// nothing or one JSON document that a strict reader takes, and everything the command
// writes, its messages included, is whole UTF-8.
//
// The first byte picks the command (its two low bits), whether the language file carries
// the UTF-8 mark (4) and which language is chosen (8); the rest is the language file, the
// state file and the registry file, in this order, parted by "\n--\n".
#include <array>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command_mode.h"
#include "fakes/fake_system.h"
#include "fuzz_check.h"
#include "json_check.h"

namespace {

struct Output : tzp::platform::StandardOutput {
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
    std::string out, err;
};

std::array<std::string, 3> Parts(std::string_view input) {
    std::array<std::string, 3> parts;
    for (size_t i = 0; i < parts.size(); ++i) {
        const size_t end = i + 1 < parts.size() ? input.find("\n--\n") : std::string_view::npos;
        parts[i] = std::string(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 4);
    }
    return parts;
}

std::vector<std::string> Arguments(uint8_t choice) {
    switch (choice & 3) {
        case 0:
            return {"/status", "/json"};
        case 1:
            return {"/apply", "P", "/json"};
        default:
            return {"/check", "P", "/json"};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = tzp::fuzz::AsText(data, size);
    const uint8_t choice = tzp::fuzz::TakeByte(input);
    const auto [language, state, registryFile] = Parts(input);

    // A pack of its own for each input: a command changes the registry and the files.
    tzp::fakes::FakeSystem sys;
    sys.InstallStandardPack();
    sys.registry.keepLog = false;
    const std::string code = choice & 8 ? "fr" : "en";
    sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", code);
    sys.files.AddFile(std::string(tzp::fakes::kPackDir) + "\\Langs\\" + code + ".ini",
                      (choice & 4 ? "\xEF\xBB\xBF" : "") + language);
    sys.files.AddFile(std::string(tzp::fakes::kPackDir) + "\\Sav\\P.sav", state);
    sys.files.AddFile(std::string(tzp::fakes::kPackDir) + "\\Sav\\P.reg", registryFile);

    Output output;
    tzp::cli::RunCommand(sys.app, tzp::cli::ParseArguments(Arguments(choice)), output);
    FUZZ_CHECK(output.out.empty() || tzp::fuzz::IsJsonDocument(output.out));
    FUZZ_CHECK(tzp::fuzz::IsWholeUtf8(output.err));
    return 0;
}
