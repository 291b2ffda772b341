#include "platform/file_version.h"

#include <array>
#include <utility>

#include "platform/reg.h"

namespace tzp::platform {

namespace {

// The unsigned upper and lower 16-bit halves of a 32-bit value.
uint32_t HighWord(uint32_t value) {
    return value >> 16;
}

uint32_t LowWord(uint32_t value) {
    return value & 0xFFFFu;
}

std::string PaddedHex(uint32_t value, size_t digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    do {
        hex.insert(hex.begin(), kDigits[value & 0xFu]);
        value >>= 4;
    } while (value != 0);
    if (hex.size() < digits) {
        hex.insert(0, digits - hex.size(), '0');
    }
    return hex.substr(hex.size() - digits);
}

std::string TranslationCode(const std::array<uint8_t, 4>& stored) {
    // Each 16-bit half is stored low byte first; the code is written high byte first.
    std::array<uint8_t, 4> bytes = stored;
    std::swap(bytes[0], bytes[1]);
    std::swap(bytes[2], bytes[3]);
    std::string code;
    for (uint8_t byte : bytes) {
        code += PaddedHex(byte, 2);
    }
    return code;
}

}  // namespace

std::string FileTypeName(uint32_t fileType) {
    switch (fileType) {
        case 1:
            return "Application";
        case 2:
            return "Dynamic Link Library (DLL)";
        case 3:
            return "Device Driver";
        case 5:
            return "Virtual Device Driver";
        default:
            return "Unknown";
    }
}

void ReadFileVersionInfo(VersionService& versions, const std::string& path,
                         FileVersionTexts& texts) {
    const auto block = versions.Open(path);
    if (!block) {
        texts.version = std::string(kErreur);
        return;
    }
    // A block without its root record reads as all zeros, as an empty record would.
    const FixedFileInfo fixed = block->Fixed().value_or(FixedFileInfo{});
    texts.version = "version " + std::to_string(HighWord(fixed.fileVersionMS)) + "." +
                    std::to_string(LowWord(fixed.fileVersionMS)) + "." +
                    std::to_string(HighWord(fixed.fileVersionLS)) + "." +
                    std::to_string(LowWord(fixed.fileVersionLS));
    texts.fileType = FileTypeName(fixed.fileType);

    texts.copyright.clear();
    texts.description.clear();
    const auto translation = block->FirstTranslation();
    if (!translation) {
        return;
    }
    const std::string prefix = "\\StringFileInfo\\" + TranslationCode(*translation) + "\\";
    texts.copyright = block->QueryString(prefix + "LegalCopyright").value_or("");
    texts.description = block->QueryString(prefix + "FileDescription").value_or("");
}

}  // namespace tzp::platform
