// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting programs: arguments as given, how they end, the observer, waiting without freezing.

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "platform/process.h"

using namespace wks;

namespace {

struct Log : ProcessObserver {
    std::vector<std::string> events;
    void processStarted(const std::string& program, const std::vector<std::string>& args) override {
        events.push_back("started " + program + " " + std::to_string(args.size()));
    }
    void processFinished(const ProcessResult& r) override {
        events.push_back("finished " + r.describe());
    }
};

}  // namespace

class TestProcess : public QObject {
    Q_OBJECT
  private slots:
    void endings();
    void eventsFlowWhileWaiting();
};

void TestProcess::endings() {
    SystemProcessRunner runner;
    Log log;
    runner.setObserver(&log);
    // test(1) compares its words: equal only when each arrived whole and untouched.
    QVERIFY(runner.run("/usr/bin/test", {"$(x) `y` 'a b' %P% &;!", "=", "$(x) `y` 'a b' %P% &;!"})
                .succeeded());
    ProcessResult unequal = runner.run("/usr/bin/test", {"a b", "=", "a"});
    QCOMPARE(int(unequal.outcome), int(ProcessResult::Outcome::Exited));
    QCOMPARE(unequal.exitCode, 1);
    ProcessResult killed = runner.run("/bin/sh", {"-c", "kill -KILL $$"});
    QCOMPARE(int(killed.outcome), int(ProcessResult::Outcome::Killed));
    QCOMPARE(killed.signal, SIGKILL);
    QVERIFY(!killed.succeeded());
    QTemporaryDir dir;
    ProcessResult missing = runner.run(dir.filePath("nothing").toStdString(), {});
    QCOMPARE(int(missing.outcome), int(ProcessResult::Outcome::NotStarted));
    QVERIFY(missing.startError == std::errc::no_such_file_or_directory);
    QCOMPARE(log.events,
             (std::vector<std::string>{"started /usr/bin/test 3", "finished exit status 0",
                                       "started /usr/bin/test 3", "finished exit status 1",
                                       "started /bin/sh 2", "finished killed by signal 9"}));
}

void TestProcess::eventsFlowWhileWaiting() {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    SystemProcessRunner runner;
    QVERIFY(runner.run("/bin/sleep", {"0.4"}).succeeded());
    QVERIFY2(ticks >= 5, qPrintable(QString("%1 ticks").arg(ticks)));

    // A Cancel pressed while waiting ends the program; with nothing running it does nothing.
    QTimer::singleShot(100, [&] { runner.cancel(); });
    const ProcessResult cancelled = runner.run("/bin/sleep", {"30"});
    QCOMPARE(int(cancelled.outcome), int(ProcessResult::Outcome::Killed));
    runner.cancel();
    QVERIFY(runner.run("/bin/sleep", {"0.1"}).succeeded());
}

QTEST_GUILESS_MAIN(TestProcess)
#include "test_process.moc"
