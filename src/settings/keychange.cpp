// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/keychange.h"

#include <algorithm>

namespace wks {
namespace {

bool isNumber(const std::string& text) {
    std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (i == text.size() || text.size() - i > 9) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

}  // namespace

std::variant<KeyChange, Text> judgeKeyChange(const CameraModel& model, KeyScope scope,
                                             const std::string& key, const std::string& value) {
    KeyChange c;
    c.value = value;
    if (scope != KeyScope::Camera) {
        if (key == kSslKey && model.hasSmtpSsl) {
            if (!value.empty() && value != "0" && value != "1")
                return Text(QT_TRANSLATE_NOOP("Message", "SMTP SSL is 0, 1 or empty, not \"%1\""),
                            {value});
            c.kind = KeyChange::Kind::Ssl;
            return c;
        }
        for (const auto& k : kNetworkKeys) {
            if (key != k.key) continue;
            c.kind = KeyChange::Kind::Network;
            c.network = &k;
            return c;
        }
        if (scope == KeyScope::Network)
            return Text(QT_TRANSLATE_NOOP("Message", "\"%1\" is not a network key of %2"),
                        {key, model.displayName});
        for (std::size_t i = 0; i < Recipients::kCount; ++i) {
            if (key != kRecipientKeys[i]) continue;
            c.kind = KeyChange::Kind::Recipient;
            c.recipient = i;
            return c;
        }
    }
    const auto keys = cameraKeysFor(model.family, model.displayName);
    auto it =
        std::find_if(keys.begin(), keys.end(), [&](const CameraKey& k) { return key == k.key; });
    if (it == keys.end()) {
        return Text(scope == KeyScope::Camera
                        ? QT_TRANSLATE_NOOP("Message", "\"%1\" is not a camera key of %2")
                        : kNotAKeyOf,
                    {key, model.displayName});
    }
    if (!isNumber(value))
        return Text(QT_TRANSLATE_NOOP("Message", "\"%1\" for \"%2\" is not a number"),
                    {value, key});
    // Judged as check judges a file: a code outside the model's list is no setting.
    const std::int32_t code = parseDecimal(value);
    if (!it->codes->holds(code)) {
        return Text(QT_TRANSLATE_NOOP("Message", "%1 for %2: %4, not %3"),
                    {key, model.displayName, value})
            .with(it->codes->validValues());
    }
    c.kind = KeyChange::Kind::Camera;
    c.camera = *it;
    c.code = code;
    return c;
}

void applyKeyChange(const KeyChange& change, AppState& state, Recipients& recipients) {
    switch (change.kind) {
        case KeyChange::Kind::Network:
            state.CurrentNetworkParams.*change.network->field = change.value;
            break;
        case KeyChange::Kind::Ssl:
            state.SmtpSsl = change.value;
            break;
        case KeyChange::Kind::Recipient:
            recipients.texts[change.recipient] = change.value;
            break;
        case KeyChange::Kind::Camera:
            state.cameraParams.*change.camera.field = change.code;
            break;
    }
}

}  // namespace wks
