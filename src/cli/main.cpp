// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wks-settings: writes, reads, checks and saves camera settings files without a window.

#include <QCommandLineParser>
#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "cli/changes.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "util/nearnames.h"

namespace wks::cli {

namespace {

// Each line after the first of text, indented by indent columns.
std::string indented(const std::string& text, std::size_t indent) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\n') out += std::string(indent, ' ');
    }
    return out;
}

// Names and texts in two aligned columns.
std::string columns(const std::vector<std::pair<std::string, std::string>>& rows) {
    std::size_t width = 0;
    for (const auto& [name, text] : rows) width = std::max(width, name.size());
    std::string out;
    for (const auto& [name, text] : rows) {
        out += "  " + name + std::string(width - name.size() + 3, ' ') + indented(text, width + 5) +
               "\n";
    }
    return out;
}

void usage(std::ostream& out) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& c : commands()) rows.emplace_back(c.name, c.summary);
    out << "usage: wks-settings COMMAND [ARGS]\n"
           "       wks-settings --help | --version\n\nCommands:\n"
        << columns(rows)
        << "\nwks-settings COMMAND --help describes one command.\n"
           "Commands, options, models, countries and operators are named exactly; a name that is\n"
           "not quite right (letter case, blanks, a slip of the keys, a country's usual English\n"
           "name such as Czech for the table's Chech) is bad input, and the message asks \"did\n"
           "you mean ...?\" with the names meant.\n";
}

std::vector<CommandOption> optionsOf(const Command& c) {
    auto options = c.options;
    if (c.takesChanges) {
        for (const auto& o : Changes::options()) options.push_back(o);
    }
    return options;
}

}  // namespace

std::string commandHelp(const Command& c) {
    std::string text = "usage: " + indented(c.usage, 7) + "\n" + c.description;
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& o : c.options) {
        rows.emplace_back(
            std::string("--") + o.name + (o.valueName ? std::string(" ") + o.valueName : ""),
            o.description);
    }
    if (!rows.empty()) text += "\nOptions:\n" + columns(rows);
    if (c.takesChanges) text += std::string("\n") + Changes::help();
    return text;
}

}  // namespace wks::cli

int main(int argc, char** argv) {
    using namespace wks::cli;
    // Latin-1 keeps every byte of the arguments as it is.
    QStringList words;
    for (int i = 0; i < argc; ++i) words << QString::fromLatin1(argv[i]);
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{"h", "help"}), version(QStringList{"v", "version"});
    parser.addOptions({help, version});
    if (!parser.parse(words)) {
        const QString name = parser.unknownOptionNames().value(0);
        std::cerr << "wks-settings: unknown option " << (name.size() == 1 ? "-" : "--")
                  << printablePath(name.toLatin1().toStdString()) << "\n";
        usage(std::cerr);
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        usage(std::cout);
        return kExitOk;
    }
    if (parser.isSet(version)) {
        std::cout << "wks-settings " << WKS_VERSION << "\n";
        return kExitOk;
    }
    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        usage(std::cerr);
        return kExitUsage;
    }
    std::vector<std::string> commandWords;
    for (const QString& w : rest) commandWords.push_back(w.toLatin1().toStdString());
    const std::string& name = commandWords.front();
    const auto& table = commands();
    const auto c = std::find_if(table.begin(), table.end(),
                                [&](const Command& command) { return name == command.name; });
    if (c == table.end()) {
        std::vector<std::string> names;
        for (const auto& command : table) names.push_back(command.name);
        std::cerr << "wks-settings: unknown command \""
                  << printablePath(name + "\"" + wks::didYouMean(name, names)) << "\n";
        usage(std::cerr);
        return kExitUsage;
    }
    try {
        Args args(optionsOf(*c), {commandWords.begin() + 1, commandWords.end()});
        if (args.helpRequested()) {
            std::cout << commandHelp(*c);
            return kExitOk;
        }
        return c->run(args);
    } catch (const UsageError& e) {
        std::cerr << "wks-settings " << c->name << ": " << printablePath(e.what()) << "\n";
        return kExitUsage;
    } catch (const std::runtime_error& e) {  // the environment leaves no place to work in
        std::cerr << "wks-settings " << c->name << ": " << printablePath(e.what()) << "\n";
        return kExitProblem;
    }
}
