// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The four camera screens on their real layouts, offscreen, with scripted message boxes and a
// fixed clock: opening from the record, the rules on the user's actions, OK and Cancel.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <memory>

#include "platform/clock.h"
#include "session/prompts.h"
#include "settings/camerakeys.h"
#include "settings/settingsfile.h"
#include "ui/camera/camerascreens.h"

using namespace wks;
using namespace wks::ui;

namespace {

const LocalTime kOpened{2026, 12, 7, 14, 5, 9};
const char* const kHint = "You can click the left button to add audio file if GameCall is ON !";
const char* const kSave = "Save all camera parameters ?";
const char* const kSaved = "OK,Camara parameters have been saved success !";

void applyDefaults(AppState& state, const std::string& model) {
    Recipients recipients;
    if (!SettingsFile(model, state, recipients).Mng_AllParaSetDefault()) qFatal("no model");
}

std::unique_ptr<CameraScreen> openScreen(AppState& state, const std::string& model) {
    const CameraModel* m = findModel(model);
    auto screen = makeCameraScreen(state, m ? m->family : CameraFamily::FamilyGroup1, model);
    screen->initOnce();
    return screen;
}

template <typename T = QWidget>
T* find(QWidget& screen, const char* name) {
    T* w = screen.findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no control %s", name);
    return w;
}
QComboBox* list(QWidget& s, const char* name) { return find<QComboBox>(s, name); }
QAbstractButton* button(QWidget& s, const char* name) { return find<QAbstractButton>(s, name); }
// The one-second timer of "Set Clock", the screen's own.
QTimer* clockTimer(QWidget& s) {
    return s.findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
}

// What a user's choice in a drop-down list does: the selection moves, then activated.
void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void pressOk(QWidget& s) { button(s, "okButton")->click(); }

std::vector<std::string> texts(const ScriptedPrompter& p) {
    std::vector<std::string> t;
    for (const auto& m : p.shown()) t.push_back(m.english());
    return t;
}

}  // namespace

class TestCameraScreens : public QObject {
    Q_OBJECT
    ScriptedPrompter prompter;
    ScopedPrompter scope{prompter};
    AppState state;

  private slots:
    void initTestCase() { fixClock(kOpened); }
    void cleanupTestCase() { fixClock(std::nullopt); }
    void init() {
        prompter = ScriptedPrompter();
        state = AppState();
    }

