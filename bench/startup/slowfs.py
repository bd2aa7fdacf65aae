#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A folder that answers every question late (a look-up, a listing, its free space), like a
# network share that is going away or a card being unmounted: usage: slowfs.py MOUNTPOINT
# SECONDS. Runs in the foreground until unmounted.
# Its folders "share1", "share2", ... (empty, like the root) stand for shares of their own.
import errno
import stat
import sys
import time

from fusepy import FUSE, Operations


class Slow(Operations):
    def __init__(self, delay):
        self.delay = delay

    def getattr(self, path, fh=None):
        time.sleep(self.delay)
        if path == "/" or (path.startswith("/share") and path[6:].isdigit()):
            return dict(st_mode=stat.S_IFDIR | 0o555, st_nlink=2)
        raise OSError(errno.ENOENT, "")

    def access(self, path, mode):
        time.sleep(self.delay)
        return 0

    def readdir(self, path, fh):
        time.sleep(self.delay)
        return [".", ".."]

    def statfs(self, path):
        time.sleep(self.delay)
        return {}


# No caching by the kernel: every look-up reaches the slow answer.
FUSE(Slow(float(sys.argv[2])), sys.argv[1], foreground=True, ro=True, nothreads=False,
     attr_timeout=0, entry_timeout=0, negative_timeout=0)
