// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/profile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <set>

#include "platform/files.h"

namespace wks {
namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";
constexpr const char* kNewLine = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::string_view trim(std::string_view s) {
    auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x != y && std::tolower(x) != std::tolower(y)) return false;
    }
    return true;
}

// "[name]" -> name; nothing for a line that is no section header.
std::optional<std::string_view> sectionName(std::string_view line) {
    std::string_view t = trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

bool isComment(std::string_view line) {
    std::string_view t = trim(line);
    return !t.empty() && t.front() == ';';
}

// The key of an entry line; nothing for a line without "=" or a comment.
std::optional<std::string_view> entryKey(std::string_view line) {
    if (isComment(line)) return std::nullopt;
    auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(line.substr(0, eq));
}

std::string_view entryValue(std::string_view line) {
    std::string_view v = trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return v;
}

}  // namespace

void ProfileDocument::parseUtf16(std::string_view bytes) {
    const bool big = encoding_ == Encoding::Utf16BE;
    std::u16string wide;
    wide.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        wide += static_cast<char16_t>(big ? (a << 8) | b : (b << 8) | a);
    }
    std::size_t pos = 0;
    while (pos < wide.size()) {
        auto nl = wide.find(u'\n', pos);
        const bool last = nl == std::u16string::npos;
        const bool crlf = !last && nl > pos && wide[nl - 1] == u'\r';
        const std::size_t end = last ? wide.size() : (crlf ? nl - 1 : nl);
        Line line{{}, last ? "" : (crlf ? "\r\n" : "\n"), {}};
        bool lossy = false;
        for (std::size_t i = pos; i < end; ++i) {
            const char16_t c = wide[i];
            // A character outside Latin-1 reads as "?", a surrogate pair as one.
            if (c >= 0xDC00 && c < 0xE000 && i > pos && wide[i - 1] >= 0xD800 &&
                wide[i - 1] < 0xDC00) {
                lossy = true;
                continue;
            }
            lossy = lossy || c > 0xFF;
            line.text += c > 0xFF ? '?' : static_cast<char>(c);
        }
        if (lossy) line.wide = wide.substr(pos, end - pos);
        lines_.push_back(std::move(line));
        if (last) break;
        pos = nl + 1;
    }
}

ProfileDocument ProfileDocument::parse(std::string_view bytes) {
    ProfileDocument doc;
    if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
        doc.encoding_ = bytes.starts_with(kUtf16LeBom) ? Encoding::Utf16LE : Encoding::Utf16BE;
        doc.parseUtf16(bytes.substr(2));
        return doc;
    }
    // An editor may have put a UTF-8 byte-order mark in front; it is kept, and not read as
    // part of the first section's name.
    if (bytes.starts_with(kUtf8Bom)) {
        doc.encoding_ = Encoding::Utf8Bom;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        auto nl = bytes.find('\n', pos);
        if (nl == std::string_view::npos) {
            doc.lines_.push_back({std::string(bytes.substr(pos)), ""});
            break;
        }
        bool crlf = nl > pos && bytes[nl - 1] == '\r';
        std::size_t end = crlf ? nl - 1 : nl;
        doc.lines_.push_back({std::string(bytes.substr(pos, end - pos)), crlf ? "\r\n" : "\n"});
        pos = nl + 1;
    }
    return doc;
}

files::Result<ProfileDocument> ProfileDocument::load(const std::string& path) {
    if (!files::exists(path)) {
        if (auto p = files::native(path); !p) return p.error();
        return ProfileDocument{};
    }
    auto bytes = files::readFile(path);
    if (!bytes) return bytes.error();
    return parse(*bytes);
}