    // OK on the defaults keeps the record; the clock follows the computer when the record's
    // clock is invalid or "Set Clock" is ticked. Cancel, Esc and a refused question store
    // nothing, even after changes.
    void okAndCancel_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("press");  // Ok, Enter, Cancel, Escape, Close, OkRefused
        QTest::addColumn<bool>("validClock");
        for (const CameraModel& model : catalogue()) {
            const QString m = QString::fromStdString(model.displayName);
            const QByteArray n = m.toLatin1();
            QTest::newRow(n + " defaults OK") << m << "Ok" << false;
            QTest::newRow(n + " own clock Enter") << m << "Enter" << true;
            QTest::newRow(n + " Cancel") << m << "Cancel" << true;
            QTest::newRow(n + " Escape") << m << "Escape" << true;
            QTest::newRow(n + " close box") << m << "Close" << false;
            QTest::newRow(n + " question refused") << m << "OkRefused" << true;
        }
    }
    void okAndCancel() {
        QFETCH(QString, model);
        QFETCH(QString, press);
        QFETCH(bool, validClock);
        applyDefaults(state, model.toStdString());
        if (validClock) {
            auto& p = state.cameraParams;
            std::tie(p.ClockYear, p.ClockMonth, p.ClockDay) = std::tuple(2020, 2, 29);
            std::tie(p.ClockHour, p.ClockMinute, p.ClockSecond) = std::tuple(23, 59, 58);
            state.clockFollowsPc = false;
        }
        const AppState before = state;
        prompter.clear();
        auto screen = openScreen(state, model.toStdString());
        QCOMPARE(screen->windowTitle(), QString("Camera Setting"));
        QCOMPARE(state.clockFollowsPc, !validClock);
        QCOMPARE(button(*screen, "setClock")->isChecked(), !validClock);
        QCOMPARE(find(*screen, "clockDate")->isEnabled(), validClock);
        auto* timer = clockTimer(*screen);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);

        if (press == "Ok" || press == "Enter") {
            if (press == "Enter") {
                screen->show();
                QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
                QTest::keyClick(screen.get(), Qt::Key_Return);
            } else {
                pressOk(*screen);
            }
            QCOMPARE(texts(prompter), (std::vector<std::string>{kSave, kSaved}));
            QCOMPARE(prompter.shown()[0].icon, Icon::Question);
            QCOMPARE(prompter.shown()[0].buttons, Buttons::OkCancel);
            QCOMPARE(prompter.shown()[1].icon, Icon::Information);
            QCOMPARE(prompter.shown()[1].buttons, Buttons::Ok);
            for (const Message& m : prompter.shown()) QCOMPARE(m.caption, std::string("WKS TIPS"));
            QCOMPARE(screen->result(), int(QDialog::Accepted));
            QVERIFY(state.cameraParams == before.cameraParams);
            QCOMPARE(state.clockFollowsPc, !validClock);
            QVERIFY(!timer->isActive());
            return;
        }
        choose(list(*screen, "timeLapse"), 5);
        choose(list(*screen, "photoSize"), 0);
        button(*screen, "setClock")->click();
        if (press == "OkRefused") {
            prompter.script({Answer::Cancel});
            pressOk(*screen);
            QCOMPARE(texts(prompter), std::vector<std::string>{kSave});
            QVERIFY(!screen->hasEnded());
            QVERIFY(timer->isActive());
        } else {
            if (press == "Escape") {
                QTest::keyClick(screen.get(), Qt::Key_Escape);
            } else if (press == "Close") {
                screen->show();
                screen->close();
            } else {
                button(*screen, "cancelButton")->click();
            }
            QCOMPARE(screen->result(), int(QDialog::Rejected));
            QVERIFY(prompter.shown().empty());
            QVERIFY(!timer->isActive());
        }
        QVERIFY(state.cameraParams == before.cameraParams);
        QCOMPARE(state.clockFollowsPc, before.clockFollowsPc);
    }

    // Every camera key a model has is edited on its screen: a value the camera would not take
    // comes back from OK as one it does. A key the model leaves out is kept as it was.
    void everyKeyOnScreen() {
        constexpr std::int32_t kForeign = 1000;
        for (const CameraModel& m : catalogue()) {
            applyDefaults(state, m.displayName);
            const std::span<const CameraKey> familyKeys = cameraFamily(m.family).keys;
            const std::vector<CameraKey> own = cameraKeysFor(m.family, m.displayName);
            for (const CameraKey& k : familyKeys) {
                if (!isClockKey(k)) state.cameraParams.*k.field = kForeign;
            }
            pressOk(*openScreen(state, m.displayName));
            for (const CameraKey& k : familyKeys) {
                if (isClockKey(k)) continue;
                const bool edited = std::ranges::count(own, k.field, &CameraKey::field) == 1;
                QVERIFY2((state.cameraParams.*k.field != kForeign) == edited,
                         (m.displayName + ": " + k.key).c_str());
            }
        }
    }

    // The texts of buttons and check boxes, and every control named for screen readers; a
    // time's minutes are labelled by the same label as its hours.
    void labelsAndNames_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");  // empty: the control shows no text of its own
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");  // the one label it is labelled by, if checked
        auto row = [](const char* model, const char* control, const char* text, const char* name,
                      const char* label = "") {
            QTest::addRow("%s %s", model, control) << model << control << text << name << label;
        };
        row("FX200 SERIES", "setClock", "Set Clock  :  (SYSTEM TIME)", "Set Clock : (SYSTEM TIME)");
        row("KT470RX-8PRO", "setClock", "Set Clock : (SYSTEM TIME)", "Set Clock : (SYSTEM TIME)");
        row("LN713Z-10P", "setClock", "Set Clock  : (SYSTEM TIME)", "Set Clock : (SYSTEM TIME)");
        row("LN714W-12P", "setClock", "Set Clock  : (SYSTEM TIME)", "Set Clock : (SYSTEM TIME)");
        row("FX200 SERIES", "selectAll", " Select All", "Select All");
        row("LN713Z-10P", "sunday", " Sunday", "Sunday");
        row("LN713Z-10P", "saturday", " Saturday", "Saturday");
        row("FX200 SERIES", "sendToLocal", " Local", "Local");
        row("LN713Z-10P", "sendModeOff", " Off", "Off");
        row("LN713Z-10P", "okButton", "OK (&Y)", "");
        row("LN713Z-10P", "cancelButton", "Cancel (&N)", "");
        row("FX200 SERIES", "photoSize", "", "Photo Size");
        row("LN714W-12P", "timeLapse", "", "Time Lapse");
        row("KT470RX-8PRO", "workHourStartH", "", "Start Time hour");
        row("KT470RX-8PRO", "workHourStartM", "", "Start Time minute", "Start Time");
        row("FX200 SERIES", "workHourStopH", "", "Stop Time hour");
        row("FX200 SERIES", "workHourStopM", "", "Stop Time minute", "Stop Time");
        row("LN713Z-10P", "drTimeH", "", "Send Time hour", "Send Time :");
        row("LN713Z-10P", "workHourStartM", "", "Start Time minute", "Start Time");
        row("LN713Z-10P", "drTimeM", "", "Send Time minute", "Send Time :");
        row("LN714W-12P", "gameCallHour", "", "Game Call hour");
        row("LN714W-12P", "gameCallMinute", "", "Game Call minute", "M:");
        row("LN713Z-10P", "gameCallPlayTime", "", "Replay Time");
        row("KT470RX-8PRO", "maxNumber", "", "Max Number");
        row("LN714W-12P", "sendTo", "", "Send To");
        row("FX200 SERIES", "clockDate", "", "Clock date");
        row("FX200 SERIES", "clockTime", "", "Clock time");
        row("LN714W-12P", "audioPath", "", "Audio file");
    }
    void labelsAndNames() {
        QFETCH(QString, model);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, label);
        auto screen = openScreen(state, model.toStdString());
        QWidget* w = find(*screen, control.toLatin1().constData());
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !text.isEmpty()) {
            QCOMPARE(b->text(), text);
        }
        if (!name.isEmpty()) QCOMPARE(w->accessibleName(), name);
        if (!label.isEmpty()) {
            const auto labels =
                QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels[0].first->text(QAccessible::Name), label);
        }
        // Every control the keyboard reaches says what it is.
        for (QWidget* c : screen->findChildren<QWidget*>()) {
            if (c->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel*>(c) ||
                c->parent()->inherits("QAbstractSpinBox") || c->parent()->inherits("QComboBox")) {
                continue;
            }
            const bool hasName = !c->accessibleName().isEmpty() ||
                                 (qobject_cast<QAbstractButton*>(c) &&
                                  !static_cast<QAbstractButton*>(c)->text().isEmpty());
            QVERIFY2(hasName, qPrintable(c->objectName()));
        }
    }

    // Tab follows each screen's reading order: these controls come in this order.
    void readingOrder_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("order");
        auto row = [](const char* model, const char* order) {
            QTest::newRow(model) << model << QString(order).split(' ');
        };
        row("FX200 SERIES",
            "workMode photoBurst timeLapse pirInterval photoSize videoSize setClock clockDate "
            "clockTime selectAll saturday sendToLocal sendToCall workHour workHourStopM okButton "
            "cancelButton");
        row("KT470RX-8PRO",
            "language cameraMode pirInterval smsControl videoLength setClock clockTime workHour "
            "workHourStopM sendToPhoneMms sendToEmailGprs sendModeManual sendModeDailyReport "
            "drTimeM sendModeInstant maxNumber sendModeOff okButton");
        row("LN713Z-10P",
            "language cameraPosition timeLapse smsControl photoSize videoLength gameCall "
            "gameCallPlayTime setClock addAudio audioPath clockTime workHour workHourStopM "
            "selectAll saturday sendToCall sendModeOff okButton");
        row("LN714W-12P",
            "language sendTo cameraPosition photoSize videoLength gameCall gameCallPlayTime "
            "setClock addAudio audioPath clockTime workHour workHourStopM timeLapse smsControl "
            "sendModeManual maxNumber okButton");
    }
    void readingOrder() {
        QFETCH(QString, model);
        QFETCH(QStringList, order);
        auto screen = openScreen(state, model.toStdString());
        qsizetype next = 0;
        for (QWidget* w = screen->nextInFocusChain(); w != screen.get() && next < order.size();
             w = w->nextInFocusChain()) {
            if (w->objectName() == order[next]) ++next;
        }
        QVERIFY2(next == order.size(), qPrintable("out of order: " + order.value(next)));
    }

    // Stored values show as list positions (Replay Time one further on); a value the list
    // does not hold shows nothing and is stored as -1. Optionally the user then chooses.
    void valuesAndPositions_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("choose");  // -2: untouched
        QTest::addColumn<int>("result");
        auto row = [](const char* tag, const char* model, const char* control, int stored,
                      const char* shown, int choose, int result) {
            QTest::newRow(tag) << model << control << stored << shown << choose << result;
        };
        row("photo size beyond list", "FX200 SERIES", "photoSize", 5, "", -2, -1);
        row("replay OFF", "LN713Z-10P", "gameCallPlayTime", -1, "OFF", -2, -1);
        row("replay 1", "LN713Z-10P", "gameCallPlayTime", 0, "1", -2, 0);
        row("replay 99 chosen", "LN714W-12P", "gameCallPlayTime", 0, "1", 99, 98);
        row("replay OFF chosen", "LN714W-12P", "gameCallPlayTime", 5, "6", 0, -1);
        row("replay below OFF", "LN713Z-10P", "gameCallPlayTime", -2, "", -2, -1);
        row("4W length 0", "LN714W-12P", "videoLength", 0, "5   Sec", -2, 0);
        row("4W length 1", "LN714W-12P", "videoLength", 1, "10  Sec", -2, 1);
        row("3Z length 0", "LN713Z-10P", "videoLength", 0, "10  Sec", -2, 0);
        row("max 250", "LN713Z-10P", "maxNumber", 250, "Unlimited", -2, 100);
        row("max -1", "KT470RX-8PRO", "maxNumber", -1, "", -2, -1);
        row("4W send to 3", "LN714W-12P", "sendTo", 3, "", -2, -1);
        row("Slovakian", "KT470RX-8PRO", "language", 4, "Slovakian", -2, 4);
        row("Slovakian gone", "LN615Z-8PRO", "language", 4, "", -2, -1);
        row("position Z", "LN714W-12P", "cameraPosition", 26, "Z", -2, 26);
    }
    void valuesAndPositions() {
        QFETCH(QString, model);
        QFETCH(QString, control);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, choose);
        QFETCH(int, result);
        using P = CameraParams;
        const QMap<QString, std::int32_t P::*> shows = {{"photoSize", &P::PhotoSize},
                                                        {"gameCallPlayTime", &P::GameCallPlayTime},
                                                        {"videoLength", &P::VideoLength},
                                                        {"maxNumber", &P::MaxNumber},
                                                        {"sendTo", &P::SendTo},
                                                        {"language", &P::Language},
                                                        {"cameraPosition", &P::CameraPosition}};
        applyDefaults(state, model.toStdString());
        std::int32_t* field = &(state.cameraParams.*shows.value(control));
        *field = stored;
        if (control == "gameCallPlayTime") state.cameraParams.GameCall = 1;
        auto screen = openScreen(state, model.toStdString());
        QComboBox* combo = list(*screen, control.toLatin1().constData());
        QCOMPARE(combo->currentText(), shown);
        if (choose != -2) ::choose(combo, choose);
        pressOk(*screen);
        QCOMPARE(*field, result);
    }

    // Work Day: the day boxes from the bits, " Select All" in three states decided by the
    // screen, clicks that set what the rule says and nothing by themselves.
    void workDay_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("selectAll");  // Qt::CheckState after the clicks
        QTest::addColumn<int>("result");
        for (const char* m : {"FX200 SERIES", "LN713Z-10P"}) {
            auto row = [m](int stored, const char* clicks, Qt::CheckState selectAll, int result) {
                const QStringList c = QString(clicks).split(' ', Qt::SkipEmptyParts);
                QTest::addRow("%s %d %s", m, stored, *clicks ? clicks : "shown")
                    << m << stored << c << int(selectAll) << result;
            };
            row(65, "", Qt::PartiallyChecked, 65);
            row(65, "selectAll", Qt::Checked, 127);
            row(65, "selectAll selectAll", Qt::Unchecked, 0);
            row(0, "monday", Qt::PartiallyChecked, 32);
            row(0, "", Qt::Unchecked, 0);
            row(-1, "", Qt::Unchecked, 0);
            row(126, "saturday", Qt::Checked, 127);
            row(127, "sunday", Qt::PartiallyChecked, 63);
        }
    }
    void workDay() {
        QFETCH(QString, model);
        QFETCH(int, stored);
        QFETCH(QStringList, clicks);
        QFETCH(int, selectAll);
        QFETCH(int, result);
        applyDefaults(state, model.toStdString());
        state.cameraParams.WorkDay = stored;
        auto screen = openScreen(state, model.toStdString());
        for (const QString& c : clicks) button(*screen, c.toLatin1().constData())->click();
        QCOMPARE(int(find<QCheckBox>(*screen, "selectAll")->checkState()), selectAll);
        pressOk(*screen);
        QCOMPARE(state.cameraParams.WorkDay, result);
    }

    // The Send Mode buttons by position and the lists each enables; disabled lists are stored
    // all the same.
    void sendMode_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("click");  // the button at this position, -1: none
        QTest::addColumn<bool>("sendTime");
        QTest::addColumn<bool>("maxNumber");
        QTest::addColumn<int>("mode");  // stored on OK; the one button checked, if any
        for (const char* m : {"KT470RX-8PRO", "LN713Z-10P", "LN714W-12P"}) {
            auto row = [m](const char* tag, int stored, int click, bool time, bool max, int mode) {
                QTest::addRow("%s %s", m, tag) << m << stored << click << time << max << mode;
            };
            row("none", -1, -1, true, true, -1);
            row("7", 7, -1, true, true, -1);
            row("manual", 0, -1, false, false, 0);
            row("daily", 0, 1, true, false, 1);
            row("instant", -1, 2, false, true, 2);
            row("off", 2, 3, false, false, 3);
        }
    }
    void sendMode() {
        QFETCH(QString, model);
        QFETCH(int, stored);
        QFETCH(int, click);
        QFETCH(bool, sendTime);
        QFETCH(bool, maxNumber);
        QFETCH(int, mode);
        const char* const buttons[] = {"sendModeManual", "sendModeDailyReport", "sendModeInstant",
                                       "sendModeOff"};
        applyDefaults(state, model.toStdString());
        auto& p = state.cameraParams;
        p.SendMode = stored;
        std::tie(p.MaxNumber, p.DrTimeH, p.DrTimeM) = std::tuple(42, 21, 30);
        auto screen = openScreen(state, model.toStdString());
        if (click >= 0) button(*screen, buttons[click])->click();
        for (int b = 0; b < 4; ++b) QCOMPARE(button(*screen, buttons[b])->isChecked(), b == mode);
        QCOMPARE(list(*screen, "drTimeH")->isEnabled(), sendTime);
        QCOMPARE(list(*screen, "drTimeM")->isEnabled(), sendTime);
        QCOMPARE(list(*screen, "maxNumber")->isEnabled(), maxNumber);
        pressOk(*screen);
        QCOMPARE(p.SendMode, mode);
        QCOMPARE(std::tuple(p.MaxNumber, p.DrTimeH, p.DrTimeM), std::tuple(42, 21, 30));
    }

    // The Send To radio buttons by position: shown from the record, a click checks only its
    // own, OK stores the position.
    void sendToButtons_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("result");
        QTest::newRow("FX200 call") << "FX200 SERIES" << 1 << "sendToCall" << 3;
        QTest::newRow("FX200 shows call") << "FX200 SERIES" << 3 << "" << 3;
        QTest::newRow("FX200 again") << "FX200 SERIES" << 0 << "sendToLocal" << 0;
        QTest::newRow("G1 none") << "KT320V-8PRO" << 5 << "" << -1;
        QTest::newRow("G1 email") << "KT470RX-8PRO" << -1 << "sendToEmailGprs" << 2;
        QTest::newRow("3Z mms") << "LN713Z-10P" << 3 << "sendToEmailMms" << 1;
    }
    void sendToButtons() {
        QFETCH(QString, model);
        QFETCH(int, stored);
        QFETCH(QString, click);
        QFETCH(int, result);
        applyDefaults(state, model.toStdString());
        state.cameraParams.SendTo = stored;
        auto screen = openScreen(state, model.toStdString());
        if (!click.isEmpty()) button(*screen, click.toLatin1().constData())->click();
        const QStringList buttons =
            model == "FX200 SERIES"
                ? QStringList{"sendToLocal", "sendToPhoneMms", "sendToEmailGprs", "sendToCall"}
            : model == "LN713Z-10P"
                ? QStringList{"sendToPhoneMms", "sendToEmailMms", "sendToEmailGprs", "sendToCall"}
                : QStringList{"sendToPhoneMms", "sendToEmailMms", "sendToEmailGprs"};
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(button(*screen, buttons[i].toLatin1().constData())->isChecked(), i == result);
        }
        pressOk(*screen);
        QCOMPARE(state.cameraParams.SendTo, result);
    }

    // The camera clock: an invalid record clock makes it follow the computer; the pickers
    // follow the computer each second only while "Set Clock" is ticked; OK stores the pickers
    // when it is not.
    void clock_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QList<int>>("record");
        QTest::addColumn<bool>("follows");
        QTest::addColumn<bool>("clickSetClock");
        QTest::addColumn<QList<int>>("result");
        QTest::addColumn<bool>("followsAfter");
        const QList<int> leapless{2014, 2, 29, 10, 0, 0};
        const QList<int> valid{2020, 5, 6, 7, 8, 9};
        const QList<int> opened{kOpened.year, kOpened.month,  kOpened.day,
                                kOpened.hour, kOpened.minute, kOpened.second};
        for (const char* m : {"FX200 SERIES", "LN615Z-8PRO", "LN713Z-10P", "LN714W-12P"}) {
            QTest::addRow("%s 2014-02-29", m)
                << m << leapless << false << false << leapless << true;
            QTest::addRow("%s own clock", m) << m << valid << false << false << valid << false;
            QTest::addRow("%s unticked then OK", m)
                << m << valid << true << true << opened << false;
            QTest::addRow("%s ticked", m) << m << valid << false << true << valid << true;
        }
    }
    void clock() {
        QFETCH(QString, model);
        QFETCH(QList<int>, record);
        QFETCH(bool, follows);
        QFETCH(bool, clickSetClock);
        QFETCH(QList<int>, result);
        QFETCH(bool, followsAfter);
        applyDefaults(state, model.toStdString());
        auto& p = state.cameraParams;
        auto clock = [&p] {
            return QList<int>{p.ClockYear, p.ClockMonth,  p.ClockDay,
                              p.ClockHour, p.ClockMinute, p.ClockSecond};
        };
        std::tie(p.ClockYear, p.ClockMonth, p.ClockDay) =
            std::tuple(record[0], record[1], record[2]);
        std::tie(p.ClockHour, p.ClockMinute, p.ClockSecond) =
            std::tuple(record[3], record[4], record[5]);
        state.clockFollowsPc = follows;
        auto screen = openScreen(state, model.toStdString());
        auto* date = find<QDateEdit>(*screen, "clockDate");
        auto* time = find<QTimeEdit>(*screen, "clockTime");
        auto* timer = clockTimer(*screen);
        const QDateTime shownAtOpening(date->date(), time->time());
        const bool followsAtOpening = follows || !QDate::isValid(record[0], record[1], record[2]);
        QCOMPARE(button(*screen, "setClock")->isChecked(), followsAtOpening);
        QCOMPARE(state.clockFollowsPc, followsAtOpening);
        if (clickSetClock) button(*screen, "setClock")->click();
        const bool ticked = button(*screen, "setClock")->isChecked();
        QCOMPARE(date->isEnabled(), !ticked);
        QCOMPARE(time->isEnabled(), !ticked);

        fixClock(LocalTime{2027, 1, 2, 3, 4, 5});
        QMetaObject::invokeMethod(timer, "timeout");
        fixClock(kOpened);
        const QDateTime afterTick(date->date(), time->time());
        QCOMPARE(afterTick, ticked ? QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)) : shownAtOpening);

        pressOk(*screen);
        QCOMPARE(clock(), result);
        QCOMPARE(state.clockFollowsPc, followsAfter);
    }

    // Time Lapse and PIR Trigger may not both be OFF where the rule applies; the choice that
    // would make them so is refused and put back. Opening never runs the rule's message.
    void timeLapseAndPir_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("timeLapse");
        QTest::addColumn<int>("pir");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("choose");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("stored");  // Time Lapse, PIR Trigger after OK
        const char* pirMsg =
            "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time "
            "!";
        const char* lapseMsg =
            "The status of \"Time Lapse\" and \"PIR Tirgger\" can not be \"OFF\" at the same time "
            "!";
        auto row = [](const char* m, const char* tag, int timeLapse, int pir, const char* control,
                      int choose, const char* message, QList<int> stored) {
            QTest::addRow("%s %s", m, tag)
                << m << timeLapse << pir << control << choose << message << stored;
        };
        for (const char* m : {"KT320V-8PRO", "LN713Z-10P", "LN714W-12P"}) {
            row(m, "both off, PIR OFF again", 0, 3, "pirTrigger", 3, pirMsg, {0, -1});
            row(m, "both off, PIR High", 0, 3, "pirTrigger", 2, "", {0, 2});
            row(m, "lapse OFF refused", 4, 3, "timeLapse", 0, lapseMsg, {4, 3});
            row(m, "PIR OFF refused", 0, 1, "pirTrigger", 3, pirMsg, {0, 1});
            row(m, "lapse OFF with PIR on", 4, 1, "timeLapse", 0, "", {0, 1});
        }
        row("FX200 SERIES", "both off kept", 0, 3, "", 0, "", {0, 3});
        row("FX200 SERIES", "PIR OFF chosen", 0, 1, "pirTrigger", 3, "", {0, 3});
    }
    void timeLapseAndPir() {
        QFETCH(QString, model);
        QFETCH(int, timeLapse);
        QFETCH(int, pir);
        QFETCH(QString, control);
        QFETCH(int, choose);
        QFETCH(QString, message);
        QFETCH(QList<int>, stored);
        applyDefaults(state, model.toStdString());
        state.cameraParams.TimeLapse = timeLapse;
        state.cameraParams.PirTrigger = pir;
        prompter.clear();
        auto screen = openScreen(state, model.toStdString());
        QVERIFY(prompter.shown().empty());
        if (!control.isEmpty()) ::choose(list(*screen, control.toLatin1().constData()), choose);
        if (message.isEmpty()) {
            QVERIFY(prompter.shown().empty());
        } else {
            QCOMPARE(texts(prompter), std::vector<std::string>{message.toStdString()});
            QCOMPARE(prompter.shown()[0].caption, std::string("WKS Tips"));
            QCOMPARE(prompter.shown()[0].icon, Icon::Warning);
            QCOMPARE(prompter.shown()[0].buttons, Buttons::Ok);
        }
        pressOk(*screen);
        QCOMPARE((QList<int>{state.cameraParams.TimeLapse, state.cameraParams.PirTrigger}), stored);
    }

    // The game call: its controls follow the list; the remembered file is forgotten when it is
    // off and kept by the screen across OFF and ON; "Add Audio" in each of its outcomes.
    void gameCall_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("gameCall");     // in the record
        QTest::addColumn<bool>("remembered");  // gameCallAudioPath holds an existing file
        QTest::addColumn<QString>("action");   // "", offOn, off, add:<existing|missing|dir|none>
        QTest::addColumn<int>("answer");       // to a question: Answer
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");  // the box: hint, old, new
        QTest::addColumn<QString>("after");  // gameCallAudioPath after OK: "", old, new
        const char* keepMissing =
            "File is not exist ! \nWhether retain the directory record of "
            "audio file last time you added ?";
        const char* keep =
            "Whether retain the directory record of audio file last time you added ?";
        const Answer ok = Answer::Ok, cancel = Answer::Cancel;
        for (const char* m : {"LN713Z-10P", "LN714W-12P"}) {
            auto row = [m](const char* tag, int gameCall, bool remembered, const char* action,
                           Answer answer, const char* message, const char* shown,
                           const char* after) {
                QTest::addRow("%s %s", m, tag) << m << gameCall << remembered << action
                                               << int(answer) << message << shown << after;
            };
            row("off forgets", 0, true, "", ok, "", "hint", "");
            row("on keeps", 1, true, "", ok, "", "old", "old");
            row("off and on", 1, true, "offOn", ok, "", "hint", "old");
            row("switched off", 1, true, "off", ok, "", "hint", "");
            row("add existing", 1, true, "add:existing", ok, "", "new", "new");
            row("add to hint", 1, false, "add:existing", ok, "", "new", "new");
            row("missing keep", 1, true, "add:missing", ok, keepMissing, "old", "old");
            row("missing drop", 1, true, "add:missing", cancel, keepMissing, "hint", "");
            row("missing on hint", 1, false, "add:missing", ok, "File is not exist !", "hint", "");
            row("none keep", 1, true, "add:none", ok, keep, "old", "old");
            row("folder drop", 1, true, "add:dir", cancel, keep, "hint", "");
            row("none on hint", 1, false, "add:none", ok, "", "hint", "");
        }
    }
    void gameCall() {
        QFETCH(QString, model);
        QFETCH(int, gameCall);
        QFETCH(bool, remembered);
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        QTemporaryDir dir;
        const std::string old = (dir.path() + "/old call.mp3").toStdString();
        const std::string fresh = (dir.path() + "/new.wav").toStdString();
        for (const auto& f : {old, fresh})
            QFile(QString::fromStdString(f)).open(QIODevice::WriteOnly);
        applyDefaults(state, model.toStdString());
        state.cameraParams.GameCall = gameCall;
        state.gameCallAudioPath = remembered ? "  " + old + " " : "";
        auto screen = openScreen(state, model.toStdString());
        if (gameCall == 0) QVERIFY(state.gameCallAudioPath.empty());
        auto* box = find<QLineEdit>(*screen, "audioPath");
        const QStringList dependents{"gameCallHour", "gameCallMinute", "gameCallPlayTime",
                                     "addAudio", "audioPath"};
        auto enabled = [&] {
            return std::ranges::all_of(dependents, [&](const QString& n) {
                return find(*screen, n.toLatin1().constData())->isEnabled();
            });
        };
        QCOMPARE(enabled(), gameCall != 0);

        QComboBox* onOff = list(*screen, "gameCall");
        if (action == "off" || action == "offOn") {
            choose(onOff, 0);
            QVERIFY(!enabled());
            QVERIFY(state.gameCallAudioPath.empty());
            if (action == "offOn") choose(onOff, 1);
        } else if (action.startsWith("add:")) {
            const QString kind = action.mid(4);
            prompter.scriptFiles({kind == "existing" ? std::optional(fresh)
                                  : kind == "missing"
                                      ? std::optional(dir.path().toStdString() + "/gone.aac")
                                  : kind == "dir" ? std::optional(dir.path().toStdString() + "/")
                                                  : std::nullopt});
            prompter.script({Answer(answer)});
            button(*screen, "addAudio")->click();
            QCOMPARE(prompter.fileRequests().size(), std::size_t(1));
            QCOMPARE(prompter.fileRequests()[0].filter,
                     std::string("Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||"));
        }
        QCOMPARE(enabled(), onOff->currentIndex() != 0);
        if (message.isEmpty()) {
            QVERIFY(prompter.shown().empty());
        } else {
            QCOMPARE(texts(prompter), std::vector<std::string>{message.toStdString()});
            const Message& box = prompter.shown()[0];
            QCOMPARE(box.caption, std::string("WKS TIPS"));
            QCOMPARE(box.icon, message.startsWith("Whether") ? Icon::Question : Icon::Warning);
            QCOMPARE(box.buttons, message.endsWith('?') ? Buttons::OkCancel : Buttons::Ok);
        }
        const QString expectedBox = shown == "hint"  ? QString(kHint)
                                    : shown == "old" ? QString::fromStdString(old)
                                                     : QString::fromStdString(fresh);
        QCOMPARE(box->text(), expectedBox);
        prompter.clear();
        prompter.script({});
        pressOk(*screen);
        QCOMPARE(QString::fromStdString(state.gameCallAudioPath),
                 after == "old"   ? QString::fromStdString(old)
                 : after == "new" ? QString::fromStdString(fresh)
                                  : QString());
    }

    // Group 1 adapts to the model it is opened for; an unknown model is reported and the
    // screen ends with Cancel after opening, storing nothing.
    void group1Models_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("languages");
        QTest::addColumn<bool>("smsControl");
        QTest::addColumn<bool>("known");
        QTest::newRow("KT470RX") << "KT470RX-8PRO" << 5 << true << true;
        QTest::newRow("KT320V") << "KT320V-8PRO" << 4 << false << true;
        QTest::newRow("LN615Z") << "LN615Z-8PRO" << 4 << true << true;
        QTest::newRow("unknown") << "KT470RX-8pro" << 5 << true << false;
    }
    void group1Models() {
        QFETCH(QString, model);
        QFETCH(int, languages);
        QFETCH(bool, smsControl);
        QFETCH(bool, known);
        applyDefaults(state, "KT470RX-8PRO");
        state.cameraParams.SmsControl = 1;
        state.cameraParams.Language = 3;
        const AppState before = state;
        auto screen = openScreen(state, model.toStdString());
        QCOMPARE(list(*screen, "language")->count(), languages);
        QCOMPARE(list(*screen, "language")->currentIndex(), 3);
        QCOMPARE(list(*screen, "smsControl")->isHidden(), !smsControl);
        QCOMPARE(list(*screen, "smsControl")->isEnabled(), smsControl);
        QCOMPARE(find(*screen, "smsControlLabel")->isHidden(), !smsControl);
        if (!known) {
            QCOMPARE(texts(prompter),
                     std::vector<std::string>{"Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !"});
            QCOMPARE(prompter.shown()[0].icon, Icon::Error);
            QCOMPARE(prompter.shown()[0].caption, std::string("WKS TIPS"));
            QVERIFY(screen->hasEnded());
            QCOMPARE(screen->result(), int(QDialog::Rejected));
            QVERIFY(!clockTimer(*screen)->isActive());
            QVERIFY(state.cameraParams == before.cameraParams);
            return;
        }
        QVERIFY(prompter.shown().empty());
        choose(list(*screen, "smsControl"), 0);
        pressOk(*screen);
        QCOMPARE(state.cameraParams.SmsControl, smsControl ? 0 : 1);
    }

    // The start and stop lists follow Work Hour; their values are stored either way.
    void workHour_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("choose");  // -2: untouched
        QTest::addColumn<bool>("enabled");
        for (const char* m : {"FX200 SERIES", "LN615Z-8PRO", "LN713Z-10P", "LN714W-12P"}) {
            QTest::addRow("%s off", m) << m << 0 << -2 << false;
            QTest::addRow("%s on", m) << m << 1 << -2 << true;
            QTest::addRow("%s none", m) << m << 9 << -2 << true;
            QTest::addRow("%s switched off", m) << m << 1 << 0 << false;
            QTest::addRow("%s switched on", m) << m << 0 << 1 << true;
        }
    }
    void workHour() {
        QFETCH(QString, model);
        QFETCH(int, stored);
        QFETCH(int, choose);
        QFETCH(bool, enabled);
        applyDefaults(state, model.toStdString());
        auto& p = state.cameraParams;
        p.WorkHour = stored;
        std::tie(p.WorkHourStartH, p.WorkHourStartM, p.WorkHourStopH, p.WorkHourStopM) =
            std::tuple(6, 30, 18, 45);
        auto screen = openScreen(state, model.toStdString());
        if (choose != -2) ::choose(list(*screen, "workHour"), choose);
        for (const char* n :
             {"workHourStartH", "workHourStartM", "workHourStopH", "workHourStopM"}) {
            QCOMPARE(list(*screen, n)->isEnabled(), enabled);
        }
        pressOk(*screen);
        QCOMPARE(std::tuple(p.WorkHourStartH, p.WorkHourStartM, p.WorkHourStopH, p.WorkHourStopM),
                 std::tuple(6, 30, 18, 45));
    }

    // A radio group as a dialog has it: Tab enters it at its checked button (the first when
    // none is) and the next Tab leaves it; the arrow keys go round the group and click the
    // button they reach, so the screen's rule sets the states, while an arrow with Ctrl held
    // neither moves nor clicks; a click anywhere on a button's row counts.
    void radioGroupKeys_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("sendMode");  // else Send To
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("keys");  // d Down, r Right, u Up, l Left; capital: Ctrl held
        QTest::addColumn<QStringList>("reached");  // entered by Tab, then after each key
        QTest::newRow("FX200 Send To")
            << "FX200 SERIES" << false << 2 << "dDrLul"
            << QStringList{"sendToEmailGprs", "sendToCall", "sendToCall",     "sendToLocal",
                           "sendToLocal",     "sendToCall", "sendToEmailGprs"};
        QTest::newRow("Send Mode, none checked")
            << "KT470RX-8PRO" << true << -1 << "dd"
            << QStringList{"sendModeManual", "sendModeDailyReport", "sendModeInstant"};
    }
    void radioGroupKeys() {
        QFETCH(QString, model);
        QFETCH(bool, sendMode);
        QFETCH(int, stored);
        QFETCH(QString, keys);
        QFETCH(QStringList, reached);
        applyDefaults(state, model.toStdString());
        (sendMode ? state.cameraParams.SendMode : state.cameraParams.SendTo) = stored;
        auto screen = openScreen(state, model.toStdString());
        screen->show();
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
        const QStringList group = sendMode ? QStringList{"sendModeManual", "sendModeDailyReport",
                                                         "sendModeInstant", "sendModeOff"}
                                           : QStringList{"sendToLocal", "sendToPhoneMms",
                                                         "sendToEmailGprs", "sendToCall"};
        auto inGroup = [&](QWidget* w) { return w && group.contains(w->objectName()); };
        QWidget* before = button(*screen, group[0].toLatin1().constData());
        do {
            before = before->previousInFocusChain();
        } while (inGroup(before) || !(before->focusPolicy() & Qt::TabFocus) ||
                 !before->isEnabled() || !before->isVisible());
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        const QMap<QChar, Qt::Key> arrows{
            {'d', Qt::Key_Down}, {'r', Qt::Key_Right}, {'u', Qt::Key_Up}, {'l', Qt::Key_Left}};
        for (int k = 0; k <= keys.size(); ++k) {
            if (k > 0) {
                const QChar key = keys[k - 1];
                QTest::keyClick(QApplication::focusWidget(), arrows[key.toLower()],
                                key.isUpper() ? Qt::ControlModifier : Qt::NoModifier);
            }
            QCOMPARE(QApplication::focusWidget()->objectName(), reached[k]);
            for (int b = 0; b < group.size(); ++b) {
                QCOMPARE(button(*screen, group[b].toLatin1().constData())->isChecked(),
                         k == 0 ? b == stored : group[b] == reached[k]);
            }
        }
        if (sendMode) QVERIFY(list(*screen, "maxNumber")->isEnabled());  // Instant's rule ran
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!inGroup(QApplication::focusWidget()));

        auto* first = button(*screen, group[0].toLatin1().constData());
        QStyleOptionButton option;
        option.initFrom(first);
        option.text = first->text();
        const QRect circleAndText =
            first->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, first);
        const QPoint row(first->width() - 2, first->height() / 2);
        QVERIFY(!circleAndText.contains(row));
        QTest::mouseClick(first, Qt::LeftButton, {}, row);
        QVERIFY(first->isChecked());
        pressOk(*screen);
        QCOMPARE(sendMode ? state.cameraParams.SendMode : state.cameraParams.SendTo, 0);
    }
};

QTEST_MAIN(TestCameraScreens)
#include "test_camerascreens.moc"
