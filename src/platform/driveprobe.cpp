// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/driveprobe.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace fsys = std::filesystem;

namespace wks {
namespace {

// The names in the open folder `dir`; nothing when it cannot be listed. Read straight from the
// kernel: the C library's directory stream first asks the folder for its attributes, one more
// question to a slow drive.
using Listing = std::optional<std::vector<std::string>>;
Listing listIn(int dir) {
    const int list = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (list < 0) return std::nullopt;
    std::vector<std::string> names;
    alignas(dirent64) char buffer[8192];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, list, buffer, sizeof buffer);
        if (n < 0) {
            ::close(list);
            return std::nullopt;
        }
        if (n == 0) break;
        for (long at = 0; at < n;) {
            const auto* e = reinterpret_cast<const dirent64*>(buffer + at);
            names.emplace_back(e->d_name);
            at += e->d_reclen;
        }
    }
    ::close(list);
    return names;
}

// Whether the folder `name` in the open folder `dir` can be entered, found as Windows finds it:
// the name byte for byte, else the first (by name) that differs only in letter case, among the
// names `list` gives. Works from open folders, so a slow drive is asked as few times as can be.
bool canEnterIn(int dir, const std::string& name, const std::function<Listing()>& list) {
    int fd = ::openat(dir, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        const Listing names = list();
        if (!names) return false;
        std::string found;
        bool exact = false;  // a link that leads nowhere, say: the name is there, not a folder
        for (const std::string& entry : *names) {
            exact = exact || entry == name;
            if (entry.size() == name.size() &&
                std::equal(entry.begin(), entry.end(), name.begin(),
                           [](char x, char y) {
                               return std::toupper(static_cast<unsigned char>(x)) ==
                                      std::toupper(static_cast<unsigned char>(y));
                           }) &&
                (found.empty() || entry < found)) {
                found = entry;
            }
        }
        if (exact || found.empty()) return false;
        fd = ::openat(dir, found.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (fd < 0) return false;
    const bool enterable = ::faccessat(fd, ".", X_OK, 0) == 0;
    ::close(fd);
    return enterable;
}

// A drive whose folder took longer than this to open answers over a network or through a slow
// daemon: its other questions are asked all at once rather than one after another.
constexpr auto kSlowAnswer = std::chrono::milliseconds(2);

// The look-ups of one drive: the folder opened once, entered, its subfolder tried, its free
// space. They run in a child process: a look-up stuck in a dead mount can keep a thread in the
// kernel until the mount answers, and a process does not end before all its threads have; a
// child stuck so holds up nobody.
DriveReport lookAt(char letter, const fsys::path& folder, const fsys::path& shown,
                   const std::string& subfolder) {
    DriveReport r;
    r.letter = letter;
    r.folder = shown.string();
    const auto start = std::chrono::steady_clock::now();
    const int fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        r.state = errno == ENOENT ? DriveState::NoFolder : DriveState::NotEnterable;
        return r;
    }
    const bool slow = std::chrono::steady_clock::now() - start > kSlowAnswer;
    char real[PATH_MAX];
    const ssize_t n =
        ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), real, sizeof real);
    if (n > 0) r.folder.assign(real, static_cast<std::size_t>(n));
    // "GSM\" is one folder on the drive.
    std::string name = subfolder;
    while (!name.empty() && (name.back() == '\\' || name.back() == '/')) name.pop_back();
    bool inside = false;
    const auto freeSpace = [&r, fd] {
        struct statvfs fs {};
        if (::fstatvfs(fd, &fs) == 0) {
            r.freeBytes = static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
        }
    };
    const auto findSubfolder = [&](const std::function<Listing()>& list) {
        inside = !name.empty() && canEnterIn(fd, name, list);
    };
    if (slow) {
        // A slow drive is asked everything at once: whether its folder can be entered, its
        // subfolder, its names (in case the subfolder is there in another letter case) and
        // its free space, so that it costs one answer's wait after the folder's own.
        std::future<Listing> listing;
        if (!name.empty()) listing = std::async(std::launch::async, listIn, fd);
        std::thread space(freeSpace);
        std::thread subfolderThread(findSubfolder, [&] { return listing.get(); });
        r.state =
            ::faccessat(fd, ".", X_OK, 0) == 0 ? DriveState::Usable : DriveState::NotEnterable;
        subfolderThread.join();
        space.join();
        if (listing.valid()) listing.wait();  // done with the folder before it is closed
    } else {
        r.state =
            ::faccessat(fd, ".", X_OK, 0) == 0 ? DriveState::Usable : DriveState::NotEnterable;
        if (r.usable()) {
            findSubfolder([fd] { return listIn(fd); });
            freeSpace();
        }
    }
    if (r.usable()) {
        r.subfolder = inside;
    } else {
        r.freeBytes.reset();
    }
    ::close(fd);
    return r;
}

