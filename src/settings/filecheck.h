// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the camera would make of a settings file: the problems `wks-settings check` lists, also
// judged by the card station on every card it has written.

#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "platform/message.h"
#include "platform/profile.h"
#include "settings/camerakeys.h"

namespace wks {

// The problems of the document as the model's settings file; none when the camera reads it all.
std::vector<Text> checkSettingsDocument(const CameraModel& model, const ProfileDocument& doc);

// The problem listed for a placeholder sender account, with the options that mend it.
std::string placeholderSenderProblem();

bool isWholeNumber(const std::string& text);
// Names compared without regard to letter case, as the reader finds sections and keys.
bool sameName(const std::string& a, const std::string& b);
// Keys are found as the reader finds them, without regard to case.
const CameraKey* findCameraKey(const std::vector<CameraKey>& keys, const std::string& name);
// The text the reader takes of a camera value: its first 9 bytes, trimmed.
std::string cameraText(const std::string& value);
// The number the reader makes of that text: an empty "GameCall PlayTime" is -1 (OFF).
std::int32_t cameraCode(const CameraKey& k, const std::string& text);

}  // namespace wks
