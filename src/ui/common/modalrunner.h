// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screen never runs another screen with exec() itself: it asks the runner in force. The
// program's runner shows the screen modally; a test installs a scripted runner that answers a
// screen without showing it.

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

namespace wks::ui {

class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    // Opens the screen (ScreenDialog::initOnce) and runs it; QDialog::Accepted or Rejected.
    virtual int run(QDialog& screen) = 0;
};

// Shows the screen modally with exec(); a screen that ended while opening is not shown.
class ExecRunner final : public ModalRunner {
  public:
    int run(QDialog& screen) override;
};

// The runner in force; until one is installed, an ExecRunner.
ModalRunner& modalRunner();
// Installs a runner (not owned); nullptr restores the ExecRunner.
void setModalRunner(ModalRunner* runner);

class ScopedModalRunner {
  public:
    explicit ScopedModalRunner(ModalRunner& runner);
    ~ScopedModalRunner();
    ScopedModalRunner(const ScopedModalRunner&) = delete;
    ScopedModalRunner& operator=(const ScopedModalRunner&) = delete;

  private:
    ModalRunner* previous_;
};

// Answers screens in turn without showing them: each handler gets the opened screen, may fill
// its fields and press its buttons, and the screen's result is the answer. A screen that no
// handler is left for is answered Rejected, as if the user pressed Cancel. Every screen run
// is recorded by its objectName.
class ScriptedRunner final : public ModalRunner {
  public:
    using Handler = std::function<void(QDialog& screen)>;

    void push(Handler handler) { handlers_.push_back(std::move(handler)); }
    int run(QDialog& screen) override;

    const std::vector<QString>& ran() const { return ran_; }
    std::size_t pending() const { return handlers_.size() - next_; }

  private:
    std::vector<Handler> handlers_;
    std::size_t next_ = 0;
    std::vector<QString> ran_;
};

}  // namespace wks::ui
