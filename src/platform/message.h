// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box as a value: what an operation has to tell the user, or the question it needs
// answered. Operations below the session return messages instead of showing them; the session,
// the screens and the command line show them, in the order the user must see them.
//
// The words of a message are a Text: an English source template, the program's own words
// letter for letter, with %1, %2 ... where a path or value goes, marked for lupdate where it
// is written, always in the context "Message":
//
//     Text(QT_TRANSLATE_NOOP("Message", "Failed to delete %1 !"), {target})
//
// The values are kept apart, as UTF-8 text: paths, volume labels and the reasons the system
// gives are UTF-8 already; a settings file's value, which is Latin-1, is converted where the
// Text is built. english() puts them in place unchanged, in one pass (a value holding "%2"
// stays as it is): the text the command line prints and the one a screen shows untranslated,
// byte for byte. A screen translates instead: it looks the source up with
// QCoreApplication::translate(text.context, text.source) and inserts the values in the same
// single pass. A Text with no context is words from outside (a reason the system gives, a
// converter's own lines, words a screen has already put together): shown as they are.
//
// A value may itself be words to translate (a reason within a reason): such values follow the
// plain ones, so with two args and one Text inside, that Text is %3.
//
// Lines a Linux user needs beside a message's own words (the folder behind a drive letter, why
// a write failed) are notes: each follows the text on a line of its own.

#include <QtGlobal>
#include <string>
#include <vector>

namespace wks {

// YesNo asks a question whose safe answer is No: No is the default button and Esc, Yes answers
// Ok and No Cancel.
enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel };

// The lupdate context of every message text.
inline constexpr const char* kMessageContext = "Message";

// Captions used by the messages of this program.
inline constexpr const char* kCaptionTips = QT_TRANSLATE_NOOP("Message", "WKS TIPS");
inline constexpr const char* kCaptionTipsMixed = QT_TRANSLATE_NOOP("Message", "WKS Tips");
inline constexpr const char* kAppTitle = "WKS CONFIG";

struct Text {
    const char* context = nullptr;  // nullptr: words from outside, never translated
    const char* source = "";        // the English template; it outlives the Text (a literal)
    std::vector<std::string> args;  // %1, %2 ... in order, UTF-8
    std::vector<Text> inner;        // the values after args, each in the language spoken

    Text() = default;
    // The program's own words, a template in the "Message" context.
    Text(const char* englishSource, std::vector<std::string> values = {})
        : context(kMessageContext), source(englishSource), args(std::move(values)) {}
    // Words from outside (UTF-8), shown as they are.
    static Text verbatim(std::string words);
    // The same words with one more value that is itself a Text.
    Text with(Text value) &&;
    bool empty() const { return english().empty(); }

    // The template with the values in place, byte for byte: UTF-8.
    std::string english() const;
};

struct Message {
    std::string caption = kCaptionTips;  // "WKS TIPS", "WKS Tips" or the program's title
    Text text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::vector<Text> notes;  // lines after the text

    Message() = default;
    Message(std::string caption, Text text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
            std::vector<Text> notes = {})
        : caption(std::move(caption)),
          text(std::move(text)),
          buttons(buttons),
          icon(icon),
          notes(std::move(notes)) {}

    bool isQuestion() const { return buttons != Buttons::Ok; }
    // The text, then each note on a line of its own.
    std::string english() const;
    // The same box for the user: caption, words, buttons and icon.
    bool operator==(const Message& other) const;
};

// Puts the values into a template: %1 to %9 name the values in order; any other "%" stays.
std::string insertValues(const std::string& source, const std::vector<std::string>& values);

}  // namespace wks
