// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/prompts.h"

#include <unistd.h>

#include <iostream>

#include "platform/terminaltext.h"

namespace wks {
namespace {

Prompter*& installed() {
    static Prompter* current = nullptr;
    return current;
}

const char* iconName(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return "information";
        case Icon::Warning:
            return "warning";
        case Icon::Error:
            return "error";
        case Icon::Question:
            return "question";
        case Icon::None:
            break;
    }
    return "";
}

}  // namespace

Prompter& prompter() {
    static ConsolePrompter console;
    Prompter* p = installed();
    return p ? *p : console;
}

void setPrompter(Prompter* p) { installed() = p; }

Answer showMessage(const Message& message) { return prompter().show(message); }

ScopedPrompter::ScopedPrompter(Prompter& p) : previous_(installed()) { installed() = &p; }
ScopedPrompter::~ScopedPrompter() { installed() = previous_; }

Answer ConsolePrompter::show(const Message& message) {
    std::ostream& out =
        message.icon == Icon::Warning || message.icon == Icon::Error ? std::cerr : std::cout;
    // A message may carry a folder's name, a label or a file's value: its own lines are kept,
    // anything that could act on the terminal is escaped.
    out << "[" << printablePath(message.caption) << "]";
    if (message.icon != Icon::None) out << " (" << iconName(message.icon) << ")";
    out << " " << printableLines(message.english()) << std::endl;
    if (message.buttons == Buttons::Ok) return Answer::Ok;
    if (preset_) {
        out << (*preset_ == Answer::Ok ? "-> OK" : "-> Cancel") << std::endl;
        return *preset_;
    }
    if (!isatty(STDIN_FILENO)) {
        out << "-> Cancel (no terminal to ask)" << std::endl;
        return Answer::Cancel;
    }
    std::cout << "OK? [y/N] " << std::flush;
    std::string line;
    if (!std::getline(std::cin, line)) return Answer::Cancel;
    return (line == "y" || line == "Y" || line == "yes") ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> ConsolePrompter::openFile(const OpenFileRequest&) {
    return std::nullopt;
}

Answer ScriptedPrompter::show(const Message& message) {
    shown_.push_back(message);
    if (message.buttons == Buttons::Ok) return Answer::Ok;
    if (next_ < answers_.size()) return answers_[next_++];
    return Answer::Ok;
}

std::optional<std::string> ScriptedPrompter::openFile(const OpenFileRequest& request) {
    fileRequests_.push_back(request);
    if (nextFile_ < files_.size()) return files_[nextFile_++];
    return std::nullopt;
}

}  // namespace wks
