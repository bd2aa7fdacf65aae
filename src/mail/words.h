// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mail test's words: English source texts, marked for translation in the context
// "wks::mail", whose %1, %2... stand for what is not words (a name, a number, a server's reply)
// or for words of their own. A screen shows them in the user's language; the command line
// prints them in English.

#include <QString>
#include <string>
#include <vector>

namespace wks::mail {

struct Words {
    const char* source = nullptr;  // the English template; nullptr: `data` is the text
    std::string data;              // Latin-1 bytes, shown as they are
    std::vector<Words> args;       // what %1, %2... stand for
};

// A template marked with QT_TRANSLATE_NOOP("wks::mail", ...), with what its %N stand for.
Words phrase(const char* source, std::vector<Words> args = {});
// Text from outside or a number: never translated.
Words verbatim(std::string data);

// The words in English, Latin-1.
std::string english(const Words& words);
// The words through the translators the program has installed.
QString translated(const Words& words);

}  // namespace wks::mail
