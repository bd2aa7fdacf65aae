// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The country/operator preset table and `wks-settings presets`.

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "presets/placeholdersender.h"
#include "presets/presettable.h"

using namespace wks;

namespace {

// Each country's rows as the product's table gives them, "operator:port:sets". Sets:
// I = IP, A = Account and Password, G = GPRSAPN, C = GPRSAccount and GPRSPassword; URL,
// APN, Port and the four sender fields are always set.
const std::vector<std::pair<std::string, QString>> kExpected = {
    {"Germany",
     "T-mobile:8008:IAG|E-plus:8080:IAG|Vodafone:80:IG|Bild-Vodafone:80:IG|Germany-02:8080:IG"},
    {"Finland", "Sonera(Oletusasetus):80:I|Saunalahti:8080:I|DNA:8080:G|Elisa:80:I"},
    {"USA", "Cingular(AT&T):8080:IG|T-Mobile:8080:IG|Viaero:9401:IG"},
    {"Canada", "Rogers:80:I|Telus:80:I|Koodo:80:I|Fido:8080:I"},
    {"China", "China-Mobile:80:IG|China-Unicom:80:IG|China-Unicom-3G:80:IG"},
    {"China HongKong", "CSL:8080:I|Peoples:8080:I|Smartone:8080:I"},
    {"UK", "Vodafone:9201:IA|Vodafone(Prepay):8799:IA|Vodafone(Contract):8799:IA"},
    {"France", "Orange:8080:I"},
    {"Denmark", "TDC:8080:IG|TELENOR:8080:IG|TELIA:8080:IG|DLG:8080:IG"},
    {"Sweden", "Telia:8080:IAG|Telenor:8799:IG|Tele 2:8080:IG"},
    {"Holland", "KPN:9201:I"},
    {"Italy", "TIM:80:I|Vodafone:80:I"},
    {"Austria", "Austria-A1:8001:IG"},
    {"Russia", "Beeline:8080:IA|Megafon:8080:IA|MTS:8080:IAGC"},
    {"Switzerland", "Swisscom:8080:IG|Orange:8080:I"},
    {"Australia", "Telstra:80:I"},
    {"Cyprus", "MTN:3130:IAG|ORESTIKA-LINK:8080:IAG"},
    {"Hungary", "T-Mobile:8080:IA"},
    {"Chech", "O2:8080:IG|T-MOBILE:80:IAG|VODAFONE:80:IAG"},
    {"Ukraine", "UMC Ukraine:8080:IG|MTS:8080:IG|Kyivstar:8080:IG|Life:8080:IG"},
    {"Slovakia", "O2:8080:IG|T-mobile:8080:IGC|Orange:8799:IGC"},
    {"Mexico", "Movistar:9201:IAGC|lcel:8080:IAGC"},
    {"Norway", "Telenor:8080:IG|Netcom:8080:IG"},
    {"Latvian", "BITE:8080:IAG|LMT:8080:IG|TELE2:8080:IAG"},
    {"Israel", "GOLAN:80:IG|ORANGE:8080:IC|CELLCOM:8080:IGC"},
};

NetworkPreset filled(const std::string& text) {
    NetworkPreset p;
    for (auto* f : p.fields()) *f = text;
    return p;
}

}  // namespace

class TestPresets : public QObject {
    Q_OBJECT
  private slots:
    void everyRowHoldsWhatTheProductTableSays();
    void namesAreMatchedExactlyWithinTheirCountry();
    void commandLineListsAndShowsPresets();
    void placeholderSendersAreRecognised();
};

void TestPresets::everyRowHoldsWhatTheProductTableSays() {
    const PresetTable& t = presetTable();
    const QRegularExpression dotted(
        "^((25[0-5]|2[0-4]\\d|1\\d\\d|[1-9]?\\d)\\.){3}(25[0-5]|2[0-4]\\d|1\\d\\d|[1-9]?\\d)$");
    const NetworkPreset& shared = t.presetAt(0, 0);
    std::vector<std::string> countries;
    int rows = 0;
    for (const auto& [country, ops] : kExpected) {
        const std::size_t c = countries.size();
        countries.push_back(country);
        std::vector<std::string> names;
        for (const QString& row : ops.split('|')) {
            const QStringList e = row.split(':');
            const std::string op = e[0].toStdString(), port = e[1].toStdString();
            const auto set = [&](const std::string& v, char flag) {
                return v.empty() != e[2].contains(flag);
            };
            const QByteArray where = QByteArray::fromStdString(country + " / " + op);
            names.push_back(op);
            ++rows;
            NetworkPreset p = filled("stale");
            QVERIFY2(t.ApplyPreset(p, country, op), where);
            for (const auto* f : p.fields()) QVERIFY2(*f != "stale", where);
            QVERIFY2(!p.URL.empty() && !p.APN.empty() && p.Port == port, where);
            QVERIFY2(set(p.IP, 'I') &&
                         (p.IP.empty() || dotted.match(QString::fromStdString(p.IP)).hasMatch()),
                     where);
            QVERIFY2(set(p.Account, 'A') && set(p.Password, 'A') && set(p.GPRSAPN, 'G'), where);
            QVERIFY2(set(p.GPRSAccount, 'C') && set(p.GPRSPassword, 'C'), where);
            QVERIFY2(!p.SendEmailServer.empty() && !p.SendEmailAddr.empty() &&
                         !p.SendEmailPassword.empty(),
                     where);
            // Every row stores the shared default sender; Sweden and Denmark send through
            // their own account once applied.
            const NetworkPreset& raw = t.presetAt(c, names.size() - 1);
            QVERIFY2(raw.SendEmailServer == shared.SendEmailServer && raw.SendEmailPort == "80" &&
                         raw.SendEmailAddr == shared.SendEmailAddr &&
                         raw.SendEmailPassword == shared.SendEmailPassword,
                     where);
            const std::string sendPort = country == "Sweden"    ? "25"
                                         : country == "Denmark" ? "587"
                                                                : "80";
            QVERIFY2(p.SendEmailPort == sendPort &&
                         (p.SendEmailAddr == shared.SendEmailAddr) == (sendPort == "80"),
                     where);
        }
        QCOMPARE(t.OperatorsOf(country), std::optional(names));
        for (std::size_t o = names.size(); o < PresetTable::kOperatorSlots; ++o)
            QVERIFY(t.operatorAt(c, o).empty() && t.presetAt(c, o) == NetworkPreset{});
    }
    QCOMPARE(t.Countries(), countries);
    QCOMPARE(rows, 66);
    for (std::size_t c = countries.size(); c < PresetTable::kCountrySlots; ++c)
        for (std::size_t o = 0; o < PresetTable::kOperatorSlots; ++o)
            QVERIFY(t.countryAt(c).empty() && t.operatorAt(c, o).empty() &&
                    t.presetAt(c, o) == NetworkPreset{});
}

