// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparaln714wdlg.h"

#include "ui_camparaln714wdlg.h"

namespace wks::ui {

using namespace camera;
using P = CameraParams;

CWKS_CamParaLN714WDlg::CWKS_CamParaLN714WDlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyLN714W, parent),
      ui_(std::make_unique<::Ui::CWKS_CamParaLN714WDlg>()) {
    ui_->setupUi(this);
    const auto& ui = *ui_;
    CameraControls c = commonControls(ui);
    c.opening = {Step::Lists,    Step::GameCall, Step::WorkHour,
                 Step::SendMode, Step::Clock,    Step::TimeLapsePir};
    c.lists = {{&P::Language, ui.language, ui.languageLabel},
               {&P::CameraMode, ui.cameraMode, ui.cameraModeLabel},
               {&P::SendTo, ui.sendTo, ui.sendToLabel},
               {&P::CameraPosition, ui.cameraPosition, ui.cameraPositionLabel},
               {&P::PhotoSize, ui.photoSize, ui.photoSizeLabel},
               {&P::PhotoBurst, ui.photoBurst, ui.photoBurstLabel},
               {&P::VideoSize, ui.videoSize, ui.videoSizeLabel},
               {&P::VideoLength, ui.videoLength, ui.videoLengthLabel},
               {&P::TimeLapse, ui.timeLapse, ui.timeLapseLabel},
               {&P::PirTrigger, ui.pirTrigger, ui.pirTriggerLabel},
               {&P::PirInterval, ui.pirInterval, ui.pirIntervalLabel},
               {&P::SmsControl, ui.smsControl, ui.smsControlLabel}};
    addGameCall(c, ui);
    addWorkHour(c, ui);
    addSendMode(c, ui);
    setControls(std::move(c));
}

CWKS_CamParaLN714WDlg::~CWKS_CamParaLN714WDlg() = default;

}  // namespace wks::ui
