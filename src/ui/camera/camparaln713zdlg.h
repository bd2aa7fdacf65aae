// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera screen of LN713Z-10P: game call, work day, four Send To buttons and send mode.

#include "ui/camera/camerascreen.h"

namespace wks::ui {

class CWKS_CamParaLN713ZDlg : public CameraScreen {
    Q_OBJECT
  public:
    // Edits state.cameraParams, clockFollowsPc and gameCallAudioPath; run it through modalRunner().
    explicit CWKS_CamParaLN713ZDlg(AppState& state, QWidget* parent = nullptr);
};

}  // namespace wks::ui
