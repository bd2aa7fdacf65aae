// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera screen of a model's family, ready to run through modalRunner(): the opener of
// "Change Setting (&C)" needs no knowledge of the screens.

#include <memory>
#include <string>

#include "app/catalogue.h"
#include "ui/camera/camerascreen.h"

namespace wks::ui {

// The family's screen, given the display name of the model it edits.
std::unique_ptr<CameraScreen> makeCameraScreen(AppState& state, CameraFamily family,
                                               const std::string& displayName,
                                               QWidget* parent = nullptr);

}  // namespace wks::ui