std::optional<std::pair<std::size_t, std::size_t>> ProfileDocument::findSection(
    std::string_view name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto n = sectionName(lines_[i].text);
        if (!n || !sameName(*n, name)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end].text)) ++end;
        return std::make_pair(i, end);
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::findKey(std::size_t begin, std::size_t end,
                                                    std::string_view key) const {
    for (std::size_t i = begin + 1; i < end; ++i) {
        auto k = entryKey(lines_[i].text);
        if (k && sameName(*k, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::value(std::string_view section,
                                                  std::string_view key) const {
    auto s = findSection(section);
    if (!s) return std::nullopt;
    auto k = findKey(s->first, s->second, key);
    if (!k) return std::nullopt;
    return std::string(entryValue(lines_[*k].text));
}

std::string ProfileDocument::read(std::string_view section, std::string_view key,
                                  std::string_view defaultValue, DWORD size) const {
    if (size == 0) return {};
    auto v = value(section, key);
    std::string result = v ? std::move(*v) : std::string(defaultValue);
    if (result.size() > size - 1) result.resize(size - 1);
    return result;
}

void ProfileDocument::insertLine(std::size_t at, std::string text) {
    // The line before the new one may be a last line without a line end.
    if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = kNewLine;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  Line{std::move(text), kNewLine});
}

void ProfileDocument::write(std::string_view section, std::string_view key,
                            std::string_view value) {
    std::string entry = std::string(key) + "=" + std::string(value);
    auto s = findSection(section);
    if (!s) {
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::move(entry));
        return;
    }
    if (auto k = findKey(s->first, s->second, key)) {
        Line& line = lines_[*k];
        line.text = std::string(*entryKey(line.text)) + "=" + std::string(value);
        line.wide.clear();
        return;
    }
    std::size_t after = s->first;
    for (std::size_t i = s->first + 1; i < s->second; ++i) {
        if (entryKey(lines_[i].text)) after = i;
    }
    insertLine(after + 1, std::move(entry));
}

std::string ProfileDocument::serialize() const {
    std::size_t total = 0;
    for (const auto& l : lines_) total += l.text.size() + l.eol.size();
    std::string out;
    if (encoding_ == Encoding::Utf16LE || encoding_ == Encoding::Utf16BE) {
        const bool big = encoding_ == Encoding::Utf16BE;
        auto put = [&](char16_t c) {
            out += static_cast<char>(big ? c >> 8 : c & 0xFF);
            out += static_cast<char>(big ? c & 0xFF : c >> 8);
        };
        out.reserve(2 * total + 2);
        out += big ? kUtf16BeBom : kUtf16LeBom;
        for (const auto& l : lines_) {
            if (!l.wide.empty()) {
                for (char16_t c : l.wide) put(c);
            } else {
                for (char c : l.text) put(static_cast<unsigned char>(c));
            }
            for (char c : l.eol) put(static_cast<unsigned char>(c));
        }
        return out;
    }
    out.reserve(total + kUtf8Bom.size());
    if (encoding_ == Encoding::Utf8Bom) out += kUtf8Bom;
    for (const auto& l : lines_) {
        out += l.text;
        out += l.eol;
    }
    return out;
}

files::Status ProfileDocument::save(const std::string& path) const {
    return files::replaceAtomically(path, serialize());
}

std::vector<ProfileDocument::Entry> ProfileDocument::entries() const {
    auto lower = [](std::string_view s) {
        std::string l(s);
        for (char& c : l) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return l;
    };
    std::vector<Entry> out;
    std::set<std::string> sectionsSeen;
    std::set<std::string> keysSeen;  // of the current section, when it is the first of its name
    std::string section;
    bool first = false;
    for (const auto& line : lines_) {
        if (auto name = sectionName(line.text)) {
            section = std::string(*name);
            first = sectionsSeen.insert(lower(section)).second;
            keysSeen.clear();
            continue;
        }
        auto key = entryKey(line.text);
        if (!key) continue;
        const bool read = first && keysSeen.insert(lower(*key)).second;
        out.push_back({section, std::string(*key), std::string(entryValue(line.text)), read});
    }
    return out;
}

std::vector<std::string> ProfileDocument::keys(std::string_view section) const {
    std::vector<std::string> names;
    auto s = findSection(section);
    if (!s) return names;
    for (std::size_t i = s->first + 1; i < s->second; ++i) {
        if (auto k = entryKey(lines_[i].text)) names.emplace_back(*k);
    }
    return names;
}

files::Status writeProfileString(const char* section, const char* key, const char* value,
                                 const char* path) {
    if (!section || !key || !value || !path)
        return std::make_error_code(std::errc::invalid_argument);
    auto doc = ProfileDocument::load(path);
    if (!doc) return doc.error();
    doc->write(section, key, value);
    return doc->save(path);
}

}  // namespace wks

DWORD GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                               char* buffer, DWORD size, const char* path) {
    if (!buffer || size == 0) return 0;
    buffer[0] = '\0';
    if (!section || !key || !path) return 0;
    std::string result;
    auto doc = wks::ProfileDocument::load(path);
    if (doc) {
        result = doc->read(section, key, defaultValue ? defaultValue : "", size);
    } else {
        result = std::string(defaultValue ? defaultValue : "").substr(0, size - 1);
    }
    std::memcpy(buffer, result.data(), result.size());
    buffer[result.size()] = '\0';
    return static_cast<DWORD>(result.size());
}

BOOL WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* path) {
    return wks::writeProfileString(section, key, value, path) ? 1 : 0;
}
