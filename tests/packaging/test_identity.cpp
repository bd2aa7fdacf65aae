// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window belongs to its desktop entry: on Wayland its app_id is the entry's id, on X11 its
// WM_CLASS is the entry's StartupWMClass. Both are read off a real display server.

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// A display server for one run of the program, and what the program says of itself there.
struct Display {
    QString missing;  // the tool that is not installed, when one is not
    std::unique_ptr<QProcess> server;
    QProcessEnvironment client;
    // The identity seen so far: in the client's own debug output on Wayland, in the server's
    // window tree on X11.
    std::function<QString(const QByteArray& clientLog)> identity;
};

// A headless compositor on a socket of its own.
void wayland(Display& d, const QTemporaryDir& runtime) {
    if (QStandardPaths::findExecutable("weston").isEmpty()) {
        d.missing = "weston";
        return;
    }
    d.server = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    d.server->setProcessEnvironment(env);
    d.server->start("weston",
                    {"--backend=headless-backend.so", "--socket=wks-identity", "--idle-time=0"});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(runtime.filePath("wks-identity")), 20000);
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.insert("WAYLAND_DISPLAY", "wks-identity");
    env.insert("WAYLAND_DEBUG", "1");  // the client logs every request it sends
    d.client = env;
    d.identity = [](const QByteArray& clientLog) {
        static const QRegularExpression appId("xdg_toplevel@\\d+\\.set_app_id\\(\"([^\"]*)\"\\)");
        return appId.match(clientLog).captured(1);
    };
}

// A virtual X server that picks a free display.
void x11(Display& d, const QTemporaryDir&) {
    for (const char* tool : {"Xvfb", "xwininfo"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            d.missing = tool;
            return;
        }
    }
    d.server = std::make_unique<QProcess>();
    d.server->start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
    QTRY_VERIFY_WITH_TIMEOUT(d.server->canReadLine(), 20000);
    const QString display = ":" + d.server->readLine().trimmed();
    d.client = QProcessEnvironment::systemEnvironment();
    d.client.insert("QT_QPA_PLATFORM", "xcb");
    d.client.insert("DISPLAY", display);
    d.identity = [display](const QByteArray&) {
        QProcess tree;
        tree.start("xwininfo", {"-display", display, "-root", "-tree"});
        tree.waitForFinished();
        // A window line ends in its WM_CLASS: ("instance" "class").
        static const QRegularExpression wmClass("\\(\"[^\"]*\" \"([^\"]*)\"\\)");
        return wmClass.match(tree.readAllStandardOutput()).captured(1);
    };
}

}  // namespace

class TestIdentity : public QObject {
    Q_OBJECT
  private slots:
    void windowIdentity_data() {
        QTest::addColumn<bool>("onWayland");
        QTest::addColumn<QString>("expected");
        QSettings entry(WKS_DESKTOP_ENTRY, QSettings::IniFormat);
        QTest::newRow("Wayland app_id is the desktop id")
            << true << QFileInfo(WKS_DESKTOP_ENTRY).completeBaseName();
        QTest::newRow("X11 WM_CLASS is StartupWMClass")
            << false << entry.value("Desktop Entry/StartupWMClass").toString();
    }

    void windowIdentity() {
        QFETCH(bool, onWayland);
        QFETCH(QString, expected);
        QVERIFY(!expected.isEmpty());
        QTemporaryDir runtime, dataHome;
        Display d;
        (onWayland ? wayland : x11)(d, runtime);
        if (QTest::currentTestFailed()) return;
        if (!d.missing.isEmpty()) {
            QSKIP(qPrintable(d.missing + " is not installed: this window identity is not checked"));
        }
        QVERIFY(d.server && d.server->state() == QProcess::Running);
        d.client.insert("XDG_DATA_HOME", dataHome.path());  // a drive C: of its own
        QProcess program;
        program.setProcessEnvironment(d.client);
        program.start(WKS_CONFIG_EXE);
        QVERIFY(program.waitForStarted());
        QByteArray log;
        QString seen;
        const auto look = [&] {
            log += program.readAllStandardError();
            seen = d.identity(log);
            return !seen.isEmpty() || program.state() != QProcess::Running;
        };
        QTRY_VERIFY_WITH_TIMEOUT(look(), 30000);
        program.kill();
        program.waitForFinished();
        d.server->terminate();
        d.server->waitForFinished();
        if (seen != expected) qWarning() << log.right(2000);
        QCOMPARE(seen, expected);
    }
};

QTEST_GUILESS_MAIN(TestIdentity)
#include "test_identity.moc"
