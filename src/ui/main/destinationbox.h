// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The destination list: a choose-only drop-down that says when it is about to drop down, so
// the drives can be examined again first.

#include <QComboBox>

namespace wks::ui {

class DestinationBox : public QComboBox {
    Q_OBJECT
  public:
    explicit DestinationBox(QWidget* parent = nullptr) : QComboBox(parent) {}

    void showPopup() override {
        emit aboutToDropDown();
        QComboBox::showPopup();
    }

  signals:
    void aboutToDropDown();
};

}  // namespace wks::ui
