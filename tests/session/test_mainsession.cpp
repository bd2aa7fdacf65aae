// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's logic on temporary drives: where the settings come from when it opens,
// where a save writes, which copies it removes, and what every message box says.

#include <sys/stat.h>

#include <QtTest>

#include "platform/clock.h"
#include "presets/presettable.h"
#include "session/mainsession.h"
#include "session/prompts.h"
#include "support/readonlyfolder.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

const LocalTime kClock{2025, 6, 30, 8, 15, 42};

// Converts nothing: counts its runs, notes whether a copy on another drive is still there,
// and leaves a file where it was told to write, then exits with `status`.
struct FakeConverter : ProcessRunner {
    int status = 0;
    int runs = 0;
    fs::path copy;
    bool copyThere = false;
    ProcessResult run(const std::string&, const std::vector<std::string>& args) override {
        ++runs;
        copyThere = !copy.empty() && fs::exists(copy);
        test::writeBytes(args.back(), "RIFF");
        return {ProcessResult::Outcome::Exited, status, 0, {}, false, {}};
    }
};

QString box(const char* caption, const char* icon, const std::string& text) {
    return QString("%1|%2|%3").arg(caption, icon, QString::fromStdString(text));
}

// Every box shown, as "caption|icon|text", so that a whole exchange compares at once.
QStringList shown(const ScriptedPrompter& p) {
    static const char* icons[] = {"none", "information", "warning", "error", "question"};
    QStringList out;
    for (const Message& m : p.shown()) {
        out << box(m.caption.c_str(), icons[int(m.icon)], m.english()) +
                   (m.buttons == Buttons::OkCancel ? "|ok-cancel" : "");
    }
    return out;
}

QString question(const std::string& path) {
    return box("WKS TIPS", "question", "Sava all parameters to \"" + path + "\" ?") + "|ok-cancel";
}
const QString kSaved =
    box("WKS TIPS", "information", "OK,All parameters have been saved success !");

// The main screen of one model over drives given as letters: an upper-case letter is a
// drive with its folder, a lower-case one a letter whose medium is missing.
struct Screen {
    std::string model, stem;
    test::TempDrives drives{""};
    ScriptedPrompter prompts;
    ScopedPrompter scope{prompts};
    FakeConverter converter;
    AppState state;
    std::unique_ptr<MainSession> session;

    explicit Screen(const QString& letters, std::string name = "KT470RX-8PRO")
        : model(std::move(name)), stem(findModel(model)->fileStem) {
        for (QChar c : letters) {
            if (c.isUpper())
                drives.add(c.toLatin1());
            else
                wks::drives().set(c.toLatin1(), drives.root() / "no-medium");
        }
    }
    std::string path(char l) const { return std::string(1, l) + ":\\GSM\\" + stem + ".TXT"; }
    // The line a failure message ends with: the drive's real folder.
    std::string place(char l) const {
        return "\n" + std::string(1, l) + ": is " + fs::canonical(drives.folder(l)).string();
    }
    fs::path card(char l) const { return drives.folder(l) / "GSM" / (stem + ".TXT"); }
    fs::path backup() const { return drives.folder('C') / "VelmoraBackup" / (stem + ".TXT"); }
    // A settings file whose URL tells where it came from; mark "-" leaves the mark out, a
    // leading "!" makes the file read-only and a leading "~" saves it as UTF-16.
    void put(const fs::path& file, QString mark, const std::string& url) const {
        const bool readOnly = mark.startsWith('!');
        if (readOnly) mark.remove(0, 1);
        const bool utf16 = mark.startsWith('~');
        if (utf16) mark.remove(0, 1);
        std::string text = "[Via WAP Settings]\r\nURL=" + url + "\r\n";
        if (mark != "-") text = "[WKSFileMark]\r\nModel=" + mark.toStdString() + "\r\n" + text;
        if (utf16) {
            std::string wide = "\xFF\xFE";
            for (char c : text) wide += std::string{c, '\0'};
            text = wide;
        }
        test::writeBytes(file, text);
        if (readOnly) ::chmod(file.c_str(), 0444);
    }
    MainSession& open() {
        session = std::make_unique<MainSession>(model, state, converter);
        if (!session->open()) qFatal("%s is one of the models", model.c_str());
        return *session;
    }
    QString entries() const {
        QString s;
        for (const auto& e : session->destinations()) s += e[0];
        return s;
    }
    void choose(char l) {
        const auto& d = session->destinations();
        session->chooseDestination(std::find(d.begin(), d.end(), path(l)) - d.begin());
    }
    CameraParams defaults() const {
        AppState s;
        Recipients r;
        if (!SettingsFile(model, s, r).Mng_AllParaSetDefault()) qFatal("no model");
        return s.cameraParams;
    }
};

}  // namespace

