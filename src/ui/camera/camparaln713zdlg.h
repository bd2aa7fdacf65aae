// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera screen of LN713Z-10P: game call, work day, four Send To buttons and send mode.

#include <memory>

#include "ui/camera/camerascreen.h"

namespace Ui {
class CWKS_CamParaLN713ZDlg;
}

namespace wks::ui {

class CWKS_CamParaLN713ZDlg : public CameraScreen {
    Q_OBJECT
  public:
    // Edits state.cameraParams, clockFollowsPc and gameCallAudioPath; run it through modalRunner().
    explicit CWKS_CamParaLN713ZDlg(AppState& state, QWidget* parent = nullptr);
    ~CWKS_CamParaLN713ZDlg() override;

  private:
    std::unique_ptr<::Ui::CWKS_CamParaLN713ZDlg> ui_;
};

}  // namespace wks::ui
