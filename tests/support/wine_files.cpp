#include "support/wine_files.h"

#include <windows.h>

#include "platform/win32/files_win32.h"
#include "platform/win32/wide.h"

namespace tzp::testing {

using platform::Narrow;
using platform::Widen;

std::string ToWinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string BuildPath(const std::string& relative) {
    return ToWinePath(std::string(TZP_BUILD_DIR) + "/" + relative);
}

std::string SourcePath(const std::string& relative) {
    return ToWinePath(std::string(TZP_SOURCE_DIR) + "/" + relative);
}

bool MakeDirs(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1)) {
        CreateDirectoryW(Widen(path.substr(0, slash)).c_str(), nullptr);
    }
    return CreateDirectoryW(Widen(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CopyOneFile(const std::string& from, const std::string& to) {
    return CopyFileW(Widen(from).c_str(), Widen(to).c_str(), FALSE) != FALSE;
}

int CopyFolderFiles(const std::string& from, const std::string& to) {
    MakeDirs(to);
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW(Widen(from + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int copied = 0;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            const std::string name = Narrow(found.cFileName);
            copied += CopyOneFile(from + "\\" + name, to + "\\" + name) ? 1 : 0;
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return copied;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    return platform::Win32Files().WriteAllAtomic(path, bytes).ok();
}

std::optional<std::string> ReadBytes(const std::string& path) {
    return platform::Win32Files().ReadAll(path);
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW(Widen(path + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::string child = path + "\\" + Narrow(name);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(Widen(child).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(Widen(child).c_str());
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(Widen(path).c_str());
}

std::string TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    std::string base = Narrow(temp);
    if (!base.empty() && base.back() == '\\') {
        base.pop_back();
    }
    return base;
}

std::string PackParentFolder() {
    if constexpr (sizeof(void*) == 4) {
        // Set for every process on 64-bit Windows (and in Wine's 64-bit prefix).
        wchar_t folder[MAX_PATH + 1] = {};
        const DWORD length = GetEnvironmentVariableW(L"ProgramFiles(x86)", folder, MAX_PATH);
        if (length == 0 || length > MAX_PATH) {
            return "C:\\Program Files (x86)\\Tessaly tests";
        }
        return Narrow(folder) + "\\Tessaly tests";
    }
    return TempFolder();
}

ScratchDir::ScratchDir(const std::string& parent) {
    static int counter = 0;
    path_ = parent + "\\tzp-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "-" + std::to_string(GetTickCount64());
    MakeDirs(path_);
}

ScratchDir::~ScratchDir() {
    RemoveTree(path_);
}

}  // namespace tzp::testing
