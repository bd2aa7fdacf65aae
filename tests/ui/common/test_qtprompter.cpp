// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen prompter: message boxes answer as the program expects whatever key or button
// ends them, and the file-open dialog takes typed names, existing or not, shows its filter by
// its description and opens in the folder last used.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

#include "support/tempdatahome.h"
#include "ui/common/qtprompter.h"

using namespace wks;
using namespace wks::ui;

Q_DECLARE_METATYPE(wks::Buttons)
Q_DECLARE_METATYPE(wks::Icon)
Q_DECLARE_METATYPE(wks::Answer)

namespace {

// Runs `act` on the modal window the prompter opens, once it is on screen.
template <typename W>
void whenShown(std::function<void(W*)> act) {
    QTimer::singleShot(0, [act] {
        QTRY_VERIFY(qobject_cast<W*>(QApplication::activeModalWidget()));
        act(qobject_cast<W*>(QApplication::activeModalWidget()));
    });
}

}  // namespace

class TestQtPrompter : public QObject {
    Q_OBJECT
    test::TempDataHome dataHome_;  // the folder last used is kept here, never in the user's

  private slots:
    void boxAnswers_data() {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<QString>("buttonTexts");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("OK by Enter") << Buttons::Ok << Icon::Information << "enter"
                                     << int(QMessageBox::Information) << "OK" << Answer::Ok;
        QTest::newRow("OK alone by Esc") << Buttons::Ok << Icon::Error << "esc"
                                         << int(QMessageBox::Critical) << "OK" << Answer::Ok;
        QTest::newRow("question, Enter is OK")
            << Buttons::OkCancel << Icon::Question << "enter" << int(QMessageBox::Question)
            << "Cancel|OK" << Answer::Ok;
        QTest::newRow("question, Esc")
            << Buttons::OkCancel << Icon::Warning << "esc" << int(QMessageBox::Warning)
            << "Cancel|OK" << Answer::Cancel;
        QTest::newRow("question, close box")
            << Buttons::OkCancel << Icon::Question << "close" << int(QMessageBox::Question)
            << "Cancel|OK" << Answer::Cancel;
        QTest::newRow("question, Cancel clicked")
            << Buttons::OkCancel << Icon::None << "cancel" << int(QMessageBox::NoIcon)
            << "Cancel|OK" << Answer::Cancel;
        QTest::newRow("yes or no, Enter is No")
            << Buttons::YesNo << Icon::Warning << "enter" << int(QMessageBox::Warning) << "No|Yes"
            << Answer::Cancel;
        QTest::newRow("yes or no, Esc") << Buttons::YesNo << Icon::Warning << "esc"
                                        << int(QMessageBox::Warning) << "No|Yes" << Answer::Cancel;
        QTest::newRow("yes or no, Yes clicked")
            << Buttons::YesNo << Icon::Warning << "yes" << int(QMessageBox::Warning) << "No|Yes"
            << Answer::Ok;
    }
    void boxAnswers() {
        QFETCH(Buttons, buttons);
        QFETCH(Icon, icon);
        QFETCH(QString, ending);
        QFETCH(int, qtIcon);
        QFETCH(QString, buttonTexts);
        QFETCH(Answer, answer);
        QString title, text, texts;
        int shownIcon = -1;
        bool plain = false;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            plain = box->textFormat() == Qt::PlainText;
            shownIcon = box->icon();
            QStringList names;
            for (QAbstractButton* b : box->buttons()) names << b->text().remove('&');
            names.sort();
            texts = names.join('|');
            if (ending == "enter")
                QTest::keyClick(box, Qt::Key_Return);
            else if (ending == "esc")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (ending == "close")
                box->close();
            else if (ending == "yes")
                box->button(QMessageBox::Yes)->click();
            else
                box->button(QMessageBox::Cancel)->click();
        });
        QtPrompter prompter;
        // A path in a message may hold what looks like markup; it is shown as it is.
        QCOMPARE(prompter.show({kCaptionTips, "Save all é <h1>E:\\X ?", buttons, icon}), answer);
        QCOMPARE(title, QString(kCaptionTips));
        QCOMPARE(text, QString("Save all é <h1>E:\\X ?"));
        QVERIFY(plain);
        QCOMPARE(shownIcon, qtIcon);
        QCOMPARE(texts, buttonTexts);
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("audio") << "Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||"
                               << QStringList{"Audio File(*.mp3,*.wav,*.aac) (*.mp3 *.wav *.aac)"};
        QTest::newRow("two entries")
            << "Text|*.txt|All|*.*||" << QStringList{"Text (*.txt)", "All (*.*)"};
        QTest::newRow("none") << "" << QStringList{};
    }
    void nameFilters() {
        QFETCH(QString, windows);
        QFETCH(QStringList, qt);
        QCOMPARE(qtNameFilters(windows.toStdString()), qt);
    }

    void fileDialogTakesTypedNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("existing file") << "call.mp3" << true << true;
        QTest::newRow("file that does not exist") << "missing.wav" << false << true;
        QTest::newRow("cancelled") << "call.mp3" << true << false;
    }
    void fileDialogTakesTypedNames() {
        QFETCH(QString, typed);
        QFETCH(bool, exists);
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        const QString path = dir.filePath(typed);
        if (exists) std::ofstream(QFile::encodeName(path).toStdString()) << "x";
        QStringList filters;
        QString shownFilter;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            shownFilter = dialog->findChild<QComboBox*>("fileTypeCombo")->currentText();
            dialog->setDirectory(dir.path());
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, confirm ? Qt::Key_Return : Qt::Key_Escape);
        });
        QtPrompter prompter;
        const auto chosen =
            prompter.openFile({"Open", "Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||"});
        QCOMPARE(filters, QStringList{"Audio File(*.mp3,*.wav,*.aac) (*.mp3 *.wav *.aac)"});
        QCOMPARE(shownFilter, QString("Audio File(*.mp3,*.wav,*.aac)"));
        if (confirm)
            QCOMPARE(QString::fromStdString(chosen.value_or("")), path);
        else
            QVERIFY(!chosen);
    }

    // The first dialog opens in the home folder; once a file is chosen, the next one opens in
    // its folder, also for a new prompter (a later run), as long as that folder exists.
    void fileDialogOpensInTheFolderLastUsed() {
        test::TempDataHome dataHome;
        QTemporaryDir dir;
        // The folder the dialog opens in; a name typed is chosen in the temporary folder.
        auto openIn = [&dir](const QString& typed) {
            QString opened;
            whenShown<QFileDialog>([&](QFileDialog* dialog) {
                opened = dialog->directory().absolutePath();
                dialog->setDirectory(dir.path());
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QTest::keyClicks(name, typed);
                QTest::keyClick(name, typed.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
            });
            QtPrompter().openFile({"Open", "Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||"});
            return opened;
        };
        QCOMPARE(openIn("call.mp3"), QDir::homePath());
        QCOMPARE(openIn(""), QDir(dir.path()).absolutePath());
        QCOMPARE(openIn(""), QDir(dir.path()).absolutePath());
        dir.remove();
        QCOMPARE(openIn(""), QDir::homePath());
    }
};

QTEST_MAIN(TestQtPrompter)
#include "test_qtprompter.moc"
