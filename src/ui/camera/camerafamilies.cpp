// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camerafamilies.h"

#include <algorithm>

#include "session/camerarules.h"

namespace wks::ui::camera {
namespace {

using P = CameraParams;

const ListControl kLists[] = {
    {&P::WorkMode, "workMode", nullptr, nullptr},
    {&P::Language, "language", nullptr, nullptr},
    {&P::CameraMode, "cameraMode", nullptr, nullptr},
    {&P::SecurityMode, "securityMode", nullptr, nullptr},
    {&P::CameraPosition, "cameraPosition", nullptr, nullptr},
    {&P::PhotoBurst, "photoBurst", nullptr, nullptr},
    {&P::TimeLapse, "timeLapse", nullptr, nullptr},
    {&P::PirTrigger, "pirTrigger", nullptr, nullptr},
    {&P::PirInterval, "pirInterval", nullptr, nullptr},
    {&P::SmsControl, "smsControl", nullptr, nullptr},
    {&P::PhotoSize, "photoSize", nullptr, nullptr},
    {&P::VideoSize, "videoSize", nullptr, nullptr},
    {&P::VideoLength, "videoLength", nullptr, nullptr},
    {&P::GameCall, "gameCall", nullptr, nullptr},
    {&P::GameCallHour, "gameCallHour", "gameCallHourLabel",
     QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Game Call hour")},
    {&P::GameCallMinute, "gameCallMinute", "gameCallMinuteLabel",
     QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Game Call minute")},
    {&P::GameCallPlayTime, "gameCallPlayTime", nullptr, nullptr},
    {&P::WorkHour, "workHour", nullptr, nullptr},
    {&P::WorkHourStartH, "workHourStartH", "startTimeLabel",
     QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Start Time hour")},
    {&P::WorkHourStartM, "workHourStartM", "",
     QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Start Time minute")},
    {&P::WorkHourStopH, "workHourStopH", "stopTimeLabel",
     QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Stop Time hour")},
    {&P::WorkHourStopM, "workHourStopM", "",
     QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Stop Time minute")},
    {&P::SendTo, "sendTo", nullptr, nullptr},
    {&P::MaxNumber, "maxNumber", nullptr, nullptr, shownMaxNumber},
    {&P::DrTimeH, "drTimeH", "sendTimeLabel",
     QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Send Time hour")},
    {&P::DrTimeM, "drTimeM", "", QT_TRANSLATE_NOOP("wks::ui::CameraScreen", "Send Time minute")},
};

const FamilyScreen kFx200 = {
    {Step::Lists, Step::WorkHour, Step::Clock, Step::WorkDay, Step::SendTo},
    {"sendToLocal", "sendToPhoneMms", "sendToEmailGprs", "sendToCall"}};
const FamilyScreen kGroup1 = {{Step::ModelRules, Step::Lists, Step::TimeLapsePir, Step::WorkHour,
                               Step::Clock, Step::SendTo, Step::SendMode},
                              {"sendToPhoneMms", "sendToEmailMms", "sendToEmailGprs"}};
const FamilyScreen kLn713z = {
    {Step::Lists, Step::GameCall, Step::WorkHour, Step::WorkDay, Step::SendTo, Step::SendMode,
     Step::Clock, Step::TimeLapsePir},
    {"sendToPhoneMms", "sendToEmailMms", "sendToEmailGprs", "sendToCall"}};
const FamilyScreen kLn714w = {
    {Step::Lists, Step::GameCall, Step::WorkHour, Step::SendMode, Step::Clock, Step::TimeLapsePir},
    {}};

}  // namespace

const ListControl* listControl(std::int32_t CameraParams::*field, bool sendToIsList) {
    if (field == &P::SendTo && !sendToIsList) return nullptr;
    const auto* it = std::ranges::find(kLists, field, &ListControl::field);
    return it == std::end(kLists) ? nullptr : it;
}

const FamilyScreen& familyScreen(CameraFamily family) {
    switch (family) {
        case CameraFamily::FamilyFX200:
            return kFx200;
        case CameraFamily::FamilyGroup1:
            return kGroup1;
        case CameraFamily::FamilyLN713Z:
            return kLn713z;
        case CameraFamily::FamilyLN714W:
            return kLn714w;
    }
    return kFx200;
}

}  // namespace wks::ui::camera
