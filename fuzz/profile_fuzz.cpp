// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Parses arbitrary bytes as a settings file, reads every key, writes keys taken from the input,
// serialises and parses again: what was written must read back, and the untouched bytes of a
// document must survive a parse and a serialise unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace {

// A name or value that a line keeps as it is: no line breaks, no blanks at either end, and
// nothing that would make the line a section, a comment or split it at "=".
std::string clean(std::string_view raw, bool isKey) {
    std::string s;
    for (char c : raw) {
        if (c == '\n' || c == '\r' || c == '\0') continue;
        if (isKey && (c == '=' || c == ']')) continue;
        s += c;
    }
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    for (bool changed = true; changed;) {
        const std::size_t before = s.size();
        while (!s.empty() && blank(s.front())) s.erase(s.begin());
        while (!s.empty() && blank(s.back())) s.pop_back();
        if (isKey && !s.empty() && (s.front() == '[' || s.front() == ';')) s.erase(s.begin());
        if (!isKey && s.size() >= 2 && (s.front() == '"' || s.front() == '\'') &&
            s.back() == s.front()) {
            s.pop_back();
        }
        changed = s.size() != before;
    }
    return s;
}

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    wks::ProfileDocument doc = wks::ProfileDocument::parse(bytes);
    check(doc.serialize() == bytes);

    // Each lookup walks the document, so a few entries are looked up, not all of them.
    int looked = 0;
    for (const auto& e : doc.entries()) {
        if (!e.read || ++looked > 8) continue;
        check(doc.value(e.section, e.key) == e.value);
        check(doc.read(e.section, e.key, "", 10) == e.value.substr(0, 9));
    }

    // Writes: the input's last bytes, split in three, name a section, a key and a value.
    const std::size_t third = size / 3;
    std::string section = clean(bytes.substr(size - third), true);
    std::string key = clean(bytes.substr(third, third), true);
    std::string value = clean(bytes.substr(0, third), false);
    if (section.empty()) section = "Camera Setting";
    doc.write(section, key, value);

    wks::ProfileDocument again = wks::ProfileDocument::parse(doc.serialize());
    check(again.serialize() == doc.serialize());
    auto reread = again.value(section, key);
    check(reread.has_value() && *reread == value);
    return 0;
}
