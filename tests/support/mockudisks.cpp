// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/mockudisks.h"

#include <signal.h>
#include <sys/prctl.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcessEnvironment>
#include <QTest>

namespace wks::test {
namespace {

const QString kService = "org.freedesktop.UDisks2";

// The bus and the mock end with the test, also when it crashes.
void endWithParent(QProcess& p) {
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

// The bus, started once for the process and ended with it.
struct PrivateBus {
    QProcess daemon;
    std::string address, why;
    PrivateBus() {
        endWithParent(daemon);
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!daemon.waitForStarted(10000) || !daemon.waitForReadyRead(10000)) {
            why = "dbus-daemon did not start";
            return;
        }
        address = daemon.readLine().trimmed().toStdString();
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", QByteArray::fromStdString(address));
    }
    ~PrivateBus() {
        daemon.terminate();
        daemon.waitForFinished(5000);
    }
};

PrivateBus& privateBus() {
    static PrivateBus bus;
    return bus;
}

QDBusConnection control() {
    return QDBusConnection::connectToBus(QString::fromStdString(privateBus().address),
                                         "wks-test-control");
}

}  // namespace

std::string MockUDisks::busAddress() { return privateBus().address; }

MockUDisks::MockUDisks() {
    if (!privateBus().why.empty()) {
        why_ = privateBus().why;
        return;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", QString::fromStdString(privateBus().address));
    mock_.setProcessEnvironment(env);
    // Its log of calls is not read: a full pipe would stop it.
    mock_.setStandardOutputFile(QProcess::nullDevice());
    mock_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    endWithParent(mock_);
    mock_.start("/usr/bin/python3", {"-m", "dbusmock", "--template", WKS_UDISKS2_TEMPLATE});
    // Up to 20 s: python starts slowly on a busy machine.
    for (int i = 0; i < 800; ++i) {
        if (control().interface()->isServiceRegistered(kService)) return;
        if (mock_.state() == QProcess::NotRunning) break;
        QTest::qWait(25);
    }
    why_ = "the mock UDisks2 did not start (it needs python3-dbusmock)";
}

MockUDisks::~MockUDisks() { stop(); }

void MockUDisks::stop() {
    if (mock_.state() == QProcess::NotRunning) return;
    mock_.terminate();
    if (!mock_.waitForFinished(5000)) mock_.kill();
    mock_.waitForFinished();
    for (int i = 0; i < 200 && control().interface()->isServiceRegistered(kService); ++i)
        QTest::qWait(25);
}

bool MockUDisks::call(const char* method, const QVariantList& args) {
    auto message = QDBusMessage::createMethodCall(kService, "/org/freedesktop/UDisks2",
                                                  "org.freedesktop.DBus.Mock", method);
    message.setArguments(args);
    const QDBusMessage reply = control().call(message, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qWarning("%s: %s", method, qPrintable(reply.errorMessage()));
        return false;
    }
    return true;
}

bool MockUDisks::addCard(const MockCard& c) {
    return call(
        "AddCard",
        {QString::fromStdString(c.name), QString::fromStdString(c.store),
         QString::fromStdString(c.media), QString("/dev/mock-" + QString::fromStdString(c.name)),
         QString::fromStdString(c.uuid), QString::fromStdString(c.label),
         QString::fromStdString(c.serial), c.mounted, c.canPowerOff, c.cardReader});
}

bool MockUDisks::removeCard(const std::string& name) {
    return call("RemoveCard", {QString::fromStdString(name)});
}

bool MockUDisks::refuseMount(const std::string& name) {
    return call("RefuseMount", {QString::fromStdString(name), true});
}

}  // namespace wks::test
