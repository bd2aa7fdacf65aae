// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's country and operator lists without a screen: what a user's selection does
// to the lists, the remembered indexes, the working network parameters and SMTP SSL.

#include <QtTest>

#include "presets/presettable.h"
#include "session/operatorchoice.h"
#include "session/operatorlists.h"

using namespace wks;

namespace {

QString joined(const std::vector<std::string>& names) {
    QStringList l;
    for (const auto& n : names) l << QString::fromStdString(n);
    return l.join('|');
}

// An entry's text, "" for no selection, the number itself when it lies outside the list.
QString at(const std::vector<std::string>& list, int index) {
    if (index >= 0 && index < static_cast<int>(list.size()))
        return QString::fromStdString(list[index]);
    return index == -1 ? QString() : QString::number(index);
}

int rowOf(const std::vector<std::string>& list, const QString& name) {
    auto it = std::find(list.begin(), list.end(), name.toStdString());
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

NetworkPreset preset(const QString& choice) {
    NetworkPreset p;
    const QStringList parts = choice.split('/');
    if (parts.size() == 2) {
        presetTable().ApplyPreset(p, parts[0].toStdString(), parts[1].toStdString());
    } else {
        for (auto* f : p.fields()) *f = choice.toStdString();
    }
    return p;
}

}  // namespace

class TestOperatorLists : public QObject {
    Q_OBJECT
  private slots:
    void selectionsDriveTheParameters_data();
    void selectionsDriveTheParameters();
    void listsKeepTheListBoxOrder();
    void operatorChoiceDecidesSmtpSsl();
};

void TestOperatorLists::selectionsDriveTheParameters_data() {
    // Steps: "Russia" the user picks a country; "op:MTS" an operator; "Others?ok" /
    // "Others?cancel" (or "op:Others?…") picks "Others......" and answers the WAP / Internet
    // screen, which on OK leaves "typed" in every field and SMTP SSL "1"; "ssl=1" and
    // "net=old" set the working values; "sweden" the KT320V-8PRO defaults; "forget" the
    // check screen's changed sender.
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("country");    // selected entries
    QTest::addColumn<QString>("operators");  // the operator list
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("remembered");  // countryIndex/operatorIndex as entries
    QTest::addColumn<bool>("keepSsl");
    QTest::addColumn<QString>("ssl");
    QTest::addColumn<QString>("params");  // "Country/Operator" preset, or every field's text
    QTest::addColumn<int>("screens");     // WAP / Internet screens run

    const QString kt470 = "KT470RX-8PRO", kt320 = "KT320V-8PRO";
    const QString russia = "Beeline|Megafon|MTS|Others......";
    const QString sweden = "Tele 2|Telenor|Telia|Others......";
    QTest::newRow("a country selects its first operator and applies it")
        << kt470 << QStringList{"ssl=1", "Mexico"} << "Mexico"
        << "lcel|Movistar|Others......"
        << "lcel"
        << "Mexico/lcel" << false << "0"
        << "Mexico/lcel" << 0;
    QTest::newRow("another operator applies its preset")
        << kt470 << QStringList{"Russia", "ssl=1", "op:MTS"} << "Russia" << russia << "MTS"
        << "Russia/MTS" << false << "0"
        << "Russia/MTS" << 0;
    QTest::newRow("country Others cancelled restores, SSL unchanged")
        << kt470 << QStringList{"Russia", "op:MTS", "ssl=1", "net=old", "Others?cancel"} << "Russia"
        << russia << "MTS"
        << "Russia/MTS" << false << "1"
        << "Russia/MTS" << 1;
    QTest::newRow("operator Others cancelled restores, SSL unchanged")
        << kt470 << QStringList{"Russia", "op:MTS", "ssl=1", "net=old", "op:Others?cancel"}
        << "Russia" << russia << "MTS"
        << "Russia/MTS" << false << "1"
        << "Russia/MTS" << 1;
    QTest::newRow("country Others accepted keeps the indexes")
        << kt470 << QStringList{"Russia", "op:Megafon", "Others?ok"} << ""
        << ""
        << ""
        << "Russia/1" << false << "1"
        << "typed" << 1;
    QTest::newRow("... so a later cancel brings that preset back")
        << kt470 << QStringList{"Russia", "op:Megafon", "Others?ok", "Others?cancel"} << "Russia"
        << russia << "Megafon"
        << "Russia/Megafon" << false << "1"
        << "Russia/Megafon" << 2;
    QTest::newRow("operator Others accepted forgets the indexes")
        << kt470 << QStringList{"Russia", "op:Others?ok"} << ""
        << ""
        << ""
        << "/" << false << "1"
        << "typed" << 1;
    QTest::newRow("a cancel that restores nothing keeps keepSslOnApply")
        << kt470 << QStringList{"Russia", "op:Others?ok", "Others?cancel"} << ""
        << ""
        << ""
        << "/" << true << "1"
        << "typed" << 2;
    QTest::newRow("... until the next apply, which leaves SSL")
        << kt470 << QStringList{"Russia", "op:Others?ok", "Others?cancel", "Italy"} << "Italy"
        << "TIM|Vodafone|Others......"
        << "TIM"
        << "Italy/TIM" << false << "1"
        << "Italy/TIM" << 2;
    QTest::newRow("KT320V-8PRO: Sweden selects Tele 2, which keeps SSL")
        << kt320 << QStringList{"ssl=1", "Sweden"} << "Sweden" << sweden << "Tele 2"
        << "Sweden/Tele 2" << false << "1"
        << "Sweden/Tele 2" << 0;
    QTest::newRow("KT320V-8PRO: Sweden with Telenor keeps SSL")
        << kt320 << QStringList{"Sweden", "op:Telia", "ssl=1", "op:Telenor"} << "Sweden" << sweden
        << "Telenor"
        << "Sweden/Telenor" << false << "1"
        << "Sweden/Telenor" << 0;
    QTest::newRow("KT320V-8PRO: Sweden with Telia")
        << kt320 << QStringList{"Sweden", "ssl=1", "op:Telia"} << "Sweden" << sweden << "Telia"
        << "Sweden/Telia" << false << "0"
        << "Sweden/Telia" << 0;
    QTest::newRow("other models: Sweden with Tele 2 sets SSL 0")
        << kt470 << QStringList{"ssl=1", "Sweden"} << "Sweden" << sweden << "Tele 2"
        << "Sweden/Tele 2" << false << "0"
        << "Sweden/Tele 2" << 0;
    QTest::newRow("KT320V-8PRO defaults select Sweden and Telia")
        << kt320 << QStringList{"Russia", "ssl=1", "sweden"} << "Sweden" << sweden << "Telia"
        << "Sweden/Telia" << false << "0"
        << "Sweden/Telia" << 0;
    QTest::newRow("a changed sender clears the lists, not the indexes")
        << kt470 << QStringList{"Russia", "op:MTS", "net=old", "forget"} << ""
        << ""
        << ""
        << "Russia/2" << false << "0"
        << "old" << 0;
}

void TestOperatorLists::selectionsDriveTheParameters() {
    QFETCH(QString, model);
    QFETCH(QStringList, steps);
    AppState state;
    QList<bool> answers;
    int screens = 0;
    OperatorLists lists(state, *findModel(model.toStdString()), [&] {
        ++screens;
        const bool ok = !answers.isEmpty() && answers.takeFirst();
        if (ok) {
            state.CurrentNetworkParams = preset("typed");
            state.SmtpSsl.assign(1,
                                 '1');  // assign: GCC 12 warns wrongly (-Wrestrict) on = "1" here
        }
        return ok;
    });
    lists.Mng_CountryOperatorList(OperatorListOp::Fill);
    for (QString step : steps) {
        if (step.startsWith("ssl=")) {
            state.SmtpSsl = step.mid(4).toStdString();
        } else if (step.startsWith("net=")) {
            state.CurrentNetworkParams = preset(step.mid(4));
        } else if (step == "sweden") {
            lists.Mng_SwedenCustomized();
        } else if (step == "forget") {
            lists.forgetSelection();
        } else {
            if (step.endsWith("?ok") || step.endsWith("?cancel")) {
                answers << step.endsWith("?ok");
                step = step.section('?', 0, 0) + "......";
            }
            if (step.startsWith("op:")) {
                lists.userSelectsOperator(rowOf(lists.operators(), step.mid(3)));
            } else {
                const int row = rowOf(lists.countries(), step);
                QVERIFY(row >= 0);
                lists.userSelectsCountry(row);
            }
        }
    }
    QTEST(at(lists.countries(), lists.selectedCountry()), "country");
    QTEST(joined(lists.operators()), "operators");
    QTEST(at(lists.operators(), lists.selectedOperator()), "op");
    QTEST(at(lists.countries(), lists.countryIndex) + "/" +
              at(lists.operators(), lists.operatorIndex),
          "remembered");
    QTEST(lists.keepSslOnApply, "keepSsl");
    QTEST(QString::fromStdString(state.SmtpSsl), "ssl");
    QFETCH(QString, params);
    QVERIFY(state.CurrentNetworkParams == preset(params));
    QTEST(screens, "screens");
    QCOMPARE(lists.presetSelected(), !at(lists.operators(), lists.selectedOperator()).isEmpty());
}

void TestOperatorLists::listsKeepTheListBoxOrder() {
    AppState state;
    OperatorLists lists(state, *findModel("KT470RX-8PRO"), {});
    lists.Mng_CountryOperatorList(OperatorListOp::Fill);
    QVERIFY(joined(lists.countries()).endsWith("|UK|Ukraine|USA|Others......"));
    QCOMPARE(lists.countries().size(), presetTable().Countries().size() + 1);
    const std::pair<const char*, const char*> expected[] = {
        {"Russia", "Beeline|Megafon|MTS|Others......"},
        {"Sweden", "Tele 2|Telenor|Telia|Others......"},
        {"Mexico", "lcel|Movistar|Others......"},
        {"Chech", "O2|T-MOBILE|VODAFONE|Others......"},
    };
    for (auto [country, operators] : expected) {
        lists.userSelectsCountry(rowOf(lists.countries(), country));
        QCOMPARE(joined(lists.operators()), QString(operators));
    }
    for (std::size_t i = 1; i + 1 < lists.countries().size(); ++i) {
        QVERIFY(QString::fromStdString(lists.countries()[i - 1])
                    .compare(QString::fromStdString(lists.countries()[i]), Qt::CaseInsensitive) <
                0);
    }
}

void TestOperatorLists::operatorChoiceDecidesSmtpSsl() {
    // SmtpSsl is "1" before each choice.
    struct Case {
        const char *model, *country, *op;
        bool keep;
        OperatorChoice result;
        const char* ssl;
        bool keepAfter;
    };
    using enum OperatorChoice;
    const Case cases[] = {
        {kSwedenModel, "Sweden", "Telenor", false, Applied, "1", false},
        {kSwedenModel, "Sweden", "Tele 2", false, Applied, "1", false},
        {kSwedenModel, "Sweden", "Telia", false, Applied, "0", false},
        {kSwedenModel, "Norway", "Telenor", false, Applied, "0", false},
        {"KT470RX-8PRO", "Sweden", "Telenor", false, Applied, "0", false},
        {kSwedenModel, "Sweden", "Others......", false, Applied, "0", false},
        {"FX200 SERIES", "Germany", "E-plus", true, Applied, "1", false},
        {kSwedenModel, "Narnia", "Telia", true, CountryNotFound, "1", true},
        {kSwedenModel, "Sweden", "", true, NoChoice, "1", true},
    };
    for (const Case& k : cases) {
        const QByteArray where = QByteArray(k.model) + " " + k.country + " / " + k.op;
        AppState state;
        state.CurrentNetworkParams = preset("stale");
        state.SmtpSsl.assign(1, '1');
        bool keep = k.keep;
        QVERIFY2(ApplyOperatorChoice(state, *findModel(k.model), k.country, k.op, keep) == k.result,
                 where);
        QVERIFY2(state.SmtpSsl == k.ssl && keep == k.keepAfter, where);
        NetworkPreset expected = preset("stale");
        presetTable().ApplyPreset(expected, k.country, k.op);
        QVERIFY2(state.CurrentNetworkParams == expected, where);
    }
}

QTEST_MAIN(TestOperatorLists)
#include "test_operatorlists.moc"
