// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam for message boxes and the file-open dialog, used by the session, the screens
// and the command line only: below them an operation returns its messages instead. The
// desktop program installs a QMessageBox implementation, tests a scripted one, the command
// line a console one.

#include <optional>
#include <string>
#include <vector>

#include "platform/message.h"

namespace wks {

// A file-open dialog without default extension or initial name, in which the name of a file
// that does not exist may also be typed.
struct OpenFileRequest {
    std::string caption;
    // The Windows form: pairs of description and patterns, each piece ended by "|", the list by
    // an empty piece; patterns separated by ";". One entry:
    // "Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||".
    std::string filter;
};

class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual Answer show(const Message& message) = 0;
    // The chosen file's full path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
};

// The prompter in force for the process. Until one is installed, the console prompter is used.
Prompter& prompter();
// Installs a prompter (not owned); nullptr restores the console prompter.
void setPrompter(Prompter* p);

// Shows the message with the prompter in force.
Answer showMessage(const Message& message);

// Installs a prompter for the life of a scope.
class ScopedPrompter {
  public:
    explicit ScopedPrompter(Prompter& p);
    ~ScopedPrompter();
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

  private:
    Prompter* previous_;
};

// Prints each box with its caption. Questions are answered by a preset answer when one is
// given (the command line's --yes / --no), else asked on the terminal, else answered Cancel.
class ConsolePrompter : public Prompter {
  public:
    void setPresetAnswer(std::optional<Answer> answer) { preset_ = answer; }
    Answer show(const Message& message) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;

  private:
    std::optional<Answer> preset_;
};

// Records every box and answers questions from a script, in turn. When the script is used up,
// every further box is answered Ok. Used by tests and by callers that must not block.
class ScriptedPrompter : public Prompter {
  public:
    explicit ScriptedPrompter(std::vector<Answer> answers = {}) : answers_(std::move(answers)) {}
    void script(std::vector<Answer> answers) {
        answers_ = std::move(answers);
        next_ = 0;
    }
    void scriptFiles(std::vector<std::optional<std::string>> files) { files_ = std::move(files); }
    Answer show(const Message& message) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;

    const std::vector<Message>& shown() const { return shown_; }
    const std::vector<OpenFileRequest>& fileRequests() const { return fileRequests_; }
    void clear() {
        shown_.clear();
        fileRequests_.clear();
    }

  private:
    std::vector<Answer> answers_;
    std::size_t next_ = 0;
    std::vector<std::optional<std::string>> files_;
    std::size_t nextFile_ = 0;
    std::vector<Message> shown_;
    std::vector<OpenFileRequest> fileRequests_;
};

}  // namespace wks
