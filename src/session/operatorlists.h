// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main screen's two linked lists, country and operator, without their widgets: what each
// list holds, what is selected, and what a selection does to the working network parameters.
// The screen shows these lists in two list boxes and passes the user's selections in; the
// program's own selections (filling, restoring, the Swedish defaults) are made here and never
// come back as a user's selection.

#include <functional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "settings/appstate.h"

namespace wks {

// What Mng_CountryOperatorList does, in the order of its numbered actions.
enum class OperatorListOp {
    Fill,            // fill the country list, empty the operator list
    FollowCountry,   // follow the country list's selection
    FollowOperator,  // follow the operator list's selection
    Apply,           // apply the remembered country and operator
};

class OperatorLists {
  public:
    static constexpr const char* kOthers = "Others......";

    // Runs the WAP / Internet screen for parameters typed by the user; true when it ended
    // with OK (the typed values are then in the working parameters).
    using UserDefinedEntry = std::function<bool()>;

    OperatorLists(AppState& state, const CameraModel& model, UserDefinedEntry enterUserDefined);

    // An action outside the list does nothing.
    void Mng_CountryOperatorList(OperatorListOp action);

    // The user selected an entry (-1 for none): FollowCountry or FollowOperator, then Apply.
    void userSelectsCountry(int row);
    void userSelectsOperator(int row);

    // The KT320V-8PRO defaults: Sweden and Telia selected, their preset applied.
    void Mng_SwedenCustomized();
    // The user changed a preset's sender on the check screen: no selection, no operators;
    // the remembered indexes stay.
    void forgetSelection();
    // Both lists show a selection and neither is "Others......".
    bool presetSelected() const;

    const std::vector<std::string>& countries() const { return countries_; }
    const std::vector<std::string>& operators() const { return operators_; }
    int selectedCountry() const { return countrySel_; }
    int selectedOperator() const { return operatorSel_; }

    int countryIndex = -1;
    int operatorIndex = -1;
    bool keepSslOnApply = false;

    // Called whenever the lists or their selections change, so a screen can show them.
    std::function<void()> changed;

    // The order of a sorted Windows list box: letter case ignored, equal names in the order
    // they were added.
    static void sortLikeListBox(std::vector<std::string>& names);

  private:
    void fill();
    void followCountry();
    void followOperator();
    void apply();
    void restoreChoice();
    bool runUserDefined();
    void notify();

    AppState& state_;
    const CameraModel& model_;
    UserDefinedEntry enterUserDefined_;
    std::vector<std::string> countries_;
    std::vector<std::string> operators_;
    int countrySel_ = -1;
    int operatorSel_ = -1;
};

}  // namespace wks
