#include "cli/json_writer.h"

#include <array>

namespace {

// Bytes of a well-formed UTF-8 sequence starting at s[i], or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return n;
}

} // namespace

void AppendJsonString(std::string& out, std::string_view s) {
    // Plain ASCII, nearly every text, goes in runs.
    static constexpr auto kPlain = [] {
        std::array<bool, 256> t{};
        for (int c = 0x20; c < 0x80; ++c)
            t[c] = c != '"' && c != '\\';
        return t;
    }();
    out += '"';
    const char* const data = s.data();
    const std::size_t size = s.size();
    for (std::size_t i = 0;; ++i) {
        std::size_t end = i;
        while (end < size && kPlain[static_cast<unsigned char>(data[end])])
            ++end;
        out.append(data + i, end - i);
        if (end == size) break;
        i = end;
        const unsigned char c = static_cast<unsigned char>(data[i]);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else if (const std::size_t n = Utf8Length(s, i); n > 0) {
                out.append(data + i, n);
                i += n - 1;
            } else {
                // JSON is UTF-8: a stray byte of a typed value must not break it.
                out += "\\ufffd";
            }
        }
    }
    out += '"';
}
