// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: the least a Qt Widgets program can show — a dialog
// with one drop-down list — built from the same Qt and timed the same way as wks-config.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QVBoxLayout>

#include "ui/common/startupprobe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    wks::ui::installStartupProbe(app);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QComboBox(&dialog);
    list->addItems({"One", "Two", "Three"});
    layout->addWidget(list);
    dialog.exec();
    return 0;
}
