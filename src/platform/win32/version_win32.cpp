#include "platform/win32/version_win32.h"

#include <windows.h>

#include <cstring>
#include <vector>

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
        if (!VerQueryValueW(block, subBlock.c_str(), &value, &length) || length == 0) {
            return nullptr;
        }
        return value;
    }

    std::vector<BYTE> data_;
};

}  // namespace

std::unique_ptr<VersionBlock> Win32Versions::Open(const std::string& path) {
    const std::wstring widePath = Widen(path);
    DWORD scratch = 0;
    const DWORD size = GetFileVersionInfoSizeW(widePath.c_str(), &scratch);
    if (size == 0) {
        return nullptr;
    }
    std::vector<BYTE> data(size);
    // A file that cannot be read after all counts as one without a version resource.
    if (!GetFileVersionInfoW(widePath.c_str(), 0, size, data.data())) {
        return nullptr;
    }
    return std::make_unique<Win32VersionBlock>(std::move(data));
}

}  // namespace tzp::platform
