// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera screen of LN714W-12P: game call, Send To as a list, send mode.

#include <memory>

#include "ui/camera/camerascreen.h"

namespace Ui {
class CWKS_CamParaLN714WDlg;
}

namespace wks::ui {

class CWKS_CamParaLN714WDlg : public CameraScreen {
    Q_OBJECT
  public:
    // Edits state.cameraParams, clockFollowsPc and gameCallAudioPath; run it through modalRunner().
    explicit CWKS_CamParaLN714WDlg(AppState& state, QWidget* parent = nullptr);
    ~CWKS_CamParaLN714WDlg() override;

  private:
    std::unique_ptr<::Ui::CWKS_CamParaLN714WDlg> ui_;
};

}  // namespace wks::ui
