// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the desktop program in every language it ships, offscreen on a laptop's
// 1366 x 768 screen (and, run a second time, on a 2x display of 2732 x 1536): English exactly
// as it was, every catalogue complete with its placeholders and mnemonics, and every window
// fitting the screen with its title bar, no text cut, no control over another.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QXmlStreamReader>
#include <map>

#include "platform/clock.h"
#include "platform/driveprobe.h"
#include "samplescreens.h"
#include "session/prompts.h"
#include "support/tempdatahome.h"
#include "support/tempdrives.h"
#include "ui/common/modalrunner.h"
#include "ui/common/screendialog.h"
#include "ui/common/translations.h"

using namespace wks;
using namespace wks::ui;

namespace {

// Room kept for a title bar above a window, in the screen's own pixels: what Qt itself assumes
// when the window system does not say.
constexpr int kTitleBar = 40;

// A widget a control is made of (a drop-down's list, a date picker's field) is the control's
// own business.
bool partOfControl(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p))
            return true;
    }
    return false;
}

QList<QWidget*> controls(QWidget& window, bool visibleOnly) {
    QList<QWidget*> out;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isWindow() || partOfControl(w, &window)) continue;
        if (visibleOnly && !w->isVisibleTo(&window)) continue;
        out << w;
    }
    return out;
}

QString nameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

QStringList itemTexts(QWidget* w) {
    QStringList items;
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    } else if (auto* l = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < l->count(); ++i) items << l->item(i)->text();
    }
    return items;
}

// Every text of a window a person reads or hears, one line each; the drives' temporary folder
// stands as <drives>.
QStringList texts(QWidget& window, const QString& drives) {
    QStringList out;
    auto add = [&](const QWidget* w, const char* what, QString text) {
        if (text.isEmpty()) return;
        text.replace(drives, QStringLiteral("<drives>")).replace(QLatin1Char('\n'), "\\n");
        const char* hidden = w == &window || w->isVisibleTo(&window) ? "" : " (hidden)";
        out << QStringLiteral("%1%2 %3: %4").arg(nameOf(w), hidden, what, text);
    };
    add(&window, "title", window.windowTitle());
    for (QWidget* w : controls(window, false)) {
        if (auto* l = qobject_cast<QLabel*>(w)) add(w, "text", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, "text", b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, "title", g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            add(w, "text", e->text());
            add(w, "placeholder", e->placeholderText());
        }
        add(w, "entries", itemTexts(w).join(QStringLiteral(" | ")));
        add(w, "tooltip", w->toolTip());
        add(w, "name", w->accessibleName());
        add(w, "description", w->accessibleDescription());
    }
    return out;
}

// The width a control needs to show its text whole, or 0 for a control without text of its
// own to show.
int neededWidth(QWidget* w) {
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) return w->sizeHint().width();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->minimumSizeHint().width();
    if (qobject_cast<QComboBox*>(w)) return w->sizeHint().width();  // made for its longest entry
    if (auto* l = qobject_cast<QListWidget*>(w)) {
        int widest = 0;
        for (const QString& item : itemTexts(w))
            widest = std::max(widest, l->fontMetrics().horizontalAdvance(item));
        return widest + 2 * l->frameWidth() + 8;  // the entry's own margins
    }
    return 0;
}

int neededHeight(QWidget* w) {
    auto* l = qobject_cast<QLabel*>(w);
    if (l && l->wordWrap()) return l->heightForWidth(l->width());
    if (l || qobject_cast<QAbstractButton*>(w)) return w->sizeHint().height();
    return 0;
}

