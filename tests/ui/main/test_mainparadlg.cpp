// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main parameter screen, offscreen, on temporary drives: opening each model, leaving,
// the questions, the lists against the WAP / Internet screen, a whole save against the command
// line's file, and the busy window while the real converter runs.

#include <sys/stat.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <fstream>

#include "../../audio/audiotools.h"
#include "app/catalogue.h"
#include "platform/clock.h"
#include "presets/placeholdersender.h"
#include "presets/presettable.h"
#include "session/prompts.h"
#include "support/fakesystem.h"
#include "support/runcli.h"
#include "support/tempdrives.h"
#include "ui/common/modalrunner.h"
#include "ui/main/mainparadlg.h"
#include "ui/network/wapparadlg.h"

using namespace wks;
using namespace wks::ui;
namespace fs = std::filesystem;

namespace {

const LocalTime kClock{2025, 6, 30, 8, 15, 42};

// Every box shown, as "caption|icon|text".
QStringList shown(const ScriptedPrompter& p) {
    static const char* icons[] = {"none", "information", "warning", "error", "question"};
    QStringList out;
    for (const auto& m : p.shown()) {
        out << QString("%1|%2|%3")
                   .arg(QString::fromStdString(m.caption), icons[static_cast<int>(m.icon)],
                        QString::fromStdString(m.english()));
    }
    return out;
}

QString selected(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

// The user clicks an entry of a list.
void pick(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

// One screen on drives C: and D:, with the boxes and the other screens scripted.
struct Screen {
    explicit Screen(const char* model, const std::string& drives = "CD")
        : drives(drives),
          prompts(),
          runnerScope(runner),
          prompterScope(prompts),
          dialog(model, state) {
        fixClock(kClock);
    }
    // Opens the screen as the runner does and lets its first timer tick.
    void open() {
        dialog.initOnce();
        if (dialog.hasEnded()) return;
        dialog.show();
        QTest::qWait(20);
    }
    template <typename T>
    T* find(const char* name) {
        T* w = dialog.findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }

    test::TempDrives drives;
    ScriptedPrompter prompts;
    ScriptedRunner runner;
    ScopedModalRunner runnerScope;
    ScopedPrompter prompterScope;
    AppState state;
    CWKS_MainParaDlg dialog;
};

fs::path converterFolder(const test::TempDrives& d) { return d.folder('C') / "WKS_TEMP"; }

}  // namespace

class TestMainScreen : public QObject {
    Q_OBJECT
  private slots:
    void opening_data();
    void opening();
    void leavingAsksNothing_data();
    void leavingAsksNothing();
    void cancelledQuestionsChangeNothing_data();
    void cancelledQuestionsChangeNothing();
    void listsFollowTheWapScreen();
    void bannerAndListBoxes();
    void wholeSaveEqualsCommandLine();
    void busyWhileConverting_data();
    void busyWhileConverting();
    void destinationLine();
    void ejectAfterSavingOntoACard();
};

void TestMainScreen::opening_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("country");  // selected after opening on the defaults
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("note");
    for (const CameraModel& m : catalogue()) {
        const bool sweden = m.displayName == kSwedenModel;
        QTest::newRow(m.displayName.c_str())
            << QString::fromStdString(m.displayName) << (sweden ? "Sweden" : "")
            << (sweden ? "Telia" : "") << sweden;
    }
    QTest::newRow("unknown") << "KT999"
                             << ""
                             << "" << false;
}

void TestMainScreen::opening() {
    QFETCH(QString, model);
    Screen s(model.toUtf8().constData());
    const CameraModel* m = findModel(model.toStdString());
    if (!m) fs::create_directories(converterFolder(s.drives));
    s.open();
    if (!m) {
        QVERIFY(fs::exists(converterFolder(s.drives)));  // no clean-up when it never opened
        QVERIFY(s.dialog.hasEnded());
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(shown(s.prompts), QStringList{"WKS TIPS|error|Error In "
                                               "CWKS_MainParaDlg::Mng_CurModSaveInfoSet() !"});
        return;
    }
    QCOMPARE(s.dialog.windowTitle(), QString::fromStdString(m->caption));
    QVERIFY(shown(s.prompts).isEmpty());
    auto* countries = s.find<QListWidget>("countryList");
    auto* operators = s.find<QListWidget>("operatorList");
    QCOMPARE(countries->item(countries->count() - 1)->text(), QString("Others......"));
    QTEST(selected(countries), "country");
    QTEST(selected(operators), "op");
    QTEST(!s.find<QWidget>("senderNote")->isHidden(), "note");

    auto* destination = s.find<QComboBox>("destinationList");
    const QString rel = QString::fromStdString(m->settingsRelPath());
    QCOMPARE(destination->count(), 2);
    QCOMPARE(destination->itemText(0), "C:\\" + rel);
    QCOMPARE(destination->currentText(), "D:\\" + rel);

    // Staged on the first tick only: a file put beside the converter is not swept away later.
    const fs::path folder = converterFolder(s.drives);
    QCOMPARE(fs::exists(folder / "ffmpeg.exe"), m->hasGameCall);
    if (m->hasGameCall) {
        test::writeBytes(folder / "mark", "x");
        QTest::qWait(50);
        QVERIFY(fs::exists(folder / "mark"));
    }
}

void TestMainScreen::leavingAsksNothing_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("how");
    for (const char* how : {"Esc", "close box", "EXIT"}) {
        QTest::addRow("LN714W-12P, %s", how) << "LN714W-12P" << how;
    }
    QTest::newRow("KT470RX-8PRO, a folder left behind") << "KT470RX-8PRO"
                                                        << "EXIT";
}

