// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <thread>

extern char** environ;

namespace wks {
namespace {

// The spawn's file actions and attributes, released whatever happens.
class SpawnSetup {
  public:
    // errorFile: where the error output goes; -1 sends it nowhere.
    explicit SpawnSetup(int errorFile) {
        ::posix_spawn_file_actions_init(&actions_);
        ::posix_spawnattr_init(&attr_);
        // No console: input is empty, output goes nowhere, nothing else is inherited.
        ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        ::posix_spawn_file_actions_adddup2(&actions_, errorFile >= 0 ? errorFile : STDOUT_FILENO,
                                           STDERR_FILENO);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        ::posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
#endif
        // The program starts with no signal blocked and every signal handled by default,
        // whatever our own threads have set up.
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        ::posix_spawnattr_setsigmask(&attr_, &none);
        ::posix_spawnattr_setsigdefault(&attr_, &all);
        ::posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSetup() {
        ::posix_spawnattr_destroy(&attr_);
        ::posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attr() const { return &attr_; }

  private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attr_;
};

// A file in memory for the program's error output, closed with this.
class ErrorFile {
  public:
    ErrorFile() : fd_(::memfd_create("wks-error-output", MFD_CLOEXEC)) {}
    ~ErrorFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    ErrorFile(const ErrorFile&) = delete;
    ErrorFile& operator=(const ErrorFile&) = delete;
    int fd() const { return fd_; }

    // Its last kErrorOutputTail bytes; nothing when there is no file.
    std::string tail() const {
        struct stat st {};
        if (fd_ < 0 || ::fstat(fd_, &st) != 0) return {};
        const off_t size = st.st_size;
        const off_t from = size > off_t(kErrorOutputTail) ? size - off_t(kErrorOutputTail) : 0;
        std::string bytes(static_cast<std::size_t>(size - from), '\0');
        const ssize_t got = ::pread(fd_, bytes.data(), bytes.size(), from);
        bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        return bytes;
    }

  private:
    int fd_;
};

bool onApplicationThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

}  // namespace

ProcessResult SystemProcessRunner::waitForExit(pid_t pid) {
    // Wait for the end without collecting it, so that cancel() never signals a process id
    // that has been freed and given to another program.
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) < 0 &&
           errno == EINTR) {
    }
    ProcessResult result;
    {
        std::lock_guard lock(mutex_);
        running_ = 0;
        result.cancelled = cancelled_;
    }
    int status = 0;
    pid_t got;
    do {
        got = ::waitpid(pid, &status, 0);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        // Someone else collected it (SIGCHLD ignored, for instance): it ran, but how it
        // ended is unknown, which is not a success.
        result.outcome = ProcessResult::Outcome::Exited;
        result.exitCode = -1;
    } else if (WIFSIGNALED(status)) {
        result.outcome = ProcessResult::Outcome::Killed;
        result.signal = WTERMSIG(status);
    } else {
        result.outcome = ProcessResult::Outcome::Exited;
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

void SystemProcessRunner::cancel() {
    std::lock_guard lock(mutex_);
    if (running_ > 0 &&
        ::kill(running_, SIGKILL) == 0) {  // a hung converter ignores politer signals
        cancelled_ = true;
    }
}

std::string ProcessResult::describe() const {
    switch (outcome) {
        case Outcome::NotStarted:
            return "could not start: " + startError.message();
        case Outcome::Killed:
            return "killed by signal " + std::to_string(signal);
        case Outcome::Exited:
            break;
    }
    return "exit status " + std::to_string(exitCode);
}

ProcessResult SystemProcessRunner::run(const std::string& program,
                                       const std::vector<std::string>& args) {
    std::vector<std::string> argvStrings;
    argvStrings.reserve(args.size() + 1);
    argvStrings.push_back(program);
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    argv.reserve(argvStrings.size() + 1);
    for (auto& s : argvStrings) argv.push_back(s.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    int err;
    const ErrorFile errorFile;
    {
        SpawnSetup setup(errorFile.fd());
        err = ::posix_spawn(&pid, program.c_str(), setup.actions(), setup.attr(), argv.data(),
                            environ);
    }
    if (err != 0) {
        ProcessResult result;
        result.startError = std::error_code(err, std::generic_category());
        return result;
    }
    {
        std::lock_guard lock(mutex_);
        running_ = pid;
        cancelled_ = false;
    }
    notifyStarted(program, args);

    ProcessResult result;
    if (onApplicationThread()) {
        // Wait on another thread and let this one go on dispatching paint events and timers.
        QEventLoop loop;
        std::thread waiter([this, &result, &loop, pid] {
            result = waitForExit(pid);
            QMetaObject::invokeMethod(
                &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
        });
        // exec() returns early when the application is told to quit; then we simply block.
        const bool input = observer() && observer()->takesInput();
        loop.exec(input ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        waiter.join();
    } else {
        result = waitForExit(pid);
    }
    result.errorOutput = errorFile.tail();
    notifyFinished(result);
    return result;
}

std::string lastLines(const std::string& output, std::size_t count, std::size_t width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find_first_of("\r\n", start);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(start, end - start);
        if (line.find_first_not_of(" \t") != std::string::npos) {
            if (line.size() > width) line.resize(width);
            lines.push_back(std::move(line));
        }
        start = end + 1;
    }
    std::string joined;
    const std::size_t first = lines.size() > count ? lines.size() - count : 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (!joined.empty()) joined += '\n';
        joined += lines[i];
    }
    return joined;
}

std::optional<std::string> findProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path || name.empty() || name.find('/') != std::string::npos) return std::nullopt;
    std::string_view rest(path);
    for (;;) {
        auto colon = rest.find(':');
        std::string folder(rest.substr(0, colon));
        if (folder.empty()) folder = ".";  // an empty entry stands for the current folder
        std::string candidate = folder + "/" + name;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            std::error_code ec;
            auto absolute = std::filesystem::absolute(candidate, ec);
            return ec ? candidate : absolute.lexically_normal().string();
        }
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return std::nullopt;
}

}  // namespace wks