// What is wrong with how a window shows on its screen.
QStringList fitProblems(QWidget& window) {
    QStringList problems;
    const QRect screen = window.screen()->availableGeometry();
    const QRect inner = window.geometry();
    const QRect frame = window.frameGeometry();
    // The whole window with a title bar as tall as the window system's, or as Qt assumes.
    const QRect whole = frame.adjusted(0, std::min(0, inner.top() - kTitleBar - frame.top()), 0, 0);
    if (whole.width() > screen.width() || whole.height() > screen.height())
        problems << QStringLiteral("window %1x%2 larger than the screen")
                        .arg(whole.width())
                        .arg(whole.height());
    else if (!screen.contains(whole))
        problems << QStringLiteral("window at %1,%2 %3x%4 not on the screen")
                        .arg(whole.x())
                        .arg(whole.y())
                        .arg(whole.width())
                        .arg(whole.height());
    else if ((whole.center() - screen.center()).manhattanLength() > 2)
        problems << QStringLiteral("window at %1,%2 not centred").arg(whole.x()).arg(whole.y());
    const QSize natural = window.sizeHint().expandedTo(window.minimumSize());
    if (window.width() > natural.width() || window.height() > natural.height())
        problems << QStringLiteral("window %1x%2 larger than its contents, %3x%4")
                        .arg(window.width())
                        .arg(window.height())
                        .arg(natural.width())
                        .arg(natural.height());
    const QList<QWidget*> shown = controls(window, true);
    for (QWidget* w : shown) {
        const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (!window.rect().contains(r)) problems << nameOf(w) + " outside the window";
        if (neededWidth(w) > w->width() || neededHeight(w) > w->height()) {
            problems << QStringLiteral("%1 cut: needs %2x%3, has %4x%5")
                            .arg(nameOf(w))
                            .arg(neededWidth(w))
                            .arg(neededHeight(w))
                            .arg(w->width())
                            .arg(w->height());
        }
        for (QWidget* other : shown) {
            if (other <= w || other->parentWidget() != w->parentWidget()) continue;
            if (w->geometry().intersects(other->geometry()))
                problems << nameOf(w) + " overlaps " + nameOf(other);
        }
    }
    return problems;
}

// The keys that reach the controls of a window with Alt, each with the controls that use it,
// those shown only at times (the eject button after a save) too.
QStringList clashingMnemonics(QWidget& window) {
    std::map<QString, QStringList> users;
    for (QWidget* w : controls(window, false)) {
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) text = l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w); g && g->isCheckable()) text = g->title();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) users[key.toString()] << nameOf(w);
    }
    QStringList clashes;
    for (const auto& [key, names] : users) {
        if (names.size() > 1) clashes << key + ": " + names.join(QStringLiteral(", "));
    }
    return clashes;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    for (auto it = marker.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

bool hasMnemonic(const QString& text) { return !QKeySequence::mnemonic(text).isEmpty(); }

// What is amiss in a catalogue: each text of the sources it lacks, each message not translated,
// or whose translation lost a placeholder or the mnemonic.
QStringList catalogueProblems(const QString& path, const QStringList& sourceTexts) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {path + ": cannot be read"};
    QStringList problems;
    QStringList held;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() != QLatin1String("translation")) continue;
        const QString type = xml.attributes().value(QLatin1String("type")).toString();
        if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) continue;
        const QString translation = xml.readElementText();
        const QString where = context + " \"" + source + "\"";
        held << where;
        if (type == QLatin1String("unfinished") || translation.isEmpty())
            problems << where + " not translated";
        else if (placeholders(translation) != placeholders(source))
            problems << where + " lost a placeholder: \"" + translation + "\"";
        else if (hasMnemonic(source) != hasMnemonic(translation))
            problems << where + " lost its mnemonic: \"" + translation + "\"";
    }
    if (xml.hasError()) problems << path + ": " + xml.errorString();
    for (const QString& text : sourceTexts) {
        if (!held.contains(text))
            problems << text +
                            " not in the catalogue (cmake --build build --target "
                            "update_translations)";
    }
    return problems;
}

// Every text of the sources, as "context \"source\"": what lupdate found in them.
QStringList sourceTexts() {
    QFile file(QStringLiteral(WKS_SOURCE_TEXTS));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("source"))
            texts << context + " \"" + xml.readElementText() + "\"";
    }
    return texts;
}

