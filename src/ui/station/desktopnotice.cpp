// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/station/desktopnotice.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>

namespace wks::ui {

void announce(const QString& words) {
    QApplication::beep();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    auto notify = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                 "/org/freedesktop/Notifications",
                                                 "org.freedesktop.Notifications", "Notify");
    notify << QStringLiteral("WKS CONFIG") << 0u << QStringLiteral(WKS_APP_ID) << words << QString()
           << QStringList()
           << QVariantMap{{"sound-name", QStringLiteral("complete")},
                          {"category", QStringLiteral("device")}}
           << -1;
    // Not waited for: a desktop without the service loses nothing but the notice.
    bus.call(notify, QDBus::NoBlock);
}

}  // namespace wks::ui
