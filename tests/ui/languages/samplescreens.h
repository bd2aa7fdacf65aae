// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every window of the desktop program, made as the program makes it, on sample data: for the
// tests and tools that look at all of them at once.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "settings/appstate.h"

namespace wks::test {

struct SampleScreen {
    const char* name;
    // Makes the screen, not yet opened. The main screens open on the drive table in force.
    std::function<std::unique_ptr<QDialog>(AppState& state)> make;
};

const std::vector<SampleScreen>& sampleScreens();

}  // namespace wks::test
