#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A card pulled out while it is written: folders and files can be made, but every write of a
# file's bytes fails with an input/output error (or, with "full", as on a card with no room
# left). usage: failingcard.py MOUNTPOINT [full]. Runs in the foreground until unmounted.
import errno
import stat
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class Failing(Operations):
    def __init__(self, error):
        self.error = error
        now = time.time()
        self.nodes = {"/": dict(st_mode=stat.S_IFDIR | 0o755, st_nlink=2, st_size=0,
                                st_mtime=now, st_ctime=now, st_atime=now)}

    def node(self, path):
        if path not in self.nodes:
            raise FuseOSError(errno.ENOENT)
        return self.nodes[path]

    def getattr(self, path, fh=None):
        return self.node(path)

    def readdir(self, path, fh):
        prefix = path.rstrip("/") + "/"
        names = [p[len(prefix):] for p in self.nodes if p != path and p.startswith(prefix)]
        return [".", ".."] + [n for n in names if "/" not in n]

    def make(self, path, mode):
        now = time.time()
        self.nodes[path] = dict(st_mode=mode, st_nlink=1, st_size=0, st_mtime=now,
                                st_ctime=now, st_atime=now)

    def mkdir(self, path, mode):
        self.make(path, stat.S_IFDIR | mode)

    def create(self, path, mode, fi=None):
        self.make(path, stat.S_IFREG | mode)
        return 0

    def open(self, path, flags):
        self.node(path)
        return 0

    def write(self, path, data, offset, fh):
        raise FuseOSError(self.error)

    def read(self, path, size, offset, fh):
        return b""

    def truncate(self, path, length, fh=None):
        self.node(path)

    def unlink(self, path):
        self.node(path)
        del self.nodes[path]

    def rmdir(self, path):
        self.unlink(path)

    def rename(self, old, new):
        self.nodes[new] = self.node(old)
        del self.nodes[old]

    def chmod(self, path, mode):
        n = self.node(path)
        n["st_mode"] = (n["st_mode"] & ~0o7777) | mode

    def chown(self, path, uid, gid):
        self.node(path)

    def utimens(self, path, times=None):
        self.node(path)

    def fsync(self, path, datasync, fh):
        return 0

    def flush(self, path, fh):
        return 0

    def release(self, path, fh):
        return 0

    def statfs(self, path):
        return dict(f_bsize=4096, f_frsize=4096, f_blocks=1024, f_bfree=1024, f_bavail=1024)


full = len(sys.argv) > 2 and sys.argv[2] == "full"
FUSE(Failing(errno.ENOSPC if full else errno.EIO), sys.argv[1], foreground=True, nothreads=True)
