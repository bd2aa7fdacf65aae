// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera screen of KT470RX-8PRO, KT320V-8PRO and LN615Z-8PRO: three Send To buttons and
// send mode. It adapts to the model as the family's key table says (its languages, whether it
// has "SMS Control"): the opener gives the model's display name before running it, for example
//     CWKS_CamParaGroup1Dlg screen(state);
//     screen.setModelDisplayName("KT320V-8PRO");
//     modalRunner().run(screen);
// An unknown name is reported and the screen then closes with Cancel, storing nothing.

#include <memory>

#include "ui/camera/camerascreen.h"

namespace Ui {
class CWKS_CamParaGroup1Dlg;
}

namespace wks::ui {

class CWKS_CamParaGroup1Dlg : public CameraScreen {
    Q_OBJECT
  public:
    // Edits state.cameraParams and clockFollowsPc.
    explicit CWKS_CamParaGroup1Dlg(AppState& state, QWidget* parent = nullptr);
    ~CWKS_CamParaGroup1Dlg() override;

  protected:
    void checkModel() override;

  private:
    std::unique_ptr<::Ui::CWKS_CamParaGroup1Dlg> ui_;
};

}  // namespace wks::ui
