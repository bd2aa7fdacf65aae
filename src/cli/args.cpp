// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/args.h"

#include <QCommandLineParser>
#include <set>

#include "util/nearnames.h"

namespace wks::cli {
namespace {

// Latin-1 maps every byte to one character and back, so no argument is altered on the way.
QString toQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string fromQt(const QString& text) { return text.toLatin1().toStdString(); }

const QString kHelp = QStringLiteral("help");

}  // namespace

Args::Args(const std::vector<CommandOption>& options, const std::vector<std::string>& args)
    : parser_(std::make_unique<QCommandLineParser>()) {
    parser_->addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}));
    std::set<std::string> valued;
    for (const auto& o : options) {
        QCommandLineOption option(toQt(o.name));
        if (o.valueName) {
            option.setValueName(toQt(o.valueName));
            valued.insert(std::string("--") + o.name);
        }
        parser_->addOption(option);
    }

    // The parser would read "-1" as options; here it is a positional, so the positionals go
    // after "--" in their order, and the options (each with its value) before.
    QStringList optionWords{QStringLiteral("wks-settings")}, positionalWords;
    std::optional<std::string> missingValue;
    bool onlyPositionals = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (onlyPositionals || a.rfind("--", 0) != 0) {
            (a == "-h" && !onlyPositionals ? optionWords : positionalWords) << toQt(a);
        } else if (a == "--") {
            onlyPositionals = true;
        } else {
            if (!valued.count(a)) {
                optionWords << toQt(a);
            } else if (i + 1 < args.size()) {
                optionWords << toQt(a) << toQt(args[++i]);
            } else {
                missingValue = a;
            }
        }
    }
    const bool parsed =
        parser_->parse(optionWords + QStringList{QStringLiteral("--")} + positionalWords);
    if (helpRequested()) return;
    const QStringList unknown = parser_->unknownOptionNames();
    if (!unknown.isEmpty()) {
        std::vector<std::string> names;
        for (const auto& o : options) names.push_back(std::string("--") + o.name);
        const std::string typed = "--" + fromQt(unknown.first());
        throw UsageError("unknown option " + typed + didYouMean(typed, names));
    }
    if (missingValue) throw UsageError("option " + *missingValue + " needs a value");
    if (!parsed) throw UsageError(parser_->errorText().toStdString());
}

Args::~Args() = default;

bool Args::helpRequested() const { return parser_->isSet(kHelp); }

bool Args::flag(const std::string& name) const { return parser_->isSet(toQt(name)); }

std::optional<std::string> Args::option(const std::string& name) const {
    auto values = options(name);
    if (values.empty()) return std::nullopt;
    return values.back();
}

std::vector<std::string> Args::options(const std::string& name) const {
    std::vector<std::string> values;
    for (const QString& v : parser_->values(toQt(name))) values.push_back(fromQt(v));
    return values;
}

std::vector<std::string> Args::positionals() const {
    std::vector<std::string> words;
    for (const QString& w : parser_->positionalArguments()) words.push_back(fromQt(w));
    return words;
}

std::vector<std::string> Args::expect(std::size_t n, const std::string& usage) const {
    auto p = positionals();
    if (p.size() != n) throw UsageError("usage: " + usage);
    return p;
}

}  // namespace wks::cli
