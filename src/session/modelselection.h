// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model selection screen's decisions without widgets: the remembered choice, kept as the
// list position in the registry, and what confirming a choice does.

#include <optional>

namespace wks {

inline constexpr const char* kModelSelKey = "Software\\Velmora\\UserModelSel";
inline constexpr const char* kModelSelParent = "Software\\Velmora";

// The screen's model list and "Remember My Choice" box, as the registry actions see them.
struct ModelChoice {
    int entries = 0;        // entries in the list
    int selected = -1;      // the selected position; -1 when none
    bool remember = false;  // the box is ticked
};

// What Mng_RegistryValue does, in the order of its numbered actions.
enum class RegistryOp {
    Create,  // create the key with "-1"
    Load,    // select the remembered position and tick the box, or forget
    Store,   // store the choice when the box is ticked, else "-1"
    Forget,  // clear the choice; delete the key and, when nothing else is under it, its parent
};

// Action Load in two halves: the remembered choice read into `choice`, and the registry
// change the reading calls for (Create when there is no value, Forget when it is no position
// in the list), which a screen may make once it is on view.
std::optional<RegistryOp> loadChoice(ModelChoice& choice);

// Registry failures are not reported. An action outside the list shows the invalid-call
// message.
void Mng_RegistryValue(RegistryOp action, ModelChoice& choice);

enum class ConfirmStep {
    AskForProduct,  // nothing chosen: the list drops down for a choice
    EndCancelled,   // nothing to choose from: the screen ends with the cancel result
    RunMainScreen,  // the main screen runs for the chosen model
};
// What confirming does with the choice; shows the message of the first two steps.
ConfirmStep Mng_JumpToMainStep(const ModelChoice& choice);

}  // namespace wks