class TestMainSession : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fixClock(kClock); }
    void cleanupTestCase() { fixClock(std::nullopt); }
    void opening_data();
    void opening();
    void invalidFileThatCannotBeDeleted();
    void saveMovesTheFileBetweenDrives();
    void copyThatCannotBeDeleted();
    void refreshFollowsTheDrives();
    void twoLettersOneFolder();
    void saveFailures_data();
    void saveFailures();
    void saveWithGameCall_data();
    void saveWithGameCall();
    void savedFilesAreTwinsAndReopen_data();
    void savedFilesAreTwinsAndReopen();
    void defaultSetting();
    void exitRemovesConverterFolder();
};

void TestMainSession::opening_data() {
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QStringList>("cards");  // "L:mark", mark as Screen::put takes it
    QTest::addColumn<QString>("backup");     // its mark, empty for no backup file
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("loaded");  // the card letter, "backup", or empty for defaults
    QTest::addColumn<QString>("kept");    // letters whose card file is still there
    QTest::addColumn<bool>("backupKept");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    QTest::newRow("valid on D and F") << "CDF" << QStringList{"D:KT470RX", "F:KT470RX"} << "KT470RX"
                                      << "CDF"
                                      << "F"
                                      << "F"
                                      << "DF" << true << none;
    QTest::newRow("valid on D, unmarked on F") << "CDF" << QStringList{"D:KT470RX", "F:-"} << ""
                                               << "CDF"
                                               << "D"
                                               << "D"
                                               << "DF" << false << none;
    QTest::newRow("read-only unmarked on F, backup") << "CDF" << QStringList{"!F:-"} << "KT470RX"
                                                     << "CDF"
                                                     << "F"
                                                     << "backup"
                                                     << "" << true << none;
    QTest::newRow("unmarked on D and F: only F's deleted")
        << "CDF" << QStringList{"D:-", "F:-"} << ""
        << "CDF"
        << "F"
        << ""
        << "D" << false << none;
    QTest::newRow("valid on F, saved as UTF-16") << "CDF" << QStringList{"F:~KT470RX"} << ""
                                                 << "CDF"
                                                 << "F"
                                                 << "F"
                                                 << "F" << false << none;
    QTest::newRow("unmarked on F, no backup") << "CDF" << QStringList{"F:-"} << ""
                                              << "CDF"
                                              << "F"
                                              << ""
                                              << "" << false << none;
    QTest::newRow("no card file, backup, no medium in G") << "CDEFg" << none << "KT470RX"
                                                          << "CDEF"
                                                          << "F"
                                                          << "backup"
                                                          << "" << true << none;
    QTest::newRow("invalid backup") << "CD" << none << "KT470R"
                                    << "CD"
                                    << "D"
                                    << ""
                                    << "" << false << none;
    QTest::newRow("read-only invalid backup")
        << "CD" << none << "!-"
        << "CD"
        << "D"
        << ""
        << "" << true
        << QStringList{box("WKS TIPS", "warning",
                           "Can't delete invalid back-up file,\nPlease delete it manually!")};
    for (auto [row, mark, valid] : {std::tuple{"mark in lower case", "kt470rx", false},
                                    {"mark with a character more", "KT470RXX", false},
                                    {"mark with a character less", "KT470R", false},
                                    {"mark of another model", "KT320V", false},
                                    {"mark with blanks around", " \tKT470RX  ", true}}) {
        QTest::newRow(row) << "CD" << QStringList{QString("D:") + mark} << ""
                           << "CD"
                           << "D" << (valid ? "D" : "") << (valid ? "D" : "") << false << none;
    }
    QTest::newRow("no usable drive")
        << "e" << none << ""
        << ""
        << "C"
        << ""
        << "" << false << QStringList{box("WKS TIPS", "error", "No disk is valid !")};
}