void TestMainScreen::leavingAsksNothing() {
    QFETCH(QString, model);
    QFETCH(QString, how);
    Screen s(model.toUtf8().constData());
    fs::create_directories(converterFolder(s.drives));
    s.open();
    s.find<QLineEdit>("adminNumber")->setText("+46 70 1");
    QTest::mouseClick(s.find<QWidget>("banner"), Qt::LeftButton);  // the About box asks nothing
    QCOMPARE(s.runner.ran(), std::vector<QString>{"aboutBox"});
    if (how == "Esc") {
        QTest::keyClick(s.find<QLineEdit>("adminNumber"), Qt::Key_Escape);
    } else if (how == "close box") {
        s.dialog.close();
    } else {
        QTest::mouseClick(s.find<QPushButton>("exitButton"), Qt::LeftButton);
    }
    QVERIFY(!s.dialog.isVisible());
    QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
    QVERIFY(shown(s.prompts).isEmpty());
    QVERIFY(!fs::exists(converterFolder(s.drives)));
    QVERIFY(!fs::exists(s.drives.folder('D') / "GSM" / "LN714W.TXT"));
}

void TestMainScreen::cancelledQuestionsChangeNothing_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("question");
    QTest::newRow("Enter in a recipient field")
        << "receiveEmail3"
        << "WKS TIPS|question|Sava all parameters to \"D:\\GSM\\KT320V.TXT\" ?";
    QTest::newRow("Default Setting") << "defaultButton"
                                     << "WKS TIPS|question|Set all camera parameters to default ?";
}

void TestMainScreen::cancelledQuestionsChangeNothing() {
    QFETCH(QString, control);
    Screen s("KT320V-8PRO");
    s.open();
    pick(s.find<QListWidget>("countryList"), "Russia");
    const AppState before = s.state;
    s.prompts.clear();
    s.prompts.script({Answer::Cancel});
    QWidget* w = s.find<QWidget>(control.toUtf8().constData());
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        QTest::mouseClick(w, Qt::LeftButton);
    }
    QFETCH(QString, question);
    QCOMPARE(shown(s.prompts), QStringList{question});
    QVERIFY(s.state.CurrentNetworkParams == before.CurrentNetworkParams);
    QVERIFY(s.state.cameraParams == before.cameraParams);
    QCOMPARE(s.state.SmtpSsl, before.SmtpSsl);
    QCOMPARE(selected(s.find<QListWidget>("countryList")), QString("Russia"));
    QVERIFY(!fs::exists(s.drives.folder('D') / "GSM" / "KT320V.TXT"));
}

