// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/modelselection.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/registry.h"
#include "session/prompts.h"

namespace wks {
namespace {

void forget(ModelChoice& choice) {
    choice.selected = -1;
    choice.remember = false;
    // A key that stays offers its choice again at the next start: nothing to tell.
    (void)RegDeleteKeyA(HKEY_LOCAL_MACHINE, kModelSelKey);
    (void)RegDeleteKeyA(HKEY_LOCAL_MACHINE, kModelSelParent);  // refused while keys live under it
}

// Sets the key's value; a key that could not be opened takes no value.
LONG setValue(const std::string& text) {
    HKEY key = nullptr;
    (void)RegCreateKeyA(HKEY_LOCAL_MACHINE, kModelSelKey, &key);  // else no key: the set fails
    const LONG result = RegSetValueA(key, nullptr, REG_SZ, text.c_str(), DWORD(text.size()));
    RegCloseKey(key);
    return result;
}

void create(ModelChoice& choice) {
    if (setValue("-1") != ERROR_SUCCESS) forget(choice);
}

// Optional blanks and sign, then the leading digits; no digits read as 0. A number beyond
// the int range is no position.
long long leadingNumber(const char* text) {
    errno = 0;
    const long long n = std::strtoll(text, nullptr, 10);
    return errno == ERANGE || n > INT_MAX || n < INT_MIN ? -1 : n;
}

void store(ModelChoice& choice) {
    create(choice);
    // A choice that could not be stored is asked for again at the next start.
    if (choice.remember) (void)setValue(std::to_string(choice.selected));
}

}  // namespace

std::optional<RegistryOp> loadChoice(ModelChoice& choice) {
    LONG size = 0;
    // The size alone: a failure leaves it 0, and the read below fails as well.
    (void)RegQueryValueA(HKEY_LOCAL_MACHINE, kModelSelKey, nullptr, &size);
    if (size <= 0) size = 4;
    std::string text(static_cast<std::size_t>(size), '\0');
    if (RegQueryValueA(HKEY_LOCAL_MACHINE, kModelSelKey, text.data(), &size) != ERROR_SUCCESS) {
        return RegistryOp::Create;
    }
    const long long position = leadingNumber(text.c_str());
    if (position >= 0 && position < choice.entries) {
        choice.selected = static_cast<int>(position);
        choice.remember = true;
        return std::nullopt;
    }
    choice.selected = -1;
    choice.remember = false;
    return RegistryOp::Forget;
}

void Mng_RegistryValue(RegistryOp action, ModelChoice& choice) {
    switch (action) {
        case RegistryOp::Create:
            create(choice);
            return;
        case RegistryOp::Load:
            if (const auto followUp = loadChoice(choice)) Mng_RegistryValue(*followUp, choice);
            return;
        case RegistryOp::Store:
            store(choice);
            return;
        case RegistryOp::Forget:
            forget(choice);
            return;
    }
    showMessage(
        {kCaptionTips,
         QT_TRANSLATE_NOOP("Message", "Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !"),
         Buttons::Ok, Icon::Error});
}

ConfirmStep Mng_JumpToMainStep(const ModelChoice& choice) {
    if (choice.selected >= 0) return ConfirmStep::RunMainScreen;
    if (choice.entries > 0) {
        showMessage({kCaptionTips, QT_TRANSLATE_NOOP("Message", "Please Select A Product !"),
                     Buttons::Ok, Icon::Warning});
        return ConfirmStep::AskForProduct;
    }
    showMessage(
        {kCaptionTips,
         QT_TRANSLATE_NOOP(
             "Message", "Error In CWKS_ModSelDlg::Mng_JumpToMain() !\nProduct list is empty()..."),
         Buttons::Ok, Icon::Error});
    return ConfirmStep::EndCancelled;
}

}  // namespace wks
