#include "profiles/settings_check.h"

#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <unordered_map>

#include "lang/lang.h"
#include "platform/text.h"
#include "platform/utf16.h"
#include "platform/utf8.h"
#include "profiles/import_check.h"
#include "profiles/messages.h"
#include "profiles/profile_files.h"
#include "profiles/reg_file.h"

namespace tzp::profiles {

namespace {

using platform::RegData;

struct DecodedFile {
    std::string text;   // UTF-8
    bool wide = false;  // UTF-16: string payloads of hex data are UTF-16 too
};

// The editor reads UTF-16 with its mark and 8-bit text in the ANSI code page; nullopt for
// another encoding, whose first line then is no header the editor knows.
std::optional<DecodedFile> Decode(std::string_view bytes) {
    RegText decoded = DecodeRegFile(bytes);
    if (decoded.encoding == RegEncoding::kUtf16Le) {
        return DecodedFile{std::move(decoded.text), true};
    }
    if (decoded.encoding == RegEncoding::kEightBit) {
        return DecodedFile{platform::AnsiToUtf8(decoded.text), false};
    }
    return std::nullopt;
}

// The lines of a decoded file.
struct FileLines {
    std::vector<std::string_view> lines;
    bool wide = false;
};

std::string Utf16Text(std::string_view utf8) {
    return platform::CodePointsToUtf16Le(platform::Utf8ToCodePoints(utf8));
}

std::optional<RegData> DwordData(std::string_view digits) {
    const auto number = HexNumber(platform::TrimTrailingBlanks(digits), 8);
    if (!number) {
        return std::nullopt;
    }
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((*number >> shift) & 0xFF));
    }
    return RegData{platform::kRegDword, bytes};
}

// An 8-bit payload of a string type is ANSI text, which the editor stores as UTF-16;
// either way it ends with a terminator, which the editor adds when it is missing.
std::string StringPayload(std::string bytes, bool wide) {
    if (wide) {
        if (bytes.size() < 2 || bytes[bytes.size() - 1] != '\0' ||
            bytes[bytes.size() - 2] != '\0') {
            bytes.append(2, '\0');
        }
        return bytes;
    }
    if (bytes.empty() || bytes.back() != '\0') {
        bytes.push_back('\0');
    }
    std::string out;
    for (size_t start = 0; start < bytes.size();) {
        const size_t nul = bytes.find('\0', start);
        out += Utf16Text(platform::AnsiToUtf8(std::string_view(bytes).substr(start, nul - start)));
        out.append(2, '\0');
        start = nul + 1;
    }
    return out;
}

std::optional<RegData> HexValueData(std::string_view data, bool wide) {
    const auto hex = ParseHexData(data);
    if (!hex) {
        return std::nullopt;
    }
    const auto type = static_cast<uint32_t>(hex->type);
    if (type == platform::kRegSz || type == platform::kRegExpandSz ||
        type == platform::kRegMultiSz) {
        return RegData{type, StringPayload(hex->bytes, wide)};
    }
    return RegData{type, hex->bytes};
}

// The data of a value line: nullopt for a line the editor would not take; a present
// optional holding nullopt for "-", which deletes the value.
std::optional<std::optional<RegData>> ValueData(std::string_view data, bool wide) {
    if (platform::TrimTrailingBlanks(data) == "-") {
        return std::optional<RegData>();
    }
    if (data.starts_with('"')) {
        const auto text = Unquote(data);
        if (!text) {
            return std::nullopt;
        }
        return std::optional<RegData>(RegData{platform::kRegSz, Utf16Text(*text) + '\0' + '\0'});
    }
    std::optional<RegData> parsed;
    if (platform::AsciiLower(data.substr(0, 6)) == "dword:") {
        parsed = DwordData(data.substr(6));
    } else if (IsHexData(data)) {
        parsed = HexValueData(data, wide);
    }
    if (!parsed) {
        return std::nullopt;
    }
    return std::optional<RegData>(std::move(*parsed));
}

