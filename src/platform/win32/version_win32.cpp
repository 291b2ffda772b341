#include "platform/win32/version_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

// The whole version block of one file, queried in place as the API intends.
class Win32VersionBlock : public VersionBlock {
  public:
    explicit Win32VersionBlock(std::vector<BYTE> data) : data_(std::move(data)) {}

    std::optional<FixedFileInfo> Fixed() const override {
        UINT length = 0;
        const void* value = Query(L"\\", length);
        if (value == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
            return std::nullopt;
        }
        VS_FIXEDFILEINFO info;
        std::memcpy(&info, value, sizeof info);
        return FixedFileInfo{info.dwFileVersionMS, info.dwFileVersionLS, info.dwFileType};
    }

    std::optional<std::array<uint8_t, 4>> FirstTranslation() const override {
        UINT length = 0;
        const void* value = Query(L"\\VarFileInfo\\Translation", length);
        if (value == nullptr || length < 4) {
            return std::nullopt;
        }
        std::array<uint8_t, 4> bytes;
        std::memcpy(bytes.data(), value, bytes.size());
        return bytes;
    }

    std::optional<std::string> QueryString(const std::string& subBlock) const override {
        UINT length = 0;  // in characters, the terminating zero usually included
        const auto* value = static_cast<const wchar_t*>(Query(Widen(subBlock), length));
        if (value == nullptr) {
            return std::nullopt;
        }
        std::wstring_view text(value, length);
        return Narrow(text.substr(0, text.find(L'\0')));
    }

  private:
    const void* Query(const std::wstring& subBlock, UINT& length) const {
        void* value = nullptr;
        // The API takes a non-const block but only reads it.
        auto* block = const_cast<BYTE*>(data_.data());
        // version.dll is not one of the system's known libraries: imported, the loader would
        // look for it beside the program first, and run a planted copy as administrator.
        static const auto query =
            LateBound<decltype(VerQueryValueW)>(L"version.dll", "VerQueryValueW");
        if (query == nullptr || !query(block, subBlock.c_str(), &value, &length) || length == 0) {
            return nullptr;
        }
        return value;
    }

    std::vector<BYTE> data_;
};

// Room for what VerQueryValueW writes after a block: an old-style (16-bit, ANSI) block's
// texts are converted to UTF-16 there, at up to three times the block's own length past
// its start. GetFileVersionInfoSizeW asks for (length - 52) * 4 bytes for such a block and
// length * 2 + 4 for a new one; the room here is at least both, for the larger of the
// resource's size and the length the block claims (a 16-bit field), so no block a file
// holds makes the API write past the end.
size_t RoomForQueries(const BYTE* bytes, DWORD size) {
    const size_t claimed = size >= 2 ? static_cast<size_t>(bytes[0] | (bytes[1] << 8)) : 0;
    return std::max<size_t>(size, claimed) * 4 + 4;
}

}  // namespace

std::unique_ptr<VersionBlock> Win32Versions::Open(const std::string& path) {
    // The file is mapped once, as an image of resources only, and its version resource
    // copied out; GetFileVersionInfoSizeW and GetFileVersionInfoW would map it once each,
    // for every library at every start. The copy is the block those return, with the
    // zeroed room they add after it.
    UniqueModule module(LoadLibraryExW(Widen(path).c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) {
        return nullptr;
    }
    HRSRC resource = FindResourceW(module.get(), MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module.get(), resource) : nullptr;
    const auto* bytes =
        loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    const DWORD size = resource != nullptr ? SizeofResource(module.get(), resource) : 0;
    if (bytes == nullptr || size == 0) {
        return nullptr;
    }
    std::vector<BYTE> block(RoomForQueries(bytes, size), 0);
    std::memcpy(block.data(), bytes, size);
    return std::make_unique<Win32VersionBlock>(std::move(block));
}

}  // namespace tzp::platform
