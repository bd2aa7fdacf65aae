// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The model selection screen on the offscreen platform, with a temporary data folder for the
// registry, the scripted prompter and a stand-in main screen answered by the scripted runner.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <optional>

#include "platform/registry.h"
#include "session/prompts.h"
#include "settings/appstate.h"
#include "support/readonlyfolder.h"
#include "support/tempdatahome.h"
#include "support/tempdrives.h"
#include "ui/common/modalrunner.h"
#include "ui/common/picture.h"
#include "ui/select/modseldlg.h"

using namespace wks;
using namespace wks::ui;
namespace fs = std::filesystem;

namespace {

const char* const kNames[] = {"FX200 SERIES", "KT320V-8PRO", "KT470RX-8PRO",
                              "LN615Z-8PRO",  "LN713Z-10P",  "LN714W-12P"};

fs::path velmora() { return registryHive() / "Software" / "Velmora"; }
fs::path selKey() { return velmora() / "UserModelSel"; }

// The remembered value's bytes; nothing when the key is gone.
std::optional<std::string> remembered() {
    if (!fs::is_directory(selKey())) return std::nullopt;
    return test::readBytes(selKey() / "@");
}

// Every folder and file under the hive, with the files' bytes.
std::map<std::string, std::string> hiveSnapshot() {
    std::map<std::string, std::string> all;
    if (!fs::exists(registryHive())) return all;
    for (const auto& e : fs::recursive_directory_iterator(registryHive())) {
        all[e.path().string()] = e.is_directory() ? "<folder>" : test::readBytes(e.path());
    }
    return all;
}

void startWith(const char* stored, bool sibling) {
    if (stored) test::writeBytes(selKey() / "@", stored);
    if (sibling) fs::create_directories(velmora() / "Other");
}

QString box(const Message& m) {
    static const char* const icons[] = {"none", "information", "warning", "error", "question"};
    return QString("%1|%2|%3").arg(m.caption.c_str(), icons[int(m.icon)], m.english().c_str());
}

// A start of the program: the selection screen shown, its main screen a stand-in that records
// the model it was made for and whether the selection screen was out of sight meanwhile.
struct Start {
    AppState state;
    ScriptedPrompter prompts;
    ScopedPrompter promptScope{prompts};
    ScriptedRunner runner;
    ScopedModalRunner runnerScope{runner};
    QStringList mainFor;  // each model a main screen was made for, given this start's state
    bool hiddenWhileMainRan = false;
    CWKS_ModSelDlg dlg{state, [this](const std::string& name, AppState& s) {
                           mainFor << QString::fromStdString(name) +
                                          (&s == &state ? "" : " (other state)");
                           auto main = std::make_unique<ScreenDialog>();
                           main->setObjectName("CWKS_MainParaDlg");
                           return main;
                       }};

    Start() {
        runner.push([this](QDialog& main) {
            hiddenWhileMainRan = !dlg.isVisible();
            main.accept();
        });
        dlg.initOnce();
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
    }

    QComboBox* list() const { return dlg.findChild<QComboBox*>("modelList"); }
    QCheckBox* remember() const { return dlg.findChild<QCheckBox*>("rememberChoice"); }
    Picture* picture() const { return dlg.findChild<Picture*>("productPicture"); }
    QPushButton* button(const char* name) const { return dlg.findChild<QPushButton*>(name); }

    // The state the user sees: selection, box, picture and the picture's description.
    QString seen() const {
        return QString("%1|%2|%3|%4")
            .arg(list()->currentText(), remember()->isChecked() ? "ticked" : "clear",
                 picture()->source(), picture()->accessibleDescription());
    }

