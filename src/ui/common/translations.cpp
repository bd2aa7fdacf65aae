// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <optional>

namespace wks::ui {
namespace {

const QString kCatalogues = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("wks-config_");

QTranslator& programCatalogue() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtCatalogue() {
    static QTranslator translator;
    return translator;
}

// "de_DE.UTF-8@euro" -> "de_DE"; Norwegian without a written standard is taken as Bokmål, as
// the desktops do.
QString plainLocale(const QString& name) {
    QString plain = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    plain.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (plain == QLatin1String("no") || plain.startsWith(QLatin1String("no_")))
        plain.replace(0, 2, QStringLiteral("nb"));
    return plain;
}

}  // namespace

QStringList shippedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(kCatalogues).entryList({kPrefix + QLatin1String("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) languages << file.mid(kPrefix.size()).chopped(3);
    return languages;
}

namespace {

// The first language asked for that is English or shipped, as desktopLanguage() describes;
// `shipped` is asked only about a language other than English.
template <typename IsShipped>
QString chooseLanguage(IsShipped shipped) {
    QString messages = qEnvironmentVariable("LC_ALL");
    if (messages.isEmpty()) messages = qEnvironmentVariable("LC_MESSAGES");
    if (messages.isEmpty()) messages = qEnvironmentVariable("LANG");
    messages = plainLocale(messages);
    if (messages.isEmpty() || messages == QLatin1String("C") || messages == QLatin1String("POSIX"))
        return {};
    QStringList wanted =
        qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << messages;
    for (const QString& name : wanted) {
        const QString locale = plainLocale(name);
        const QString language = locale.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en")) return {};
        if (shipped(locale)) return locale;
        if (shipped(language)) return language;
    }
    return {};
}

}  // namespace

QString desktopLanguage(const QStringList& shipped) {
    return chooseLanguage([&shipped](const QString& name) { return shipped.contains(name); });
}

QString desktopLanguage() {
    // Listing the catalogues costs the start of every English session a look through the
    // resources; it is done only when a language other than English is asked for.
    std::optional<QStringList> shipped;
    return chooseLanguage([&shipped](const QString& name) {
        if (!shipped) shipped = shippedLanguages();
        return shipped->contains(name);
    });
}

QString shownText(const Text& text) {
    if (!text.context) return QString::fromStdString(text.english());
    const QString words = QCoreApplication::translate(text.context, text.source);
    QStringList values;
    for (const std::string& value : text.args) values << QString::fromStdString(value);
    for (const Text& value : text.inner) values << shownText(value);
    QString shown;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QChar next = i + 1 < words.size() ? words[i + 1] : QChar();
        const int number = next.digitValue();
        if (words[i] == QLatin1Char('%') && number >= 1 && number <= values.size()) {
            shown += values[number - 1];
            ++i;
        } else {
            shown += words[i];
        }
    }
    return shown;
}

QString shownText(const Message& message) {
    QString shown = shownText(message.text);
    for (const Text& note : message.notes) shown += QLatin1Char('\n') + shownText(note);
    return shown;
}

void useLanguage(const QString& language) {
    QTranslator& own = programCatalogue();
    QTranslator& qt = qtCatalogue();
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    if (language.isEmpty() || !own.load(kPrefix + language, kCatalogues)) return;
    QCoreApplication::installTranslator(&own);
    // Qt's own words (standard buttons, the file dialog) where the system has them.
    if (qt.load(QStringLiteral("qt_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

}  // namespace wks::ui
