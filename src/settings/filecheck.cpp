// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/filecheck.h"

#include <algorithm>
#include <cctype>

#include "presets/placeholdersender.h"
#include "settings/settingsfile.h"
#include "util/cutil.h"

namespace wks {

bool isWholeNumber(const std::string& text) {
    std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const CameraKey* findCameraKey(const std::vector<CameraKey>& keys, const std::string& name) {
    for (const CameraKey& k : keys) {
        if (sameName(name, k.key)) return &k;
    }
    return nullptr;
}

std::string cameraText(const std::string& value) {
    return CUtil::TrimToLength(value.substr(0, 9), 10);
}

std::int32_t cameraCode(const CameraKey& k, const std::string& text) {
    return k.field == &CameraParams::GameCallPlayTime && text.empty() ? -1 : parseDecimal(text);
}

std::string placeholderSenderProblem() {
    return std::string(kPlaceholderSenderNote) + kPlaceholderSenderMend;
}

// The file's own bytes go in as values, as the command line has always printed them.
std::vector<Text> checkSettingsDocument(const CameraModel& model, const ProfileDocument& doc) {
    std::vector<Text> problems;
    auto problem = [&](const char* source, std::vector<std::string> values = {}) {
        problems.emplace_back(source, std::move(values));
    };

    auto mark = doc.value(kMarkSection, kMarkKey);
    if (!mark) {
        problem(QT_TRANSLATE_NOOP("Message", "no file mark: [WKSFileMark] Model is missing"));
    } else if (CUtil::TrimToLength(doc.read(kMarkSection, kMarkKey, "", 15), 15) !=
               model.fileStem) {  // judged as the program judges it: the first 14 bytes
        problem(QT_TRANSLATE_NOOP("Message", "file mark \"%1\" is not %2"),
                {*mark, model.fileStem});
    }

    for (const auto& k : kNetworkKeys) {
        auto v = doc.value(k.section, k.key);
        if (!v) {
            problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 is missing"), {k.section, k.key});
        } else if (v->size() > static_cast<std::size_t>(k.limit)) {
            problem(QT_TRANSLATE_NOOP("Message",
                                      "[%1] %2 is longer than %3 characters, the most the "
                                      "program writes"),
                    {k.section, k.key, std::to_string(k.limit)});
        }
    }
    NetworkPreset saved;
    for (const auto& k : kNetworkKeys) saved.*k.field = doc.value(k.section, k.key).value_or("");
    if (isPlaceholderSender(saved)) problems.push_back(Text::verbatim(placeholderSenderProblem()));
    auto ssl = doc.value(kInternetSection, kSslKey);
    if (model.hasSmtpSsl && !ssl)
        problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 is missing"), {kInternetSection, kSslKey});
    if (model.hasSmtpSsl && ssl && !ssl->empty() && *ssl != "0" && *ssl != "1") {
        problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 \"%3\" is neither 0 nor 1"),
                {kInternetSection, kSslKey, *ssl});
    }
    for (const char* key : kRecipientKeys) {
        auto v = doc.value(kReceiveSection, key);
        if (!v)
            problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 is missing"), {kReceiveSection, key});
        else if (v->size() > static_cast<std::size_t>(kRecipientLimit))
            problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 is longer than %3 characters"),
                    {kReceiveSection, key, std::to_string(kRecipientLimit)});
    }

    const auto keys = cameraKeysFor(model.family, model.displayName);
    DateTimeRecord clock;
    std::int32_t* clockParts[] = {&clock.year, &clock.month,  &clock.day,
                                  &clock.hour, &clock.minute, &clock.second};
    std::size_t clockIndex = 0;
    bool clockComplete = true;
    for (const CameraKey& k : keys) {
        auto v = doc.value(kCameraSection, k.key);
        // Judged as the reader takes it: the first 9 bytes, an empty value as 0.
        const std::string text = v ? cameraText(*v) : std::string();
        const std::int32_t code = cameraCode(k, text);
        const bool number = text.empty() || isWholeNumber(text);
        if (!v) {
            problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 is missing"), {kCameraSection, k.key});
        } else if (!number) {
            problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 \"%3\" is not a number"),
                    {kCameraSection, k.key, *v});
        } else if (!k.codes->holds(code)) {
            problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 %3 is outside %4 to %5"),
                    {kCameraSection, k.key, text, std::to_string(k.codes->first),
                     std::to_string(k.codes->last)});
        }
        if (isClockKey(k)) {
            if (v && number) *clockParts[clockIndex] = code;
            clockComplete = clockComplete && v && number;
            ++clockIndex;
        }
    }
    if (clockComplete && CUtil::ChkDateTime(clock) != 0) {
        problem(QT_TRANSLATE_NOOP("Message", "the camera clock is not a valid date and time"));
    }
    for (const auto& key : doc.keys(kCameraSection)) {
        if (!findCameraKey(keys, key)) {
            problem(QT_TRANSLATE_NOOP("Message", "[%1] %2 is not a key of %3"),
                    {kCameraSection, key, model.displayName});
        }
    }

    return problems;
}

}  // namespace wks