// The file's effect so far, kept in the file's order. Keys and names are compared as the
// registry compares them, through their folded (lower-cased) forms, which index what is
// set or deleted: a line costs the same however many came before it. A replaced or
// deleted entry leaves a hole in the order, which the result skips.
class Effect {
  public:
    void DeleteKey(const std::string& key) {
        const std::string folded = platform::UnicodeLower(key);
        Forget(keys_.find(folded));
        // The keys below it start with "key\": they sort together, before "key]" (']'
        // follows '\').
        const std::string past = folded + ']';
        for (auto below = keys_.lower_bound(folded + '\\');
             below != keys_.end() && below->first < past;) {
            below = Forget(below);
        }
        keys_[folded].deletion = Add(WantedSetting{key, {}, true, std::nullopt});
    }
    // Writing a key creates it and the keys above it: none of them stays deleted.
    void OpenKey(const std::string& key) {
        const std::string folded = FoldedKey(key);
        for (size_t end = folded.find('\\'); end != std::string::npos;
             end = folded.find('\\', end + 1)) {
            Undelete(folded.substr(0, end));
        }
        Undelete(folded);
    }
    void SetValue(WantedSetting setting) {
        auto& values = keys_[FoldedKey(setting.key)].values;
        const std::string name = platform::UnicodeLower(setting.name);
        const size_t at = Add(std::move(setting));
        const auto [slot, added] = values.try_emplace(name, at);
        if (!added) {
            entries_[slot->second].reset();
            slot->second = at;
        }
    }
    std::vector<WantedSetting> Result() {
        std::vector<WantedSetting> settings;
        for (auto& entry : entries_) {
            if (entry) {
                settings.push_back(std::move(*entry));
            }
        }
        return settings;
    }

  private:
    struct KeyEntries {
        std::optional<size_t> deletion;                  // where "[-key]" stands
        std::unordered_map<std::string, size_t> values;  // by folded name
    };
    using Keys = std::map<std::string, KeyEntries>;

    size_t Add(WantedSetting setting) {
        entries_.emplace_back(std::move(setting));
        return entries_.size() - 1;
    }
    // Drops what the file has set or deleted in the key so far.
    Keys::iterator Forget(Keys::iterator key) {
        if (key == keys_.end()) {
            return key;
        }
        if (key->second.deletion) {
            entries_[*key->second.deletion].reset();
        }
        for (const auto& [name, at] : key->second.values) {
            entries_[at].reset();
        }
        return keys_.erase(key);
    }
    void Undelete(const std::string& folded) {
        const auto key = keys_.find(folded);
        if (key != keys_.end() && key->second.deletion) {
            entries_[*key->second.deletion].reset();
            key->second.deletion.reset();
        }
    }
    // A section's line and its values all name its key: it is folded once for them.
    const std::string& FoldedKey(const std::string& key) {
        if (key != lastKey_) {
            lastKey_ = key;
            lastFolded_ = platform::UnicodeLower(key);
        }
        return lastFolded_;
    }

    std::vector<std::optional<WantedSetting>> entries_;
    Keys keys_;
    std::string lastKey_;
    std::string lastFolded_;
};

// One value line of the key `key`: `next` moves past its continuation lines.
void ReadValueLine(const FileLines& file, size_t& next, const std::string& key, Effect& effect) {
    const std::string_view line = file.lines[next - 1];
    auto value = SplitValueLine(platform::TrimLeadingBlanks(line));
    if (value && IsHexData(value->data)) {
        value =
            SplitValueLine(platform::TrimLeadingBlanks(JoinContinuations(line, file.lines, next)));
    }
    if (!value) {
        return;
    }
    const auto name = value->name == "@" ? std::optional<std::string>("") : Unquote(value->name);
    const auto data = ValueData(value->data, file.wide);
    if (name && data) {
        effect.SetValue(WantedSetting{key, *name, false, *data});
    }
}

std::string HexBytes(std::string_view bytes) {
    std::string out;
    char pair[3];
    for (const char byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(byte)));
        out += pair;
    }
    return out;
}

std::u32string Utf16Units(const RegData& data) {
    return platform::Utf16LeToCodePoints(data.bytes);
}

// What counts when data are compared: a string up to its first terminator (as every
// reader of the value takes it), a list without its closing terminators, other data
// byte for byte.
std::u32string Comparable(const RegData& data) {
    if (data.type == platform::kRegSz || data.type == platform::kRegExpandSz) {
        std::u32string text = Utf16Units(data);
        return text.substr(0, text.find(U'\0'));
    }
    if (data.type == platform::kRegMultiSz) {
        std::u32string text = Utf16Units(data);
        while (!text.empty() && text.back() == U'\0') {
            text.pop_back();
        }
        return text;
    }
    std::u32string bytes;
    for (const char byte : data.bytes) {
        bytes.push_back(static_cast<unsigned char>(byte));
    }
    return bytes;
}

