// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparagroup1dlg.h"

#include "session/prompts.h"
#include "ui_camparagroup1dlg.h"

namespace wks::ui {

using namespace camera;
using P = CameraParams;

CWKS_CamParaGroup1Dlg::CWKS_CamParaGroup1Dlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyGroup1, parent),
      ui_(std::make_unique<::Ui::CWKS_CamParaGroup1Dlg>()) {
    ui_->setupUi(this);
    const auto& ui = *ui_;
    CameraControls c = commonControls(ui);
    c.opening = {Step::ModelCheck, Step::Lists,  Step::TimeLapsePir, Step::WorkHour,
                 Step::Clock,      Step::SendTo, Step::SendMode};
    c.lists = {{&P::Language, ui.language, ui.languageLabel},
               {&P::PhotoSize, ui.photoSize, ui.photoSizeLabel},
               {&P::PhotoBurst, ui.photoBurst, ui.photoBurstLabel},
               {&P::CameraMode, ui.cameraMode, ui.cameraModeLabel},
               {&P::PirInterval, ui.pirInterval, ui.pirIntervalLabel},
               {&P::TimeLapse, ui.timeLapse, ui.timeLapseLabel},
               {&P::PirTrigger, ui.pirTrigger, ui.pirTriggerLabel},
               {&P::SmsControl, ui.smsControl, ui.smsControlLabel},
               {&P::VideoSize, ui.videoSize, ui.videoSizeLabel},
               {&P::VideoLength, ui.videoLength, ui.videoLengthLabel}};
    addWorkHour(c, ui);
    c.sendTo = {ui.sendToPhoneMms, ui.sendToEmailMms, ui.sendToEmailGprs};
    addSendMode(c, ui);
    setControls(std::move(c));
}

CWKS_CamParaGroup1Dlg::~CWKS_CamParaGroup1Dlg() = default;

void CWKS_CamParaGroup1Dlg::checkModel() {
    const CameraModel* known = findModel(model());
    if (!known || known->family != CameraFamily::FamilyGroup1) {
        showMessage(
            {kCaptionTips,
             QT_TRANSLATE_NOOP("Message", "Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !"),
             Buttons::Ok, Icon::Error});
        cancelAfterOpening();
    }
}

}  // namespace wks::ui
