// Private copies of files that a program running as administrator is handed (the
// profile's registry file for the registry editor): written to a folder of the account's
// own, under a name nobody can guess, so that nobody can swap the file between the
// check and the import.
#include <windows.h>
#include <ntsecapi.h>

#include <cstdio>

#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

// The account's temporary folder, which only the account, administrators and the system
// can write (C:\Windows\SystemTemp for the system account itself), with a folder of the
// program's own in it; empty when there is none.
std::wstring PrivateFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) {
        return std::wstring();
    }
    std::wstring folder = std::wstring(temp, length) + L"tzpcp";
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return std::wstring();
    }
    return folder + L"\\";
}

// 128 random bits from the system's generator, as hexadecimal digits.
bool RandomName(std::wstring& name) {
    unsigned char bytes[16];
    if (!RtlGenRandom(bytes, sizeof bytes)) {
        return false;
    }
    wchar_t digits[sizeof bytes * 2 + 1] = {};
    for (size_t i = 0; i < sizeof bytes; ++i) {
        std::swprintf(digits + 2 * i, 3, L"%02x", bytes[i]);
    }
    name = std::wstring(L"import-") + digits + L".reg";
    return true;
}

}  // namespace

Status Win32Files::WritePrivateCopy(std::string_view bytes, std::string& path) {
    const std::wstring folder = PrivateFolder();
    std::wstring name;
    if (folder.empty() || !RandomName(name)) {
        return Status::Fail(GetLastError() != 0 ? GetLastError() : ERROR_PATH_NOT_FOUND);
    }
    const std::wstring full = folder + name;
    // A new file, or nothing: a file of that name put there first is never written to.
    UniqueHandleT file(CreateFileW(full.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!file) {
        return Status::Fail(GetLastError());
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    const DWORD error = ok ? 0 : GetLastError();
    file.reset();
    if (!ok) {
        DeleteFileW(full.c_str());
        return Status::Fail(error == 0 ? ERROR_WRITE_FAULT : error);
    }
    path = Narrow(full);
    return Status::Ok();
}

void Win32Files::RemoveLeftPrivateCopies() {
    const std::wstring folder = PrivateFolder();
    if (folder.empty()) {
        return;
    }
    for (const auto& name : ListFiles(Narrow(folder), "import-*.reg")) {
        // A copy the registry editor still reads cannot be removed, and stays.
        DeleteFileW((folder + Widen(name)).c_str());
    }
}

}  // namespace tzp::platform
