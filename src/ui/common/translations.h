// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop program speaks the desktop's language where it has a catalogue for it: its own,
// built in, and Qt's for Qt's own dialogs and buttons, where the system has that. English is
// the source and needs no catalogue. The command line stays English.

#include <QString>
#include <QStringList>
#include <string>

#include "platform/message.h"

namespace wks::ui {

// The languages the program has a catalogue of, as "de", "sv", "nb", ...
QStringList shippedLanguages();

// The language the desktop asks for, as gettext finds it: the C (or POSIX) messages locale is
// English whatever LANGUAGE says; otherwise the first of LANGUAGE's list, then the messages
// locale (LC_ALL, LC_MESSAGES, LANG in that order), that is English or one of those shipped.
// Empty for English. Without a list, the languages shipped.
QString desktopLanguage(const QStringList& shipped);
QString desktopLanguage();

// Words in the language spoken: the template translated and the values put in its place in one
// pass as Text::english() does; words from outside as they are. Values and words from outside
// are UTF-8 (see Text), and so is every translation: nothing passes through Latin-1.
QString shownText(const Text& text);
// A message's words, then each note on a line of its own.
QString shownText(const Message& message);

// Speaks the language given from now on: the program's catalogue and Qt's, in place of those
// used before. Empty, or a language without catalogue, is English.
void useLanguage(const QString& language);

}  // namespace wks::ui