// What a desktop shows of the program before it runs (the menu's entry, the software centre's
// page) is in the catalogue's language too.
QStringList launcherProblems(const QString& language) {
    QStringList problems;
    const auto read = [](const QString& name) {
        QFile file(QStringLiteral(WKS_RESOURCES "/") + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString entry = read(QStringLiteral("org.wksconfig.WksConfig.desktop"));
    for (const QString key : {"GenericName", "Comment", "Keywords"}) {
        if (!entry.contains(QStringLiteral("\n%1[%2]=").arg(key, language)))
            problems << QStringLiteral("desktop entry: no %1[%2]").arg(key, language);
    }
    const QString metainfo = read(QStringLiteral("org.wksconfig.WksConfig.metainfo.xml"));
    if (!metainfo.contains(QStringLiteral("<summary xml:lang=\"%1\">").arg(language)))
        problems << QStringLiteral("AppStream metadata: no summary in %1").arg(language);
    return problems;
}

// Each problem on a line of its own, then the verdict.
void report(const QStringList& problems) {
    for (const QString& p : problems) qWarning("%s", qPrintable(p));
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems").arg(problems.size())));
}

struct OpenScreen {
    explicit OpenScreen(const test::SampleScreen& sample) : dialog(sample.make(state)) {
        if (auto* s = qobject_cast<ScreenDialog*>(dialog.get())) s->initOnce();
        dialog->show();
    }
    ~OpenScreen() { dialog->reject(); }
    AppState state;
    std::unique_ptr<QDialog> dialog;
};

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void desktopLanguage_data();
    void desktopLanguage();
    void englishAsItWas();
    void catalogues_data();
    void catalogues();
    void qtCatalogue_data();
    void qtCatalogue();
    void messageValues_data();
    void messageValues();
    void windowsFit_data();
    void windowsFit();

  private:
    test::TempDataHome home_;
    test::TempDrives drives_;
    ScriptedPrompter prompts_;
    ScopedPrompter prompterScope_{prompts_};
    ScriptedRunner runner_;
    ScopedModalRunner runnerScope_{runner_};
};

void TestLanguages::initTestCase() {
    fixClock(LocalTime{2026, 12, 8, 9, 30, 0});
    // The screen the platform was given: a laptop's, or the same at twice the pixels.
    const qreal scale = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2 : 1;
    QScreen* screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->geometry().size(), QSize(1366, 768));
    QCOMPARE(screen->devicePixelRatio(), scale);
}

void TestLanguages::desktopLanguage_data() {
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << ""
                                 << ""
                                 << "";
    QTest::newRow("LANG") << ""
                          << ""
                          << "de_DE.UTF-8"
                          << ""
                          << "de";
    QTest::newRow("LC_MESSAGES over LANG") << ""
                                           << "sv_SE.UTF-8"
                                           << "de_DE.UTF-8"
                                           << ""
                                           << "sv";
    QTest::newRow("LC_ALL over both") << "fi_FI.UTF-8"
                                      << "sv_SE"
                                      << "de_DE"
                                      << ""
                                      << "fi";
    QTest::newRow("LANGUAGE first") << ""
                                    << ""
                                    << "de_DE.UTF-8"
                                    << "fr:de"
                                    << "fr";
    QTest::newRow("LANGUAGE skips what is missing") << ""
                                                    << ""
                                                    << "es_ES"
                                                    << "es:cs"
                                                    << "cs";
    QTest::newRow("English first in LANGUAGE") << ""
                                               << ""
                                               << "de_DE"
                                               << "en_GB:de"
                                               << "";
    QTest::newRow("C ignores LANGUAGE") << "C"
                                        << ""
                                        << "de_DE"
                                        << "de"
                                        << "";
    QTest::newRow("C.UTF-8 ignores LANGUAGE") << ""
                                              << ""
                                              << "C.UTF-8"
                                              << "de"
                                              << "";
    QTest::newRow("POSIX") << ""
                           << "POSIX"
                           << "de_DE"
                           << ""
                           << "";
    QTest::newRow("Norwegian is Bokmål") << ""
                                         << ""
                                         << "no_NO.UTF-8"
                                         << ""
                                         << "nb";
    QTest::newRow("Bokmål") << ""
                            << ""
                            << "nb_NO.UTF-8"
                            << ""
                            << "nb";
    QTest::newRow("no catalogue") << ""
                                  << ""
                                  << "es_ES.UTF-8"
                                  << ""
                                  << "";
    QTest::newRow("modifier") << ""
                              << ""
                              << "de_DE@euro"
                              << ""
                              << "de";
}

void TestLanguages::desktopLanguage() {
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, language);
    QFETCH(QString, spoken);
    const std::pair<const char*, QString> vars[] = {
        {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}, {"LANGUAGE", language}};
    std::vector<std::pair<const char*, QByteArray>> saved;
    for (const auto& [var, value] : vars) {
        saved.emplace_back(var, qgetenv(var));
        if (value.isEmpty())
            qunsetenv(var);
        else
            qputenv(var, value.toUtf8());
    }
    const QString found = ui::desktopLanguage({"cs", "de", "fi", "fr", "nb", "sv"});
    // The program's own choice, which lists the catalogues only when it must, chooses alike.
    const QString chosen = ui::desktopLanguage();
    const QString fromList = ui::desktopLanguage(ui::shippedLanguages());
    for (const auto& [var, value] : saved) {
        if (value.isEmpty())
            qunsetenv(var);
        else
            qputenv(var, value);
    }
    QCOMPARE(found, spoken);
    QCOMPARE(chosen, fromList);
}

