#include "settings/camerakeys.h"

#include <array>
#include <climits>
#include <string_view>

namespace wks {
namespace {

using P = CameraParams;

template <std::size_t N>
std::string pick(const std::array<const char*, N>& names, std::int32_t code) {
    return names[static_cast<std::size_t>(code)];
}

std::string plain(std::int32_t c) { return std::to_string(c); }
std::string offOn(std::int32_t c) { return c == 0 ? "OFF" : "ON"; }
std::string timeLapse(std::int32_t c) {
    if (c == 0) return "OFF";
    if (c <= 11) return std::to_string(c * 5) + " minutes";
    return std::to_string(c - 11) + (c == 12 ? " hour" : " hours");
}
std::string pirTrigger(std::int32_t c) {
    static const std::array<const char*, 4> n = {"Low", "Normal", "High", "OFF"};
    return pick(n, c);
}
std::string pirInterval(std::int32_t c) {
    if (c <= 11) return std::to_string(c * 5) + " seconds";
    if (c <= 16) return std::to_string(c - 11) + (c == 12 ? " minute" : " minutes");
    return std::to_string((c - 15) * 5) + " minutes";
}
std::string photos(std::int32_t c) { return std::to_string(c + 1) + (c == 0 ? " photo" : " photos"); }
std::string videoSize(std::int32_t c) { return c == 0 ? "1280*720" : "640*480"; }
std::string cameraMode(std::int32_t c) {
    static const std::array<const char*, 3> n = {"Photo", "Video", "Camvid"};
    return pick(n, c);
}
std::string seconds5(std::int32_t c) { return std::to_string(c + 5) + " seconds"; }
std::string seconds10(std::int32_t c) { return std::to_string(10 * (c + 1)) + " seconds"; }
std::string seconds4w(std::int32_t c) { return std::to_string(c == 0 ? 5 : 10 * c) + " seconds"; }
std::string workMode(std::int32_t c) { return c == 0 ? "Indoor" : "Outdoor"; }
std::string languageG1(std::int32_t c) {
    static const std::array<const char*, 5> n = {"English", "Suomi", "Deutsch", "Svenskt",
                                                 "Slovakian"};
    return pick(n, c);
}
std::string language8(std::int32_t c) {
    static const std::array<const char*, 8> n = {"English", "Finnish", "German",    "Swedish",
                                                 "Danish",  "Norwegian", "Czech", "Russian"};
    return pick(n, c);
}
std::string position(std::int32_t c) { return c == 0 ? "OFF" : std::string(1, char('A' + c - 1)); }
std::string photoSizeFx(std::int32_t c) { return c == 0 ? "3M" : "5M"; }
std::string photoSizeG1(std::int32_t c) { return c == 0 ? "5M" : "8M"; }
std::string photoSize3z(std::int32_t c) { return c == 0 ? "5M" : "10M"; }
std::string photoSize4w(std::int32_t c) {
    static const std::array<const char*, 3> n = {"5M", "10M", "12M"};
    return pick(n, c);
}
std::string playTime(std::int32_t c) { return c == -1 ? "OFF" : std::to_string(c + 1); }
std::string workDay(std::int32_t c) {
    static const std::array<const char*, 7> days = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};
    if (c == 0) return "no day";
    if (c == 127) return "every day";
    std::string s;
    for (int i = 0; i < 7; ++i) {
        if (c & (64 >> i)) s += (s.empty() ? "" : ", ") + std::string(days[static_cast<std::size_t>(i)]);
    }
    return s;
}
std::string sendToFx(std::int32_t c) {
    static const std::array<const char*, 4> n = {"Local", "Phone [MMS]", "Email [GPRS]", "Call"};
    return pick(n, c);
}
std::string sendToG1(std::int32_t c) {
    static const std::array<const char*, 3> n = {"Phone [MMS]", "Email [MMS]", "Email [GPRS]"};
    return pick(n, c);
}
std::string sendTo3z(std::int32_t c) {
    static const std::array<const char*, 4> n = {"Phone [MMS]", "Email [MMS]", "Email [GPRS]",
                                                 "Call"};
    return pick(n, c);
}
std::string sendTo4w(std::int32_t c) {
    static const std::array<const char*, 3> n = {"Photo[MMS]", "Email[GPRS]", "Call"};
    return pick(n, c);
}
std::string sendMode(std::int32_t c) {
    static const std::array<const char*, 4> n = {"Manual", "Daily Report", "Instant", "Off"};
    return pick(n, c);
}
std::string maxNumber(std::int32_t c) { return c == 100 ? "Unlimited" : std::to_string(c); }

const CodeBook kOffOn{0, 1, offOn};
const CodeBook kHour{0, 23, plain};
const CodeBook kMinute{0, 59, plain};
const CodeBook kTimeLapse{0, 19, timeLapse};
const CodeBook kPirTrigger{0, 3, pirTrigger};
const CodeBook kPirInterval{0, 27, pirInterval};
const CodeBook kBurst3{0, 2, photos};
const CodeBook kBurst6{0, 5, photos};
const CodeBook kVideoSize{0, 1, videoSize};
const CodeBook kCameraMode2{0, 1, cameraMode};
const CodeBook kCameraMode3{0, 2, cameraMode};
const CodeBook kLength5to60{0, 55, seconds5};
const CodeBook kLength3z{0, 17, seconds10};
const CodeBook kLength4w{0, 18, seconds4w};
const CodeBook kWorkMode{0, 1, workMode};
const CodeBook kLanguageG1{0, 4, languageG1};
const CodeBook kLanguage8{0, 7, language8};
const CodeBook kPosition{0, 26, position};
const CodeBook kPhotoSizeFx{0, 1, photoSizeFx};
const CodeBook kPhotoSizeG1{0, 1, photoSizeG1};
const CodeBook kPhotoSize3z{0, 1, photoSize3z};
const CodeBook kPhotoSize4w{0, 2, photoSize4w};
const CodeBook kPlayTime{-1, 98, playTime};
const CodeBook kWorkDay{0, 127, workDay};
const CodeBook kSendToFx{0, 3, sendToFx};
const CodeBook kSendToG1{0, 2, sendToG1};
const CodeBook kSendTo3z{0, 3, sendTo3z};
const CodeBook kSendTo4w{0, 2, sendTo4w};
const CodeBook kSendMode{0, 3, sendMode};
const CodeBook kMaxNumber{0, 100, maxNumber};
const CodeBook kYear{1753, 9999, plain};
const CodeBook kMonth{1, 12, plain};
const CodeBook kDay{1, 31, plain};
const CodeBook kSecond{0, 59, plain};

// Keys every family shares, in the order the families list them.
#define WKS_WORK_HOURS                                                   \
    {"Work Hour", &P::WorkHour, 0, 0, false, &kOffOn},                      \
    {"Work Hour StartH", &P::WorkHourStartH, 0, 0, false, &kHour},          \
    {"Work Hour StartM", &P::WorkHourStartM, 0, 0, false, &kMinute},        \
    {"Work Hour StopH", &P::WorkHourStopH, 0, 0, false, &kHour},            \
    {"Work Hour StopM", &P::WorkHourStopM, 0, 0, false, &kMinute}
#define WKS_CLOCK                                                           \
    {"Clock Year", &P::ClockYear, -1, -1, false, &kYear},                   \
    {"Clock Month", &P::ClockMonth, -1, -1, false, &kMonth},                \
    {"Clock Day", &P::ClockDay, -1, -1, false, &kDay},                      \
    {"Clock Hour", &P::ClockHour, -1, -1, false, &kHour},                   \
    {"Clock Minute", &P::ClockMinute, -1, -1, false, &kMinute},             \
    {"Clock Second", &P::ClockSecond, -1, -1, false, &kSecond}

// The two game-call families share the game call and the send-mode keys.
#define WKS_GAME_CALL                                                       \
    {"Game Call", &P::GameCall, 0, 0, false, &kOffOn},                      \
    {"GameCall Hour", &P::GameCallHour, 0, 0, false, &kHour},               \
    {"GameCall Minute", &P::GameCallMinute, 0, 0, false, &kMinute},         \
    {"GameCall PlayTime", &P::GameCallPlayTime, -1, -1, false, &kPlayTime}
#define WKS_SEND_MODE                                                       \
    {"Send Mode", &P::SendMode, 0, 0, false, &kSendMode},                   \
    {"Max Number", &P::MaxNumber, 0, 0, false, &kMaxNumber},                \
    {"DR Time H", &P::DrTimeH, 0, 0, false, &kHour},                        \
    {"DR Time M", &P::DrTimeM, 0, 0, false, &kMinute}

const CameraKey kFx200[] = {
    {"Work Mode", &P::WorkMode, 0, 0, false, &kWorkMode},
    {"Camera Mode", &P::CameraMode, 0, 0, false, &kCameraMode2},
    {"Photo Burst", &P::PhotoBurst, 0, 0, false, &kBurst3},
    {"Time Lapse", &P::TimeLapse, 0, 0, false, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, 1, false, &kPirTrigger},
    {"PIR Interval", &P::PirInterval, 0, 0, false, &kPirInterval},
    {"Photo Size", &P::PhotoSize, 1, 1, false, &kPhotoSizeFx},
    {"Video Length", &P::VideoLength, 5, 5, false, &kLength5to60},
    {"Video Size", &P::VideoSize, 0, 0, false, &kVideoSize},
    WKS_WORK_HOURS,
    WKS_CLOCK,
    {"Work Day", &P::WorkDay, 127, 127, false, &kWorkDay},
    {"Send To", &P::SendTo, 1, 1, false, &kSendToFx},
};

const CameraKey kGroup1[] = {
    {"Language", &P::Language, 0, 3, false, &kLanguageG1},
    {"Photo Size", &P::PhotoSize, 1, 1, false, &kPhotoSizeG1},
    {"Photo Burst", &P::PhotoBurst, 0, 0, false, &kBurst3},
    {"Camera Mode", &P::CameraMode, 0, 0, false, &kCameraMode2},
    {"PIR Interval", &P::PirInterval, 1, 13, false, &kPirInterval},
    {"Time Lapse", &P::TimeLapse, 0, 0, false, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, 1, false, &kPirTrigger},
    {"SMS Control", &P::SmsControl, 0, 0, true, &kOffOn},
    {"Video Size", &P::VideoSize, 0, 0, false, &kVideoSize},
    {"Video Length", &P::VideoLength, 5, 5, false, &kLength5to60},
    WKS_WORK_HOURS,
    WKS_CLOCK,
    {"Send To", &P::SendTo, 0, 2, false, &kSendToG1},
    {"Send Mode", &P::SendMode, 0, 2, false, &kSendMode},
    {"Max Number", &P::MaxNumber, 0, 100, false, &kMaxNumber},
    {"DR Time H", &P::DrTimeH, 0, 0, false, &kHour},
    {"DR Time M", &P::DrTimeM, 0, 0, false, &kMinute},
};

const CameraKey kLn713z[] = {
    {"Language", &P::Language, 0, 0, false, &kLanguage8},
    {"Camera Mode", &P::CameraMode, 0, 0, false, &kCameraMode3},
    {"Security Mode", &P::SecurityMode, 0, 0, false, &kOffOn},
    {"Camera Position", &P::CameraPosition, 0, 0, false, &kPosition},
    {"Time Lapse", &P::TimeLapse, 0, 0, false, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, 1, false, &kPirTrigger},
    {"PIR Interval", &P::PirInterval, 1, 1, false, &kPirInterval},
    {"SMS Control", &P::SmsControl, 0, 0, false, &kOffOn},
    {"Photo Size", &P::PhotoSize, 0, 0, false, &kPhotoSize3z},
    {"Photo Burst", &P::PhotoBurst, 0, 0, false, &kBurst6},
    {"Video Size", &P::VideoSize, 0, 0, false, &kVideoSize},
    {"Video Length", &P::VideoLength, 0, 0, false, &kLength3z},
    WKS_GAME_CALL,
    WKS_CLOCK,
    WKS_WORK_HOURS,
    {"Work Day", &P::WorkDay, 127, 127, false, &kWorkDay},
    {"Send To", &P::SendTo, 0, 0, false, &kSendTo3z},
    WKS_SEND_MODE,
};

const CameraKey kLn714w[] = {
    {"Language", &P::Language, 0, 0, false, &kLanguage8},
    {"Camera Mode", &P::CameraMode, 0, 0, false, &kCameraMode3},
    {"Camera Position", &P::CameraPosition, 0, 0, false, &kPosition},
    {"Time Lapse", &P::TimeLapse, 0, 0, false, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, 1, false, &kPirTrigger},
    {"PIR Interval", &P::PirInterval, 1, 1, false, &kPirInterval},
    {"SMS Control", &P::SmsControl, 1, 1, false, &kOffOn},
    {"Photo Size", &P::PhotoSize, 0, 0, false, &kPhotoSize4w},
    {"Photo Burst", &P::PhotoBurst, 0, 0, false, &kBurst6},
    {"Video Size", &P::VideoSize, 0, 0, false, &kVideoSize},
    {"Video Length", &P::VideoLength, 1, 1, false, &kLength4w},
    WKS_GAME_CALL,
    WKS_CLOCK,
    WKS_WORK_HOURS,
    {"Send To", &P::SendTo, 0, 0, false, &kSendTo4w},
    WKS_SEND_MODE,
};

#undef WKS_WORK_HOURS
#undef WKS_CLOCK
#undef WKS_GAME_CALL
#undef WKS_SEND_MODE

}  // namespace

std::span<const CameraKey> cameraKeys(CameraFamily family) {
    switch (family) {
        case CameraFamily::FamilyFX200: return kFx200;
        case CameraFamily::FamilyGroup1: return kGroup1;
        case CameraFamily::FamilyLN713Z: return kLn713z;
        case CameraFamily::FamilyLN714W: return kLn714w;
    }
    return {};
}

std::vector<const CameraKey*> cameraKeysFor(CameraFamily family, const std::string& displayName) {
    const bool sweden = displayName == kSwedenModel;
    std::vector<const CameraKey*> keys;
    for (const auto& k : cameraKeys(family)) {
        if (!(sweden && k.swedenModelSkips)) keys.push_back(&k);
    }
    return keys;
}

std::int32_t parseDecimal(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {  // the C runtime's conversion saturates
            value = static_cast<long long>(INT_MAX) + (negative ? 1 : 0);
            break;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string formatCameraValue(const CameraKey& key, std::int32_t value) {
    if (value >= 0) return std::to_string(value);
    if (key.field == &P::GameCallPlayTime && value == -1) return "-1";
    return {};
}

bool isClockKey(const CameraKey& key) {
    return std::string_view(key.key).starts_with("Clock ");
}

}  // namespace wks

