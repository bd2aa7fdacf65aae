// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WAP / Internet screen and its Advanced screen, driven as a user drives them: the two ways
// of opening, what OK stores, when a sender change is reported, and the IP texts a file holds.

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <memory>

#include "session/prompts.h"
#include "settings/appstate.h"
#include "support/smtpservers.h"
#include "ui/common/ipaddressfield.h"
#include "ui/common/modalrunner.h"
#include "ui/common/qtprompter.h"
#include "ui/common/translations.h"
#include "ui/network/wapparadlg.h"

using namespace wks;
using namespace wks::ui;

Q_DECLARE_METATYPE(wks::Answer)

namespace {

const char* const kItems[] = {
    "urlEdit",       "apnEdit",       "ipField",           "portEdit",         "accountEdit",
    "passwordEdit",  "gprsApnEdit",   "gprsAccountEdit",   "gprsPasswordEdit", "emailServerEdit",
    "emailPortEdit", "emailAddrEdit", "emailPasswordEdit", "clearButton"};
constexpr int kIp = 2, kPort = 3, kServer = 9, kEmailPort = 10, kAddr = 11;

NetworkPreset sample() {
    return {"http://mms.op", "mms.op", "10.1.2.3", "8080", "acct",   "pw",    "internet.op",
            "gacct",         "gpw",    "smtp.op",  "25",   "cam@op", "secret"};
}

// Types into whatever has the focus; "\b" is Backspace. QTest types ASCII only.
void type(const QString& keys) {
    for (QChar c : keys) {
        QWidget* target = QApplication::focusWidget();
        if (c == QLatin1Char('\b'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (c.unicode() < 0x80)
            QTest::keyClicks(target, QString(c));
        else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
}

struct Screen {
    AppState state;
    ScriptedPrompter prompter;
    ScopedPrompter usePrompter{prompter};
    ScriptedRunner runner;
    ScopedModalRunner useRunner{runner};
    std::unique_ptr<CWKS_WapParaDlg> dlg;

    void open(bool showCurrent, bool advanced, bool preset) {
        dlg = std::make_unique<CWKS_WapParaDlg>(state);
        dlg->advancedAvailable = advanced;
        dlg->showCurrent = showCurrent;
        dlg->presetSelected = preset;
        dlg->senderChanged = true;
        dlg->initOnce();
        dlg->show();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    }
    template <typename W = QLineEdit>
    W* item(int i) const {
        return dlg->findChild<W*>(kItems[i]);
    }
    QPushButton* button(const char* name) const { return dlg->findChild<QPushButton*>(name); }
    // The IP field's parts joined by dots; "" when blank.
    QString shownIp() const {
        auto* ip = item<IpAddressField>(kIp);
        if (ip->isBlank()) return {};
        QStringList parts;
        for (int i = 1; i <= 4; ++i)
            parts << ip->findChild<QLineEdit*>(QString("part%1").arg(i))->text();
        return parts.join('.');
    }
    // Replaces an item's text as a user would: focus, select all, type.
    void retype(int i, const QString& text) {
        if (i == kIp) {
            item<IpAddressField>(kIp)->clear();
            item<IpAddressField>(kIp)->setFocus();
        } else {
            item(i)->setFocus();
            item(i)->selectAll();
        }
        type(text.isEmpty() ? QString("\b") : text);
    }
    // Presses OK and answers the save question.
    void ok(Answer answer = Answer::Ok) {
        prompter.script({answer});
        button("okButton")->click();
    }
};

// The SEND EMAIL PORT keeps 4 digits, so the servers of the e-mail test listen below 10000.
bool listenBelow10000(QTcpServer& server) {
    for (quint16 port = 9100; port < 10000; ++port)
        if (server.listen(QHostAddress::LocalHost, port)) return true;
    return false;
}

}  // namespace

class TestWapScreen : public QObject {
    Q_OBJECT
    std::unique_ptr<test::SmtpServers> servers_;

  private slots:
    void initTestCase() { servers_ = std::make_unique<test::SmtpServers>(true); }

    void opening_data() {
        QTest::addColumn<bool>("showCurrent");
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<QString>("enabled");  // items 0 to 13
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("advancedEnabled");  // unlocking enables it, shown or not
        QTest::addColumn<bool>("ssl");  // stored "1 ": the check path takes it, the other not
        const QString current =
            "Current WAP / Internet Parameters As Follows, You Can Modify Highlighted 4 Items If "
            "Necessary !";
        const QString user = "Please Input User-Defined WAP / Internet Parameters Here!";
        QTest::newRow("check, SSL model")
            << true << true << "00000000011110" << current << true << true;
        QTest::newRow("check, no SSL")
            << true << false << "00000000011110" << current << false << true;
        QTest::newRow("user-defined, SSL model")
            << false << true << "11111111111111" << user << true << false;
        QTest::newRow("user-defined, no SSL")
            << false << false << "11111111111111" << user << true << false;
    }
    void opening() {
        QFETCH(bool, showCurrent);
        QFETCH(bool, advanced);
        QFETCH(QString, enabled);
        QFETCH(QString, header);
        QFETCH(bool, advancedEnabled);
        QFETCH(bool, ssl);
        Screen s;
        s.state.CurrentNetworkParams = sample();
        s.state.SmtpSsl = "1 ";
        s.open(showCurrent, advanced, true);
        QString shownEnabled;
        for (int i = 0; i < 14; ++i) shownEnabled += s.item<QWidget>(i)->isEnabled() ? '1' : '0';
        QCOMPARE(shownEnabled, enabled);
        QCOMPARE(s.dlg->findChild<QLabel*>("headerLabel")->text(), header);
        QCOMPARE(s.button("advancedButton")->isVisible(), advanced);
        QCOMPARE(s.button("advancedButton")->isEnabled(), advancedEnabled);
        QCOMPARE(s.dlg->smtpSsl, ssl);
        QCOMPARE(s.dlg->senderChanged, false);
        QCOMPARE(s.item(kServer)->text(), showCurrent ? QString("smtp.op") : QString());
        QCOMPARE(s.shownIp(), showCurrent ? QString("10.1.2.3") : QString());
        QVERIFY(s.prompter.shown().empty());
    }

    // A stored IP text as the field shows it, the stored text the opening leaves (also after
    // Cancel), and what OK then stores.
    void ipTexts_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterOpening");
        QTest::addColumn<QString>("afterOk");
        QTest::newRow("address") << "10.1.2.3"
                                 << "10.1.2.3"
                                 << "10.1.2.3"
                                 << "10.1.2.3";
        QTest::newRow("empty group") << "1..2.3"
                                     << "1.0.2.3"
                                     << "1..2.3"
                                     << "1.0.2.3";
        QTest::newRow("trailing dot") << "1.2.3."
                                      << "1.2.3.0"
                                      << "1.2.3."
                                      << "1.2.3.0";
        QTest::newRow("above 255") << "300.1.1.1"
                                   << ""
                                   << " "
                                   << "";
        QTest::newRow("two dots") << "1.2.3"
                                  << ""
                                  << " "
                                  << "";
        QTest::newRow("four dots") << "1.2.3.4."
                                   << ""
                                   << " "
                                   << "";
        QTest::newRow("letters") << "10.a.2.3"
                                 << ""
                                 << " "
                                 << "";
        QTest::newRow("four digits") << "1000.1.1.1"
                                     << ""
                                     << " "
                                     << "";
        QTest::newRow("empty") << ""
                               << ""
                               << " "
                               << "";
        QTest::newRow("zeros") << "0.0.0.0"
                               << "0.0.0.0"
                               << "0.0.0.0"
                               << "";
    }
    void ipTexts() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, afterOpening);
        QFETCH(QString, afterOk);
        for (bool save : {false, true}) {
            Screen s;
            s.state.CurrentNetworkParams.IP = stored.toStdString();
            s.open(true, false, true);
            QCOMPARE(s.shownIp(), shown);
            if (save)
                s.ok();
            else
                s.button("cancelButton")->click();
            QCOMPARE(s.dlg->result(), save ? int(QDialog::Accepted) : int(QDialog::Rejected));
            QCOMPARE(QString::fromStdString(s.state.CurrentNetworkParams.IP),
                     save ? afterOk : afterOpening);
        }
    }

