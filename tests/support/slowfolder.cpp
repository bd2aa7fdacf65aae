// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/slowfolder.h"

#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "platform/media.h"

namespace fs = std::filesystem;

namespace wks::test {

std::string waitForFuseMount(QProcess& daemon, const fs::path& mountPoint) {
    for (int i = 0; i < 100 && daemon.state() != QProcess::NotRunning; ++i) {
        QTest::qWait(50);
        for (const Mount& m : readMounts("/"))
            if (m.mountPoint == mountPoint) return {};
    }
    return "the FUSE folder did not mount (it needs fuse3 and python3-fusepy): " +
           daemon.readAllStandardError().toStdString();
}

SlowFolder::SlowFolder(const fs::path& mountPoint, const char* seconds) : mount_(mountPoint) {
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        why_ = "no usable /dev/fuse here";
        return;
    }
    fs::create_directories(mount_);
    process_.start(WKS_SLOWFS, {mount_.c_str(), seconds});
    why_ = waitForFuseMount(process_, mount_);
}

void SlowFolder::stop() {
    const auto pid = static_cast<pid_t>(process_.processId());
    if (::kill(pid, SIGSTOP) != 0) return;
    stopped_ = true;
    // The signal is taken by each thread in its own time; until all have, a busy machine may
    // let one of them answer a question after stop() has returned.
    const auto running = [pid] {
        const QDir tasks(QString("/proc/%1/task").arg(pid));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile stat(tasks.filePath(task + "/stat"));
            if (!stat.open(QIODevice::ReadOnly)) continue;
            const QByteArray line = stat.readAll();
            const qsizetype state = line.lastIndexOf(')') + 2;
            if (state < line.size() && line[state] != 'T' && line[state] != 't') return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(!running(), 5000);
}

void SlowFolder::resume() {
    if (stopped_) ::kill(static_cast<pid_t>(process_.processId()), SIGCONT);
    stopped_ = false;
}

bool SlowFolder::unmount() {
    unmounted_ = unmounted_ || QProcess::execute("fusermount3", {"-u", mount_.c_str()}) == 0;
    return unmounted_;
}

SlowFolder::~SlowFolder() {
    // Look-ups that waited on it are answered before it goes.
    resume();
    if (mounted() && !unmounted_) QProcess::execute("fusermount3", {"-u", "-z", mount_.c_str()});
    process_.terminate();
    if (!process_.waitForFinished(10000)) process_.kill();
    process_.waitForFinished();
}

}  // namespace wks::test
