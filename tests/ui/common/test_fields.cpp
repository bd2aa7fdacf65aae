// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Latin-1 text field and the IP address field, typed into as a user types; the names and
// keys of the screens' own controls.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

#include "ui/common/accessibility.h"
#include "ui/common/ipaddressfield.h"
#include "ui/common/latin1.h"
#include "ui/common/picture.h"
#include "ui/common/screenbuttons.h"

using namespace wks::ui;

namespace {

// Types into whatever has the focus: "\b" is Backspace, "<" Left, ">" Right, "\t" Tab.
void type(const QString& keys) {
    for (QChar c : keys) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        if (c == QLatin1Char('\b'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (c == QLatin1Char('<'))
            QTest::keyClick(target, Qt::Key_Left);
        else if (c == QLatin1Char('>'))
            QTest::keyClick(target, Qt::Key_Right);
        else if (c == QLatin1Char('\t'))
            QTest::keyClick(target, Qt::Key_Tab);
        else if (c.unicode() < 0x80)
            QTest::keyClicks(target, QString(c));
        else {  // QTest types ASCII only; a key that gives any other character
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
}

// The four parts' texts joined by dots: "192.168.1." has a blank fourth part.
QString partTexts(const IpAddressField& field) {
    QStringList texts;
    for (int i = 1; i <= 4; ++i)
        texts << field.findChild<QLineEdit*>(QStringLiteral("part%1").arg(i))->text();
    return texts.join(QLatin1Char('.'));
}

void showActive(QWidget& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class TestFields : public QObject {
    Q_OBJECT
  private slots:
    void latin1FieldKeepsBytesAndRefusesOtherCharacters_data() {
        QTest::addColumn<bool>("digits");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("told");  // a beep and the tooltip for a refused character
        QByteArray all;
        for (int b = 0x20; b <= 0xFF; ++b) all += char(b);
        QTest::newRow("every printable byte") << false << all << "" << all << false;
        QTest::newRow("accented letters typed")
            << false << QByteArray() << "é ü ß °" << QByteArray("\xe9 \xfc \xdf \xb0") << false;
        QTest::newRow("outside Latin-1 refused")
            << false << QByteArray("ab") << "€Ω中x" << QByteArray("abx") << true;
        QTest::newRow("digits only")
            << true << QByteArray() << "12a3é" << QByteArray("123") << true;
        QTest::newRow("file value stays editable")
            << true << QByteArray("8a") << "1" << QByteArray("8a1") << false;
    }
    void latin1FieldKeepsBytesAndRefusesOtherCharacters() {
        QFETCH(bool, digits);
        QFETCH(QByteArray, shown);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);
        QFETCH(bool, told);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QLineEdit field;
        const FieldKind kind = digits ? FieldKind::Digits : FieldKind::Text;
        makeLatin1Field(&field, kind);
        setFieldBytes(&field, shown.toStdString());
        showActive(field);
        field.end(false);
        type(typed);
        QCOMPARE(QByteArray::fromStdString(fieldBytes(&field)), expected);
        QCoreApplication::processEvents();
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                 told ? refusedCharacterTip(kind) : QString());
    }

    void ipFieldTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("parts");
        QTest::newRow("dots move on") << "10.1.2.3"
                                      << "10.1.2.3";
        QTest::newRow("fourth digit moves on") << "1921681"
                                               << "192.168.1.";
        QTest::newRow("above 255") << "300"
                                   << "255...";
        QTest::newRow("letters refused") << "a1b"
                                         << "1...";
        QTest::newRow("dot in last part") << "1...9."
                                          << "1...9";
        QTest::newRow("backspace in empty part") << "1.\b\b5"
                                                 << "5...";
        QTest::newRow("left and right") << "12<<<1>>4"
                                        << "112.4..";
    }
    void ipFieldTyping() {
        QFETCH(QString, typed);
        QFETCH(QString, parts);
        IpAddressField field;
        showActive(field);
        field.setFocus();
        type(typed);
        QCOMPARE(partTexts(field), parts);
    }

    void ipFieldBlankIsNotZero() {
        IpAddressField field;
        QVERIFY(field.isBlank());
        field.setAddress({0, 0, 0, 0});
        QVERIFY(!field.isBlank());
        QCOMPARE(partTexts(field), QString("0.0.0.0"));
        field.clear();
        QVERIFY(field.isBlank());
        QCOMPARE(field.address(), (IpAddressField::Parts{0, 0, 0, 0}));
        field.setAddress({10, 0, 255, 7});
        field.findChild<QLineEdit*>("part2")->clear();
        QCOMPARE(field.address(), (IpAddressField::Parts{10, 0, 255, 7}));
        QVERIFY(!field.isBlank());
    }

    void ipFieldIsOneTabStop() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* before = new QLineEdit(&window);
        auto* field = new IpAddressField(&window);
        auto* after = new QLineEdit(&window);
        layout->addWidget(before);
        layout->addWidget(field);
        layout->addWidget(after);
        showActive(window);
        before->setFocus();
        type("\t");
        QVERIFY(field->isAncestorOf(QApplication::focusWidget()));
        type("1.2\t");
        QCOMPARE(QApplication::focusWidget(), after);
        QTest::keyClick(after, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), field->findChild<QLineEdit*>("part1"));
        // Shift+Tab from any part leaves the field, as Tab does.
        for (int i = 1; i <= 4; ++i) {
            auto* part = field->findChild<QLineEdit*>(QStringLiteral("part%1").arg(i));
            part->setFocus();
            QTest::keyClick(part, Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), before);
        }
    }

    // Screen radio buttons are in no automatic group, yet a screen reader hears radio buttons
    // named by their text, with their state; a drop-down's list carries the drop-down's name.
    void screenControlsAsAScreenReaderHearsThem() {
        QWidget w;
        auto* radio = new wks::ui::ScreenRadioButton(&w);
        radio->setText("Email [&GPRS]");
        radio->setChecked(true);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(radio);
        QCOMPARE(a->role(), QAccessible::RadioButton);
        QCOMPARE(a->text(QAccessible::Name), QString("Email [GPRS]"));
        QVERIFY(a->state().checkable && a->state().checked);
        auto* list = new QComboBox(&w);
        list->addItems({"OFF", "1", "2"});
        wks::ui::nameControl(list, "Replay Time");
        list->setCurrentIndex(2);
        // Named by its label, its value the current entry, which its list holds selected.
        QAccessibleInterface* drop = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(drop->role(), QAccessible::ComboBox);
        QCOMPARE(drop->text(QAccessible::Name), QString("Replay Time"));
        QCOMPARE(drop->text(QAccessible::Value), QString("2"));
        QCOMPARE(drop->child(0)->object(), list->view());
        QCOMPARE(drop->child(0)->text(QAccessible::Name), QString("Replay Time"));
        QCOMPARE(list->view()->selectionModel()->selectedIndexes(),
                 QModelIndexList{list->model()->index(2, 0)});
        // The list of a drop-down nobody has asked about yet is named when it first opens; the
        // drop-down says whether its list is open.
        auto* opened = new QComboBox(&w);
        opened->addItems({"English", "German"});
        wks::ui::nameControl(opened, "Language");
        opened->setCurrentIndex(1);
        w.show();
        QAccessibleInterface* language = QAccessible::queryAccessibleInterface(opened);
        QVERIFY(language->state().expandable && !language->state().expanded);
        opened->showPopup();
        QVERIFY(language->state().expanded);
        QCOMPARE(opened->view()->accessibleName(), QString("Language"));
        QCOMPARE(opened->view()->selectionModel()->selectedIndexes(),
                 QModelIndexList{opened->model()->index(1, 0)});
        opened->hidePopup();
        QTRY_VERIFY(!language->state().expanded);
        QVERIFY(language->state().expandable);
        // A clickable picture is a button that a screen reader can press; the press is answered
        // before the click happens.
        auto* banner = new wks::ui::Picture(&w);
        banner->setClickable(true);
        QSignalSpy pressed(banner, &wks::ui::Picture::clicked);
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(banner);
        QCOMPARE(button->role(), QAccessible::Button);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pressed.count(), 0);
        QTRY_COMPARE(pressed.count(), 1);
    }

    // Screen readers are told when a drop-down's list opens and closes, and the state they then
    // read is the new one. Qt reports changes only while a screen reader listens: offscreen it
    // never does, so `make a11y` runs this on the desktop's accessibility bus.
    void dropDownTellsWhenItOpens() {
        const bool hasBridge = QGuiApplication::platformName() != QLatin1String("offscreen");
        if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, hasBridge ? 5000 : 0))
            QSKIP("no screen reader listens: make a11y runs this");
        QWidget w;
        auto* box = new QComboBox(&w);
        box->addItems({"OFF", "ON"});
        wks::ui::nameControl(box, "SMS Control");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        static QList<bool> told;  // the expanded state at each change the drop-down reported
        static QComboBox* watched = nullptr;
        told.clear();
        watched = box;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() != QAccessible::StateChanged || event->object() != watched) return;
            if (static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().expanded)
                told << event->accessibleInterface()->state().expanded;
        });
        box->showPopup();
        QTRY_COMPARE(told, QList<bool>{true});
        box->hidePopup();
        QTRY_COMPARE(told, (QList<bool>{true, false}));
        QAccessible::installUpdateHandler(nullptr);
    }
};

QTEST_MAIN(TestFields)
#include "test_fields.moc"
