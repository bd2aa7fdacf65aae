// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/aboutbox.h"

#include "ui/common/accessibility.h"
#include "ui_aboutbox.h"

namespace wks::ui {

AboutBox::AboutBox(QWidget* parent) : ScreenDialog(parent), ui_(std::make_unique<Ui::AboutBox>()) {
    ui_->setupUi(this);
    setObjectName("aboutBox");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ui_->version->setText(tr("Version %1").arg(WKS_VERSION));
    nameControl(ui_->picture, "WKS CONFIG");
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;

}  // namespace wks::ui
