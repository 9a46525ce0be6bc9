#pragma once
// A strict JSON reader for the fuzz targets: whether a text is exactly one
// JSON value (RFC 8259 grammar, nothing after it), and the bytes of a JSON
// string literal whose \u escapes are all below 256.
#include <optional>
#include <string>
#include <string_view>

namespace fuzzjson {

class Reader {
  public:
    explicit Reader(std::string_view text) : s_(text) {}

    bool WholeValue() {
        if (!Value(0))
            return false;
        Blanks();
        return i_ == s_.size();
    }

    // The string literal that makes up the whole text, decoded to bytes.
    std::optional<std::string> WholeLatin1String() {
        std::string out;
        if (!String(&out))
            return std::nullopt;
        if (i_ != s_.size())
            return std::nullopt;
        return out;
    }

  private:
    bool Value(int depth) {
        if (depth > 64)
            return false;
        Blanks();
        if (i_ >= s_.size())
            return false;
        const char c = s_[i_];
        if (c == '{')
            return Object(depth);
        if (c == '[')
            return Array(depth);
        if (c == '"')
            return String(nullptr);
        if (c == 't')
            return Word("true");
        if (c == 'f')
            return Word("false");
        if (c == 'n')
            return Word("null");
        return Number();
    }
    bool Object(int depth) {
        ++i_;
        Blanks();
        if (Peek('}'))
            return ++i_, true;
        for (;;) {
            Blanks();
            if (!String(nullptr))
                return false;
            Blanks();
            if (!Peek(':'))
                return false;
            ++i_;
            if (!Value(depth + 1))
                return false;
            Blanks();
            if (Peek('}'))
                return ++i_, true;
            if (!Peek(','))
                return false;
            ++i_;
        }
    }
    bool Array(int depth) {
        ++i_;
        Blanks();
        if (Peek(']'))
            return ++i_, true;
        for (;;) {
            if (!Value(depth + 1))
                return false;
            Blanks();
            if (Peek(']'))
                return ++i_, true;
            if (!Peek(','))
                return false;
            ++i_;
        }
    }
    static int Hex(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    bool String(std::string* out) {
        if (!Peek('"'))
            return false;
        ++i_;
        while (i_ < s_.size()) {
            const unsigned char c = static_cast<unsigned char>(s_[i_++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c != '\\') {
                if (out)
                    *out += static_cast<char>(c);
                continue;
            }
            if (i_ >= s_.size())
                return false;
            const char e = s_[i_++];
            char plain = 0;
            switch (e) {
                case '"':
                    plain = '"';
                    break;
                case '\\':
                    plain = '\\';
                    break;
                case '/':
                    plain = '/';
                    break;
                case 'b':
                    plain = '\b';
                    break;
                case 'f':
                    plain = '\f';
                    break;
                case 'n':
                    plain = '\n';
                    break;
                case 'r':
                    plain = '\r';
                    break;
                case 't':
                    plain = '\t';
                    break;
                case 'u': {
                    if (i_ + 4 > s_.size())
                        return false;
                    int code = 0;
                    for (int k = 0; k < 4; ++k) {
                        const int h = Hex(s_[i_++]);
                        if (h < 0)
                            return false;
                        code = code * 16 + h;
                    }
                    if (out) {
                        if (code > 255)
                            return false;
                        *out += static_cast<char>(code);
                    }
                    continue;
                }
                default:
                    return false;
            }
            if (out)
                *out += plain;
        }
        return false;
    }
    bool Number() {
        const std::size_t start = i_;
        if (Peek('-'))
            ++i_;
        if (Peek('0')) {
            ++i_;
        } else if (Digits() == 0) {
            return false;
        }
        if (Peek('.')) {
            ++i_;
            if (Digits() == 0)
                return false;
        }
        if (Peek('e') || Peek('E')) {
            ++i_;
            if (Peek('+') || Peek('-'))
                ++i_;
            if (Digits() == 0)
                return false;
        }
        return i_ > start;
    }
    std::size_t Digits() {
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
            ++i_;
        return i_ - start;
    }
    bool Word(std::string_view w) {
        if (s_.substr(i_, w.size()) != w)
            return false;
        i_ += w.size();
        return true;
    }
    bool Peek(char c) const { return i_ < s_.size() && s_[i_] == c; }
    void Blanks() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

inline bool IsJson(std::string_view text) {
    return Reader(text).WholeValue();
}

}  // namespace fuzzjson