// A report on the pipe: index, state, subfolder, free bytes (+1, 0 for none), folder length,
// folder.
struct Header {
    std::uint32_t index;
    std::uint8_t state, subfolder;
    std::uint64_t free;
    std::uint32_t length;
};

bool writeAll(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

struct Asked {
    std::size_t index;
    char letter;
    fsys::path folder, shown;
    std::string key;
};

[[noreturn]] void examineInChild(pid_t parent, int out, const std::vector<Asked>& asked,
                                 const std::string& subfolder) {
    // The folder the program was started in may be a card the user wants to unmount: no
    // drive but the one looked at is kept busy here, not even while stuck on a dead one.
    if (::chdir("/") != 0) ::_exit(1);
    // Ended with the program, where the kernel lets a signal through to a stuck look-up.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(0);
    ::signal(SIGPIPE, SIG_IGN);  // the parent stops listening at its deadline
    // Nothing the parent's readers wait on stays open here.
    const int null = ::open("/dev/null", O_RDWR);
    for (int fd = 0; fd < 3; ++fd) ::dup2(null, fd);
    ::dup2(out, 3);
    ::close_range(4, ~0U, 0);
    std::mutex writing;
    std::atomic<std::size_t> next{0}, answered{0};
    auto look = [&] {
        for (std::size_t i; (i = next++) < asked.size();) {
            const Asked& a = asked[i];
            const DriveReport r = lookAt(a.letter, a.folder, a.shown, subfolder);
            std::string bytes(sizeof(Header), '\0');
            const Header h{static_cast<std::uint32_t>(a.index), static_cast<std::uint8_t>(r.state),
                           r.subfolder, r.freeBytes ? *r.freeBytes + 1 : 0,
                           static_cast<std::uint32_t>(r.folder.size())};
            std::memcpy(bytes.data(), &h, sizeof h);
            bytes += r.folder;
            std::lock_guard lock(writing);
            writeAll(3, bytes.data(), bytes.size());
            ++answered;
        }
    };
    // This thread goes through the drives, which takes a moment when they answer at once. When
    // no drive has answered for a while, a slow one holds it up, and each drive not yet taken
    // gets a looker of its own: slow drives are all asked at the same time.
    std::thread watch([&] {
        std::vector<std::thread> lookers;
        for (std::size_t seen = 0; next < asked.size();) {
            std::this_thread::sleep_for(kSlowAnswer);
            if (answered == seen) {
                for (std::size_t i = next; i < asked.size(); ++i) lookers.emplace_back(look);
            }
            seen = answered;
        }
        for (auto& t : lookers) t.join();
    });
    look();
    watch.join();
    ::_exit(0);
}

// The children of earlier examinations, with the drives they had not answered for when their
// examination ended: those are not asked again until the child has ended.
struct Stuck {
    pid_t pid;
    std::vector<std::string> keys;
};
std::mutex stuckMutex;
std::vector<Stuck> stuck;

bool stillStuck(const std::string& key) {
    return std::any_of(stuck.begin(), stuck.end(), [&](const Stuck& s) {
        return std::find(s.keys.begin(), s.keys.end(), key) != s.keys.end();
    });
}

}  // namespace

