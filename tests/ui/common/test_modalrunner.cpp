// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal runner: screens are opened once, a screen that ends while opening is never shown,
// and the scripted runner answers screens in turn.

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/common/modalrunner.h"
#include "ui/common/screendialog.h"

using namespace wks::ui;

namespace {

class Probe : public ScreenDialog {
  public:
    explicit Probe(bool endWhileOpening) : endWhileOpening_(endWhileOpening) {
        setObjectName("probe");
    }
    int openings = 0;

  protected:
    void initDialog() override {
        ++openings;
        if (endWhileOpening_) reject();
    }

  private:
    bool endWhileOpening_;
};

}  // namespace

class TestModalRunner : public QObject {
    Q_OBJECT
  private slots:
    void execRunnerOpensOnceAndSkipsAScreenThatEnded() {
        ExecRunner runner;
        Probe ended(true);
        QCOMPARE(runner.run(ended), int(QDialog::Rejected));  // returns without a modal loop
        QCOMPARE(ended.openings, 1);
        QVERIFY(!ended.isVisible());

        Probe shown(false);
        QTimer::singleShot(0, &shown, [&] { shown.accept(); });
        QCOMPARE(runner.run(shown), int(QDialog::Accepted));
        shown.initOnce();
        QCOMPARE(shown.openings, 1);
    }

    void scriptedRunnerAnswersInTurnThenCancels() {
        ScriptedRunner runner;
        ScopedModalRunner scope(runner);
        runner.push([](QDialog& d) { d.accept(); });
        runner.push([](QDialog&) {});
        Probe a(false), b(false), c(false), ended(true);
        QCOMPARE(modalRunner().run(a), int(QDialog::Accepted));
        QCOMPARE(modalRunner().run(b), int(QDialog::Rejected));
        QCOMPARE(modalRunner().run(c), int(QDialog::Rejected));
        QCOMPARE(modalRunner().run(ended), int(QDialog::Rejected));
        QCOMPARE(a.openings + b.openings + c.openings + ended.openings, 4);
        QCOMPARE(runner.ran().size(), std::size_t(4));
        QCOMPARE(runner.ran().front(), QString("probe"));
        QCOMPARE(runner.pending(), std::size_t(0));
    }
};

QTEST_MAIN(TestModalRunner)
#include "test_modalrunner.moc"