void TestPresets::namesAreMatchedExactlyWithinTheirCountry() {
    const PresetTable& t = presetTable();
    const auto apn = [&](const char* country, const char* op) {
        NetworkPreset p;
        t.ApplyPreset(p, country, op);
        return p.APN;
    };
    // A name shared by several countries gives that country's row.
    QCOMPARE_NE(apn("Germany", "Vodafone"), apn("UK", "Vodafone"));
    QCOMPARE_NE(apn("UK", "Vodafone"), apn("Italy", "Vodafone"));
    QCOMPARE_NE(apn("France", "Orange"), apn("Switzerland", "Orange"));
    QCOMPARE_NE(apn("Russia", "MTS"), apn("Ukraine", "MTS"));
    QCOMPARE_NE(apn("Sweden", "Telenor"), apn("Norway", "Telenor"));
    QCOMPARE_NE(apn("Chech", "O2"), apn("Slovakia", "O2"));

    // Letter case matters; "Others......" is no operator: the country is found, nothing copied.
    const NetworkPreset stale = filled("stale");
    for (auto [country, op] : {std::pair{"Denmark", "Telenor"},
                               {"Sweden", "TELENOR"},
                               {"Germany", "T-Mobile"},
                               {"USA", "T-mobile"},
                               {"Chech", "T-Mobile"},
                               {"Sweden", "Others......"}}) {
        NetworkPreset p = stale;
        QVERIFY2(t.ApplyPreset(p, country, op) && p == stale, op);
    }
    // Unknown countries and empty names copy nothing and find no country.
    for (auto [country, op] :
         {std::pair{"sweden", "Telia"}, {"Others......", "Telia"}, {"", "Telia"}, {"Sweden", ""}}) {
        NetworkPreset p = stale;
        QVERIFY2(!t.ApplyPreset(p, country, op) && p == stale, country);
    }
    QVERIFY(!t.OperatorsOf("Others......") && !t.OperatorsOf("") && !t.OperatorsOf("GERMANY"));

    // Finland "DNA" has no gateway address: applying it clears the previous one.
    NetworkPreset p;
    t.ApplyPreset(p, "Finland", "Elisa");
    QVERIFY(!p.IP.empty());
    t.ApplyPreset(p, "Finland", "DNA");
    QCOMPARE(p.IP, std::string());
}

void TestPresets::commandLineListsAndShowsPresets() {
    const auto run = [](const QStringList& args, int& status) {
        QProcess p;
        p.start(WKS_SETTINGS_EXE, QStringList{"presets"} + args);
        p.waitForFinished();
        status = p.exitCode();
        return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    };
    int status = -1;
    const QStringList lines = run({}, status).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(status, 0);
    QCOMPARE(lines.size(), 25);
    QCOMPARE(lines[9], QString("Sweden\tTelia\tTelenor\tTele 2"));
    const QString sweden = run({"Sweden"}, status);
    QCOMPARE(status, 0);
    QVERIFY(sweden.startsWith("[Telia]\nURL=http://mmss/\nAPN=mms.telia.se\n"));
    QCOMPARE(sweden.count("SendEmailPort=25\n"), 3);
    QVERIFY(run({"Narnia"}, status).contains("Narnia"));
    QCOMPARE(status, 2);
}

void TestPresets::placeholderSendersAreRecognised() {
    // Every preset's sender account is a placeholder, the Swedish and Danish ones included.
    for (const std::string& country : presetTable().Countries()) {
        const auto operators = presetTable().OperatorsOf(country);
        for (const std::string& op : *operators) {
            NetworkPreset p;
            presetTable().ApplyPreset(p, country, op);
            QVERIFY2(isPlaceholderSender(p), (country + "/" + op).c_str());
        }
    }
    const struct {
        const char *server, *addr;
        bool placeholder;
    } rows[] = {
        {"", "", false},
        {"smtp.gmail.com", "me@gmail.com", false},
        {" SMTP.Example.NET. ", "me@gmail.com", true},
        {"example.org", "", true},
        {"smtp.gmail.com", "me@mail.example.com", true},
        {"smtp.notexample.com", "example.com@gmail.com", false},
        {"example.com.evil.org", "me@example.community", false},
    };
    for (const auto& r : rows) {
        NetworkPreset p;
        p.SendEmailServer = r.server;
        p.SendEmailAddr = r.addr;
        QVERIFY2(isPlaceholderSender(p) == r.placeholder, r.server);
    }
}

QTEST_GUILESS_MAIN(TestPresets)
#include "test_presets.moc"
