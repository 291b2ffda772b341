#pragma once
// Strict checks of machine-readable output, written apart from the program's own text
// code so that they do not share its mistakes: whole UTF-8 by the table of well-formed
// byte sequences, and one JSON document by the grammar of RFC 8259, nothing before or
// after it but white space.
#include <string_view>

namespace tzp::fuzz {

// Whether the bytes are well-formed UTF-8: no overlong form, surrogate, code point past
// U+10FFFF, stray continuation byte or cut-off character.
inline bool IsWholeUtf8(std::string_view text) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = byte(i);
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if (byte(i + k) < (k == 1 ? low : 0x80) || byte(i + k) > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

class JsonReader {
  public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    bool Document() {
        Space();
        if (!Value(0)) {
            return false;
        }
        Space();
        return at_ == text_.size();
    }

  private:
    // Far deeper than any output of ours; it only keeps the recursion bounded.
    static constexpr int kMaxDepth = 64;

    bool Value(int depth) {
        if (depth > kMaxDepth || at_ == text_.size()) {
            return false;
        }
        switch (text_[at_]) {
            case '{':
                return Object(depth);
            case '[':
                return Array(depth);
            case '"':
                return String();
            case 't':
                return Word("true");
            case 'f':
                return Word("false");
            case 'n':
                return Word("null");
            default:
                return Number();
        }
    }

    bool Object(int depth) {
        ++at_;
        Space();
        if (Take('}')) {
            return true;
        }
        do {
            Space();
            if (at_ == text_.size() || text_[at_] != '"' || !String()) {
                return false;
            }
            Space();
            if (!Take(':')) {
                return false;
            }
            Space();
            if (!Value(depth + 1)) {
                return false;
            }
            Space();
        } while (Take(','));
        return Take('}');
    }

    bool Array(int depth) {
        ++at_;
        Space();
        if (Take(']')) {
            return true;
        }
        do {
            Space();
            if (!Value(depth + 1)) {
                return false;
            }
            Space();
        } while (Take(','));
        return Take(']');
    }

    // A string: no raw control character, only the escapes the grammar names, and a
    // surrogate escape only as a pair, high then low.
    bool String() {
        ++at_;
        while (at_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"') {
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c == '\\' && !Escape()) {
                return false;
            }
        }
        return false;
    }

    bool Escape() {
        if (at_ == text_.size()) {
            return false;
        }
        const char c = text_[at_++];
        if (std::string_view("\"\\/bfnrt").find(c) != std::string_view::npos) {
            return true;
        }
        int unit = 0;
        if (c != 'u' || !Hex4(unit) || (unit >= 0xDC00 && unit <= 0xDFFF)) {
            return false;
        }
        if (unit < 0xD800 || unit > 0xDBFF) {
            return true;
        }
        return Take('\\') && Take('u') && Hex4(unit) && unit >= 0xDC00 && unit <= 0xDFFF;
    }

    bool Hex4(int& unit) {
        unit = 0;
        for (int k = 0; k < 4; ++k, ++at_) {
            if (at_ == text_.size()) {
                return false;
            }
            const char c = text_[at_];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return false;
            }
            unit = unit * 16 + digit;
        }
        return true;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool Number() {
        Take('-');
        if (!Take('0') && !Digits()) {
            return false;
        }
        if (Take('.') && !Digits()) {
            return false;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            return Digits();
        }
        return true;
    }

    bool Digits() {
        const size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            ++at_;
        }
        return at_ > start;
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    bool Take(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    void Space() {
        while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) !=
                                         std::string_view::npos) {
            ++at_;
        }
    }

    std::string_view text_;
    size_t at_ = 0;
};

// One JSON document in whole UTF-8, as a strict reader (Python's json.loads of the
// decoded text, say) takes it.
inline bool IsJsonDocument(std::string_view text) {
    return IsWholeUtf8(text) && JsonReader(text).Document();
}

}  // namespace tzp::fuzz