void TestMainScreen::listsFollowTheWapScreen() {
    Screen s("KT470RX-8PRO");
    s.open();
    auto* countries = s.find<QListWidget>("countryList");
    auto* operators = s.find<QListWidget>("operatorList");
    auto* note = s.find<QWidget>("senderNote");
    pick(countries, "Sweden");
    QCOMPARE(selected(operators), QString("Tele 2"));
    NetworkPreset tele2;
    presetTable().ApplyPreset(tele2, "Sweden", "Tele 2");
    QVERIFY(s.state.CurrentNetworkParams == tele2);
    QVERIFY(!note->isHidden());
    QCOMPARE(s.find<QLabel>("senderNoteText")->text(), QString(kPlaceholderSenderNote));

    // "Others......" cancelled: the previous choice comes back.
    s.runner.push([](QDialog& wap) {
        auto& screen = static_cast<CWKS_WapParaDlg&>(wap);
        QVERIFY(!screen.showCurrent);
        QVERIFY(screen.advancedAvailable);
        wap.reject();
    });
    s.state.SmtpSsl = "1";
    pick(operators, "Others......");
    QCOMPARE(selected(countries), QString("Sweden"));
    QCOMPARE(selected(operators), QString("Tele 2"));
    // Restoring the lists is the program's selection, not the user's: SSL stays as it was.
    QCOMPARE(s.state.SmtpSsl, std::string("1"));

    // The check screen: a real sender replaces the preset's, so no preset is chosen any more.
    s.runner.push([](QDialog& wap) {
        auto& screen = static_cast<CWKS_WapParaDlg&>(wap);
        QVERIFY(screen.showCurrent);
        QVERIFY(screen.presetSelected);
        wap.findChild<QLineEdit*>("emailServerEdit")->setText("smtp.gmail.com");
        wap.findChild<QLineEdit*>("emailAddrEdit")->setText("cam@gmail.com");
        QTest::mouseClick(wap.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(s.find<QPushButton>("checkWapButton"), Qt::LeftButton);
    QCOMPARE(s.runner.ran(), (std::vector<QString>{"CWKS_WapParaDlg", "CWKS_WapParaDlg"}));
    QCOMPARE(s.state.CurrentNetworkParams.SendEmailServer, std::string("smtp.gmail.com"));
    QCOMPARE(selected(countries), QString());
    QCOMPARE(operators->count(), 0);
    QVERIFY(note->isHidden());

    // The KT320V-8PRO defaults choose Sweden and Telia in the lists.
    Screen sweden("KT320V-8PRO", "C");
    sweden.open();
    pick(sweden.find<QListWidget>("countryList"), "Russia");
    sweden.prompts.clear();
    QTest::mouseClick(sweden.find<QPushButton>("defaultButton"), Qt::LeftButton);
    QCOMPARE(shown(sweden.prompts),
             (QStringList{"WKS TIPS|question|Set all camera parameters to default ?",
                          "WKS TIPS|information|OK,All camera parameters have been set to "
                          "default !"}));
    QCOMPARE(selected(sweden.find<QListWidget>("countryList")), QString("Sweden"));
    QCOMPARE(selected(sweden.find<QListWidget>("operatorList")), QString("Telia"));
    NetworkPreset telia;
    presetTable().ApplyPreset(telia, "Sweden", "Telia");
    QVERIFY(sweden.state.CurrentNetworkParams == telia);
}

// The banner spans the screen and is a button that opens the About box (for a screen reader,
// after its press is answered); the list boxes show
// whole rows, no entry looks chosen while none is, and Down then selects the first entry.
void TestMainScreen::bannerAndListBoxes() {
    Screen s("KT470RX-8PRO", "C");
    s.open();
    s.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.dialog));
    auto* banner = s.find<QWidget>("banner");
    QCOMPARE(banner->width(), s.dialog.width());
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(banner);
    QCOMPARE(button->role(), QAccessible::Button);
    QCOMPARE(button->text(QAccessible::Name), QString("About Us"));
    // The press is answered at once; the About box opens after it.
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(s.runner.ran().empty());
    QTRY_COMPARE(s.runner.ran(), std::vector<QString>{"aboutBox"});

    auto* countries = s.find<QListWidget>("countryList");
    QCOMPARE(selected(countries), QString());
    for (auto* list : {countries, s.find<QListWidget>("operatorList")}) {
        QCOMPARE((list->height() - 2 * list->frameWidth()) % countries->sizeHintForRow(0), 0);
    }
    countries->setFocus();
    QVERIFY(countries->hasFocus());
    QVERIFY(!countries->currentIndex().isValid());
    QTest::keyClick(countries, Qt::Key_Down);
    QCOMPARE(selected(countries), countries->item(0)->text());
    QTest::keyClick(countries, Qt::Key_Down);
    QCOMPARE(selected(countries), countries->item(1)->text());
}

void TestMainScreen::wholeSaveEqualsCommandLine() {
    Screen s("KT470RX-8PRO");
    s.open();
    pick(s.find<QListWidget>("countryList"), "Sweden");
    pick(s.find<QListWidget>("operatorList"), "Telenor");
    QTest::keyClicks(s.find<QLineEdit>("adminNumber"), " +46 70 1 ");
    s.find<QLineEdit>("receiveEmail4")->insert(QString::fromLatin1("d\xe9@e.se"));  // as pasted
    const std::int32_t pirBefore = s.state.cameraParams.PirInterval;
    s.runner.push([](QDialog& camera) {
        camera.findChild<QComboBox*>("pirInterval")->setCurrentIndex(7);
        QTest::mouseClick(camera.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(s.find<QPushButton>("changeButton"), Qt::LeftButton);
    QCOMPARE(s.runner.ran(), std::vector<QString>{"CWKS_CamParaGroup1Dlg"});
    QVERIFY(s.state.cameraParams.PirInterval != pirBefore);
    // A card put in later appears when the list drops down, and the user chooses it.
    auto* destination = s.find<QComboBox>("destinationList");
    s.drives.add('E');
    destination->showPopup();
    destination->hidePopup();
    QCOMPARE(destination->count(), 3);
    QTest::keyClick(destination, Qt::Key_Down);
    QCOMPARE(s.dialog.session().savePath(), std::string("E:\\GSM\\KT470RX.TXT"));
    s.prompts.clear();
    QTest::mouseClick(s.find<QPushButton>("saveButton"), Qt::LeftButton);
    QCOMPARE(shown(s.prompts).last(),
             QString("WKS TIPS|information|OK,All parameters have been saved success !"));
    QVERIFY(s.dialog.isVisible());

    QTemporaryDir card;
    const test::CliRun cli = test::runSettings(
        {"new", "KT470RX-8PRO", "--card", card.path(), "--country", "Sweden", "--operator",
         "Telenor", "--admin", " +46 70 1 ", "--email4", QString::fromLatin1("d\xe9@e.se"), "--set",
         QString("PIR Interval=%1").arg(s.state.cameraParams.PirInterval), "--clock",
         "2025-06-30T08:15:42"});
    QCOMPARE(cli.code, 0);
    QVERIFY(!fs::exists(s.drives.folder('D') / "GSM" / "KT470RX.TXT"));
    const std::string saved = test::readBytes(s.drives.folder('E') / "GSM" / "KT470RX.TXT");
    QVERIFY(saved.find("ReceiveEmail4=d\xe9@e.se") != std::string::npos);
    QCOMPARE(saved, test::readBytes(fs::path(card.path().toStdString()) / "GSM" / "KT470RX.TXT"));
}

void TestMainScreen::busyWhileConverting_data() {
    // What the converter reads once the busy window shows: a tone, bytes that are no audio, or
    // nothing until the user presses Cancel. A cancelled conversion fails and stops the save.
    QTest::addColumn<QString>("feed");
    QTest::addColumn<QStringList>("after");  // the boxes after the save question
    const QString failed = "WKS CONFIG|none|Transform Failed.";
    const QString saved = "WKS TIPS|information|OK,All parameters have been saved success !";
    QTest::newRow("converted") << "tone" << QStringList{saved};
    // ffmpeg's own reason follows on a line of its own.
    const QString refused = failed + "\n%PIPE%: Invalid data found when processing input";
    QTest::newRow("failed") << "garbage" << QStringList{refused, saved};
    QTest::newRow("cancelled") << "" << QStringList{failed};
}

void TestMainScreen::busyWhileConverting() {
    QFETCH(QString, feed);
    QTemporaryDir audio;
    const QString tone = audio.filePath("tone.wav");
    QVERIFY(test::makeTone(tone, 1.0));
    // The converter reads from a pipe, so it runs until the test feeds it or cancels it.
    const QString pipe = audio.filePath("call.wav");
    QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);

    test::TempDrives drives("CD");
    ScriptedPrompter prompts;
    ScopedPrompter prompterScope(prompts);
    AppState state;
    state.gameCallAudioPath = pipe.toStdString();
    CWKS_MainParaDlg dialog("LN714W-12P", state);  // the real converter
    dialog.initOnce();
    dialog.show();
    QTest::qWait(20);
    QVERIFY(fs::exists(converterFolder(drives) / "ffmpeg.exe"));

    QString seen;
    bool busyCursor = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* window = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (!window || !seen.isEmpty()) return;
        seen = window->labelText();
        busyCursor = QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        if (feed.isEmpty()) {
            QTest::mouseClick(window->findChild<QPushButton*>(), Qt::LeftButton);
        } else {
            std::ofstream(pipe.toStdString(), std::ios::binary)
                << (feed == "tone" ? test::readBytes(tone.toStdString()) : "no audio at all");
        }
    });
    watch.start(20);
    QTest::mouseClick(dialog.findChild<QPushButton*>("saveButton"), Qt::LeftButton);
    watch.stop();

    QCOMPARE(seen, QString::fromUtf8("Converting the game call\u2026"));
    QVERIFY(busyCursor);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!QApplication::activeModalWidget());
    QFETCH(QStringList, after);
    QCOMPARE(shown(prompts).mid(1), after.replaceInStrings("%PIPE%", pipe));
    const fs::path call = drives.folder('D') / "DCIM" / "100WKSIM" / "ADUI0001.WAV";
    if (feed == "tone") {
        WKS_VERIFY_GAME_CALL(QString::fromStdString(call.string()), tone);
    } else {
        QVERIFY(!fs::exists(call));
        QCOMPARE(std::distance(fs::directory_iterator(call.parent_path()), {}), 0);
    }
}

