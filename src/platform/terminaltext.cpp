// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminaltext.h"

#include <cstdio>

namespace wks {
namespace {

void appendEscaped(std::string& out, std::string_view bytes) {
    for (char ch : bytes) {
        char buffer[5];
        std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned char>(ch));
        out += buffer;
    }
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

struct Character {
    char32_t code;
    std::size_t length;  // 0: the byte at that place begins no well-formed character
};

// The well-formed UTF-8 character at text[i] (no overlong form, no surrogate, none beyond
// U+10FFFF), so that no byte of a broken one can pass for a control of its own.
Character utf8At(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
    char32_t code;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {0, 0};
    }
    if (i + length > text.size()) return {0, 0};
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char c = byte(k);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return {0, 0};
        code = (code << 6) | (c & 0x3F);
    }
    return {code, length};
}

Character latin1At(std::string_view text, std::size_t i) {
    return {static_cast<unsigned char>(text[i]), 1};
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLead[length] | (c >> (6 * (length - 1))));
    for (int k = length - 2; k >= 0; --k) out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

// The one step: each character as UTF-8, a control or a byte that begins no character as the
// escapes of its bytes in the source.
template <typename Decode>
std::string escapeControls(std::string_view text, Decode decode) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Character c = decode(text, i);
        const std::size_t length = c.length ? c.length : 1;
        if (!c.length || isControl(c.code)) {
            appendEscaped(out, text.substr(i, length));
        } else {
            appendUtf8(out, c.code);
        }
        i += length;
    }
    return out;
}

}  // namespace

std::string printable(std::string_view latin1) { return escapeControls(latin1, latin1At); }

std::string printablePath(std::string_view utf8) { return escapeControls(utf8, utf8At); }

std::string printableLines(std::string_view utf8) {
    std::string out;
    for (std::size_t start = 0;;) {
        const std::size_t end = utf8.find('\n', start);
        out += printablePath(utf8.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return out;
        out += '\n';
        start = end + 1;
    }
}

}  // namespace wks