void TestMainSession::opening() {
    QFETCH(QString, letters);
    QFETCH(QStringList, cards);
    QFETCH(QString, backup);
    QFETCH(QString, entries);
    QFETCH(QString, destination);
    QFETCH(QString, loaded);
    QFETCH(QString, kept);
    QFETCH(bool, backupKept);
    QFETCH(QStringList, messages);

    Screen s(letters);
    for (const QString& c : cards)
        s.put(s.card(c[0].toLatin1()), c.mid(2), "http://" + c.left(1).toStdString());
    if (!backup.isEmpty()) s.put(s.backup(), backup, "http://backup");
    MainSession& m = s.open();

    QCOMPARE(shown(s.prompts), messages);
    QCOMPARE(s.entries(), entries);
    QCOMPARE(m.savePath(), s.path(destination[0].toLatin1()));
    QCOMPARE(m.selectedDestination(), entries.indexOf(destination));
    if (!entries.isEmpty())
        QVERIFY(fs::is_directory(s.drives.folder(destination[0].toLatin1()) / "GSM"));
    QCOMPARE(s.state.CurrentNetworkParams.URL,
             loaded.isEmpty() ? "" : "http://" + loaded.toStdString());
    QCOMPARE(s.state.clockFollowsPc, loaded.isEmpty());  // set by the defaults, kept by a load
    if (loaded.isEmpty()) QVERIFY(s.state.cameraParams == s.defaults());
    QString there;
    for (QChar l : letters)
        there += l.isUpper() && fs::exists(s.card(l.toLatin1())) ? QString(l) : "";
    QCOMPARE(there, kept);
    QCOMPARE(fs::exists(s.backup()), backupKept);
}

void TestMainSession::invalidFileThatCannotBeDeleted() {
    Screen s("CD");
    s.put(s.card('D'), "-", "http://D");
    test::ReadOnlyFolder stuck(s.card('D').parent_path());
    if (!stuck.ok()) QSKIP("root without the right to mount: no way to make a file undeletable");
    MainSession& m = s.open();
    QCOMPARE(shown(s.prompts),
             QStringList{box("WKS TIPS", "warning",
                             "Can't delete invalid file \"" + s.path('D') +
                                 " \",\nPlease delete it manually!" + s.place('D'))});
    QVERIFY(fs::exists(s.card('D')));
    QCOMPARE(m.savePath(), s.path('D'));  // the destination all the same
    QVERIFY(s.state.cameraParams == s.defaults());
}

void TestMainSession::saveMovesTheFileBetweenDrives() {
    Screen s("CDEF");
    s.put(s.card('D'), "!KT470RX", "http://D");
    s.put(s.card('F'), "KT470RX", "http://F");
    MainSession& m = s.open();
    QVERIFY(m.save().complete());
    QCOMPARE(shown(s.prompts), (QStringList{question(s.path('F')), kSaved}));
    QVERIFY(!fs::exists(s.card('D')));  // read-only, and deleted all the same
    QVERIFY(m.settings().Mng_ChkFileMark(s.path('F')));
    QVERIFY(fs::exists(s.backup()));

    // Another drive: written there, the file on the drive that was loaded goes.
    s.prompts.clear();
    s.choose('D');
    QVERIFY(m.save().complete());
    QCOMPARE(shown(s.prompts), (QStringList{question(s.path('D')), kSaved}));
    QVERIFY(m.settings().Mng_ChkFileMark(s.path('D')));
    QVERIFY(!fs::exists(s.card('F')));

    // Cancel writes nothing and deletes nothing.
    s.prompts.clear();
    s.prompts.script({Answer::Cancel});
    fs::remove(s.backup());
    const std::string onD = test::readBytes(s.card('D'));
    s.choose('E');
    QVERIFY(!m.save().confirmed);
    QCOMPARE(shown(s.prompts), QStringList{question(s.path('E'))});
    QCOMPARE(test::readBytes(s.card('D')), onD);
    QVERIFY(!fs::exists(s.card('E')));
    QVERIFY(!fs::exists(s.backup()));
}