// What a tooltip shows: Qt guesses rich text from the text itself.
QString shownTip(const QString& tip) {
    QTextDocument shown;
    if (Qt::mightBeRichText(tip))
        shown.setHtml(tip);
    else
        shown.setPlainText(tip);
    return shown.toPlainText();
}

// The line under the destination list says what the chosen letter is on this machine, is the
// list's tooltip, and follows the choice; the list is still described as before. A medium's
// folder and label are shown as the characters they are, never as markup.
void TestMainScreen::destinationLine() {
    Screen s("KT470RX-8PRO");
    const QString description = s.find<QComboBox>("destinationList")->accessibleDescription();
    test::FakeSystem sys;
    sys.link('c', s.drives.folder('C'));
    sys.link('d', s.drives.folder('D'));
    sys.label("sde1", "<i>TRAIL");
    sys.mount("/dev/sde1", "/media/anna/<h1>CARD");
    ScopedDrives live(DriveTable::live(sys.dosdevices(), sys.root(), "anna"));
    s.open();
    auto* box = s.find<QComboBox>("destinationList");
    auto* line = s.find<QLabel>("destinationPlace");
    QVERIFY(line->isVisible());
    QCOMPARE(box->count(), 3);
    for (auto [key, letter] : {std::pair{Qt::Key_Down, 'E'},
                               {Qt::Key_Up, 'D'},
                               {Qt::Key_Up, 'C'},
                               {Qt::Key_Down, 'D'},
                               {Qt::Key_Down, 'E'}}) {
        QTest::keyClick(box, key);
        const QString expected =
            letter == 'E'
                ? QString("E: is %1 (<i>TRAIL, ").arg(sys.folder("/media/anna/<h1>CARD").c_str())
                : QString("%1: is %2")
                      .arg(letter)
                      .arg(fs::canonical(s.drives.folder(letter)).c_str());
        QVERIFY2(line->text().startsWith(expected), qPrintable(line->text()));
        QCOMPARE(line->textFormat(), Qt::PlainText);
        QCOMPARE(shownTip(box->toolTip()), line->text());
        QCOMPARE(shownTip(box->itemData(box->currentIndex(), Qt::ToolTipRole).toString()),
                 line->text());
    }
    QCOMPARE(box->accessibleDescription(), description);
    QCOMPARE(line->accessibleName(), QString());  // read as the text it shows
}

