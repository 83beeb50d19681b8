// HTML escapes in the strings of puzzle files ("&copy; 2004", "Tom &amp; Jerry").
#include <cstdint>
#include <string>

#include "picture/puzzle_text.h"

namespace mosarin {

namespace {

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point of a numeric escape's digits ("169", "xA9"); 0 when they
// are not digits or name no character (a surrogate, beyond U+10FFFF, NUL).
std::uint32_t numericEscape(std::string_view digits) {
    const bool hex = !digits.empty() && (digits.front() == 'x' || digits.front() == 'X');
    if (hex) digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 8) return 0;
    std::uint32_t code = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return 0;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return code;
}

std::uint32_t namedEscape(std::string_view name) {
    struct Named {
        std::string_view name;
        std::uint32_t code;
    };
    static constexpr Named kNames[] = {{"amp", '&'},     {"lt", '<'},      {"gt", '>'},      {"quot", '"'},
                                       {"apos", '\''},   {"copy", 0xA9},   {"nbsp", 0xA0},   {"reg", 0xAE},
                                       {"eacute", 0xE9}, {"egrave", 0xE8}, {"uuml", 0xFC},   {"ouml", 0xF6},
                                       {"auml", 0xE4},   {"szlig", 0xDF},  {"ndash", 0x2013}, {"mdash", 0x2014},
                                       {"hellip", 0x2026}};
    for (const Named& named : kNames) {
        if (named.name == name) return named.code;
    }
    return 0;
}

}  // namespace

std::string decodeHtmlEscapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const std::size_t semicolon = text.find(';', i + 1);
            if (semicolon != std::string_view::npos && semicolon - i <= 12) {
                const std::string_view name = text.substr(i + 1, semicolon - i - 1);
                const std::uint32_t code =
                    name.starts_with('#') ? numericEscape(name.substr(1)) : namedEscape(name);
                if (code != 0) {
                    appendUtf8(out, code);
                    i = semicolon;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace mosarin
