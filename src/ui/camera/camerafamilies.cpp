#include "ui/camera/camerafamilies.h"

#include "ui/camera/cameralists.h"
#include "ui/camera/camerarules.h"

namespace wks::ui::camera {
namespace {

using P = CameraParams;
namespace l = lists;

std::vector<ListField> join(std::initializer_list<std::vector<ListField>> parts) {
    std::vector<ListField> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

ListField field(std::int32_t P::*f, const char* control, const QStringList& (*options)()) {
    return {f, control, options, 0, nullptr, nullptr};
}

const std::vector<ListField> kWorkHour = {
    field(&P::WorkHour, "workHour", l::offOn),
    {&P::WorkHourStartH, "workHourStartH", l::hours, 0, "startTimeLabel", "Start Time hour"},
    {&P::WorkHourStartM, "workHourStartM", l::minutes, 0, "", "Start Time minute"},
    {&P::WorkHourStopH, "workHourStopH", l::hours, 0, "stopTimeLabel", "Stop Time hour"},
    {&P::WorkHourStopM, "workHourStopM", l::minutes, 0, "", "Stop Time minute"},
};

// The Replay Time list starts with "OFF", which the camera stores as -1.
const std::vector<ListField> kGameCall = {
    field(&P::GameCall, "gameCall", l::offOn),
    {&P::GameCallHour, "gameCallHour", l::hours, 0, "gameCallHourLabel", "Game Call hour"},
    {&P::GameCallMinute, "gameCallMinute", l::minutes, 0, "gameCallMinuteLabel",
     "Game Call minute"},
    {&P::GameCallPlayTime, "gameCallPlayTime", l::replayTime, -1, nullptr, nullptr},
};

const std::vector<ListField> kSendMode = {
    {&P::MaxNumber, "maxNumber", l::maxNumber, 0, nullptr, nullptr, shownMaxNumber},
    {&P::DrTimeH, "drTimeH", l::hours, 0, "sendTimeLabel", "Send Time hour"},
    {&P::DrTimeM, "drTimeM", l::minutes, 0, "", "Send Time minute"},
};

FamilyScreen fx200() {
    return {join({{
                      field(&P::WorkMode, "workMode", l::workMode),
                      field(&P::CameraMode, "cameraMode", l::cameraMode2),
                      field(&P::PhotoBurst, "photoBurst", l::photoBurst3),
                      field(&P::TimeLapse, "timeLapse", l::timeLapse),
                      field(&P::PirTrigger, "pirTrigger", l::pirTrigger),
                      field(&P::PirInterval, "pirInterval", l::pirInterval),
                      field(&P::PhotoSize, "photoSize", l::photoSizeFx200),
                      field(&P::VideoLength, "videoLength", l::videoLengthFx200),
                      field(&P::VideoSize, "videoSize", l::videoSize),
                  },
                  kWorkHour}),
            {Step::Lists, Step::WorkHour, Step::Clock, Step::WorkDay, Step::SendTo},
            {"sendToLocal", "sendToPhoneMms", "sendToEmailGprs", "sendToCall"}};
}

FamilyScreen group1() {
    return {join({{
                      field(&P::Language, "language", l::languageGroup1),
                      field(&P::PhotoSize, "photoSize", l::photoSizeGroup1),
                      field(&P::PhotoBurst, "photoBurst", l::photoBurst3),
                      field(&P::CameraMode, "cameraMode", l::cameraMode2),
                      field(&P::PirInterval, "pirInterval", l::pirIntervalLeading),
                      field(&P::TimeLapse, "timeLapse", l::timeLapse),
                      field(&P::PirTrigger, "pirTrigger", l::pirTrigger),
                      field(&P::SmsControl, "smsControl", l::offOn),
                      field(&P::VideoSize, "videoSize", l::videoSize),
                      field(&P::VideoLength, "videoLength", l::videoLengthGroup1),
                  },
                  kWorkHour,
                  kSendMode}),
            {Step::ModelRules, Step::Lists, Step::TimeLapsePir, Step::WorkHour, Step::Clock,
             Step::SendTo, Step::SendMode},
            {"sendToPhoneMms", "sendToEmailMms", "sendToEmailGprs"}};
}

FamilyScreen ln713z() {
    return {join({{
                      field(&P::Language, "language", l::language8),
                      field(&P::CameraMode, "cameraMode", l::cameraMode3),
                      field(&P::SecurityMode, "securityMode", l::offOn),
                      field(&P::CameraPosition, "cameraPosition", l::cameraPosition),
                      field(&P::TimeLapse, "timeLapse", l::timeLapse),
                      field(&P::PirTrigger, "pirTrigger", l::pirTrigger),
                      field(&P::PirInterval, "pirInterval", l::pirInterval),
                      field(&P::SmsControl, "smsControl", l::offOn),
                      field(&P::PhotoSize, "photoSize", l::photoSizeLn713z),
                      field(&P::PhotoBurst, "photoBurst", l::photoBurst6),
                      field(&P::VideoSize, "videoSize", l::videoSize),
                      field(&P::VideoLength, "videoLength", l::videoLengthLn713z),
                  },
                  kGameCall,
                  kWorkHour,
                  kSendMode}),
            {Step::Lists, Step::GameCall, Step::WorkHour, Step::WorkDay, Step::SendTo,
             Step::SendMode, Step::Clock, Step::TimeLapsePir},
            {"sendToPhoneMms", "sendToEmailMms", "sendToEmailGprs", "sendToCall"}};
}

FamilyScreen ln714w() {
    return {join({{
                      field(&P::Language, "language", l::language8),
                      field(&P::CameraMode, "cameraMode", l::cameraMode3),
                      field(&P::CameraPosition, "cameraPosition", l::cameraPosition),
                      field(&P::TimeLapse, "timeLapse", l::timeLapse),
                      field(&P::PirTrigger, "pirTrigger", l::pirTrigger),
                      field(&P::PirInterval, "pirInterval", l::pirInterval),
                      field(&P::SmsControl, "smsControl", l::offOn),
                      field(&P::PhotoSize, "photoSize", l::photoSizeLn714w),
                      field(&P::PhotoBurst, "photoBurst", l::photoBurst6),
                      field(&P::VideoSize, "videoSize", l::videoSize),
                      field(&P::VideoLength, "videoLength", l::videoLengthLn714w),
                  },
                  kGameCall,
                  kWorkHour,
                  {field(&P::SendTo, "sendTo", l::sendToLn714w)},
                  kSendMode}),
            {Step::Lists, Step::GameCall, Step::WorkHour, Step::SendMode, Step::Clock,
             Step::TimeLapsePir},
            {}};
}

}  // namespace

const FamilyScreen& familyScreen(CameraFamily family) {
    static const FamilyScreen screens[] = {fx200(), group1(), ln713z(), ln714w()};
    switch (family) {
        case CameraFamily::FamilyFX200:
            return screens[0];
        case CameraFamily::FamilyGroup1:
            return screens[1];
        case CameraFamily::FamilyLN713Z:
            return screens[2];
        case CameraFamily::FamilyLN714W:
            return screens[3];
    }
    return screens[0];
}

}  // namespace wks::ui::camera
