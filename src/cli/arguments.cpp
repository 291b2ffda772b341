#include "cli/arguments.h"

#include <optional>

#include "platform/text.h"

namespace tzp::cli {

namespace {

// "/Status" and "-status" give "status"; an argument that is no switch gives nullopt.
std::optional<std::string> SwitchName(const std::string& argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) {
        return std::nullopt;
    }
    return platform::AsciiLower(std::string_view(argument).substr(1));
}

Invocation Wrong(UsageProblem problem, std::string argument) {
    Invocation invocation;
    invocation.command = Command::Wrong;
    invocation.problem = problem;
    invocation.argument = std::move(argument);
    return invocation;
}

// A command whose only option is /json.
Invocation ParseReport(Command command, std::span<const std::string> rest) {
    Invocation invocation;
    invocation.command = command;
    for (const auto& argument : rest) {
        if (SwitchName(argument) != "json" || invocation.json) {
            return Wrong(UsageProblem::ExtraArgument, argument);
        }
        invocation.json = true;
    }
    return invocation;
}

// The name comes first, so that a profile may be called "/json"; `json` tells whether
// the command takes /json after it.
Invocation ParseNamed(Command command, const std::string& commandArgument,
                      std::span<const std::string> rest, bool json) {
    if (rest.empty()) {
        return Wrong(UsageProblem::MissingName, commandArgument);
    }
    Invocation invocation;
    invocation.command = command;
    invocation.name = rest[0];
    if (rest.size() > 1 && json && SwitchName(rest[1]) == "json") {
        invocation.json = true;
        rest = rest.subspan(1);
    }
    if (rest.size() > 1) {
        return Wrong(UsageProblem::ExtraArgument, rest[1]);
    }
    return invocation;
}

}  // namespace

Invocation ParseArguments(std::span<const std::string> arguments) {
    if (arguments.empty()) {
        return Invocation{};
    }
    const auto command = SwitchName(arguments[0]);
    const auto rest = arguments.subspan(1);
    if (command == "?") {
        if (!rest.empty()) {
            return Wrong(UsageProblem::ExtraArgument, rest[0]);
        }
        Invocation invocation;
        invocation.command = Command::Usage;
        return invocation;
    }
    if (command == "status") {
        return ParseReport(Command::Status, rest);
    }
    if (command == "decoders") {
        return ParseReport(Command::Decoders, rest);
    }
    if (command == "apply") {
        return ParseNamed(Command::Apply, arguments[0], rest, true);
    }
    if (command == "check") {
        return ParseNamed(Command::Check, arguments[0], rest, true);
    }
    if (command == "save") {
        return ParseNamed(Command::Save, arguments[0], rest, false);
    }
    if (command == "export-associations") {
        auto invocation = ParseNamed(Command::ExportAssociations, arguments[0], rest, false);
        if (invocation.problem == UsageProblem::MissingName) {
            invocation.problem = UsageProblem::MissingFile;
        }
        return invocation;
    }
    return Wrong(UsageProblem::UnknownCommand, arguments[0]);
}

}  // namespace tzp::cli