void TestMainSession::copyThatCannotBeDeleted() {
    Screen s("CDEF");
    s.put(s.card('D'), "KT470RX", "http://D");
    s.put(s.card('E'), "KT470RX", "http://E");
    MainSession& m = s.open();
    s.choose('F');
    test::ReadOnlyFolder stuck(s.card('D').parent_path());
    if (!stuck.ok()) QSKIP("root without the right to mount: no way to make a file undeletable");
    const SaveOutcome out = m.save();
    QCOMPARE(shown(s.prompts), (QStringList{question(s.path('F')),
                                            box("WKS Tips", "warning",
                                                "Can't delete \"" + s.path('D') +
                                                    "\",Please delete it manually!" + s.place('D')),
                                            kSaved}));
    QVERIFY(out.cardWritten && out.backupWritten && !out.copiesDeleted && !out.complete());
    QVERIFY(fs::exists(s.card('D')));
    QVERIFY(!fs::exists(s.card('E')));  // the loop went on
    QVERIFY(fs::exists(s.card('F')));
}

void TestMainSession::twoLettersOneFolder() {
    // A card mounted as media and also linked by hand shows under two letters.
    Screen s("CD");
    wks::drives().set('E', s.drives.folder('D'));
    MainSession& m = s.open();
    s.choose('D');
    QVERIFY(m.save().complete());
    QVERIFY(m.settings().Mng_ChkFileMark(s.path('D')));
}

void TestMainSession::refreshFollowsTheDrives() {
    Screen s("CDF");
    s.put(s.card('F'), "KT470RX", "http://F");
    MainSession& m = s.open();
    s.drives.remove('F');
    s.drives.add('G');
    m.Mng_RefreshDiskList();
    // F: goes before G: is looked at, so the last entry then is D:; G: is added at the end.
    QCOMPARE(s.entries(), "CDG");
    QCOMPARE(m.savePath(), s.path('D'));
    QCOMPARE(m.selectedDestination(), 1);
    QVERIFY(s.prompts.shown().empty());

    s.drives.remove('G');
    m.Mng_RefreshDiskList();
    QCOMPARE(s.entries(), "CD");
    QCOMPARE(m.savePath(), s.path('D'));
    QVERIFY(m.save().complete());
    QVERIFY(m.settings().Mng_ChkFileMark(s.path('D')));
    QVERIFY(fs::exists(s.card('F')));  // out of reach, so out of the save's hands
}

enum Fault { ReadOnlyCard, CardRemoved, ReadOnlyBackup, ReadOnlyBoth, NoEntryLeft };

void TestMainSession::saveFailures_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("cardWritten");
    QTest::addColumn<bool>("backupWritten");
    QTest::addColumn<bool>("restDone");  // audio placed, D:'s copy deleted

    const QString q = question("F:\\GSM\\LN713Z.TXT");
    // Each names the reason the write failed.
    const QString cardFailed =
        box("WKS TIPS", "warning",
            "Failed to save all parameters to \"F:\\GSM\\LN713Z.TXT\" !\nPermission denied");
    const QString backupFailed = box(
        "WKS TIPS", "warning",
        "Failed to save all parameters to \"C:\\VelmoraBackup\\LN713Z.TXT\" !\nPermission denied");
    const QString cardGone =
        box("WKS TIPS", "warning",
            "Failed to save all parameters to \"F:\\GSM\\LN713Z.TXT\" !\nNo such device");
    QTest::newRow("read-only card file")
        << int(ReadOnlyCard) << QStringList{q, cardFailed} << false << true << false;
    QTest::newRow("card removed") << int(CardRemoved) << QStringList{q, cardGone} << false << true
                                  << false;
    QTest::newRow("read-only backup")
        << int(ReadOnlyBackup) << QStringList{q, backupFailed} << true << false << true;
    QTest::newRow("both read-only")
        << int(ReadOnlyBoth) << QStringList{q, cardFailed, backupFailed} << false << false << false;
    QTest::newRow("every entry refreshed away")
        << int(NoEntryLeft) << QStringList{box("WKS TIPS", "error", "No disk is valid !")} << false
        << false << false;
}