bool Holds(const platform::RegLookup& found, const WantedSetting& wanted) {
    if (wanted.wholeKey) {
        return !found.keyExists;
    }
    if (!wanted.data || !found.value) {
        return !wanted.data && !found.value;
    }
    return wanted.data->type == found.value->type &&
           Comparable(*wanted.data) == Comparable(*found.value);
}

std::string TypeName(uint32_t type) {
    static constexpr const char* kNames[] = {"REG_NONE",
                                             "REG_SZ",
                                             "REG_EXPAND_SZ",
                                             "REG_BINARY",
                                             "REG_DWORD",
                                             "REG_DWORD_BIG_ENDIAN",
                                             "REG_LINK",
                                             "REG_MULTI_SZ",
                                             "REG_RESOURCE_LIST",
                                             "REG_FULL_RESOURCE_DESCRIPTOR",
                                             "REG_RESOURCE_REQUIREMENTS_LIST",
                                             "REG_QWORD"};
    if (type < std::size(kNames)) {
        return kNames[type];
    }
    char text[32];
    std::snprintf(text, sizeof text, "REG_0x%X", static_cast<unsigned>(type));
    return text;
}

// A little-endian number of 4 or 8 bytes as "0x1f"; nullopt for another length.
std::optional<std::string> NumberText(std::string_view bytes, size_t width) {
    if (bytes.size() != width) {
        return std::nullopt;
    }
    unsigned long long number = 0;
    for (size_t i = width; i-- > 0;) {
        number = number << 8 | static_cast<unsigned char>(bytes[i]);
    }
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", number);
    return text;
}

}  // namespace

std::optional<std::vector<WantedSetting>> ReadWantedSettings(std::string_view fileBytes) {
    const auto decoded = Decode(fileBytes);
    if (!decoded) {
        return std::nullopt;
    }
    const FileLines file{RegLines(decoded->text), decoded->wide};
    if (file.lines.empty() || !IsRegHeader(file.lines.front())) {
        return std::nullopt;
    }
    Effect effect;
    std::optional<std::string> key;  // none after a deleted key: its values are not written
    for (size_t next = 1; next < file.lines.size();) {
        const std::string_view line = file.lines[next++];
        if (const auto section = ReadSection(line)) {
            key.reset();
            if (section->deletes) {
                effect.DeleteKey(std::string(section->name));
            } else {
                key = std::string(section->name);
                effect.OpenKey(*key);
            }
        } else if (key) {
            ReadValueLine(file, next, *key, effect);
        }
    }
    return effect.Result();
}

std::vector<SettingDifference> CompareSettings(platform::RegistryService& registry,
                                               const std::vector<WantedSetting>& wanted) {
    std::vector<SettingDifference> differences;
    for (const auto& setting : wanted) {
        platform::RegLookup found;
        // A name the registry cannot hold is as absent as a missing one.
        if (auto name = platform::ParseRegName(setting.key + "\\")) {
            name->valueName = setting.name;
            found = registry.ReadData(*name);
        }
        if (!Holds(found, setting)) {
            differences.push_back({setting, std::move(found)});
        }
    }
    return differences;
}

std::string DataText(const RegData& data) {
    std::string text;
    switch (data.type) {
        case platform::kRegSz:
        case platform::kRegExpandSz:
        case platform::kRegMultiSz:
            text = platform::CodePointsToUtf8(Comparable(data));
            text = platform::ReplaceAll(text, std::string_view("\0", 1), "\\0");
            break;
        case platform::kRegDword:
            text = NumberText(data.bytes, 4).value_or(HexBytes(data.bytes));
            break;
        case platform::kRegQword:
            text = NumberText(data.bytes, 8).value_or(HexBytes(data.bytes));
            break;
        default:
            text = HexBytes(data.bytes);
    }
    return TypeName(data.type) + " " + text;
}

ProfileSettings ReadProfileSettings(const App& app, const std::string& profileName) {
    ProfileSettings settings;
    const std::string path = RegistryFilePath(app, profileName);
    const auto bytes = app.sys.files.ReadAll(path);
    if (!bytes) {
        settings.problem = NotFoundText(app, path);
        return settings;
    }
    // The same check as before an import: a file the apply would not import is not
    // a profile to compare with either.
    if (const auto refused = FindRefusedSection(*bytes)) {
        settings.problem = ImportRefusedText(app, path, *refused);
        return settings;
    }
    auto wanted = ReadWantedSettings(*bytes);
    if (!wanted) {
        settings.problem = NotRegistryFileText(app, path);
        return settings;
    }
    settings.wanted = std::move(*wanted);
    return settings;
}

}  // namespace tzp::profiles
