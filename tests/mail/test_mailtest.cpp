// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The e-mail account test against real mail servers on 127.0.0.1: every failure a user can
// meet, in the words they act on, and a test message delivered whole. Rows marked "cli" run
// wks-settings mail-test on a settings file; the others drive the test itself with short time
// limits, so a server that never answers costs a second, not ten.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "mail/mailtest.h"
#include "mail/testmessage.h"
#include "support/runcli.h"
#include "support/smtpservers.h"

using namespace wks;
using namespace wks::mail;

namespace {

const QString kAddress = "camera@example.test";
const QString kRecipient = "owner@example.test";

}  // namespace

class TestMailAccount : public QObject {
    Q_OBJECT
    std::unique_ptr<test::SmtpServers> servers_;

    // The port a row names: a server's, or one nobody listens on.
    int port(const QString& server) const {
        return server == "closed" ? test::SmtpServers::closedPort() : servers_->port(server);
    }

  private slots:
    void initTestCase() {
        servers_ = std::make_unique<test::SmtpServers>();
        if (!servers_->failure().isEmpty())
            QSKIP(qPrintable("no mail servers to test against: " + servers_->failure()));
    }

    void account_data() {
        QTest::addColumn<QString>("server");  // a kind of SmtpServers, "closed", or a host
        QTest::addColumn<bool>("ssl");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("cli");  // the model for wks-settings; empty: the test itself
        QTest::addColumn<bool>("send");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QStringList>("lines");  // each line's beginning; %1 is the port

        const QString lookup = "Name look-up: 127.0.0.1 is an address, nothing to look up";
        const QString connected = "Connection: 127.0.0.1 answers on port %1";
        const QString tls = "TLS: the connection is encrypted from the first byte";
        const QString warning =
            "Warning: the server's certificate cannot be verified against "
            "this computer's certificates (SSL certificate problem: "
            "self-signed certificate); the camera may refuse it.";
        const QString greeting = "Greeting: 220 mail.test ";
        const QString login =
            "Login: the server accepted camera@example.test and its password "
            "(235 2.7.0 Authentication successful)";
        QTest::newRow("plain, login")
            << "plain" << false << "right-pw"
            << "" << false << true << QStringList{lookup, connected, greeting, login};
        QTest::newRow("TLS from the first byte")
            << "tls" << true << "right-pw"
            << "KT470RX-8PRO" << false << true
            << QStringList{lookup, connected, tls, warning, greeting, login};
        QTest::newRow("no SSL option: SMTP SSL=1 is not read")
            << "plain" << true << "right-pw"
            << "FX200 SERIES" << false << true << QStringList{lookup, connected, greeting, login};
        QTest::newRow("wrong password")
            << "plain" << false << "wrong-pw"
            << "KT470RX-8PRO" << false << false
            << QStringList{lookup, connected, greeting,
                           "Login failed: the server refused the address and password. The "
                           "password is the likely fault (many providers want an app password "
                           "for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS. "
                           "The server said: \"535 5.7.8 Authentication credentials invalid\""};
        QTest::newRow("SSL ticked, plain-text server")
            << "plain" << true << "right-pw"
            << "" << false << false
            << QStringList{lookup, connected,
                           "TLS failed: SMTP SSL is ticked, but the server speaks plain text on "
                           "port %1 (it said \"220 mail.test Python SMTP 1.4.3\"). Untick "
                           "\"SMTP SSL\" (Advanced... on the WAP / Internet screen), or use "
                           "the server's SSL port, usually 465."};
        QTest::newRow("SSL not ticked, TLS server")
            << "tls" << false << "right-pw"
            << "" << false << false
            << QStringList{lookup, connected,
                           "Greeting failed: the server speaks TLS on port %1, but SMTP SSL is "
                           "not ticked. Tick \"SMTP SSL\" (Advanced... on the WAP / Internet "
                           "screen), or use the server's plain-text port, usually 587 or 25."};
        QTest::newRow("STARTTLS before login")
            << "starttls" << false << "right-pw"
            << "" << false << false
            << QStringList{lookup, connected, greeting,
                           "Login failed: the server wants encryption before the login (it "
                           "offers STARTTLS), but SMTP SSL is not ticked. The camera must use "
                           "SSL: tick \"SMTP SSL\" (Advanced... on the WAP / Internet screen) "
                           "and use the server's SSL port, usually 465."};
        QTest::newRow("nobody listens")
            << "closed" << false << "right-pw"
            << "" << false << false
            << QStringList{lookup,
                           "Connection failed: nothing listens on port %1 of 127.0.0.1: "
                           "check the PORT beside SEND EMAIL SERVER"};
        QTest::newRow("unknown name")
            << "no-such-host.invalid" << false << "right-pw"
            << "" << false << false
            << QStringList{
                   "Name look-up failed: the server name \"no-such-host.invalid\" is "
                   "unknown: check SEND EMAIL SERVER"};
        QTest::newRow("never answers")
            << "silent" << false << "right-pw"
            << "" << false << false
            << QStringList{lookup, connected,
                           "Greeting failed: 127.0.0.1 took the connection on port %1 but said "
                           "nothing within 1 s."};
        QTest::newRow("never answers TLS")
            << "silent" << true << "right-pw"
            << "" << false << false
            << QStringList{lookup, connected,
                           "TLS failed: 127.0.0.1 took the connection on port %1 but did not "
                           "start TLS within 1 s."};
        QTest::newRow("--send delivered")
            << "plain" << false << "right-pw"
            << "KT470RX-8PRO" << true << true
            << QStringList{lookup, connected, greeting, login,
                           "Sending: the test message to owner@example.test was accepted (250 "
                           "OK)"};
    }