void TestMainSession::saveFailures() {
    QFETCH(int, fault);
    QFETCH(QStringList, messages);
    QFETCH(bool, cardWritten);
    QFETCH(bool, backupWritten);
    QFETCH(bool, restDone);

    Screen s("CDF", "LN713Z-10P");
    s.put(s.card('D'), "LN713Z", "http://D");
    s.put(s.card('F'), "LN713Z", "http://F");
    if (fault == ReadOnlyBackup || fault == ReadOnlyBoth)
        s.put(s.backup(), "!LN713Z", "http://backup");
    MainSession& m = s.open();
    m.stageConverter();
    const fs::path call = s.drives.folder('F') / "DCIM" / "100WKSIM" / "ADUI0001.WAV";
    test::writeBytes(s.drives.root() / "call.mp3", "ID3");
    s.state.gameCallAudioPath = (s.drives.root() / "call.mp3").string();
    if (fault == ReadOnlyCard || fault == ReadOnlyBoth) ::chmod(s.card('F').c_str(), 0444);
    if (fault == CardRemoved) s.drives.remove('F');
    if (fault == NoEntryLeft) {
        for (char l : {'C', 'D', 'F'}) s.drives.remove(l);
        m.Mng_RefreshDiskList();
        QCOMPARE(m.savePath(), "");
    }
    const std::string card = test::readBytes(s.card('F')), backup = test::readBytes(s.backup());
    const SaveOutcome out = m.save();
    // A failure to save ends with the real folder of its drive.
    for (QString& message : messages) {
        if (message.contains("Failed")) {
            message += fault == CardRemoved
                           ? "\nF: (not usable: no folder)"
                           : QString::fromStdString(s.place(message.contains("\"C:") ? 'C' : 'F'));
        }
    }
    QCOMPARE(shown(s.prompts), messages);
    QVERIFY(!out.complete());
    QCOMPARE(test::readBytes(s.card('F')) != card, cardWritten);
    QCOMPARE(test::readBytes(s.backup()) != backup, backupWritten);
    QCOMPARE(s.converter.runs, int(restDone));
    QCOMPARE(fs::exists(call), restDone);
    QCOMPARE(fs::exists(s.drives.folder('F') / "DCIM"), restDone);
    QCOMPARE(fs::exists(s.card('D')), !restDone);
}

