#pragma once
// The camera screen of KT470RX-8PRO, KT320V-8PRO and LN615Z-8PRO: three Send To buttons and
// send mode. It adapts to the model: the opener gives the model's display name before running
// it, for example
//     CWKS_CamParaGroup1Dlg screen(state);
//     screen.setModelDisplayName("KT320V-8PRO");
//     modalRunner().run(screen);
// An unknown name is reported and the screen then closes with Cancel, storing nothing.

#include <string>

#include "ui/camera/camerascreen.h"

namespace wks::ui {

class CWKS_CamParaGroup1Dlg : public CameraScreen {
    Q_OBJECT
  public:
    // Edits state.cameraParams and clockFollowsPc.
    explicit CWKS_CamParaGroup1Dlg(AppState& state, QWidget* parent = nullptr);
    void setModelDisplayName(const std::string& displayName) { model_ = displayName; }

  protected:
    void adaptToModel() override;

  private:
    std::string model_;
};

}  // namespace wks::ui
