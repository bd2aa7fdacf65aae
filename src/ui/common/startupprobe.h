// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the start-up benchmark: when WKS_EXIT_WHEN_SHOWN is set in the environment, the process
// ends with status 0 the moment its first window is on view — exposed and painted, pictures
// included — so that a benchmark can time "started" to "first screen shown" from outside, the
// same way for every program it compares.

class QCoreApplication;

namespace wks::ui {

void installStartupProbe(QCoreApplication& app);

}  // namespace wks::ui
