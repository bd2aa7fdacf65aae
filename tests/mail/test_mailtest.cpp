// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The e-mail account test against real mail servers on 127.0.0.1: every failure a user can
// meet, in the words they act on, and a test message delivered whole. Rows marked "cli" run
// wks-settings mail-test on a settings file; the others drive the test itself with short time
// limits, so a server that never answers costs a second, not ten.

#include <QDir>
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

// Whether text shows the password, in any form a login sends it in, or a half of it.
bool leaks(const QByteArray& text, const QString& password) {
    const QByteArray pw = password.toLatin1(), plain = '\0' + kAddress.toLatin1() + '\0' + pw;
    for (const QByteArray& form :
         {pw, pw.toHex(), pw.toHex().toUpper(), pw.toBase64(QByteArray::OmitTrailingEquals),
          plain.toBase64(QByteArray::OmitTrailingEquals)})
        if (text.contains(form)) return true;
    // A long password cut in two by a line end.
    return pw.size() >= 10 &&
           (text.contains(pw.left(pw.size() / 2)) || text.contains(pw.mid(pw.size() / 2)));
}

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
        QTest::addColumn<QString>("server");  // a kind of SmtpServers, "closed", a host, or
                                              // kind@host
        QTest::addColumn<bool>("ssl");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("cli");  // the model for wks-settings; empty: the test itself
        QTest::addColumn<QStringList>("more");  // --send, --trust-unverified; the address and
                                                // the recipient when not the usual ones
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QStringList>("lines");  // each line's beginning; %1 is the port
        QTest::addColumn<QString>("traffic");    // the server saw "connections:logins"

        const QString lookup = "Name look-up: 127.0.0.1 is an address, nothing to look up";
        const QString connected = "Connection: 127.0.0.1 answers on port %1";
        const QString tls = "TLS: the connection is encrypted from the first byte";
        const QString unverified = "Warning: the server's certificate cannot be verified: ";
        const QString selfSigned =
            unverified + "it is self-signed (SSL certificate problem: self-signed certificate).";
        const QString notTried =
            "Login not tried: the password was not sent, because the server's certificate cannot "
            "be verified: whoever answered may not be the mail server.";
        const QString greeting = "Greeting: 220 mail.test ";
        const QString login =
            "Login: the server accepted camera@example.test and its password "
            "(235 2.7.0 Authentication successful)";
        const QString unencrypted =
            "Warning: the password crossed the network unencrypted, as it will from the camera.";
        const QString plainMailbox =
            "; an e-mail address is one plain mailbox, such as name@example.org. The test "
            "stopped before connecting.";
        const QStringList send{"--send"};
        QTest::newRow("plain, login: one connection")
            << "plain" << false << "right-pw"
            << "" << QStringList{} << true
            << QStringList{lookup, connected, greeting, login, unencrypted} << "1:1";
        QTest::newRow("self-signed: no password sent")
            << "tls" << true << "right-pw"
            << "KT470RX-8PRO" << QStringList{} << false
            << QStringList{lookup, connected, tls, selfSigned, greeting, notTried} << "2:0";
        QTest::newRow("self-signed, --trust-unverified")
            << "tls" << true << "right-pw"
            << "KT470RX-8PRO" << QStringList{"--trust-unverified"} << true
            << QStringList{lookup,
                           connected,
                           tls,
                           selfSigned.chopped(1) + "; the password is sent anyway, as asked.",
                           greeting,
                           login}
            << "2:1";
        QTest::newRow("verified certificate: one connection")
            << "verified" << true << "right-pw"
            << "" << QStringList{} << true << QStringList{lookup, connected, tls, greeting, login}
            << "1:1";
        QTest::newRow("expired certificate")
            << "expired" << true << "right-pw"
            << "" << QStringList{} << false
            << QStringList{lookup,
                           connected,
                           tls,
                           unverified +
                               "it has expired (SSL certificate problem: certificate "
                               "has expired).",
                           greeting,
                           notTried}
            << "2:0";
        QTest::newRow("certificate for another name")
            << "verified@localhost" << true << "right-pw"
            << "" << QStringList{} << false
            << QStringList{"Name look-up: localhost is ",
                           "Connection: ",
                           tls,
                           unverified +
                               "it is made out to another name than localhost (SSL: no "
                               "alternative certificate subject name matches target "
                               "host name 'localhost').",
                           greeting,
                           notTried}
            << "2:0";
        QTest::newRow("no SSL option: SMTP SSL=1 is not read")
            << "plain" << true << "right-pw"
            << "FX200 SERIES" << QStringList{} << true
            << QStringList{lookup, connected, greeting, login, unencrypted} << "";
        QTest::newRow("wrong password")
            << "plain" << false << "wrong-pw"
            << "KT470RX-8PRO" << QStringList{} << false
            << QStringList{lookup, connected, greeting,
                           "Login failed: the server refused the address and password. The "
                           "password is the likely fault (many providers want an app password "
                           "for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS. "
                           "The server said: \"535 5.7.8 Authentication credentials invalid\""}
            << "1:1";
        QTest::newRow("password echoed as hex, base64 and over two lines")
            << "echo" << false << "s3cret-Pw!"
            << "KT470RX-8PRO" << QStringList{} << false
            << QStringList{lookup, connected, greeting,
                           "Login failed: the server refused the address and password. The "
                           "password is the likely fault (many providers want an app password "
                           "for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS. "
                           "The server said: \"535 5.7.8 Refused **** **** for ****\""}
            << "1:1";
        QTest::newRow("a 276 KB greeting is quoted short")
            << "huge" << false << "right-pw"
            << "" << QStringList{} << true
            << QStringList{lookup, connected, "Greeting: 220 0000 xxxxxxxxxx", login, unencrypted}
            << "1:1";
        QTest::newRow("CR in the sender address")
            << "plain" << false << "right-pw"
            << "KT470RX-8PRO" << QStringList{"--send", "camera@example.test\rBcc: <x@evil.test>"}
            << false
            << QStringList{"Login failed: SEND EMAIL ADDRESS holds a control character" +
                           plainMailbox}
            << "0:0";
        QTest::newRow("two recipients in Receive Email 1")
            << "plain" << false << "right-pw"
            << "KT470RX-8PRO"
            << QStringList{"--send", kAddress, "owner@example.test>, <x@evil.test"} << false
            << QStringList{"Sending failed: Receive Email 1 holds \">\"" + plainMailbox} << "0:0";
        QTest::newRow("SSL ticked, plain-text server")
            << "plain" << true << "right-pw"
            << "" << QStringList{} << false
            << QStringList{lookup, connected,
                           "TLS failed: SMTP SSL is ticked, but the server speaks plain text on "
                           "port %1 (it said \"220 mail.test Python SMTP 1.4.3\"). Untick "
                           "\"SMTP SSL\" (Advanced... on the WAP / Internet screen), or use "
                           "the server's SSL port, usually 465."}
            << "";
        QTest::newRow("SSL not ticked, TLS server")
            << "tls" << false << "right-pw"
            << "" << QStringList{} << false
            << QStringList{lookup, connected,
                           "Greeting failed: the server speaks TLS on port %1, but SMTP SSL is "
                           "not ticked. Tick \"SMTP SSL\" (Advanced... on the WAP / Internet "
                           "screen), or use the server's plain-text port, usually 587 or 25."}
            << "";
        QTest::newRow("STARTTLS before login")
            << "starttls" << false << "right-pw"
            << "" << QStringList{} << false
            << QStringList{lookup, connected, greeting,
                           "Login failed: the server wants encryption before the login (it "
                           "offers STARTTLS), but SMTP SSL is not ticked. The camera must use "
                           "SSL: tick \"SMTP SSL\" (Advanced... on the WAP / Internet screen) "
                           "and use the server's SSL port, usually 465."}
            << "";
        QTest::newRow("nobody listens")
            << "closed" << false << "right-pw"
            << "" << QStringList{} << false
            << QStringList{lookup,
                           "Connection failed: nothing listens on port %1 of 127.0.0.1: "
                           "check the PORT beside SEND EMAIL SERVER"}
            << "";
        QTest::newRow("unknown name")
            << "no-such-host.invalid" << false << "right-pw"
            << "" << QStringList{} << false
            << QStringList{
                   "Name look-up failed: the server name \"no-such-host.invalid\" is "
                   "unknown: check SEND EMAIL SERVER"}
            << "";
        QTest::newRow("never answers")
            << "silent" << false << "right-pw"
            << "" << QStringList{} << false
            << QStringList{lookup, connected,
                           "Greeting failed: 127.0.0.1 took the connection on port %1 but said "
                           "nothing within 1 s."}
            << "";
        QTest::newRow("never answers TLS")
            << "silent" << true << "right-pw"
            << "" << QStringList{} << false
            << QStringList{lookup, connected,
                           "TLS failed: 127.0.0.1 took the connection on port %1 but did not "
                           "start TLS within 1 s."}
            << "";
        QTest::newRow("--send delivered")
            << "plain" << false << "right-pw"
            << "KT470RX-8PRO" << send << true
            << QStringList{lookup,
                           connected,
                           greeting,
                           login,
                           "Sending: the test message to owner@example.test was accepted (250 "
                           "OK)",
                           unencrypted}
            << "1:1";
    }

    void account() {
        QFETCH(QString, server);
        QFETCH(bool, ssl);
        QFETCH(QString, password);
        QFETCH(QString, cli);
        QFETCH(QStringList, more);
        QFETCH(bool, passed);
        QFETCH(QStringList, lines);
        QFETCH(QString, traffic);
        const QString kind = server.section('@', 0, 0);
        const bool named = server.contains('.') || server.contains('@');
        const QString host = !named ? "127.0.0.1" : server.section('@', -1);
        const QString portText =
            kind.contains('.') ? "25" : QString::number(port(server.section('@', 0, 0)));
        const bool send = more.removeAll("--send") > 0;
        const bool trust = more.removeAll("--trust-unverified") > 0;
        const QString address = more.value(0, kAddress), recipient = more.value(1, kRecipient);
        const auto seen = [&] {
            return QString("%1:%2")
                .arg(servers_->count(kind, "connect"))
                .arg(servers_->count(kind, "auth"));
        };
        const QString before = seen();
        const qsizetype delivered = QDir(servers_->mailFolder()).entryList({"*.txt"}).size();

        QStringList got;
        if (cli.isEmpty()) {
            MailTest test(
                {host.toStdString(), portText.toStdString(), ssl, address.toStdString(),
                 password.toStdString()},
                send ? std::optional(TestDelivery{recipient.toStdString()}) : std::nullopt,
                {trust,
                 servers_->caFile().toStdString(),
                 {std::chrono::milliseconds(1000), std::chrono::milliseconds(5000)}});
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
                           .arg(host, portText, address, password, ssl ? "1" : "0", recipient)
                           .toLatin1());
            file.close();
            QStringList args{"mail-test", file.fileName(), "--model", cli};
            if (send) args << "--send";
            if (trust) args << "--trust-unverified";
            const auto run = test::runSettings(args);
            QCOMPARE(run.code, passed ? 0 : 1);
            QVERIFY(!leaks(run.err, password));
            got = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(got.takeLast(), passed ? "E-mail test passed" : "E-mail test failed");
            // The hint to the option follows a login withheld; it is the command line's own.
            if (got.last().startsWith("Add --trust-unverified")) got.removeLast();
        }
        QVERIFY2(!leaks(got.join('\n').toLatin1(), password), "the password was shown");
        QVERIFY2(got.size() == lines.size(), qPrintable(got.join("\n")));
        for (int i = 0; i < lines.size(); ++i) {
            QVERIFY2(got[i].startsWith(QString(lines[i]).replace("%1", portText)),
                     qPrintable(got[i]));
            QVERIFY2(got[i].size() < 600, "a server's text is quoted short");
        }
        if (!traffic.isEmpty()) {
            const QStringList was = before.split(':'), is = seen().split(':');
            QCOMPARE(QString("%1:%2")
                         .arg(is[0].toInt() - was[0].toInt())
                         .arg(is[1].toInt() - was[1].toInt()),
                     traffic);
        }
        QCOMPARE(QDir(servers_->mailFolder()).entryList({"*.txt"}).size(),
                 delivered + (send && passed ? 1 : 0));

        if (send && passed) {  // the message as the server's strict MIME parser read it
            QFile summary(servers_->mailFolder() + QString("/%1.txt").arg(delivered + 1));
            QVERIFY(summary.open(QIODevice::ReadOnly));
            QCOMPARE(QString(summary.readAll()),
                     "mail from: camera@example.test\nrcpt to: owner@example.test\n"
                     "subject: WKS CONFIG test\nfrom: camera@example.test\n"
                     "to: owner@example.test\ndate present: True\nmultipart: multipart/mixed\n"
                     "part: text/plain\npart: image/jpeg IMAG0001.JPG\ndefects: 0\n");
            QFile picture(servers_->mailFolder() + QString("/%1-IMAG0001.JPG").arg(delivered + 1));
            QVERIFY(picture.open(QIODevice::ReadOnly));
            QCOMPARE(picture.readAll().toStdString(), testPicture());
            QVERIFY(testPicture().rfind("\xFF\xD8\xFF", 0) == 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestMailAccount)
#include "test_mailtest.moc"
