#include "platform/win32/files_win32.h"

#include <windows.h>

#include <algorithm>

#include "platform/text.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

Status LastError() {
    return Status::Fail(GetLastError());
}

Status WriteWhole(HANDLE file, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            return LastError();
        }
        done += written;
    }
    return FlushFileBuffers(file) ? Status::Ok() : LastError();
}

// FindFirstFile also matches 8.3 short names ("a.save" is "A~1.SAV"), so a "*.ext"
// pattern is checked again against the long name.
bool LongNameMatches(const std::string& name, std::string_view pattern) {
    if (pattern.size() < 2 || pattern[0] != '*' || pattern.find_first_of("*?", 1) != pattern.npos) {
        return true;
    }
    const std::string tail = UnicodeLower(pattern.substr(1));
    const std::string lower = UnicodeLower(name);
    return lower.size() >= tail.size() &&
           lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::optional<std::string> Win32Files::ReadAll(const std::string& path) {
    UniqueHandleT file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > (1ll << 30)) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            bytes.resize(done);
            break;
        }
        done += got;
    }
    return bytes;
}

Status Win32Files::WriteAllAtomic(const std::string& path, std::string_view bytes) {
    std::string temporary;
    if (const Status written = WriteTemporary(path, bytes, temporary); !written.ok()) {
        return written;
    }
    const Status replaced = Replace(temporary, path);
    if (!replaced.ok()) {
        DeleteFileW(Widen(temporary).c_str());
    }
    return replaced;
}

namespace {

// Temporary files of `path` ("a.sav.<process id>.tmp") left by a program that was
// killed half-way. One that another program is still writing cannot be deleted (it is
// open for no one else); one it has written and not yet put in place is, and that
// program then reports its save as failed. Either way no file ever holds mixed bytes.
void RemoveStaleTemporaries(const std::wstring& path) {
    const size_t slash = path.rfind(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    const std::wstring name = path.substr(folder.size());
    WIN32_FIND_DATAW found{};
    UniqueFind find(FindFirstFileW((path + L".*.tmp").c_str(), &found));
    if (!find) {
        return;
    }
    do {
        const std::wstring candidate = found.cFileName;
        const std::wstring number =
            candidate.size() > name.size() + 5
                ? candidate.substr(name.size() + 1, candidate.size() - name.size() - 5)
                : L"";
        const bool stale =
            !number.empty() && candidate[name.size()] == L'.' &&
            UnicodeLower(Narrow(candidate.substr(candidate.size() - 4))) == ".tmp" &&
            number.find_first_not_of(L"0123456789") == std::wstring::npos &&
            UnicodeLower(Narrow(candidate.substr(0, name.size()))) == UnicodeLower(Narrow(name)) &&
            (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        if (stale) {
            DeleteFileW((folder + candidate).c_str());
        }
    } while (FindNextFileW(find.get(), &found));
}

}  // namespace

Status Win32Files::WriteTemporary(const std::string& path, std::string_view bytes,
                                  std::string& temporary) {
    const std::wstring target = Widen(path);
    RemoveStaleTemporaries(target);
    const std::wstring wide = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    temporary = Narrow(wide);
    UniqueHandleT file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return LastError();
    }
    if (const Status written = WriteWhole(file.get(), bytes); !written.ok()) {
        file.reset();
        DeleteFileW(wide.c_str());
        return written;
    }
    return Status::Ok();
}

Status Win32Files::Replace(const std::string& temporary, const std::string& path) {
    if (!MoveFileExW(Widen(temporary).c_str(), Widen(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastError();
    }
    return Status::Ok();
}

bool Win32Files::FileExists(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) &&
           (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Status Win32Files::Remove(const std::string& path) {
    return DeleteFileW(Widen(path).c_str()) ? Status::Ok() : LastError();
}

std::vector<std::string> Win32Files::ListFiles(const std::string& folder,
                                               std::string_view pattern) {
    std::string query = folder;
    if (!query.empty() && query.back() != '\\') {
        query += '\\';
    }
    query += pattern;
    WIN32_FIND_DATAW found{};
    UniqueFind find(FindFirstFileW(Widen(query).c_str(), &found));
    std::vector<std::pair<std::string, std::string>> names;  // (sort key, name)
    if (!find) {
        return {};
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        std::string name = Narrow(found.cFileName);
        if (LongNameMatches(name, pattern)) {
            names.emplace_back(UnicodeLower(name), std::move(name));
        }
    } while (FindNextFileW(find.get(), &found));
    std::sort(names.begin(), names.end());
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (auto& entry : names) {
        sorted.push_back(std::move(entry.second));
    }
    return sorted;
}

std::wstring OwnProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void HoldOwnProgramFile() {
    static UniqueHandleT held(CreateFileW(OwnProgramPath().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
}

std::string ProgramFolder() {
    const std::wstring path = OwnProgramPath();
    const size_t slash = path.rfind(L'\\');
    return Narrow(slash == std::wstring::npos ? path : path.substr(0, slash));
}

}  // namespace tzp::platform
