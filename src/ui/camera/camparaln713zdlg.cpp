// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparaln713zdlg.h"

#include "ui_camparaln713zdlg.h"

namespace wks::ui {

using namespace camera;
using P = CameraParams;

CWKS_CamParaLN713ZDlg::CWKS_CamParaLN713ZDlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyLN713Z, parent),
      ui_(std::make_unique<::Ui::CWKS_CamParaLN713ZDlg>()) {
    ui_->setupUi(this);
    const auto& ui = *ui_;
    CameraControls c = commonControls(ui);
    c.opening = {Step::Lists,  Step::GameCall, Step::WorkHour, Step::WorkDay,
                 Step::SendTo, Step::SendMode, Step::Clock,    Step::TimeLapsePir};
    c.lists = {{&P::Language, ui.language, ui.languageLabel},
               {&P::CameraMode, ui.cameraMode, ui.cameraModeLabel},
               {&P::SecurityMode, ui.securityMode, ui.securityModeLabel},
               {&P::CameraPosition, ui.cameraPosition, ui.cameraPositionLabel},
               {&P::TimeLapse, ui.timeLapse, ui.timeLapseLabel},
               {&P::PirTrigger, ui.pirTrigger, ui.pirTriggerLabel},
               {&P::PirInterval, ui.pirInterval, ui.pirIntervalLabel},
               {&P::SmsControl, ui.smsControl, ui.smsControlLabel},
               {&P::PhotoSize, ui.photoSize, ui.photoSizeLabel},
               {&P::PhotoBurst, ui.photoBurst, ui.photoBurstLabel},
               {&P::VideoSize, ui.videoSize, ui.videoSizeLabel},
               {&P::VideoLength, ui.videoLength, ui.videoLengthLabel}};
    addGameCall(c, ui);
    addWorkHour(c, ui);
    addWorkDay(c, ui);
    c.sendTo = {ui.sendToPhoneMms, ui.sendToEmailMms, ui.sendToEmailGprs, ui.sendToCall};
    addSendMode(c, ui);
    setControls(std::move(c));
}

CWKS_CamParaLN713ZDlg::~CWKS_CamParaLN713ZDlg() = default;

}  // namespace wks::ui
