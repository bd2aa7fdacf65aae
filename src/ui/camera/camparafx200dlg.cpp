// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparafx200dlg.h"

#include "ui_camparafx200dlg.h"

namespace wks::ui {

using namespace camera;
using P = CameraParams;

CWKS_CamParaFX200Dlg::CWKS_CamParaFX200Dlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyFX200, parent),
      ui_(std::make_unique<::Ui::CWKS_CamParaFX200Dlg>()) {
    ui_->setupUi(this);
    const auto& ui = *ui_;
    CameraControls c = commonControls(ui);
    c.opening = {Step::Lists, Step::WorkHour, Step::Clock, Step::WorkDay, Step::SendTo};
    c.lists = {{&P::WorkMode, ui.workMode, ui.workModeLabel},
               {&P::CameraMode, ui.cameraMode, ui.cameraModeLabel},
               {&P::PhotoBurst, ui.photoBurst, ui.photoBurstLabel},
               {&P::TimeLapse, ui.timeLapse, ui.timeLapseLabel},
               {&P::PirTrigger, ui.pirTrigger, ui.pirTriggerLabel},
               {&P::PirInterval, ui.pirInterval, ui.pirIntervalLabel},
               {&P::PhotoSize, ui.photoSize, ui.photoSizeLabel},
               {&P::VideoLength, ui.videoLength, ui.videoLengthLabel},
               {&P::VideoSize, ui.videoSize, ui.videoSizeLabel}};
    addWorkHour(c, ui);
    addWorkDay(c, ui);
    c.sendTo = {ui.sendToLocal, ui.sendToPhoneMms, ui.sendToEmailGprs, ui.sendToCall};
    setControls(std::move(c));
}

CWKS_CamParaFX200Dlg::~CWKS_CamParaFX200Dlg() = default;

}  // namespace wks::ui
