// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the user at once, without their watching the screen: a desktop notification (the
// org.freedesktop.Notifications service on the session bus, where there is one) with its
// sound, and the system's bell.

#include <QString>

namespace wks::ui {

void announce(const QString& words);

}  // namespace wks::ui
