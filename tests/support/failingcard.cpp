// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/failingcard.h"

#include <unistd.h>

#include <QTest>

#include "platform/media.h"

namespace fs = std::filesystem;

namespace wks::test {

FailingCard::FailingCard(const fs::path& mountPoint, bool full) : mount_(mountPoint) {
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        why_ = "no usable /dev/fuse here";
        return;
    }
    fs::create_directories(mount_);
    process_.start(WKS_FAILINGCARD,
                   full ? QStringList{mount_.c_str(), "full"} : QStringList{mount_.c_str()});
    bool there = false;
    for (int i = 0; i < 100 && !there && process_.state() != QProcess::NotRunning; ++i) {
        QTest::qWait(50);
        for (const Mount& m : readMounts("/")) there = there || m.mountPoint == mount_;
    }
    if (!there) {
        why_ = "the FUSE folder did not mount (it needs fuse3 and python3-fusepy): " +
               process_.readAllStandardError().toStdString();
    }
}

FailingCard::~FailingCard() {
    if (mounted()) QProcess::execute("fusermount3", {"-u", "-z", mount_.c_str()});
    process_.terminate();
    if (!process_.waitForFinished(10000)) process_.kill();
    process_.waitForFinished();
}

}  // namespace wks::test
