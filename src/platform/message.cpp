// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message.h"

namespace wks {

Text Text::verbatim(std::string words) {
    Text t;
    t.source = "%1";
    t.args.push_back(std::move(words));
    return t;
}

Text Text::with(Text value) && {
    inner.push_back(std::move(value));
    return std::move(*this);
}

std::string Text::english() const {
    std::vector<std::string> values = args;
    for (const Text& t : inner) values.push_back(t.english());
    return insertValues(source, values);
}

std::string Message::english() const {
    std::string all = text.english();
    for (const Text& note : notes) all += "\n" + note.english();
    return all;
}

bool Message::operator==(const Message& other) const {
    return caption == other.caption && buttons == other.buttons && icon == other.icon &&
           english() == other.english();
}

std::string insertValues(const std::string& source, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? std::size_t(next - '0') : 0;
        if (source[i] == '%' && number >= 1 && number <= values.size()) {
            out += values[number - 1];
            ++i;
        } else {
            out += source[i];
        }
    }
    return out;
}

}  // namespace wks