    void account() {
        QFETCH(QString, server);
        QFETCH(bool, ssl);
        QFETCH(QString, password);
        QFETCH(QString, cli);
        QFETCH(bool, send);
        QFETCH(bool, passed);
        QFETCH(QStringList, lines);
        const bool named = server.contains('.');
        const QString host = named ? server : "127.0.0.1";
        const QString portText = named ? "25" : QString::number(port(server));

        QStringList got;
        if (cli.isEmpty()) {
            MailTest test(
                {host.toStdString(), portText.toStdString(), ssl, kAddress.toStdString(),
                 password.toStdString()},
                send ? std::optional(TestDelivery{kRecipient.toStdString()}) : std::nullopt,
                {std::chrono::milliseconds(1000), std::chrono::milliseconds(5000)});
            const MailTestReport report = test.run();
            for (const auto& line : report.lines) got << QString::fromStdString(line.text);
            QCOMPARE(report.passed, passed);
        } else {
            QTemporaryDir dir;
            QFile file(dir.filePath("SETTINGS.TXT"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QString("[Via Internet Settings]\r\nSendEmailServer=%1\r\n"
                               "SendEmailPort=%2\r\nSendEmailAddr=%3\r\nSendEmailPassword=%4\r\n"
                               "SMTP SSL=%5\r\n[Receive number and receive email]\r\n"
                               "ReceiveEmail1=%6\r\n")
                           .arg(host, portText, kAddress, password, ssl ? "1" : "0", kRecipient)
                           .toLatin1());
            file.close();
            QStringList args{"mail-test", file.fileName(), "--model", cli};
            if (send) args << "--send";
            const auto run = test::runSettings(args);
            QCOMPARE(run.code, passed ? 0 : 1);
            QVERIFY(!run.err.contains(password.toLatin1()));
            got = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(got.takeLast(), passed ? "E-mail test passed" : "E-mail test failed");
        }
        QVERIFY2(!got.join('\n').contains(password), "the password was shown");
        QVERIFY2(got.size() == lines.size(), qPrintable(got.join("\n")));
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(got[i].startsWith(QString(lines[i]).replace("%1", portText)),
                     qPrintable(got[i]));

        if (send) {  // the message as the server's strict MIME parser read it
            QFile summary(servers_->mailFolder() + "/1.txt");
            QVERIFY(summary.open(QIODevice::ReadOnly));
            QCOMPARE(QString(summary.readAll()),
                     "mail from: camera@example.test\nrcpt to: owner@example.test\n"
                     "subject: WKS CONFIG test\nfrom: camera@example.test\n"
                     "to: owner@example.test\ndate present: True\nmultipart: multipart/mixed\n"
                     "part: text/plain\npart: image/jpeg IMAG0001.JPG\ndefects: 0\n");
            QFile picture(servers_->mailFolder() + "/1-IMAG0001.JPG");
            QVERIFY(picture.open(QIODevice::ReadOnly));
            QCOMPARE(picture.readAll().toStdString(), testPicture());
            QVERIFY(testPicture().rfind("\xFF\xD8\xFF", 0) == 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestMailAccount)
#include "test_mailtest.moc"
