#include "platform/paths.h"

namespace tzp::platform {

namespace {

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

bool IsAbsolutePath(std::string_view path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && IsSlash(path[2]);
    return drive || (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1]));
}

CommandProgram SplitCommandProgram(std::string_view commandLine) {
    if (commandLine.starts_with('"')) {
        const size_t close = commandLine.find('"', 1);
        if (close == std::string_view::npos) {
            return {commandLine.substr(1), {}};
        }
        return {commandLine.substr(1, close - 1), commandLine.substr(close + 1)};
    }
    const size_t end = commandLine.find_first_of(" \t");
    if (end == std::string_view::npos) {
        return {commandLine, {}};
    }
    return {commandLine.substr(0, end), commandLine.substr(end)};
}

bool IsBareProgramName(std::string_view program) {
    return !program.empty() && program.find_first_of("\\/:") == std::string_view::npos;
}

std::string_view FileName(std::string_view path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace tzp::platform
