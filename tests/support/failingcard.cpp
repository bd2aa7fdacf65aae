// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/failingcard.h"

#include <unistd.h>

#include "support/slowfolder.h"

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
    why_ = waitForFuseMount(process_, mount_);
}

FailingCard::~FailingCard() {
    if (mounted()) QProcess::execute("fusermount3", {"-u", "-z", mount_.c_str()});
    process_.terminate();
    if (!process_.waitForFinished(10000)) process_.kill();
    process_.waitForFinished();
}

}  // namespace wks::test
