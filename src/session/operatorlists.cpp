// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/operatorlists.h"

#include <algorithm>
#include <cctype>

#include "presets/presettable.h"
#include "session/operatorchoice.h"

namespace wks {
namespace {

bool within(int index, const std::vector<std::string>& list) {
    return index >= 0 && index < static_cast<int>(list.size());
}

int findIgnoringCase(const std::vector<std::string>& list, const std::string& name) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (std::equal(list[i].begin(), list[i].end(), name.begin(), name.end(),
                       [](unsigned char a, unsigned char b) {
                           return std::tolower(a) == std::tolower(b);
                       })) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

OperatorLists::OperatorLists(AppState& state, const CameraModel& model,
                             UserDefinedEntry enterUserDefined)
    : state_(state), model_(model), enterUserDefined_(std::move(enterUserDefined)) {}

void OperatorLists::sortLikeListBox(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
    });
}

void OperatorLists::Mng_CountryOperatorList(OperatorListOp action) {
    switch (action) {
        case OperatorListOp::Fill:
            fill();
            break;
        case OperatorListOp::FollowCountry:
            followCountry();
            break;
        case OperatorListOp::FollowOperator:
            followOperator();
            break;
        case OperatorListOp::Apply:
            apply();
            break;
    }
}

void OperatorLists::userSelectsCountry(int row) {
    countrySel_ = within(row, countries_) ? row : -1;
    followCountry();
    apply();
}

void OperatorLists::userSelectsOperator(int row) {
    operatorSel_ = within(row, operators_) ? row : -1;
    followOperator();
    apply();
}

void OperatorLists::fill() {
    countries_ = presetTable().Countries();
    sortLikeListBox(countries_);
    operators_.clear();
    countrySel_ = operatorSel_ = -1;
    keepSslOnApply = false;
    countries_.push_back(kOthers);  // last, outside the sorting
    countryIndex = operatorIndex = -1;
    notify();
}

void OperatorLists::followCountry() {
    const std::string name = within(countrySel_, countries_) ? countries_[countrySel_] : "";
    if (name == kOthers) {
        operators_.clear();
        operatorSel_ = -1;
        notify();
        if (runUserDefined()) {
            keepSslOnApply = false;
            countrySel_ = -1;
            notify();
        } else {
            restoreChoice();
        }
        return;
    }
    if (name.empty()) return;
    auto ops = presetTable().OperatorsOf(name);
    if (!ops) {
        fill();
        return;
    }
    countryIndex = countrySel_;
    operators_ = std::move(*ops);
    sortLikeListBox(operators_);
    operatorSel_ = -1;
    if (!operators_.empty()) operatorSel_ = operatorIndex = 0;
    operators_.push_back(kOthers);
    notify();
}

void OperatorLists::followOperator() {
    const std::string name = within(operatorSel_, operators_) ? operators_[operatorSel_] : "";
    if (name != kOthers) {
        operatorIndex = within(operatorSel_, operators_) ? operatorSel_ : -1;
        return;
    }
    if (runUserDefined()) {
        keepSslOnApply = false;
        countrySel_ = operatorSel_ = -1;
        operators_.clear();
        countryIndex = operatorIndex = -1;
        notify();
    } else {
        restoreChoice();
    }
}

// A cancelled "Others......": the previous country and operator come back, and the preset
// applied again after this must not disturb the SSL choice.
void OperatorLists::restoreChoice() {
    keepSslOnApply = true;
    const int noted = operatorIndex;
    countryIndex = within(countryIndex, countries_) ? countryIndex : -1;
    countrySel_ = countryIndex;
    followCountry();  // the restored position is never "Others......", so this cannot recurse
    operatorIndex = within(noted, operators_) ? noted : -1;
    operatorSel_ = operatorIndex;
    notify();
}

void OperatorLists::apply() {
    const std::string country = within(countryIndex, countries_) ? countries_[countryIndex] : "";
    const std::string op = within(operatorIndex, operators_) ? operators_[operatorIndex] : "";
    if (ApplyOperatorChoice(state_, model_, country, op, keepSslOnApply) ==
        OperatorChoice::CountryNotFound) {
        fill();
    }
}

void OperatorLists::Mng_SwedenCustomized() {
    countrySel_ = findIgnoringCase(countries_, "Sweden");
    followCountry();
    operatorSel_ = findIgnoringCase(operators_, "Telia");
    followOperator();
    apply();
    notify();
}

void OperatorLists::forgetSelection() {
    countrySel_ = operatorSel_ = -1;
    operators_.clear();
    notify();
}

bool OperatorLists::presetSelected() const {
    return within(countrySel_, countries_) && within(operatorSel_, operators_) &&
           countries_[countrySel_] != kOthers && operators_[operatorSel_] != kOthers;
}

bool OperatorLists::runUserDefined() { return enterUserDefined_ && enterUserDefined_(); }

void OperatorLists::notify() {
    if (changed) changed();
}

}  // namespace wks
