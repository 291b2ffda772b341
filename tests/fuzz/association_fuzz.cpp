// The shell command's program name and the association reading: the name never holds
// " (" nor a backslash, so the entry still gives back its extension; a missing command
// gives the "not associated" text; and the name read through the registry is the one
// of the command the extension's class (or the user's choice) leads to.
#include <string>

#include "assoc/entries.h"
#include "assoc/read_association.h"
#include "fakes/fake_system.h"
#include "fuzz_check.h"
#include "fuzz_system.h"

namespace {

constexpr std::string_view kNotAssociated = "not associated";

// Splits the input at its first two zero bytes: ProgID, verb, command.
std::string_view NextPart(std::string_view& input) {
    const size_t zero = input.find('\0');
    const std::string_view part = input.substr(0, zero);
    input = zero == std::string_view::npos ? std::string_view() : input.substr(zero + 1);
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = tzp::fuzz::AsText(data, size);
    const uint8_t mode = tzp::fuzz::TakeByte(input);
    const std::string_view whole = input;
    const std::string progId(NextPart(input));
    const std::string verb(NextPart(input));
    const std::string command(input);

    for (const std::string_view cmd : {whole, std::string_view(command)}) {
        const std::string name = tzp::assoc::ProgramNameFromCommand(cmd, kNotAssociated);
        FUZZ_CHECK(name.find(" (") == std::string::npos);
        FUZZ_CHECK(name == kNotAssociated || name.find('\\') == std::string::npos);
        FUZZ_CHECK(tzp::assoc::ExtensionPart(tzp::assoc::MakeEntry(".x (y", name)) == ".x (y");
    }
    FUZZ_CHECK(tzp::assoc::ProgramNameFromCommand("Erreur", kNotAssociated) == kNotAssociated);

    // The registry holds the class key, optionally the user's choice, the verb and the
    // command; the extension's own name is a fixed, usable one.
    if (progId.find('\\') != std::string::npos || verb.find('\\') != std::string::npos ||
        progId.empty() || progId == "Erreur") {
        return 0;
    }
    auto& sys = tzp::fuzz::PackSystem();
    sys.registry = tzp::fakes::FakeRegistry();
    const bool userChoice = (mode & 1) != 0;
    if (userChoice) {
        sys.registry.Set("HKCR\\.fz\\", "Other.Class");
        sys.registry.Set(
            std::string("HKCU\\") + std::string(tzp::assoc::kFileExtsKey) + ".fz\\ProgId", progId);
    } else {
        sys.registry.Set("HKCR\\.fz\\", progId);
    }
    if ((mode & 2) != 0) {
        sys.registry.Set("HKCR\\" + progId + "\\shell\\", verb);
    }
    // "Erreur" is what a missing value reads as, so a verb of that name is none either.
    const bool namesVerb = (mode & 2) != 0 && !verb.empty() && verb != "Erreur";
    const std::string usedVerb = namesVerb ? verb : "open";
    if ((mode & 4) == 0) {
        sys.registry.Set("HKCR\\" + progId + "\\shell\\" + usedVerb + "\\command\\", command);
    }
    const std::string expected =
        (mode & 4) == 0 ? tzp::assoc::ProgramNameFromCommand(command, sys.form->Text("errr"))
                        : sys.form->Text("errr");
    FUZZ_CHECK(tzp::assoc::ReadAssociation(sys.app, ".fz") == expected);
    return 0;
}