void TestMainSession::saveWithGameCall_data() {
    QTest::addColumn<QStringList>("onCard");  // files put in "\DCIM\100WKSIM\"
    QTest::addColumn<QString>("trouble");     // "exit 1": the converter fails; "no folder"
    QTest::addColumn<QList<int>>("answers");  // after OK to the save question
    QTest::addColumn<QStringList>("audioMessages");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<bool>("saved");  // the success message, and the copy on D: deleted

    const QString asked = box("WKS Tips", "information",
                              "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" "
                              "if you want to save the audio file ,continue ?") +
                          "|ok-cancel";
    const QString renamed = box("WKS CONFIG", "none", "OK,audio file have been saved !");
    const QString givenUp = box("WKS TIPS", "information", "You have given up saving audio file !");
    const QString blocked = box("WKS Tips", "warning",
                                "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n"
                                " You can delete or rename them manually !");
    const QString failed = box("WKS CONFIG", "none", "Transform Failed.");
    const QString noBatch = box("WKS CONFIG", "warning",
                                "Cannot write C:\\WKS_TEMP\\_[wkstmp]_.bat (Not a directory) !");
    const QStringList camera{"IMAG0001.JPG"};
    const QList<int> ok{int(Answer::Ok)}, cancel{int(Answer::Cancel)};
    QTest::newRow("nothing to rename")
        << QStringList{} << "" << QList<int>{} << QStringList{} << true << true;
    QTest::newRow("rename agreed")
        << camera << "" << ok << QStringList{asked, renamed} << true << true;
    QTest::newRow("rename declined")
        << camera << "" << cancel << QStringList{asked, givenUp} << false << true;
    QTest::newRow("rename blocked")
        << QStringList{"IMAG0001.JPG", "IMAG0001_RenameForSaveAudioFile.JPG"} << "" << ok
        << QStringList{asked, blocked} << false << true;
    QTest::newRow("converter fails")
        << QStringList{} << "exit 1" << QList<int>{} << QStringList{failed} << false << true;
    QTest::newRow("batch file not written")
        << QStringList{} << "no folder" << QList<int>{} << QStringList{noBatch} << false << false;
}

void TestMainSession::saveWithGameCall() {
    QFETCH(QStringList, onCard);
    QFETCH(QString, trouble);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, audioMessages);
    QFETCH(bool, placed);
    QFETCH(bool, saved);

    Screen s("CDF", "LN713Z-10P");
    s.put(s.card('D'), "LN713Z", "http://D");
    MainSession& m = s.open();
    s.choose('F');
    // A file where the staging folder would be made.
    if (trouble == "no folder") test::writeBytes(s.drives.folder('C') / "WKS_TEMP", "a file");
    m.stageConverter();
    const fs::path folder = s.drives.folder('F') / "DCIM" / "100WKSIM";
    for (const QString& name : onCard) test::writeBytes(folder / name.toStdString(), "camera");
    s.converter.status = trouble == "exit 1" ? 1 : 0;
    s.converter.copy = s.card('D');
    s.state.gameCallAudioPath = (s.drives.root() / "call.mp3").string();
    std::vector<Answer> script{Answer::Ok};
    for (int a : answers) script.push_back(Answer(a));
    s.prompts.script(script);

    const SaveOutcome out = m.save();
    QCOMPARE(shown(s.prompts), QStringList{question(s.path('F'))} + audioMessages +
                                   (saved ? QStringList{kSaved} : QStringList{}));
    QVERIFY(out.cardWritten && out.backupWritten);
    QCOMPARE(out.audioPlaced, placed);
    QCOMPARE(out.complete(), placed);
    QCOMPARE(out.stopped, !saved);
    QCOMPARE(fs::exists(folder / "ADUI0001.WAV"), placed);
    // The converter ran while the copy on D: was still there: the game call is placed first.
    if (s.converter.runs) QVERIFY(s.converter.copyThere);
    QCOMPARE(fs::exists(s.card('D')), !saved);
}

void TestMainSession::savedFilesAreTwinsAndReopen_data() {
    QTest::addColumn<QString>("model");
    for (const auto& m : catalogue())
        QTest::newRow(m.displayName.c_str()) << QString::fromStdString(m.displayName);
}

void TestMainSession::savedFilesAreTwinsAndReopen() {
    QFETCH(QString, model);
    Screen s("CD", model.toStdString());
    MainSession& first = s.open();
    int n = 0;
    for (std::string* f : s.state.CurrentNetworkParams.fields()) *f = "net" + std::to_string(++n);
    if (first.model()->hasSmtpSsl) s.state.SmtpSsl = "1";
    for (auto& t : first.recipients().texts) t = "+4670" + std::to_string(++n);
    QVERIFY(s.state.clockFollowsPc);
    QVERIFY(first.save().complete());
    QCOMPARE(s.state.cameraParams.ClockSecond, kClock.second);
    QCOMPARE(test::readBytes(s.card('D')), test::readBytes(s.backup()));

    AppState state;
    MainSession second(model.toStdString(), state, s.converter);
    QVERIFY(second.open());
    QCOMPARE(second.savePath(), s.path('D'));
    QVERIFY(state.CurrentNetworkParams == s.state.CurrentNetworkParams);
    QCOMPARE(state.SmtpSsl, s.state.SmtpSsl);
    for (const CameraKey& k : cameraKeysFor(first.model()->family, first.model()->displayName)) {
        QVERIFY2(state.cameraParams.*k.field == s.state.cameraParams.*k.field, k.key);
    }
    QVERIFY(second.recipients() == first.recipients());
}

