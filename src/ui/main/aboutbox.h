// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "About Us" box: the program's picture, name and version, and what it is for.

#include <memory>

#include "ui/common/screendialog.h"

namespace Ui {
class AboutBox;
}

namespace wks::ui {

class AboutBox : public ScreenDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;

  private:
    std::unique_ptr<Ui::AboutBox> ui_;
};

}  // namespace wks::ui
