// Private copies of files that a program running as administrator, or as the system, is
// handed (the profile's registry file for the registry editor). Another user must not be
// able to change the bytes between their check and their import:
// - each copy has a folder of its own, made fresh under a name nobody can guess, never an
//   existing one, with a protected access list (the system, administrators, and this
//   account when it is not the system), and never through a reparse point;
// - the folder is held open without delete sharing, so it cannot be renamed away;
// - the file is made with the same list and held open from before its check until the
//   program it was handed to has ended, shared for reading only: nobody can write,
//   rename or remove it meanwhile.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <array>
#include <memory>
#include <optional>

#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/random_win32.h"
#include "platform/win32/token_user_win32.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

constexpr wchar_t kFolderPrefix[] = L"tzpcp-";
constexpr wchar_t kCopyName[] = L"\\import.reg";

// The temporary folder, as a program running as the system should have it:
// GetTempPath2W gives the system C:\Windows\SystemTemp, which only the system and
// administrators can reach, where GetTempPathW gives C:\Windows\Temp, in which every user
// can make folders. GetTempPath2W exists on Windows 11 and on Windows 10 with its 2021
// updates; elsewhere the older function is all there is, and the fresh folder with its
// own access list is what protects the copy.
std::wstring TemporaryRoot() {
    using GetTempPath2 = DWORD WINAPI(DWORD, LPWSTR);
    static const auto getTempPath2 = LateBound<GetTempPath2>(L"kernel32.dll", "GetTempPath2W");
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = getTempPath2 != nullptr ? getTempPath2(MAX_PATH + 1, temp)
                                                 : GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) {
        return std::wstring();
    }
    return std::wstring(temp, length);
}

struct LocalFreeDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};
using SecurityDescriptor = std::unique_ptr<void, LocalFreeDeleter>;

// Full control for the system, administrators and this account, inherited by what the
// folder holds; nothing from the folder above (protected).
SecurityDescriptor PrivateAccess() {
    const auto user = ReadTokenUser();
    if (!user) {
        return nullptr;
    }
    std::wstring sddl = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
    wchar_t* sid = nullptr;
    if (!IsWellKnownSid(TokenUserSid(user), WinLocalSystemSid)) {
        if (!ConvertSidToStringSidW(TokenUserSid(user), &sid)) {
            return nullptr;
        }
        sddl += std::wstring(L"(A;OICI;FA;;;") + sid + L")";
        LocalFree(sid);
    }
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return nullptr;
    }
    return SecurityDescriptor(descriptor);
}

// Opens a folder itself, never what a reparse point there leads to, without delete
// sharing: held, it cannot be renamed or removed. Null when it is not a plain folder.
UniqueHandleT HoldFolder(const std::wstring& folder) {
    UniqueHandleT handle(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY | READ_CONTROL,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                     nullptr));
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!handle || !GetFileInformationByHandle(handle.get(), &info) ||
        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return UniqueHandleT();
    }
    return handle;
}

