// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The card station's window driven through a run of three cards on a mock UDisks2, by the
// keyboard's and the mouse's way alike.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "session/prompts.h"
#include "settings/filecheck.h"
#include "support/mockudisks.h"
#include "support/tempdrives.h"
#include "ui/common/translations.h"
#include "ui/station/stationdlg.h"

using namespace wks;
namespace fs = std::filesystem;

class TestStationDlg : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QVERIFY(!test::MockUDisks::busAddress().empty()); }

    void threeCards() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        test::TempDrives drives("C");
        const fs::path root = drives.root();
        AppState state;
        state.CurrentNetworkParams.URL = "http://mms.example";
        state.clockFollowsPc = true;
        ui::CardStationDlg dlg("LN714W-12P", state, Recipients{});
        dlg.setReportPath((root / "report.csv").string());
        dlg.show();
        auto* add = dlg.findChild<QPushButton*>("addButton");
        auto* start = dlg.findChild<QPushButton*>("startButton");
        auto* cards = dlg.findChild<QTableWidget*>("cardTable");
        for (int i = 0; i < 3; ++i) QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(dlg.findChild<QTableWidget*>("cameraTable")->rowCount(), 3);
        // Every control is reached by the keyboard and named for screen readers.
        for (QWidget* w : dlg.findChildren<QWidget*>()) {
            const bool control =
                qobject_cast<QAbstractButton*>(w) || qobject_cast<QTableWidget*>(w);
            if (!control || w->objectName().isEmpty()) continue;  // not a table's own corner
            QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(w->objectName()));
            QVERIFY2(!w->accessibleName().isEmpty() || !qobject_cast<QTableWidget*>(w),
                     qPrintable(w->objectName()));
        }

        std::vector<std::string> states;
        QTimer::singleShot(100, this, [&] {
            // Served first: a card of another model, left untouched; then a USB disk, left alone.
            test::writeBytes(root / "store" / "0" / "GSM" / "KT470RX.TXT",
                             "[WKSFileMark]\r\nModel=KT470RX\r\n");
            for (const char* n : {"0", "1", "a", "b", "c"}) {
                fs::create_directories(root / "store" / n);
                fs::create_directories(root / "media");
                udisks.addCard({n, root / "store" / n, root / "media" / n, std::string("u-") + n, n,
                                "", false, true, *n != '1'});
            }
        });
        QTimer::singleShot(20000, &dlg, [&] { dlg.reject(); });  // a run that hangs ends
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Space);  // returns when the run has ended
        QVERIFY(!dlg.running());
        QCOMPARE(cards->rowCount(), 5);
        QCOMPARE(cards->item(0, 0)->text(), QString());
        QCOMPARE(cards->item(0, 2)->text(),
                 QString("Card left untouched: it holds the settings file of a KT470RX-8PRO — "
                         "safe to remove"));
        QCOMPARE(cards->item(1, 0)->text(), QString());
        QCOMPARE(cards->item(1, 2)->text(), QString("Left alone: it is not a memory card"));
        QVERIFY(fs::is_empty(root / "store" / "1"));
        for (int r = 1; r < 4; ++r) {
            QCOMPARE(cards->item(r + 1, 0)->text(), QString("CAM-00%1").arg(r));
            QCOMPARE(cards->item(r + 1, 2)->text(),
                     QString("CAM-00%1 done — safe to remove").arg(r));
        }
        QCOMPARE(dlg.findChild<QLabel*>("countLabel")->text(), QString("3 of 3 cameras done"));
        QCOMPARE(dlg.findChild<QLabel*>("nextLabel")->text(), QString("Every camera is done."));
        for (const char* n : {"a", "b", "c"})
            QVERIFY(fs::exists(root / "store" / n / "GSM" / "LN714W.TXT"));
        QVERIFY(start->isEnabled());
    }

    // A card whose row the report did not take says so: its camera is not done for the next run.
    void reportNotWritten() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        test::TempDrives drives("C");
        const fs::path root = drives.root();
        AppState state;
        state.clockFollowsPc = true;
        ui::CardStationDlg dlg("LN714W-12P", state, Recipients{});
        dlg.setReportPath((root / "report.csv").string());
        QTest::mouseClick(dlg.findChild<QPushButton*>("addButton"), Qt::LeftButton);
        auto* cards = dlg.findChild<QTableWidget*>("cardTable");
        QTimer::singleShot(100, this, [&] {
            fs::remove(root / "report.csv");
            fs::create_directories(root / "report.csv");  // no row can be appended now
            fs::create_directories(root / "store" / "a");
            fs::create_directories(root / "media");
            udisks.addCard(
                {"a", root / "store" / "a", root / "media" / "a", "u-a", "a", "", false, true});
        });
        QTimer ended;
        connect(&ended, &QTimer::timeout, &dlg, [&] {
            if (cards->rowCount() && cards->item(0, 2)->text().contains("report")) dlg.reject();
        });
        ended.start(50);
        QTimer::singleShot(20000, &dlg, [&] { dlg.reject(); });  // a run that hangs ends
        QTest::mouseClick(dlg.findChild<QPushButton*>("startButton"), Qt::LeftButton);
        QCOMPARE(cards->item(0, 2)->text(),
                 QString("CAM-001 done — safe to remove (the report could not be written: Is a "
                         "directory)"));
    }

    // The station's own reasons reach the window as words to translate, a reason within a
    // reason each in the user's language: a camera named twice in the table, in German.
    void reasonsInTheUsersLanguage() {
        test::TempDrives drives("C");
        ScriptedPrompter prompts;
        ScopedPrompter scope(prompts);
        ui::useLanguage("de");
        ui::CardStationDlg dlg("LN714W-12P", AppState(), Recipients{});
        dlg.setReportPath((drives.root() / "report.csv").string());
        auto* add = dlg.findChild<QPushButton*>("addButton");
        for (int i = 0; i < 2; ++i) QTest::mouseClick(add, Qt::LeftButton);
        dlg.findChild<QTableWidget*>("cameraTable")->item(1, 0)->setText("CAM-001");
        QTest::mouseClick(dlg.findChild<QPushButton*>("startButton"), Qt::LeftButton);
        const QString shown =
            prompts.shown().empty() ? QString() : ui::shownText(prompts.shown()[0]);
        // What check finds on a card read back, within the station's own reason.
        const auto problems = checkSettingsDocument(
            *findModel("LN714W-12P"),
            ProfileDocument::parse("[Camera Setting]\r\nClock Year=1700\r\n"));
        const auto outside = std::find_if(problems.begin(), problems.end(), [](const Text& t) {
            return t.english().find("Clock Year 1700") != std::string::npos;
        });
        QVERIFY(outside != problems.end());
        const QString unread = ui::shownText(
            Text(QT_TRANSLATE_NOOP("Message", "the camera would not read it: %1")).with(*outside));
        ui::useLanguage({});
        QCOMPARE(shown, QString("Zeile 3, Spalte „cameraID“: „CAM-001“ steht bereits in Zeile 2"));
        QCOMPARE(unread, QString("die Kamera würde sie nicht lesen: [Camera Setting] Clock Year "
                                 "1700 liegt außerhalb von 1753 bis 9999"));
        QVERIFY(!dlg.running());
    }
};

QTEST_MAIN(TestStationDlg)
#include "test_stationdlg.moc"