    // What OK stores of a typed value, on the user-defined path.
    void storing_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("server with blanks")
            << kServer << "  smtp.mail.se  " << QByteArray("smtp.mail.se");
        QTest::newRow("MMS port cut") << kPort << "12345" << QByteArray("1234");
        QTest::newRow("mail port cut, letters refused")
            << kEmailPort << "4x6512" << QByteArray("4651");
        QTest::newRow("text cut at 100") << 0 << QString(120, 'u') << QByteArray(100, 'u');
        QTest::newRow("IP typed") << kIp << "192.168.0.1" << QByteArray("192.168.0.1");
        QTest::newRow("IP 0.0.0.0") << kIp << "0.0.0.0" << QByteArray();
        QTest::newRow("IP blank") << kIp << "" << QByteArray();
        QTest::newRow("Latin-1 typed") << kAddr << "é ü ß °" << QByteArray("\xe9 \xfc \xdf \xb0");
        QTest::newRow("outside Latin-1 refused") << kAddr << "a€Ω中b" << QByteArray("ab");
    }
    void storing() {
        QFETCH(int, item);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        Screen s;
        s.state.CurrentNetworkParams = sample();
        s.open(false, true, false);
        s.retype(item, typed);
        s.ok();
        QCOMPARE(s.dlg->result(), int(QDialog::Accepted));
        QCOMPARE(QByteArray::fromStdString(*s.state.CurrentNetworkParams.fields()[item]), stored);
        QCOMPARE(s.state.SmtpSsl, std::string("0"));
    }

    void latin1ValuesRoundTrip() {
        Screen s;
        NetworkPreset held;
        for (std::string* f : held.fields()) *f = "caf\xe9 \xfc\xdf\xb0 \xff";
        held.IP = "10.1.2.3";
        held.Port = held.SendEmailPort = "25";
        s.state.CurrentNetworkParams = held;
        s.open(true, true, true);
        s.ok();
        QVERIFY(s.state.CurrentNetworkParams == held);
        QCOMPARE(s.dlg->senderChanged, false);
    }

    // senderChanged after the save question, and what a Cancel of it leaves.
    void senderChange_data() {
        QTest::addColumn<bool>("showCurrent");
        QTest::addColumn<bool>("preset");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("changed");
        QTest::newRow("server changed")
            << true << true << kServer << "smtp.other" << Answer::Ok << true;
        QTest::newRow("password changed") << true << true << 12 << "new" << Answer::Ok << true;
        QTest::newRow("retyped with blanks")
            << true << true << kServer << " smtp.op  " << Answer::Ok << false;
        QTest::newRow("no preset chosen")
            << true << false << kServer << "smtp.other" << Answer::Ok << false;
        QTest::newRow("MMS item only")
            << false << true << 0 << "http://mms.op" << Answer::Ok << false;
        QTest::newRow("question cancelled")
            << true << true << kServer << "smtp.other" << Answer::Cancel << false;
    }
    void senderChange() {
        QFETCH(bool, showCurrent);
        QFETCH(bool, preset);
        QFETCH(int, item);
        QFETCH(QString, typed);
        QFETCH(Answer, answer);
        QFETCH(bool, changed);
        Screen s;
        s.state.CurrentNetworkParams = sample();
        s.open(showCurrent, true, preset);
        if (!showCurrent)  // the user-defined path starts empty: type the held values back
            for (int i : {9, 10, 11, 12})
                s.retype(i, QString::fromStdString(*sample().fields()[i]));
        s.retype(item, typed);
        s.ok(answer);
        QCOMPARE(s.dlg->senderChanged, changed);
        std::vector<Message> boxes{{kCaptionTips, "Save all WAP/Internet parameters ?",
                                    Buttons::OkCancel, Icon::Question}};
        if (answer == Answer::Ok)
            boxes.push_back({kCaptionTips, "OK,WAP/Internet Parameters saved success !",
                             Buttons::Ok, Icon::Information});
        QVERIFY(s.prompter.shown() == boxes);
        if (answer == Answer::Cancel) {
            QVERIFY(!s.dlg->hasEnded());
            QVERIFY(s.dlg->isVisible());
            QCOMPARE(s.item(item)->text(), typed);
            QVERIFY(s.state.CurrentNetworkParams == sample());
        }
    }

    // The Advanced screen opens with the screen's SSL state; only its OK changes it, and only
    // the main OK stores it.
    void advanced_data() {
        QTest::addColumn<QString>("held");
        QTest::addColumn<bool>("okAdvanced");
        QTest::addColumn<bool>("opensChecked");
        QTest::addColumn<std::string>("stored");
        QTest::newRow("ticked, OK") << "0" << true << false << std::string("1");
        QTest::newRow("ticked, Cancel") << "0" << false << false << std::string("0");
        QTest::newRow("unticked, OK") << "1" << true << true << std::string("0");
        QTest::newRow("unticked, Cancel") << "1" << false << true << std::string("1");
    }
    void advanced() {
        QFETCH(QString, held);
        QFETCH(bool, okAdvanced);
        QFETCH(bool, opensChecked);
        QFETCH(std::string, stored);
        Screen s;
        s.state.SmtpSsl = held.toStdString();
        s.open(true, true, true);
        bool openedChecked = !opensChecked;
        s.runner.push([&](QDialog& d) {
            QCOMPARE(d.windowTitle(), QString("Advanced Setup"));
            auto* box = d.findChild<QCheckBox*>("sslCheck");
            openedChecked = box->isChecked();
            QTest::mouseClick(box, Qt::LeftButton);
            d.findChild<QPushButton*>(okAdvanced ? "okButton" : "cancelButton")->click();
        });
        s.button("advancedButton")->click();
        QCOMPARE(openedChecked, opensChecked);
        QCOMPARE(s.state.SmtpSsl, held.toStdString());
        s.ok();
        QCOMPARE(s.state.SmtpSsl, stored);
        QCOMPARE(s.dlg->senderChanged, false);
        QCOMPARE(s.runner.ran(), std::vector<QString>{"CWKS_WapAdvancedDlg"});
    }

    void clearAndInvalidMode() {
        Screen s;
        s.state.CurrentNetworkParams = sample();
        s.open(true, false, true);
        for (int mode : {6, -1}) s.dlg->ManageOtherUI(static_cast<CWKS_WapParaDlg::Mode>(mode));
        const Message invalid{kCaptionTips, "Invalid call for ManageOtherUI()!", Buttons::Ok,
                              Icon::Error};
        QVERIFY(s.prompter.shown() == std::vector<Message>(2, invalid));
        QCOMPARE(s.item(0)->text(), QString("http://mms.op"));
        s.dlg->ManageOtherUI(CWKS_WapParaDlg::Mode::Unlock);
        s.button("clearButton")->click();
        for (int i = 0; i < 13; ++i)
            if (i != kIp) QVERIFY2(s.item(i)->text().isEmpty(), kItems[i]);
        QVERIFY(s.item<IpAddressField>(kIp)->isBlank());
        QVERIFY(s.state.CurrentNetworkParams == sample());
    }

    // "Test E-mail" tests the sender items as typed, SSL as the Advanced screen has it (never
    // for a model without SSL), off the screen's thread: the screen's own event loop serves the
    // test server meanwhile. It ends in a box unless cancelled, and stores nothing. A password
    // goes to a server whose certificate failed only when the user says Yes.
    void mailTest_data() {
        // "closed", "greets" (then hangs up), "silent", or a kind of SmtpServers
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<bool>("tick");              // SSL ticked on the Advanced screen
        QTest::addColumn<QString>("typed");          // typed after the port's 4 digits
        QTest::addColumn<QList<Answer>>("answers");  // to the questions asked, in turn
        QTest::addColumn<QStringList>("box");  // the last box, each line's beginning; %1 is the
                                               // port; empty: cancelled
        QTest::addColumn<int>("logins");       // asked of an SmtpServers server
        const QString lookup = "Name look-up: 127.0.0.1 is an address";
        const QString connected = "Connection: 127.0.0.1 answers on port %1";
        const QString nobody = "Connection failed: nothing listens on port %1 of 127.0.0.1";
        const QStringList verified{
            lookup, connected, "TLS: the connection is encrypted from the first byte",
            "Warning: the server's certificate cannot be verified: it is self-signed"};
        QTest::newRow("nobody listens") << "closed" << true << false << "" << QList<Answer>{}
                                        << QStringList{"E-mail test failed", lookup, nobody} << -1;
        QTest::newRow("a fifth digit of the port is not kept")
            << "closed" << true << false << "7" << QList<Answer>{}
            << QStringList{"E-mail test failed",
                           "Note: port %17 is kept as %1 (a PORT keeps 4 digits), so the test "
                           "connects to %1.",
                           lookup, nobody}
            << -1;
        QTest::newRow("SSL ticked on the Advanced screen")
            << "greets" << true << true << "" << QList<Answer>{}
            << QStringList{"E-mail test failed", lookup, connected,
                           "TLS failed: SMTP SSL is ticked, but the server speaks plain text "
                           "on port %1 (it said \"220 test\")"}
            << -1;
        QTest::newRow("model without SSL, SMTP SSL=1 held")
            << "greets" << false << false << "" << QList<Answer>{}
            << QStringList{"E-mail test failed", lookup, connected, "Greeting: 220 test",
                           "Login failed: "}
            << -1;
        QTest::newRow("self-signed certificate: No sends nothing")
            << "tls" << true << true << "" << QList<Answer>{Answer::Cancel}
            << QStringList{"E-mail test failed"} + verified +
                   QStringList{"Greeting: 220 mail.test",
                               "Login not tried: the password was not sent", "",
                               "Send the password to this server anyway?"}
            << 0;
        QTest::newRow("self-signed certificate: Yes logs in")
            << "tls" << true << true << "" << QList<Answer>{Answer::Ok}
            << QStringList{"E-mail test passed"} + verified +
                   QStringList{"Greeting: 220 mail.test", "Login: the server accepted"}
            << 1;
        QTest::newRow("cancelled")
            << "silent" << true << false << "" << QList<Answer>{} << QStringList{} << -1;
    }
    void mailTest() {
        QFETCH(QString, server);
        QFETCH(bool, advanced);
        QFETCH(bool, tick);
        QFETCH(QString, typed);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, box);
        QFETCH(int, logins);
        QTcpServer listener;
        QString port;
        if (logins >= 0) {
            if (!servers_->failure().isEmpty()) QSKIP(qPrintable(servers_->failure()));
            port = QString::number(servers_->port(server));
        } else {
            QVERIFY(listenBelow10000(listener));
            port = QString::number(listener.serverPort());
        }
        if (server == "closed") listener.close();
        if (server == "greets")
            connect(&listener, &QTcpServer::newConnection, &listener, [&listener] {
                QTcpSocket* c = listener.nextPendingConnection();
                c->write("220 test\r\n");
                c->disconnectFromHost();
            });
        Screen s;
        s.state.SmtpSsl = tick ? "0" : "1";
        s.open(true, advanced, true);
        if (tick) {
            s.runner.push([](QDialog& d) {
                d.findChild<QCheckBox*>("sslCheck")->setChecked(true);
                d.findChild<QPushButton*>("okButton")->click();
            });
            s.button("advancedButton")->click();
        }
        const AppState before = s.state;
        QPushButton* test = s.button("mailTestButton");
        QVERIFY(test->isVisible() && !test->isEnabled());
        s.retype(kServer, "127.0.0.1");
        QVERIFY(!test->isEnabled());
        s.retype(kAddr, "camera@example.test");
        QVERIFY(test->isEnabled());
        s.retype(kEmailPort, port + typed);
        s.retype(12, "right-pw");
        s.prompter.script(std::vector<Answer>(answers.begin(), answers.end()));
        test->click();

        auto* busy = s.dlg->findChild<QProgressDialog*>("mailTestProgress");
        QVERIFY(busy && busy->isVisible());
        QCOMPARE(busy->findChild<QLabel*>()->textFormat(), Qt::PlainText);  // it quotes servers
        if (box.isEmpty()) {
            QTRY_VERIFY(busy->labelText().contains("Connection: 127.0.0.1 answers"));
            busy->findChild<QPushButton*>()->click();
            QTRY_VERIFY_WITH_TIMEOUT(!s.dlg->findChild<QProgressDialog*>("mailTestProgress"), 2000);
            QTest::qWait(100);
            QVERIFY(s.prompter.shown().empty());
        } else {
            // A Yes starts the test again, which ends in a box of its own.
            const auto boxes = std::size_t(1 + answers.count(Answer::Ok));
            QTRY_COMPARE_WITH_TIMEOUT(s.prompter.shown().size(), boxes, 15000);
            const Message& m = s.prompter.shown().back();
            QCOMPARE(m.caption, std::string(kCaptionTips));
            if (!answers.isEmpty()) QCOMPARE(s.prompter.shown().front().buttons, Buttons::YesNo);
            const QStringList lines = QString::fromStdString(m.english()).split('\n');
            QVERIFY2(lines.size() == box.size(), m.english().c_str());
            for (int i = 0; i < box.size(); ++i)
                QVERIFY2(lines[i].startsWith(QString(box[i]).replace("%1", port)),
                         qPrintable(lines[i]));
            for (const Message& shown : s.prompter.shown())
                QVERIFY(shown.english().find("right-pw") == std::string::npos);
            QTRY_VERIFY(!s.dlg->findChild<QProgressDialog*>("mailTestProgress"));
        }
        if (logins >= 0) QCOMPARE(servers_->count(server, "auth"), logins);
        QVERIFY(s.state.CurrentNetworkParams == before.CurrentNetworkParams);
        QCOMPARE(s.state.SmtpSsl, before.SmtpSsl);
        QVERIFY(!s.dlg->hasEnded());
    }

    // The result box keeps the letters of a language that Latin-1 lacks.
    void mailTestInCzech() {
        QTcpServer listener;
        QVERIFY(listenBelow10000(listener));
        const QString port = QString::number(listener.serverPort());
        listener.close();
        useLanguage("cs");
        Screen s;
        s.open(true, true, true);
        s.retype(kServer, "127.0.0.1");
        s.retype(kAddr, "camera@example.test");
        s.retype(kEmailPort, port);
        s.button("mailTestButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(s.prompter.shown().size(), std::size_t(1), 15000);
        const QString shown = shownText(s.prompter.shown().back());
        useLanguage({});
        QVERIFY2(shown.section('\n', 1, 1).startsWith("Překlad názvu: 127.0.0.1"),
                 qPrintable(shown));
    }

    // A server's long greeting is quoted short: the result box fits the screen and its OK
    // button can be pressed.
    void mailTestBoxFitsScreen() {
        if (!servers_->failure().isEmpty()) QSKIP(qPrintable(servers_->failure()));
        Screen s;
        QtPrompter onScreen;
        ScopedPrompter useScreen(onScreen);
        s.open(true, false, true);
        s.retype(kServer, "127.0.0.1");
        s.retype(kEmailPort, QString::number(servers_->port("huge")));
        s.retype(kAddr, "camera@example.test");
        QRect shown, screen;
        bool okVisible = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            poll.stop();
            shown = box->frameGeometry();
            screen = box->screen()->availableGeometry();
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            okVisible =
                ok->isVisible() && screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size()));
            ok->click();
        });
        poll.start(20);
        s.button("mailTestButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!poll.isActive(), 15000);
        QVERIFY2(screen.contains(shown), qPrintable(QString("%1 x %2 on a screen of %3 x %4")
                                                        .arg(shown.width())
                                                        .arg(shown.height())
                                                        .arg(screen.width())
                                                        .arg(screen.height())));
        QVERIFY(okVisible);
    }

    // Tab follows the items, then Advanced, OK and Cancel; the mnemonics press their buttons;
    // Enter asks the save question; Esc cancels.
    void keyboard() {
        Screen s;
        s.open(false, true, false);
        s.item(0)->setFocus();
        QStringList order;
        for (int i = 0; i < 17; ++i) {
            QWidget* w = QApplication::focusWidget();
            order << (qobject_cast<IpAddressField*>(w->parentWidget()) ? w->parentWidget() : w)
                         ->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QStringList expected(std::begin(kItems), std::end(kItems));
        expected << "advancedButton"
                 << "okButton"
                 << "cancelButton";
        QCOMPARE(order, expected);

        s.retype(0, "typed");
        // A mnemonic clicks its button after a short press animation.
        QTest::keyClick(s.item(0), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(s.item(0)->text(), QString());
        QTest::keyClick(s.item(0), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(s.runner.ran(), std::vector<QString>{"CWKS_WapAdvancedDlg"});
        s.prompter.script({Answer::Cancel, Answer::Cancel});
        s.item(0)->setFocus();
        QTest::keyClick(s.item(0), Qt::Key_Y, Qt::AltModifier);
        QTRY_COMPARE(s.prompter.shown().size(), std::size_t(1));
        QTest::keyClick(s.item(0), Qt::Key_Return);
        QCOMPARE(s.prompter.shown().size(), std::size_t(2));
        QVERIFY(!s.dlg->hasEnded());
        for (bool escape : {true, false}) {
            Screen t;
            t.open(false, true, false);
            t.item(0)->setFocus();
            QTest::keyClick(t.item(0), escape ? Qt::Key_Escape : Qt::Key_N,
                            escape ? Qt::NoModifier : Qt::AltModifier);
            QTRY_VERIFY(t.dlg->hasEnded());
            QCOMPARE(t.dlg->result(), int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(TestWapScreen)
#include "test_wapscreen.moc"