    // Chooses a model as the user does: by typing its first letters into the closed list, or
    // with the mouse in the dropped-down list.
    void choose(const QString& name, bool mouse) {
        if (!mouse) {
            list()->setFocus();
            QTest::keyClicks(list(), name.left(5));
            return;
        }
        QTest::mouseClick(list(), Qt::LeftButton);
        QAbstractItemView* view = list()->view();
        QTRY_VERIFY(view->isVisible());
        const QModelIndex item = view->model()->index(list()->findText(name), 0);
        view->scrollTo(item);
        // A release soon after the list opened belongs to the opening click and is ignored.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        QTRY_VERIFY(!view->isVisible());
    }
};

// The drawing of a model, named by the stem of its settings file ("LN713Z-10P" -> LN713Z).
QString drawing(const QString& name) {
    return ":/pictures/product-" +
           (name.isEmpty() ? "none" : name.section(QRegularExpression("[ -]"), 0, 0)) + ".argb";
}

QString expectSeen(const char* name, bool ticked) {
    const QString n = name;
    return QString("%1|%2|%3|%4")
        .arg(n, ticked ? "ticked" : "clear", drawing(n), n.isEmpty() ? "No product chosen" : n);
}

}  // namespace

class TestModSelDlg : public QObject {
    Q_OBJECT
  private slots:
    // The window as the user meets it.
    void layout() {
        test::TempDataHome home;
        Start s;
        QCOMPARE(s.dlg.windowTitle(), QString("WKS CONFIG Sweden Customized"));
        QVERIFY(s.dlg.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(s.dlg.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!s.dlg.windowIcon().isNull());
        QVERIFY(!s.dlg.parent());
        QStringList items;
        for (int i = 0; i < s.list()->count(); ++i) items << s.list()->itemText(i);
        QCOMPARE(items, QStringList(std::begin(kNames), std::end(kNames)));
        QVERIFY(!s.list()->isEditable());
        QVERIFY(s.button("okButton")->isDefault());
        QCOMPARE(s.button("okButton")->text(), QString("OK (&Y)"));
        QCOMPARE(s.button("exitButton")->text(), QString("EXIT (&N)"));
        QCOMPARE(s.remember()->text(), QString("Remember My Choice"));
        QCOMPARE(s.dlg.findChild<QLabel*>("selectLabel")->buddy(), s.list());
        QCOMPARE(s.list()->accessibleName(), QString("Select Product"));
        QCOMPARE(s.remember()->accessibleName(), QString("Remember My Choice"));
        QCOMPARE(s.picture()->accessibleName(), QString("Product picture"));

        auto* banner = s.dlg.findChild<Picture*>("banner");
        QVERIFY(banner->isValid());
        QCOMPARE(banner->contentsRect().size(), QSize(480, 100));
        QCOMPARE(s.picture()->frameShadow(), QFrame::Sunken);
        QCOMPARE(s.picture()->contentsRect().size(), QSize(165, 180));
        // Every model has its own drawing, and the generic one is there; each is sharp on a
        // screen of 1× to 3× scale: the rendition painted has a device pixel per screen pixel.
        QStringList drawings{drawing(""), ":/pictures/banner.argb", ":/pictures/about.argb"};
        for (const char* name : kNames) drawings << drawing(name);
        for (const QString& d : drawings) {
            s.picture()->setSource(d);
            QVERIFY2(s.picture()->isValid(), qPrintable(d));
            const QSize size = s.picture()->sizeHint() - QSize(2, 2) * s.picture()->frameWidth();
            for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
                const QSize pixels = s.picture()->rendition(Picture::scaleFor(ratio)).size();
                QVERIFY2(pixels.width() >= size.width() * ratio &&
                             pixels.height() >= size.height() * ratio,
                         qPrintable(QString("%1 at %2x").arg(d).arg(ratio)));
            }
        }
        // The window icon is drawn in the sizes an X11 window carries, and comes in any other
        // size from the nearest drawing.
        const QIcon icon = programIcon();
        const struct {
            int px;
            bool drawn;
        } sizes[] = {{16, true}, {24, false}, {32, true},  {48, true},
                     {64, true}, {128, true}, {256, false}};
        for (const auto [px, drawn] : sizes) {
            const QSize size(px, px);
            QCOMPARE(icon.availableSizes().contains(size), drawn);
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), size);
            QVERIFY(image.pixelColor(px / 2, px / 2).alpha() > 0);
        }
    }

    // Opening finds the remembered choice; every way out without confirming leaves the
    // registry exactly as the opening left it.
    void openingAndLeaving() {
        enum Way { ExitButton, Escape, CloseBox };
        struct Row {
            const char* name;
            const char* stored;  // the value before the start; nullptr: no key
            bool sibling;        // another key lives under Software\Velmora
            const char* selected;
            bool ticked;
            std::optional<std::string> after;  // the value after opening; nothing: key gone
            bool parentKept;
            Way way;
        } rows[] = {
            {"first start", nullptr, false, "", false, "-1", true, ExitButton},
            {"remembered 4", "4", false, "LN713Z-10P", true, "4", true, Escape},
            {"remembered 0", "0", false, "FX200 SERIES", true, "0", true, CloseBox},
            {"nothing remembered", "-1", false, "", false, std::nullopt, false, ExitButton},
            {"nothing remembered, sibling", "-1", true, "", false, std::nullopt, true, Escape},
            {"one past the list", "6", false, "", false, std::nullopt, false, CloseBox},
            {"digits then text", "4x", false, "LN713Z-10P", true, "4x", true, ExitButton},
            {"text only", "x", false, "FX200 SERIES", true, "x", true, Escape},
            {"beyond int", "4294967301", false, "", false, std::nullopt, false, ExitButton},
        };
        for (const auto& r : rows) {
            test::TempDataHome home;
            startWith(r.stored, r.sibling);
            Start s;
            QVERIFY2(s.seen() == expectSeen(r.selected, r.ticked), r.name);
            QTRY_VERIFY2(remembered() == r.after, r.name);
            QVERIFY2(fs::exists(velmora()) == r.parentKept, r.name);
            QVERIFY2(fs::exists(velmora() / "Other") == r.sibling, r.name);

            const auto opened = hiveSnapshot();
            switch (r.way) {
                case ExitButton:
                    QTest::mouseClick(s.button("exitButton"), Qt::LeftButton);
                    break;
                case Escape:
                    QTest::keyClick(&s.dlg, Qt::Key_Escape);
                    break;
                case CloseBox:
                    s.dlg.close();
                    break;
            }
            QVERIFY2(s.dlg.result() == QDialog::Rejected && !s.dlg.isVisible(), r.name);
            QVERIFY2(s.mainFor.isEmpty(), r.name);
            QVERIFY2(s.prompts.shown().empty(), r.name);
            QVERIFY2(hiveSnapshot() == opened, r.name);
        }
        // The registry change of the opening waits until the screen is on view; a screen that
        // ends unseen still makes it.
        test::TempDataHome home;
        startWith("-1", false);
        {
            AppState state;
            CWKS_ModSelDlg unseen(state, nullptr);
            unseen.initOnce();
            QCOMPARE(remembered(), std::optional<std::string>("-1"));
        }
        QVERIFY(!fs::exists(velmora()));
    }

    // Confirming: the main screen runs for the choice with this screen hidden, then the choice
    // is stored or forgotten, as the next start shows.
    void confirming() {
        struct Row {
            const char* name;
            const char* stored;
            const char* choose;  // the model the user picks; "" picks nothing
            bool mouse;
            std::optional<bool> tick;  // the box as the user leaves it; nothing: untouched
            bool enter;                // confirmed with Enter, else by clicking OK
            const char* mainFor;       // "" when the main screen must not run
            std::string after;
            const char* nextSelected;
            bool nextTicked;
        } rows[] = {
            {"remember LN713Z-10P", nullptr, "LN713Z-10P", false, true, true, "LN713Z-10P", "4",
             "LN713Z-10P", true},
            {"remember by mouse", nullptr, "KT470RX-8PRO", true, true, false, "KT470RX-8PRO", "2",
             "KT470RX-8PRO", true},
            {"not remembered", nullptr, "KT470RX-8PRO", false, false, true, "KT470RX-8PRO", "-1",
             "", false},
            {"remembered, then untick", "4", "", false, false, false, "LN713Z-10P", "-1", "",
             false},
            {"remembered, another model", "4", "LN714W-12P", true, std::nullopt, true, "LN714W-12P",
             "5", "LN714W-12P", true},
        };
        for (const auto& r : rows) {
            test::TempDataHome home;
            startWith(r.stored, false);
            {
                Start s;
                if (*r.choose) s.choose(r.choose, r.mouse);
                if (r.tick && s.remember()->isChecked() != *r.tick) {
                    QTest::mouseClick(s.remember(), Qt::LeftButton);
                }
                QVERIFY2(s.picture()->source() == drawing(r.mainFor), r.name);
                if (r.enter) {
                    QTest::keyClick(s.list(), Qt::Key_Return);
                } else {
                    QTest::mouseClick(s.button("okButton"), Qt::LeftButton);
                }
                QVERIFY2(s.mainFor == QStringList{r.mainFor}, r.name);
                QVERIFY2(s.runner.ran() == std::vector<QString>{"CWKS_MainParaDlg"}, r.name);
                QVERIFY2(s.hiddenWhileMainRan, r.name);
                QVERIFY2(s.dlg.result() == QDialog::Accepted && !s.dlg.isVisible(), r.name);
                QVERIFY2(s.prompts.shown().empty(), r.name);
                QVERIFY2(remembered() == r.after, r.name);
            }
            Start next;
            QVERIFY2(next.seen() == expectSeen(r.nextSelected, r.nextTicked), r.name);
            QTRY_VERIFY2(fs::exists(velmora()) == r.nextTicked, r.name);
        }
    }

    // Confirming without a choice, and the screen's internal errors.
    void refusals() {
        {
            test::TempDataHome home;
            Start s;
            QTest::mouseClick(s.remember(), Qt::LeftButton);
            QTest::mouseClick(s.button("okButton"), Qt::LeftButton);
            QCOMPARE(s.prompts.shown().size(), std::size_t(1));
            QCOMPARE(box(s.prompts.shown()[0]),
                     QString("WKS TIPS|warning|Please Select A Product !"));
            QVERIFY(s.list()->view()->isVisible());
            QCOMPARE(s.dlg.focusWidget(), s.list());
            QVERIFY(s.dlg.isVisible() && !s.dlg.hasEnded());
            QVERIFY(s.mainFor.isEmpty());
            QCOMPARE(remembered(), std::optional<std::string>("-1"));
            s.list()->hidePopup();

            s.prompts.clear();
            s.dlg.Mng_RegistryValue(static_cast<RegistryOp>(4));
            QCOMPARE(
                box(s.prompts.shown().at(0)),
                QString("WKS TIPS|error|Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !"));
            QCOMPARE(remembered(), std::optional<std::string>("-1"));

            s.prompts.clear();
            s.list()->clear();
            QTest::keyClick(&s.dlg, Qt::Key_Return);
            QCOMPARE(
                box(s.prompts.shown().at(0)),
                QString(
                    "WKS TIPS|error|Error In CWKS_ModSelDlg::Mng_JumpToMain() !\nProduct list is "
                    "empty()..."));
            QVERIFY(s.dlg.result() == QDialog::Rejected && !s.dlg.isVisible());
            QVERIFY(s.mainFor.isEmpty());
        }
        // A registry the user may not change: nothing is said, and the program goes on.
        test::TempDataHome home;
        startWith("1", false);
        test::ReadOnlyFolder locked(registryHive().parent_path());
        if (!locked.ok()) QSKIP("root without the right to mount: no way to lock a folder");
        Start s;
        QCOMPARE(s.seen(), expectSeen("KT320V-8PRO", true));
        s.choose("LN615Z-8PRO", false);
        QTest::keyClick(s.list(), Qt::Key_Return);
        QCOMPARE(s.mainFor, QStringList{"LN615Z-8PRO"});
        QVERIFY(s.prompts.shown().empty());
        QCOMPARE(remembered(), std::optional<std::string>("1"));
    }
};

QTEST_MAIN(TestModSelDlg)
#include "test_modseldlg.moc"