// After a save onto a removable card (not onto a drive of the user's own), one step beside the
// list makes it safe to remove; without UDisks2 the card is flushed and the line says to
// unmount it. The save's own success message is unchanged.
void TestMainScreen::ejectAfterSavingOntoACard() {
    Screen s("KT470RX-8PRO");
    test::FakeSystem sys;
    sys.link('c', s.drives.folder('C'));
    sys.link('d', s.drives.folder('D'));
    sys.mount("/dev/sde1", "/media/anna/CARD");
    ScopedDrives live(DriveTable::live(sys.dosdevices(), sys.root(), "anna"));
    s.open();
    auto* box = s.find<QComboBox>("destinationList");
    auto* eject = s.find<QToolButton>("ejectButton");
    auto* save = s.find<QPushButton>("saveButton");
    for (const auto& [letter, shown] : {std::pair{'D', false}, {'E', true}}) {
        box->setCurrentIndex(box->findText(QString("%1:\\GSM\\KT470RX.TXT").arg(letter)));
        emit box->activated(box->currentIndex());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(s.prompts.shown().back().text.english(),
                 std::string("OK,All parameters have been saved success !"));
        QCOMPARE(eject->isVisible(), shown);
    }
    QVERIFY(eject->focusPolicy() & Qt::TabFocus);
    eject->setFocus();
    QTest::keyClick(eject, Qt::Key_Space);
    QCOMPARE(s.find<QLabel>("destinationPlace")->text(),
             QString("E: is written; unmount it before you remove it."));
    QVERIFY(!eject->isVisible());
    QVERIFY(fs::exists(sys.folder("/media/anna/CARD") / "GSM" / "KT470RX.TXT"));
}

QTEST_MAIN(TestMainScreen)
#include "test_mainparadlg.moc"
