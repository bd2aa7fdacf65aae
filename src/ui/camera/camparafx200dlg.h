// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera screen of FX200 SERIES: work day, four Send To buttons, no send mode or game call.

#include <memory>

#include "ui/camera/camerascreen.h"

namespace Ui {
class CWKS_CamParaFX200Dlg;
}

namespace wks::ui {

class CWKS_CamParaFX200Dlg : public CameraScreen {
    Q_OBJECT
  public:
    // Edits state.cameraParams, clockFollowsPc; run it through modalRunner().
    explicit CWKS_CamParaFX200Dlg(AppState& state, QWidget* parent = nullptr);
    ~CWKS_CamParaFX200Dlg() override;

  private:
    std::unique_ptr<::Ui::CWKS_CamParaFX200Dlg> ui_;
};

}  // namespace wks::ui
