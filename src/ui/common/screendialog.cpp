// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/screendialog.h"

namespace wks::ui {

ScreenDialog::ScreenDialog(QWidget* parent) : QDialog(parent) {}

void ScreenDialog::initOnce() {
    if (initialised_) return;
    initialised_ = true;
    ended_ = false;
    initDialog();
}

void ScreenDialog::done(int result) {
    ended_ = true;
    QDialog::done(result);
}

}  // namespace wks::ui