void TestMainSession::defaultSetting() {
    Screen s("CD");
    MainSession& m = s.open();
    s.state.cameraParams.PirInterval = 3;
    s.state.clockFollowsPc = false;
    s.state.CurrentNetworkParams.URL = "http://mine";
    s.prompts.clear();
    s.prompts.script({Answer::Cancel});
    const QString asked =
        box("WKS TIPS", "question", "Set all camera parameters to default ?") + "|ok-cancel";
    QVERIFY(!m.applyDefaultSetting());
    QCOMPARE(shown(s.prompts), QStringList{asked});
    QCOMPARE(s.state.cameraParams.PirInterval, 3);
    QVERIFY(!s.state.clockFollowsPc);

    s.prompts.clear();
    QVERIFY(m.applyDefaultSetting());
    QCOMPARE(shown(s.prompts),
             (QStringList{asked, box("WKS TIPS", "information",
                                     "OK,All camera parameters have been set to default !")}));
    QVERIFY(s.state.cameraParams == s.defaults());
    QVERIFY(s.state.clockFollowsPc);
    QCOMPARE(s.state.CurrentNetworkParams.URL, "http://mine");
    QVERIFY(!fs::exists(s.card('D')));  // nothing is written before SAVE

    // KT320V-8PRO: Sweden and Telia selected, their preset applied, SMTP SSL off.
    Screen k("CD", kSwedenModel);
    const OperatorLists& lists = *k.open().operatorLists();
    k.state.SmtpSsl = "1";
    QVERIFY(k.session->applyDefaultSetting());
    NetworkPreset telia;
    presetTable().ApplyPreset(telia, "Sweden", "Telia");
    QVERIFY(k.state.CurrentNetworkParams == telia);
    QCOMPARE(k.state.SmtpSsl, std::string("0"));
    QCOMPARE(lists.countries()[lists.selectedCountry()] + "/" +
                 lists.operators()[lists.selectedOperator()],
             std::string("Sweden/Telia"));

    // A display name that is none of the models: each operation reports its internal error.
    k.prompts.clear();
    MainSession unknown("KT470RX-8pro", k.state, k.converter);
    unknown.settings().savePath = "D:\\GSM\\X.TXT";
    QVERIFY(!unknown.Mng_CurModSaveInfoSet() && !unknown.applyDefaultSetting());
    QVERIFY(!unknown.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    const auto error = [](const std::string& operation) {
        return box("WKS TIPS", "error", "Error In CWKS_MainParaDlg::" + operation + "() !");
    };
    QCOMPARE(shown(k.prompts),
             (QStringList{error("Mng_CurModSaveInfoSet"), asked, error("Mng_AllParaSetDefault"),
                          box("WKS TIPS", "warning",
                              "Default setings is not applied, no data is modified !"),
                          error("Mng_AllPara")}));
}

void TestMainSession::exitRemovesConverterFolder() {
    for (const char* model : {"KT470RX-8PRO", "LN714W-12P"}) {
        Screen s("CD", model);
        MainSession& m = s.open();
        if (m.model()->hasGameCall)
            m.stageConverter();
        else
            test::writeBytes(s.drives.folder('C') / "WKS_TEMP" / "left.bat", "x");
        QVERIFY(fs::exists(s.drives.folder('C') / "WKS_TEMP"));
        m.exit();
        QVERIFY2(!fs::exists(s.drives.folder('C') / "WKS_TEMP"), model);
    }
}

QTEST_GUILESS_MAIN(TestMainSession)
#include "test_mainsession.moc"
