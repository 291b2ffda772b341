#include "assoc/read_association.h"

#include "platform/paths.h"
#include "platform/reg.h"
#include "platform/text.h"
#include "ui/control_names.h"

namespace tzp::assoc {

namespace {

using platform::kErreur;

std::string_view LastComponent(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The program part of a command line. A quoted program runs to its closing quote. An
// unquoted one may hold spaces ("C:\Program Files\x\play.cmd %1"); like the system, take
// the shortest run up to a space whose last component looks like a file name with an
// extension, and else the first word.
std::string_view ProgramPath(std::string_view command) {
    const size_t start = command.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    command.remove_prefix(start);
    if (command.front() == '"') {
        command.remove_prefix(1);
        return command.substr(0, command.find('"'));
    }
    for (size_t end = command.find_first_of(" \t");; end = command.find_first_of(" \t", end + 1)) {
        const std::string_view candidate = command.substr(0, end);
        if (LastComponent(candidate).find('.') != std::string_view::npos) {
            return candidate;
        }
        if (end == std::string_view::npos) {
            break;
        }
    }
    return command.substr(0, command.find_first_of(" \t"));
}

std::string FileStem(std::string_view path) {
    const std::string_view file = LastComponent(path);
    const size_t dot = file.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot));
}

// An entry's extension is what stands before its last " (", so a name must not add one;
// nor may the not-associated text, which comes from the language file.
std::string WithoutOpeningParenthesisAfterSpace(std::string name) {
    while (name.find(" (") != std::string::npos) {
        name = platform::ReplaceAll(name, " (", "(");
    }
    return name;
}

}  // namespace

std::string ProgramNameFromCommand(std::string_view command, std::string_view notAssociated) {
    const std::string_view afterBackslash = platform::FileName(command);
    // Byte-wise lower-casing keeps positions; ".exe" is plain ASCII.
    const size_t exe = platform::AsciiLower(afterBackslash).rfind(".exe");
    if (exe != std::string_view::npos) {
        return WithoutOpeningParenthesisAfterSpace(std::string(afterBackslash.substr(0, exe)));
    }
    if (afterBackslash == kErreur) {
        return WithoutOpeningParenthesisAfterSpace(std::string(notAssociated));
    }
    std::string stem = FileStem(ProgramPath(command));
    if (stem.empty()) {
        return WithoutOpeningParenthesisAfterSpace(std::string(notAssociated));
    }
    return WithoutOpeningParenthesisAfterSpace(std::move(stem));
}

std::string DefaultVerb(PackServices& pack, std::string_view progId) {
    std::string verb = platform::ReadRegValue(pack.sys.registry, platform::kRootClasses,
                                              std::string(progId) + "\\shell\\", kErreur);
    // An empty default names no verb either; the system then opens with "open".
    return verb == kErreur || verb.empty() ? "open" : verb;
}

std::optional<std::string> OpeningProgId(PackServices& pack, std::string_view extension) {
    auto& registry = pack.sys.registry;
    const std::string ext(extension);
    std::string classProgId =
        platform::ReadRegValue(registry, platform::kRootClasses, ext + "\\", kErreur);
    std::string userProgId =
        platform::ReadRegValue(registry, platform::kRootCurrentUser,
                               std::string(kFileExtsKey) + ext + "\\ProgId", kErreur);
    std::string& progId = userProgId != kErreur ? userProgId : classProgId;
    return progId != kErreur ? std::optional(std::move(progId)) : std::nullopt;
}

std::string ProgIdCommand(PackServices& pack, std::string_view progId) {
    const std::string verb = DefaultVerb(pack, progId);
    return platform::ReadRegValue(pack.sys.registry, platform::kRootClasses,
                                  std::string(progId) + "\\shell\\" + verb + "\\command\\",
                                  kErreur);
}

std::string ReadAssociation(App& app, std::string_view extension) {
    // No ProgID at all: the marker names no key, and a stray key of that name must not
    // give the extension a program. This also spares half the reads of every extension that
    // opens with nothing.
    const auto progId = OpeningProgId(app, extension);
    return ProgramNameFromCommand(progId ? ProgIdCommand(app, *progId) : std::string(kErreur),
                                  app.form.Text(ui::kNoProgramText));
}

}  // namespace tzp::assoc