// The file's identity: its volume and its index there.
std::optional<std::array<DWORD, 3>> FileIdentity(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!GetFileInformationByHandle(file, &info)) {
        return std::nullopt;
    }
    return std::array<DWORD, 3>{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

class Win32PrivateCopy : public PrivateCopy {
  public:
    Win32PrivateCopy(std::wstring folder, UniqueHandleT heldFolder)
        : folder_(std::move(folder)), heldFolder_(std::move(heldFolder)) {
        path_ = Narrow(folder_ + kCopyName);
    }
    Win32PrivateCopy(const Win32PrivateCopy&) = delete;
    Win32PrivateCopy& operator=(const Win32PrivateCopy&) = delete;
    ~Win32PrivateCopy() override {
        file_.reset();
        DeleteFileW((folder_ + kCopyName).c_str());
        heldFolder_.reset();
        RemoveDirectoryW(folder_.c_str());
    }

    const std::string& Path() const override { return path_; }

    std::optional<std::string> Read() override {
        LARGE_INTEGER size = {};
        if (!GetFileSizeEx(file_.get(), &size) || size.QuadPart > 0x7FFFFFFF ||
            !SetFilePointerEx(file_.get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN)) {
            return std::nullopt;
        }
        std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (!bytes.empty() && (!ReadFile(file_.get(), bytes.data(),
                                         static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                               read != bytes.size())) {
            return std::nullopt;
        }
        return bytes;
    }

    // Writes the new file, then holds it for reading, shared for reading only. The
    // writing handle shares nothing; the held one, opened once it is closed (a file open
    // for writing cannot be held against writing), is checked to be the same file.
    DWORD Write(std::string_view bytes, SECURITY_ATTRIBUTES& access) {
        const std::wstring path = folder_ + kCopyName;
        UniqueHandleT writer(CreateFileW(path.c_str(), GENERIC_WRITE, 0, &access, CREATE_NEW,
                                         FILE_ATTRIBUTE_TEMPORARY, nullptr));
        if (!writer) {
            return GetLastError();
        }
        DWORD written = 0;
        if (!WriteFile(writer.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) ||
            written != bytes.size() || !FlushFileBuffers(writer.get())) {
            return GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
        }
        const auto wrote = FileIdentity(writer.get());
        writer.reset();
        file_.reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!file_) {
            return GetLastError();
        }
        return wrote && wrote == FileIdentity(file_.get()) ? 0 : ERROR_ACCESS_DENIED;
    }

  private:
    std::wstring folder_;
    UniqueHandleT heldFolder_;
    UniqueHandleT file_;
    std::string path_;
};

DWORD ErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

}  // namespace

PrivateCopyResult Win32Files::WritePrivateCopy(std::string_view bytes) {
    const std::wstring root = TemporaryRoot();
    std::wstring digits;
    if (root.empty() || !RandomDigits(16, digits)) {
        return {nullptr, Status::Fail(ErrorOr(ERROR_PATH_NOT_FOUND))};
    }
    const SecurityDescriptor descriptor = PrivateAccess();
    if (!descriptor) {
        return {nullptr, Status::Fail(ErrorOr(ERROR_ACCESS_DENIED))};
    }
    SECURITY_ATTRIBUTES access = {sizeof access, descriptor.get(), FALSE};
    // A new folder, or nothing: one of that name made first by anyone is never used.
    const std::wstring folder = root + kFolderPrefix + digits;
    if (!CreateDirectoryW(folder.c_str(), &access)) {
        return {nullptr, Status::Fail(ErrorOr(ERROR_ACCESS_DENIED))};
    }
    UniqueHandleT held = HoldFolder(folder);
    if (!held) {
        const DWORD error = ErrorOr(ERROR_ACCESS_DENIED);
        RemoveDirectoryW(folder.c_str());
        return {nullptr, Status::Fail(error)};
    }
    auto copy = std::make_unique<Win32PrivateCopy>(folder, std::move(held));
    if (const DWORD error = copy->Write(bytes, access); error != 0) {
        return {nullptr, Status::Fail(error)};
    }
    return {std::move(copy), Status::Ok()};
}

namespace {

// Whether a folder left in the temporary folder is one this program made: a plain folder
// (no reparse point) owned by the system, administrators or this account. Anything else
// is another user's, and is not touched.
bool IsOwnLeftFolder(HANDLE folder) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(folder, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const SecurityDescriptor owned(descriptor);
    const auto user = ReadTokenUser();
    return IsWellKnownSid(owner, WinLocalSystemSid) ||
           IsWellKnownSid(owner, WinBuiltinAdministratorsSid) ||
           (user && EqualSid(owner, TokenUserSid(user)));
}

}  // namespace

void Win32Files::RemoveLeftPrivateCopies() {
    const std::wstring root = TemporaryRoot();
    if (root.empty()) {
        return;
    }
    WIN32_FIND_DATAW found = {};
    UniqueFind find(FindFirstFileW((root + kFolderPrefix + L"*").c_str(), &found));
    for (bool more = static_cast<bool>(find); more; more = FindNextFileW(find.get(), &found)) {
        const std::wstring folder = root + found.cFileName;
        UniqueHandleT held = HoldFolder(folder);
        if (!held || !IsOwnLeftFolder(held.get())) {
            continue;
        }
        // A copy the registry editor still reads cannot be removed, and stays.
        DeleteFileW((folder + kCopyName).c_str());
        held.reset();
        RemoveDirectoryW(folder.c_str());
    }
}

}  // namespace tzp::platform
