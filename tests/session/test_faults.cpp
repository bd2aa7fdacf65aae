// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every changing file operation of a save is made to fail in turn: the card file must stay
// the old file or become the new one, whole, with nothing left behind and no false success.

#include <QtTest>
#include <cerrno>
#include <filesystem>

#include "platform/clock.h"
#include "platform/files.h"
#include "session/mainsession.h"
#include "session/prompts.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

struct Card {
    std::string stem;
    test::TempDrives drives{"CDF"};
    ScriptedPrompter prompts;
    ScopedPrompter scope{prompts};
    SystemProcessRunner runner;
    long operations = 0;  // of the last save

    explicit Card(const std::string& model) : stem(findModel(model)->fileStem) {}
    fs::path card(char l) const { return drives.folder(l) / "GSM" / (stem + ".TXT"); }
    fs::path backup() const { return drives.folder('C') / "VelmoraBackup" / (stem + ".TXT"); }

    // Opens the screen for the model, changes the administrator number and saves.
    SaveOutcome save(const std::string& model, const std::string& admin, const LocalTime& t,
                     long failAt = 0, int error = 0) {
        AppState state;
        MainSession session(model, state, runner);
        if (!session.open()) qFatal("%s is one of the models", model.c_str());
        session.recipients().texts[Recipients::AdministratorNum] = admin;
        state.clockFollowsPc = true;
        fixClock(t);
        prompts.clear();
        if (failAt)
            files::faults::failAt(failAt, error);
        else
            files::faults::reset();
        SaveOutcome out = session.save();
        operations = files::faults::count();
        files::faults::reset();
        return out;
    }

    std::vector<std::string> leftovers() const {
        std::vector<std::string> found;
        for (const fs::path& folder : std::vector<fs::path>{
                 card('F').parent_path(), card('D').parent_path(), backup().parent_path()}) {
            for (const auto& e : fs::directory_iterator(folder)) {
                if (e.path().filename().string().find(".wkstmp-") != std::string::npos) {
                    found.push_back(e.path().string());
                }
            }
        }
        return found;
    }
};

const LocalTime kOld{2026, 1, 2, 3, 4, 5};
const LocalTime kNew{2026, 12, 7, 14, 5, 9};

}  // namespace

class TestFaults : public QObject {
    Q_OBJECT
  private slots:
    void everyOperationOfASave_data() {
        QTest::addColumn<QString>("model");
        for (const char* m : {"FX200 SERIES", "KT470RX-8PRO", "LN713Z-10P", "LN714W-12P"}) {
            QTest::newRow(m) << m;
        }
    }

    void everyOperationOfASave() {
        QFETCH(QString, model);
        const std::string name = model.toStdString();

        // The files a clean save over the old ones leaves, and how many operations it takes.
        std::string oldCard, oldBackup, newCard, newBackup;
        long operations = 0;
        {
            Card c(name);
            QVERIFY(c.save(name, "+100", kOld).complete());
            oldCard = test::readBytes(c.card('F'));
            oldBackup = test::readBytes(c.backup());
            test::writeBytes(c.card('D'), oldCard);
            QVERIFY(c.save(name, "+200", kNew).complete());
            operations = c.operations;
            newCard = test::readBytes(c.card('F'));
            newBackup = test::readBytes(c.backup());
        }
        QVERIFY(oldCard != newCard && oldBackup != newBackup);
        // Two files replaced (create, mode, write, flush, rename, the folder's flush each) and
        // a copy deleted.
        QCOMPARE(operations, 13L);

        const int errors[] = {ENOSPC, EIO, EACCES};
        for (long n = 1; n <= operations; ++n) {
            Card c(name);
            QVERIFY(c.save(name, "+100", kOld).complete());
            test::writeBytes(c.card('D'), oldCard);

            const SaveOutcome out = c.save(name, "+200", kNew, n, errors[n % 3]);
            const QByteArray where = QByteArray("operation ") + QByteArray::number(qlonglong(n));
            const std::string card = test::readBytes(c.card('F'));
            QVERIFY2(card == oldCard || card == newCard, where);
            const std::string backup = test::readBytes(c.backup());
            QVERIFY2(backup == oldBackup || backup == newBackup, where);
            QVERIFY2(c.leftovers().empty(), where);
            QVERIFY2(!out.complete(), where);
            bool warned = false, succeeded = false;
            for (const Message& m : c.prompts.shown()) {
                warned = warned || m.icon == Icon::Warning;
                succeeded =
                    succeeded || m.english() == "OK,All parameters have been saved success !";
            }
            // The settings are saved once both files are written, even when a copy could
            // not be deleted afterwards.
            QVERIFY2(warned && succeeded == (out.cardWritten && out.backupWritten), where);
            // A copy elsewhere goes only once the card holds the new file.
            QVERIFY2(fs::exists(c.card('D')) || card == newCard, where);
        }
    }
};

QTEST_GUILESS_MAIN(TestFaults)
#include "test_faults.moc"
