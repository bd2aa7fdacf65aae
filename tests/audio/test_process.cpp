// Starting programs: arguments as given, results, the observer, waiting without freezing.

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

#include "platform/process.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

struct Log : ProcessObserver {
    std::vector<std::string> events;
    void processStarted(const std::string& program, const std::vector<std::string>& args) override {
        events.push_back("started " + program + " " + std::to_string(args.size()));
    }
    void processFinished(const ProcessResult& r) override { events.push_back("finished " + r.describe()); }
};

}  // namespace

class TestProcess : public QObject {
    Q_OBJECT
private slots:
    void argumentsReachTheProgramUnchanged();
    void endings();
    void programThatCannotStart();
    void eventsFlowWhileWaiting();
    void findsProgramOnPath();
};

void TestProcess::argumentsReachTheProgramUnchanged() {
    // test(1) compares its words: equal only when each arrived whole and untouched.
    SystemProcessRunner runner;
    for (const std::string word : {"a b", "$(touch pwned)", "`x`", "%PATH%", "a&b;c!", "'\"", ""}) {
        QCOMPARE(runner.run("/usr/bin/test", {word, "=", word}).exitCode, 0);
    }
    ProcessResult r = runner.run("/usr/bin/test", {"a b", "=", "a"});
    QCOMPARE(int(r.outcome), int(ProcessResult::Outcome::Exited));
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!r.succeeded());
}

void TestProcess::endings() {
    SystemProcessRunner runner;
    Log log;
    runner.setObserver(&log);
    ProcessResult killed = runner.run("/bin/sh", {"-c", "kill -KILL $$"});
    QCOMPARE(int(killed.outcome), int(ProcessResult::Outcome::Killed));
    QCOMPARE(killed.signal, SIGKILL);
    QVERIFY(!killed.succeeded());
    QVERIFY(runner.run("/bin/true", {}).succeeded());
    QCOMPARE(log.events, (std::vector<std::string>{"started /bin/sh 2", "finished killed by signal 9",
                                                   "started /bin/true 0", "finished exit status 0"}));
}

void TestProcess::programThatCannotStart() {
    QTemporaryDir dir;
    const std::string notExecutable = dir.filePath("converter").toStdString();
    test::writeBytes(notExecutable, "#!/bin/sh\n");
    SystemProcessRunner runner;
    Log log;
    runner.setObserver(&log);
    ProcessResult missing = runner.run(dir.filePath("nothing").toStdString(), {});
    QCOMPARE(int(missing.outcome), int(ProcessResult::Outcome::NotStarted));
    QVERIFY(missing.startError == std::errc::no_such_file_or_directory);
    ProcessResult refused = runner.run(notExecutable, {});
    QVERIFY(refused.startError == std::errc::permission_denied);
    QVERIFY(log.events.empty());
}

void TestProcess::eventsFlowWhileWaiting() {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    SystemProcessRunner runner;
    QVERIFY(runner.run("/bin/sleep", {"0.4"}).succeeded());
    QVERIFY2(ticks >= 5, qPrintable(QString("%1 ticks").arg(ticks)));
}

void TestProcess::findsProgramOnPath() {
    QTemporaryDir first, second;
    test::writeBytes(first.filePath("tool").toStdString(), "not executable");
    test::writeBytes(second.filePath("tool").toStdString(), "#!/bin/sh\n");
    fs::permissions(second.filePath("tool").toStdString(), fs::perms::owner_exec, fs::perm_options::add);
    const QByteArray saved = qgetenv("PATH");
    qputenv("PATH", (first.path() + ":" + second.path()).toLocal8Bit());
    const auto tool = findProgramOnPath("tool");
    const auto none = findProgramOnPath("no-such-tool");
    qputenv("PATH", saved);
    QCOMPARE(QString::fromStdString(tool.value_or("")), second.filePath("tool"));
    QVERIFY(!none);
}

QTEST_GUILESS_MAIN(TestProcess)
#include "test_process.moc"
