// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting another program and waiting for it. A program is started directly with its
// argument list (never through a shell), with no console of its own: its input is empty and
// its output is discarded, but for the end of its error output, kept to say why it failed.
// The wait has no time limit.
//
// Whoever shows the user that something is running (a busy cursor on a screen, a line on a
// terminal) installs an observer; it hears when the program has started and when it has ended.
// A program that cannot be started is reported by the result alone.

#include <sys/types.h>

#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace wks {

inline constexpr std::size_t kErrorOutputTail = 4096;

struct ProcessResult {
    enum class Outcome {
        NotStarted,  // the program could not be started; startError says why
        Exited,      // the program ended by itself with exitCode
        Killed,      // the program was ended by a signal
    };
    Outcome outcome = Outcome::NotStarted;
    int exitCode = -1;  // when Exited
    int signal = 0;     // when Killed
    std::error_code startError;
    bool cancelled = false;  // ended by ProcessRunner::cancel()
    // The last bytes the program wrote to its error output (at most kErrorOutputTail), as
    // they came: words from outside.
    std::string errorOutput;

    bool started() const { return outcome != Outcome::NotStarted; }
    bool succeeded() const { return outcome == Outcome::Exited && exitCode == 0; }
    // "exit status 1", "killed by signal 9", "could not start: No such file or directory".
    std::string describe() const;
};

class ProcessObserver {
  public:
    virtual ~ProcessObserver() = default;
    virtual void processStarted(const std::string& /*program*/,
                                const std::vector<std::string>& /*args*/) {}
    virtual void processFinished(const ProcessResult& /*result*/) {}
    // True for an observer that shows a modal window of its own while the program runs (one
    // with a Cancel button, say): the wait then passes the user's input on, which only that
    // window receives.
    virtual bool takesInput() const { return false; }
};

class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    // Starts program (a native path) with args and waits until it ends.
    virtual ProcessResult run(const std::string& program, const std::vector<std::string>& args) = 0;

    // Ends the program that run() is waiting for, if any; run() then reports it killed. Safe
    // to call from any thread.
    virtual void cancel() {}

    // Not owned; nullptr removes it.
    void setObserver(ProcessObserver* observer) { observer_ = observer; }
    ProcessObserver* observer() const { return observer_; }

  protected:
    void notifyStarted(const std::string& program, const std::vector<std::string>& args) {
        if (observer_) observer_->processStarted(program, args);
    }
    void notifyFinished(const ProcessResult& result) {
        if (observer_) observer_->processFinished(result);
    }

  private:
    ProcessObserver* observer_ = nullptr;
};

// Runs real programs. The program inherits the caller's environment and current folder and
// no open files besides its standard input and output, which lead nowhere.
// Called on the thread of a running QCoreApplication, it waits in a local event loop that
// leaves user input aside (unless the observer takes it), so windows stay painted and timers
// keep running; elsewhere it simply blocks.
class SystemProcessRunner final : public ProcessRunner {
  public:
    ProcessResult run(const std::string& program, const std::vector<std::string>& args) override;
    void cancel() override;

  private:
    ProcessResult waitForExit(pid_t pid);

    std::mutex mutex_;
    pid_t running_ = 0;       // the program being waited for, until it has ended
    bool cancelled_ = false;  // cancel() ended it
};

// The last `count` lines of a program's output that hold something besides blanks (a line
// ends at a line feed or a carriage return, as a progress line does), each cut to `width`
// bytes, joined by line feeds.
std::string lastLines(const std::string& output, std::size_t count, std::size_t width);

// The first executable file called name in the folders of $PATH, as an absolute path.
std::optional<std::string> findProgramOnPath(const std::string& name);

}  // namespace wks
