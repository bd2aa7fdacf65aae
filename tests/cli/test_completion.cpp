// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shells' completion of wks-settings as the build made it, run as the shells run it: bash's
// completion function on real command lines, with and without bash-completion loaded, and zsh's
// in an interactive zsh on a pseudo-terminal.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "support/runcli.h"
#include "support/tempdrives.h"

namespace fs = std::filesystem;

namespace {

const QString kShells = WKS_SHELLS;

// wks-settings on PATH, as the completion runs it for the drive letters, with a data folder of
// its own holding C: and a link D:.
struct Desk {
    Desk() {
        const fs::path data = fs::path(home.path().toStdString()) / "wks-config";
        fs::create_directories(data / "dosdevices");
        fs::create_directories(data / "drive_c");
        fs::create_directory_symlink("../drive_c", data / "dosdevices" / "c:");
        fs::create_directory_symlink(folder.path().toStdString(), data / "dosdevices" / "d:");
        fs::create_directory(fs::path(folder.path().toStdString()) / "ab");
        wks::test::writeBytes(fs::path(folder.path().toStdString()) / "a.TXT", "");
        env.insert("XDG_DATA_HOME", home.path());
        env.insert("PATH", QFileInfo(WKS_SETTINGS_EXE).path() + ":" + env.value("PATH"));
    }
    QByteArray run(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            qWarning() << program << args << p.readAllStandardError();
            return {};
        }
        return p.readAllStandardOutput();
    }
    QTemporaryDir home, folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

// The commands that `wks-settings --help` lists.
QStringList commands() {
    QStringList names;
    static const QRegularExpression row("^  (\\S+) +\\S");
    for (const QString& line : QString(wks::test::runSettings({"--help"}).out).split('\n')) {
        if (const auto m = row.match(line); m.hasMatch()) names << m.captured(1);
    }
    return names;
}

}  // namespace

class TestCompletion : public QObject {
    Q_OBJECT
  private slots:
    // Each line as typed, and the candidates that Tab at its end offers (DIR stands for a folder
    // holding a.TXT and ab/).
    void bash_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("commands") << "wks-settings " << commands();
        QTest::newRow("command begun") << "wks-settings mail" << QStringList{"mail-test"};
        QTest::newRow("program's options")
            << "wks-settings --" << QStringList{"--help", "--version"};
        QTest::newRow("options") << "wks-settings show --"
                                 << QStringList{"--model", "--json", "--help"};
        QTest::newRow("model") << "wks-settings new FX" << QStringList{"FX200 SERIES"};
        QTest::newRow("model of an option")
            << "wks-settings show --model K" << QStringList{"KT320V-8PRO", "KT470RX-8PRO"};
        QTest::newRow("country") << "wks-settings presets Sw"
                                 << QStringList{"Sweden", "Switzerland"};
        QTest::newRow("operators of a quoted country")
            << "wks-settings save FX200\\ SERIES --country 'China HongKong' --operator "
            << QStringList{"CSL", "Peoples", "Smartone"};
        QTest::newRow("operator in quotes")
            << "wks-settings new X --country Sweden --operator \"Tele"
            << QStringList{"Telenor", "Tele 2"};
        QTest::newRow("country given with =")
            << "wks-settings new X --country=USA --operator C" << QStringList{"Cingular(AT&T)"};
        QTest::newRow("file") << "wks-settings show DIR/a" << QStringList{"DIR/a.TXT", "DIR/ab"};
        QTest::newRow("folder") << "wks-settings new X --card DIR/a" << QStringList{"DIR/ab"};
        QTest::newRow("letters of the live table")
            << "wks-settings save X --to " << QStringList{"C", "D"};
        QTest::newRow("letter to give") << "wks-settings save X --drive E" << QStringList{"E="};
        QTest::newRow("its folder")
            << "wks-settings save X --drive E=DIR/a" << QStringList{"DIR/ab"};
        QTest::newRow("form's word") << "wks-settings ini " << QStringList{"get", "set"};
        QTest::newRow("after a form's word")
            << "wks-settings ini set DIR/a" << QStringList{"DIR/a.TXT", "DIR/ab"};
        QTest::newRow("no more operands") << "wks-settings ini get F S K " << QStringList{};
        QTest::newRow("shells") << "wks-settings completion " << QStringList{"bash", "zsh"};
    }
    void bash() {
        QFETCH(QString, line);
        QFETCH(QStringList, offered);
        Desk desk;
        line.replace("DIR", desk.folder.path());
        offered.replaceInStrings("DIR", desk.folder.path());
        QStringList loaders{"--"};
        const QString bashCompletion = "/usr/share/bash-completion/bash_completion";
        if (QFileInfo::exists(bashCompletion)) loaders << bashCompletion;
        for (const QString& loader : loaders) {
            QStringList args{kShells + "/bash-complete.sh", WKS_COMPLETION "/wks-settings"};
            if (loader != "--") args << loader;
            const QByteArray out = desk.run("bash", args + QStringList{"--", line});
            QStringList got = QString(out).split('\n');
            QVERIFY2(got.size() >= 2 && got.takeLast().isEmpty() && got.takeLast() == "--", out);
            if (line.endsWith("--to ")) got.removeIf([](const QString& l) { return l > "D"; });
            QCOMPARE(got, offered);
        }
    }

    // zsh completes the same, quoting as it needs.
    void zsh() {
        const QString zsh = QStandardPaths::findExecutable("zsh");
        if (zsh.isEmpty()) QSKIP("no zsh here");
        Desk desk;
        const QString dir = desk.folder.path();
        const std::pair<QString, QString> lines[] = {
            {"wks-settings pre", "wks-settings presets "},
            {"wks-settings new FX", "wks-settings new FX200\\ SERIES "},
            {"wks-settings save X --country 'China HongKong' --operator Sm",
             "wks-settings save X --country 'China HongKong' --operator Smartone "},
            {"wks-settings save X --drive E=" + dir + "/a",
             "wks-settings save X --drive E=" + dir + "/ab/"},
            {"wks-settings ini s", "wks-settings ini set "},
            {"wks-settings check --mo", "wks-settings check --model "},
        };
        QStringList typed, expected;
        for (const auto& [line, completed] : lines) typed << line, expected << completed;
        QTemporaryDir out;
        const QByteArray got = desk.run(zsh, QStringList{"-f", kShells + "/zsh-complete.zsh",
                                                         WKS_COMPLETION, out.filePath("lines")} +
                                                 typed);
        QCOMPARE(QString(got).split('\n', Qt::SkipEmptyParts), expected);
    }
};

QTEST_GUILESS_MAIN(TestCompletion)
#include "test_completion.moc"
