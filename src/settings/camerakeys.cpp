// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/camerakeys.h"

#include <climits>
#include <initializer_list>
#include <string_view>

namespace wks {
namespace {

using P = CameraParams;
using Texts = std::vector<std::string>;

// The numbers from first to last in steps, each written by text.
template <typename Text>
Texts numbers(int first, int last, int step, Text text) {
    Texts items;
    for (int n = first; n <= last; n += step) items.push_back(text(n));
    return items;
}

Texts operator+(Texts a, const Texts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string plain(std::int32_t n) { return std::to_string(n); }
std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// A one-digit number is followed by two blanks ("5  Min"), longer ones by one ("10 Min").
auto padAfter(const char* unit) {
    return [unit](int n) { return std::to_string(n) + (n < 10 ? "  " : " ") + unit; };
}
// A one-digit number takes a leading blank instead (" 5 Sec", "10 Sec").
auto padBefore(const char* unit) {
    return [unit](int n) { return (n < 10 ? " " : "") + std::to_string(n) + " " + unit; };
}
// 10 to 180 seconds: "10  Sec" to "90  Sec", then "100 Sec" to "180 Sec".
Texts tensOfSeconds() {
    return numbers(10, 180, 10,
                   [](int n) { return std::to_string(n) + (n < 100 ? "  Sec" : " Sec"); });
}
Texts photos(int count) {
    return numbers(1, count, 1,
                   [](int n) { return std::to_string(n) + (n == 1 ? " Photo" : " Photos"); });
}
Texts pirInterval(auto pad) {
    return numbers(0, 55, 5, pad("Sec")) + numbers(1, 5, 1, pad("Min")) +
           numbers(10, 60, 5, pad("Min"));
}

// The options of a list whose first item stands for code `first`.
Codes options(Texts items, std::string (*words)(std::int32_t) = nullptr, std::int32_t first = 0) {
    const auto last = first + static_cast<std::int32_t>(items.size()) - 1;
    return {first, last, std::move(items), words};
}
// Codes edited without options.
Codes range(std::int32_t first, std::int32_t last, std::string (*words)(std::int32_t) = nullptr) {
    return {first, last, {}, words};
}

std::string timeLapseWords(std::int32_t c) {
    if (c == 0) return "OFF";
    if (c <= 11) return std::to_string(c * 5) + " minutes";
    return std::to_string(c - 11) + (c == 12 ? " hour" : " hours");
}
std::string pirIntervalWords(std::int32_t c) {
    if (c <= 11) return std::to_string(c * 5) + " seconds";
    if (c <= 16) return std::to_string(c - 11) + (c == 12 ? " minute" : " minutes");
    return std::to_string((c - 15) * 5) + " minutes";
}
std::string photosWords(std::int32_t c) {
    return std::to_string(c + 1) + (c == 0 ? " photo" : " photos");
}
std::string seconds5(std::int32_t c) { return std::to_string(c + 5) + " seconds"; }
std::string seconds10(std::int32_t c) { return std::to_string(10 * (c + 1)) + " seconds"; }
std::string seconds4w(std::int32_t c) { return std::to_string(c == 0 ? 5 : 10 * c) + " seconds"; }
std::string workDayWords(std::int32_t c) {
    static const char* const days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
    if (c == 0) return "no day";
    if (c == 127) return "every day";
    std::string s;
    for (int i = 0; i < 7; ++i) {
        if (c & (64 >> i)) s += (s.empty() ? "" : ", ") + std::string(days[i]);
    }
    return s;
}

// Texts that several lists share, each written once.
const std::string kOff = "OFF";
const Texts kLanguagesGroup1 = {"English", "Suomi", "Deutsch", "Svenskt", "Slovakian"};
const Texts kPhotoSizes = {"3M", "5M", "8M", "10M", "12M"};
const Texts kCameraModes = {"Photo", "Video", "Camvid"};
const Texts kSendTo = {"Local", "Phone [MMS]", "Email [MMS]", "Email [GPRS]", "Call"};

Texts pick(const Texts& texts, std::initializer_list<std::size_t> positions) {
    Texts picked;
    for (std::size_t p : positions) picked.push_back(texts[p]);
    return picked;
}
Texts firstOf(const Texts& texts, std::size_t count) {
    return {texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(count)};
}

const Codes kOffOn = options({kOff, "ON"});
const Codes kHour = options(numbers(0, 23, 1, twoDigits), plain);
const Codes kMinute = options(numbers(0, 59, 1, twoDigits), plain);
const Codes kTimeLapse =
    options(Texts{kOff} + numbers(5, 55, 5, padAfter("Min")) + numbers(1, 8, 1, padAfter("Hour")),
            timeLapseWords);
const Codes kPirTrigger = options({"Low", "Normal", "High", kOff});
const Codes kPirInterval = options(pirInterval(padAfter), pirIntervalWords);
// The Group 1 screen writes one-digit numbers with a leading blank (" 0 Sec", " 1 Min").
const Codes kPirIntervalLeading = options(pirInterval(padBefore), pirIntervalWords);
const Codes kBurst3 = options(photos(3), photosWords);
const Codes kBurst6 = options(photos(6), photosWords);
const Codes kVideoSize = options({"1280*720", "640*480"});
const Codes kCameraMode2 = options(firstOf(kCameraModes, 2));
const Codes kCameraMode3 = options(kCameraModes);
// The FX200 camera's own menu writes the first item without a blank and the 50-second one
// with a trailing blank; the texts are kept as it shows them.
const Codes kLengthFx = options(
    [] {
        Texts items = numbers(5, 60, 1, padBefore("Sec"));
        items[0] = "5 Sec";
        items[45] = "50 Sec ";
        return items;
    }(),
    seconds5);
const Codes kLengthGroup1 = options(numbers(5, 60, 1, padBefore("Sec")), seconds5);
const Codes kLength3z = options(tensOfSeconds(), seconds10);
const Codes kLength4w = options(Texts{"5   Sec"} + tensOfSeconds(), seconds4w);
const Codes kWorkMode = options({"Indoor", "Outdoor"});
const Codes kLanguageG1 = options(kLanguagesGroup1);
// KT320V-8PRO and LN615Z-8PRO do not offer Slovakian.
const Codes kLanguageG1NoSlovakian = options(firstOf(kLanguagesGroup1, 4));
const Codes kLanguage8 =
    options({"English", "Finnish", "German", "Swedish", "Danish", "Norwegian", "Czech", "Russian"});
const Codes kPosition =
    options(Texts{kOff} + numbers('A', 'Z', 1, [](int c) { return std::string(1, char(c)); }));
const Codes kPhotoSizeFx = options(pick(kPhotoSizes, {0, 1}));
const Codes kPhotoSizeG1 = options(pick(kPhotoSizes, {1, 2}));
const Codes kPhotoSize3z = options(pick(kPhotoSizes, {1, 3}));
const Codes kPhotoSize4w = options(pick(kPhotoSizes, {1, 3, 4}));
// The Replay Time list starts with "OFF", which the camera stores as -1.
const Codes kPlayTime = options(Texts{kOff} + numbers(1, 99, 1, plain), nullptr, -1);
const Codes kWorkDay = range(0, 127, workDayWords);
const Codes kSendToFx = options(pick(kSendTo, {0, 1, 3, 4}));
const Codes kSendToG1 = options(pick(kSendTo, {1, 2, 3}));
const Codes kSendTo3z = options(pick(kSendTo, {1, 2, 3, 4}));
const Codes kSendTo4w = options({"Photo[MMS]", "Email[GPRS]", kSendTo[4]});
const Codes kSendMode = options({"Manual", "Daily Report", "Instant", "Off"});
// The camera counts anything above 100 as unlimited, the list's last item.
const Codes kMaxNumber = options(numbers(0, 99, 1, plain) + Texts{"Unlimited"});
const Codes kYear = range(1753, 9999);
const Codes kMonth = range(1, 12);
const Codes kDay = range(1, 31);
const Codes kSecond = range(0, 59);

// Keys every family shares, in the order the families list them.
#define WKS_WORK_HOURS                                                                            \
    {"Work Hour", &P::WorkHour, 0, &kOffOn}, {"Work Hour StartH", &P::WorkHourStartH, 0, &kHour}, \
        {"Work Hour StartM", &P::WorkHourStartM, 0, &kMinute},                                    \
        {"Work Hour StopH", &P::WorkHourStopH, 0, &kHour}, {                                      \
        "Work Hour StopM", &P::WorkHourStopM, 0, &kMinute                                         \
    }
#define WKS_CLOCK                                                                            \
    {"Clock Year", &P::ClockYear, -1, &kYear}, {"Clock Month", &P::ClockMonth, -1, &kMonth}, \
        {"Clock Day", &P::ClockDay, -1, &kDay}, {"Clock Hour", &P::ClockHour, -1, &kHour},   \
        {"Clock Minute", &P::ClockMinute, -1, &kMinute}, {                                   \
        "Clock Second", &P::ClockSecond, -1, &kSecond                                        \
    }

// The two game-call families share the game call and the send-mode keys.
#define WKS_GAME_CALL                                                                        \
    {"Game Call", &P::GameCall, 0, &kOffOn}, {"GameCall Hour", &P::GameCallHour, 0, &kHour}, \
        {"GameCall Minute", &P::GameCallMinute, 0, &kMinute}, {                              \
        "GameCall PlayTime", &P::GameCallPlayTime, -1, &kPlayTime                            \
    }
#define WKS_SEND_MODE                                                                          \
    {"Send Mode", &P::SendMode, 0, &kSendMode}, {"Max Number", &P::MaxNumber, 0, &kMaxNumber}, \
        {"DR Time H", &P::DrTimeH, 0, &kHour}, {                                               \
        "DR Time M", &P::DrTimeM, 0, &kMinute                                                  \
    }

const CameraKey kFx200[] = {
    {"Work Mode", &P::WorkMode, 0, &kWorkMode},
    {"Camera Mode", &P::CameraMode, 0, &kCameraMode2},
    {"Photo Burst", &P::PhotoBurst, 0, &kBurst3},
    {"Time Lapse", &P::TimeLapse, 0, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, &kPirTrigger},
    {"PIR Interval", &P::PirInterval, 0, &kPirInterval},
    {"Photo Size", &P::PhotoSize, 1, &kPhotoSizeFx},
    {"Video Length", &P::VideoLength, 5, &kLengthFx},
    {"Video Size", &P::VideoSize, 0, &kVideoSize},
    WKS_WORK_HOURS,
    WKS_CLOCK,
    {"Work Day", &P::WorkDay, 127, &kWorkDay},
    {"Send To", &P::SendTo, 1, &kSendToFx},
};

const CameraKey kGroup1[] = {
    {"Language", &P::Language, 0, &kLanguageG1},
    {"Photo Size", &P::PhotoSize, 1, &kPhotoSizeG1},
    {"Photo Burst", &P::PhotoBurst, 0, &kBurst3},
    {"Camera Mode", &P::CameraMode, 0, &kCameraMode2},
    {"PIR Interval", &P::PirInterval, 1, &kPirIntervalLeading},
    {"Time Lapse", &P::TimeLapse, 0, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, &kPirTrigger},
    {"SMS Control", &P::SmsControl, 0, &kOffOn},
    {"Video Size", &P::VideoSize, 0, &kVideoSize},
    {"Video Length", &P::VideoLength, 5, &kLengthGroup1},
    WKS_WORK_HOURS,
    WKS_CLOCK,
    {"Send To", &P::SendTo, 0, &kSendToG1},
    {"Send Mode", &P::SendMode, 0, &kSendMode},
    {"Max Number", &P::MaxNumber, 0, &kMaxNumber},
    {"DR Time H", &P::DrTimeH, 0, &kHour},
    {"DR Time M", &P::DrTimeM, 0, &kMinute},
};

const CameraKey kLn713z[] = {
    {"Language", &P::Language, 0, &kLanguage8},
    {"Camera Mode", &P::CameraMode, 0, &kCameraMode3},
    {"Security Mode", &P::SecurityMode, 0, &kOffOn},
    {"Camera Position", &P::CameraPosition, 0, &kPosition},
    {"Time Lapse", &P::TimeLapse, 0, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, &kPirTrigger},
    {"PIR Interval", &P::PirInterval, 1, &kPirInterval},
    {"SMS Control", &P::SmsControl, 0, &kOffOn},
    {"Photo Size", &P::PhotoSize, 0, &kPhotoSize3z},
    {"Photo Burst", &P::PhotoBurst, 0, &kBurst6},
    {"Video Size", &P::VideoSize, 0, &kVideoSize},
    {"Video Length", &P::VideoLength, 0, &kLength3z},
    WKS_GAME_CALL,
    WKS_CLOCK,
    WKS_WORK_HOURS,
    {"Work Day", &P::WorkDay, 127, &kWorkDay},
    {"Send To", &P::SendTo, 0, &kSendTo3z},
    WKS_SEND_MODE,
};

const CameraKey kLn714w[] = {
    {"Language", &P::Language, 0, &kLanguage8},
    {"Camera Mode", &P::CameraMode, 0, &kCameraMode3},
    {"Camera Position", &P::CameraPosition, 0, &kPosition},
    {"Time Lapse", &P::TimeLapse, 0, &kTimeLapse},
    {"PIR Trigger", &P::PirTrigger, 1, &kPirTrigger},
    {"PIR Interval", &P::PirInterval, 1, &kPirInterval},
    {"SMS Control", &P::SmsControl, 1, &kOffOn},
    {"Photo Size", &P::PhotoSize, 0, &kPhotoSize4w},
    {"Photo Burst", &P::PhotoBurst, 0, &kBurst6},
    {"Video Size", &P::VideoSize, 0, &kVideoSize},
    {"Video Length", &P::VideoLength, 1, &kLength4w},
    WKS_GAME_CALL,
    WKS_CLOCK,
    WKS_WORK_HOURS,
    {"Send To", &P::SendTo, 0, &kSendTo4w},
    WKS_SEND_MODE,
};

// KT320V-8PRO, customised for Sweden, leaves out "SMS Control" and has defaults of its own.
const ModelException kModelExceptions[] = {
    {kSwedenModel, &P::Language, &kLanguageG1NoSlovakian, 3},
    {kSwedenModel, &P::PirInterval, nullptr, 13},
    {kSwedenModel, &P::SmsControl, nullptr, std::nullopt, true},
    {kSwedenModel, &P::SendTo, nullptr, 2},
    {kSwedenModel, &P::SendMode, nullptr, 2},
    {kSwedenModel, &P::MaxNumber, nullptr, 100},
    {"LN615Z-8PRO", &P::Language, &kLanguageG1NoSlovakian, std::nullopt},
};

constexpr CameraFamilyTable kFamilies[] = {
    {CameraFamily::FamilyFX200, "FamilyFX200", kFx200},
    {CameraFamily::FamilyGroup1, "FamilyGroup1", kGroup1},
    {CameraFamily::FamilyLN713Z, "FamilyLN713Z", kLn713z},
    {CameraFamily::FamilyLN714W, "FamilyLN714W", kLn714w},
};
static_assert(oneRowPerFamily(kFamilies));

#undef WKS_WORK_HOURS
#undef WKS_CLOCK
#undef WKS_GAME_CALL
#undef WKS_SEND_MODE

}  // namespace

const CameraFamilyTable& cameraFamily(CameraFamily family) {
    return kFamilies[static_cast<std::size_t>(family)];
}

std::span<const ModelException> modelExceptions() { return kModelExceptions; }

std::vector<CameraKey> cameraKeysFor(CameraFamily family, const std::string& displayName) {
    std::vector<CameraKey> keys;
    for (CameraKey k : cameraFamily(family).keys) {
        bool skipped = false;
        for (const ModelException& e : kModelExceptions) {
            if (e.field != k.field || displayName != e.displayName) continue;
            skipped = skipped || e.skipped;
            if (e.codes) k.codes = e.codes;
            if (e.defaultValue) k.defaultValue = *e.defaultValue;
        }
        if (!skipped) keys.push_back(k);
    }
    return keys;
}

void setCameraDefaults(CameraParams& params, CameraFamily family, const std::string& displayName) {
    for (const CameraKey& k : cameraFamily(family).keys) params.*k.field = k.defaultValue;
    for (const CameraKey& k : cameraKeysFor(family, displayName)) params.*k.field = k.defaultValue;
}

std::string Codes::meaning(std::int32_t code) const {
    if (words) return words(code);
    if (options.empty()) return std::to_string(code);
    return options[static_cast<std::size_t>(code - first)];
}

Text Codes::validValues() const {
    auto value = [this](std::int32_t code) {
        const std::string n = std::to_string(code);
        const std::string m = meaning(code);
        return m == n ? n : n + " (" + m + ")";
    };
    // A short list is named item by item, a long one by its ends.
    constexpr std::int32_t kNamedItems = 8;
    if (last - first >= kNamedItems)
        return Text(QT_TRANSLATE_NOOP("Message", "%1 to %2"), {value(first), value(last)});
    if (first == last) return Text::verbatim(value(first));
    std::string head;
    for (std::int32_t c = first; c < last; ++c) head += (c == first ? "" : ", ") + value(c);
    return Text(QT_TRANSLATE_NOOP("Message", "%1 or %2"), {head, value(last)});
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

bool isClockKey(const CameraKey& key) { return std::string_view(key.key).starts_with("Clock "); }

}  // namespace wks