std::vector<DriveReport> examineDrives(const DriveTable& table, const std::string& letters,
                                       const std::string& subfolder,
                                       std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::vector<DriveReport> reports(letters.size());
    std::vector<bool> answered(letters.size(), false);
    std::vector<Asked> asked;
    std::lock_guard lock(stuckMutex);
    std::erase_if(stuck, [](const Stuck& s) { return ::waitpid(s.pid, nullptr, WNOHANG) != 0; });
    for (std::size_t i = 0; i < letters.size(); ++i) {
        DriveReport& r = reports[i];
        r.letter = letters[i];
        r.label = table.labelOf(letters[i]);
        r.medium = table.isMedium(letters[i]);
        r.folder = table.shownFolder(letters[i]).string();
        const auto folder = table.folderOf(letters[i]);
        const std::string key = folder ? folder->string() + '\n' + subfolder : std::string();
        if (folder && !stillStuck(key)) {
            r.state = DriveState::NoAnswer;
            asked.push_back({i, letters[i], *folder, table.shownFolder(letters[i]), key});
        } else {
            r.state = folder ? DriveState::NoAnswer : DriveState::NoFolder;
            answered[i] = !folder;
        }
    }
    if (asked.empty()) return reports;

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return reports;
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        examineInChild(parent, pipeFds[1], asked, subfolder);
    }
    ::close(pipeFds[1]);
    if (child < 0) {
        ::close(pipeFds[0]);
        return reports;
    }
    std::string got;
    std::size_t left = asked.size();
    while (left > 0) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) break;
        pollfd p{pipeFds[0], POLLIN, 0};
        const int ms =
            static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count());
        if (::poll(&p, 1, ms) < 0 && errno != EINTR) break;
        char buffer[4096];
        const ssize_t n =
            (p.revents & (POLLIN | POLLHUP)) ? ::read(pipeFds[0], buffer, sizeof buffer) : -1;
        if (n == 0) break;  // the child has ended
        if (n < 0) continue;
        got.append(buffer, static_cast<std::size_t>(n));
        Header h;
        while (got.size() >= sizeof h) {
            std::memcpy(&h, got.data(), sizeof h);
            if (got.size() < sizeof h + h.length) break;
            if (h.index < reports.size() && !answered[h.index]) {
                DriveReport& r = reports[h.index];
                r.state = static_cast<DriveState>(h.state);
                r.subfolder = h.subfolder != 0;
                if (h.free != 0) r.freeBytes = h.free - 1;
                r.folder = got.substr(sizeof h, h.length);
                answered[h.index] = true;
                --left;
            }
            got.erase(0, sizeof h + h.length);
        }
    }
    ::close(pipeFds[0]);
    // The child is left to end by itself (it is reaped at a later examination), so nobody
    // waits for the last moments of a child that has answered everything.
    Stuck s{child, {}};
    for (const Asked& a : asked) {
        if (!answered[a.index]) s.keys.push_back(a.key);
    }
    stuck.push_back(std::move(s));
    return reports;
}

const char* driveProblem(DriveState state) {
    switch (state) {
        case DriveState::Usable:
            return "";
        case DriveState::NoFolder:
            return "no folder";
        case DriveState::NotEnterable:
            return "not enterable";
        case DriveState::NoAnswer:
            return "no answer in time";
    }
    return "";
}

std::string sizeText(std::uint64_t bytes) {
    static const struct {
        double size;
        const char* unit;
    } kUnits[] = {{1e12, "TB"}, {1e9, "GB"}, {1e6, "MB"}, {1e3, "KB"}};
    char text[32];
    for (const auto& u : kUnits) {
        if (static_cast<double>(bytes) >= u.size) {
            std::snprintf(text, sizeof text, "%.1f %s", static_cast<double>(bytes) / u.size,
                          u.unit);
            return text;
        }
    }
    return std::to_string(bytes) + " bytes";
}

Text drivePlace(const DriveReport& r) {
    const std::string letter(1, r.letter);
    if (r.folder.empty())
        return {QT_TRANSLATE_NOOP("Message", "%1: (not usable: no folder)"), {letter}};
    switch (r.state) {
        case DriveState::Usable:
            break;
        case DriveState::NoFolder:
            return {QT_TRANSLATE_NOOP("Message", "%1: is %2 (not usable: no folder)"),
                    {letter, r.folder}};
        case DriveState::NotEnterable:
            return {QT_TRANSLATE_NOOP("Message", "%1: is %2 (not usable: not enterable)"),
                    {letter, r.folder}};
        case DriveState::NoAnswer:
            return {QT_TRANSLATE_NOOP("Message", "%1: is %2 (not usable: no answer in time)"),
                    {letter, r.folder}};
    }
    const bool label = r.medium && !r.label.empty();
    const bool free = r.medium && r.freeBytes;
    if (label && free) {
        return {QT_TRANSLATE_NOOP("Message", "%1: is %2 (%3, %4 free)"),
                {letter, r.folder, r.label, sizeText(*r.freeBytes)}};
    }
    if (label) return {QT_TRANSLATE_NOOP("Message", "%1: is %2 (%3)"), {letter, r.folder, r.label}};
    if (free) {
        return {QT_TRANSLATE_NOOP("Message", "%1: is %2 (%3 free)"),
                {letter, r.folder, sizeText(*r.freeBytes)}};
    }
    return {QT_TRANSLATE_NOOP("Message", "%1: is %2"), {letter, r.folder}};
}

std::string describeDrive(const DriveReport& r) { return drivePlace(r).english(); }

}  // namespace wks
