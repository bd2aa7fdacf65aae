// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/modalrunner.h"

#include "ui/common/screendialog.h"

namespace wks::ui {
namespace {

ModalRunner*& installed() {
    static ModalRunner* current = nullptr;
    return current;
}

// Opens a screen; true when it ended while opening.
bool open(QDialog& screen) {
    auto* s = qobject_cast<ScreenDialog*>(&screen);
    if (!s) return false;
    s->initOnce();
    return s->hasEnded();
}

}  // namespace

int ExecRunner::run(QDialog& screen) {
    if (open(screen)) return screen.result();
    return screen.exec();
}

ModalRunner& modalRunner() {
    static ExecRunner exec;
    ModalRunner* r = installed();
    return r ? *r : exec;
}

void setModalRunner(ModalRunner* runner) { installed() = runner; }

ScopedModalRunner::ScopedModalRunner(ModalRunner& runner) : previous_(installed()) {
    installed() = &runner;
}
ScopedModalRunner::~ScopedModalRunner() { installed() = previous_; }

int ScriptedRunner::run(QDialog& screen) {
    ran_.push_back(screen.objectName());
    screen.setResult(QDialog::Rejected);
    if (open(screen)) return screen.result();
    if (next_ < handlers_.size()) handlers_[next_++](screen);
    return screen.result();
}

}  // namespace wks::ui