// Without a catalogue every window says what it said before the program could be translated,
// byte for byte: the file holds what the windows said then.
void TestLanguages::englishAsItWas() {
    useLanguage({});
    QStringList all;
    for (const test::SampleScreen& sample : test::sampleScreens()) {
        OpenScreen s(sample);
        all << QStringLiteral("== ") + sample.name;
        all << texts(*s.dialog, QString::fromStdString(drives_.root().string()));
    }
    QFile file(QStringLiteral(WKS_TEST_DATA "/english.txt"));
    if (qEnvironmentVariableIsSet("WKS_WRITE_ENGLISH")) {  // after an intended change of words
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(all.join(QLatin1Char('\n')).toUtf8() + '\n');
        return;
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList before = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(all.size(), before.size() - 1); ++i) {
        QCOMPARE(i < all.size() ? all[i] : QString(), before.value(i));
    }
}

void TestLanguages::catalogues_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(WKS_TRANSLATIONS));
    for (const QString& file : dir.entryList({QStringLiteral("*.ts")}, QDir::Files))
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
}

void TestLanguages::catalogues() {
    QFETCH(QString, path);
    const QString language = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
    static const QStringList texts = sourceTexts();
    QVERIFY2(texts.size() > 100, WKS_SOURCE_TEXTS);
    report(catalogueProblems(path, texts) + launcherProblems(language));
}

void TestLanguages::qtCatalogue_data() { windowsFit_data(); }

// Qt's own file dialog speaks the language too, wherever the system has Qt's catalogue of it;
// the message boxes' buttons speak it always.
void TestLanguages::qtCatalogue() {
    QFETCH(QString, language);
    const bool systemHasIt =
        !language.isEmpty() && QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                             "/qt_" + language + ".qm");
    useLanguage(language);
    const QString fileName = QCoreApplication::translate("QFileDialog", "File &name:");
    const QString no = QCoreApplication::translate("QPlatformTheme", "&No");
    useLanguage({});
    QCOMPARE(fileName != "File &name:", systemHasIt);
    QCOMPARE(no != "&No", !language.isEmpty());
}

void TestLanguages::messageValues_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    const QString note =
        "\nE: %1 /media/anna/KAMERA-Ä (Fotky z léta)\nSystém souborů je jen pro čtení";
    QTest::newRow("en") << ""
                        << "Failed to delete /media/anna/KAMERA-Ä/GSM !" + note.arg("is");
    QTest::newRow("de") << "de"
                        << "/media/anna/KAMERA-Ä/GSM konnte nicht gelöscht werden!" +
                               note.arg("ist");
    QTest::newRow("cs") << "cs"
                        << "/media/anna/KAMERA-Ä/GSM se nepodařilo smazat!" + note.arg("je");
}

// A message's values (a card's folder and label, the system's reason in the user's language) are
// shown as the system gave them, in English and in the translated words alike.
void TestLanguages::messageValues() {
    QFETCH(QString, language);
    QFETCH(QString, shown);
    DriveReport card;
    card.letter = 'E';
    card.state = DriveState::Usable;
    card.medium = true;
    card.folder = "/media/anna/KAMERA-Ä";
    card.label = "Fotky z léta";
    const Message message(kAppTitle, {"Failed to delete %1 !", {card.folder + "/GSM"}}, Buttons::Ok,
                          Icon::Error,
                          {drivePlace(card), Text::verbatim("Systém souborů je jen pro čtení")});
    useLanguage(language);
    const QString words = shownText(message);
    useLanguage({});
    QCOMPARE(words, shown);
}

void TestLanguages::windowsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    const QStringList shipped = shippedLanguages();
    QVERIFY(!shipped.isEmpty());
    for (const QString& language : shipped) QTest::newRow(qPrintable(language)) << language;
}

void TestLanguages::windowsFit() {
    QFETCH(QString, language);
    useLanguage(language);
    QStringList problems;
    for (const test::SampleScreen& sample : test::sampleScreens()) {
        OpenScreen s(sample);
        for (const QString& p : fitProblems(*s.dialog) + clashingMnemonics(*s.dialog))
            problems << QStringLiteral("%1: %2").arg(sample.name, p);
    }
    useLanguage({});
    report(problems);
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
