// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wks-settings as a user runs it: new, show, check, ini and every command's --help.

#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/catalogue.h"
#include "platform/profile.h"
#include "presets/placeholdersender.h"
#include "presets/presettable.h"
#include "settings/camerakeys.h"
#include "support/runcli.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

using Run = test::CliRun;
Run run(const QStringList& args) { return test::runSettings(args); }

const QString kClock = "2026-12-07T14:05:09";

// A card folder of its own, and the settings file that `new` writes onto it.
struct Card {
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    fs::path file(const std::string& stem) const {
        return fs::path(dir.path().toStdString()) / "GSM" / (stem + ".TXT");
    }
    QString fileArg(const std::string& stem) const {
        return QString::fromStdString(file(stem).string());
    }
    Run create(const QString& model, const QStringList& changes = {"--clock", kClock}) const {
        return run(QStringList{"new", model, "--card", path()} + changes);
    }
};

std::optional<std::string> valueIn(const fs::path& file, const char* section, const char* key) {
    return ProfileDocument::parse(test::readBytes(file)).value(section, key);
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Nothing here may reach the user's own drive table or registry.
        QVERIFY(home.isValid());
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
    }
    void newFile_data();
    void newFile();
    void newWithChanges();
    void badInput_data();
    void badInput();
    void nearMisses_data();
    void nearMisses();
    void json_data();
    void json();
    void show();
    void check();
    void ini();
    void iniSetKeepsTheFileWhole_data();
    void iniSetKeepsTheFileWhole();
    void latin1AndTerminal();
    void checkAgreesWithTheReader_data();
    void checkAgreesWithTheReader();
    void setAgreesWithCheck_data();
    void setAgreesWithCheck();
    void help();
    void drives();
    void mediaNamesAreEscaped();

  private:
    QTemporaryDir home;
};

void TestCli::newFile_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("stem");
    for (const auto& m : catalogue())
        QTest::newRow(m.displayName.c_str()) << m.displayName.c_str() << m.fileStem.c_str();
}

void TestCli::newFile() {
    QFETCH(QString, model);
    QFETCH(QString, stem);
    Card card;
    const Run r = card.create(model);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, card.fileArg(stem.toStdString()).toUtf8() + "\n");
    QCOMPARE(test::readBytes(card.file(stem.toStdString())),
             test::readBytes(fs::path(WKS_TEST_DATA) / (stem.toStdString() + ".TXT")));
    QCOMPARE(std::distance(fs::recursive_directory_iterator(card.path().toStdString()), {}), 2);

    // The Swedish defaults bring Sweden's placeholder sender account; the others none.
    const bool placeholder = model == "KT320V-8PRO";
    const Run c = run({"check", card.fileArg(stem.toStdString()), "--model", model});
    QCOMPARE(c.out, placeholder ? QByteArray(kPlaceholderSenderNote) + kPlaceholderSenderMend + "\n"
                                : QByteArray("OK\n"));
    QCOMPARE(c.code, placeholder ? 1 : 0);
}

void TestCli::newWithChanges() {
    Card card;
    const Run r =
        card.create("KT470RX-8PRO", {"--net", "URL=http://own.example/mms", "--country", "Sweden",
                                     "--operator", "Tele 2", "--admin", " +46 70 1 ",
                                     "--email4=d@e.se", "--set", "PIR Interval=13", "--set",
                                     "Max Number=42", "--clock", "2027-01-02T03:04:05"});
    QCOMPARE(r.code, 0);
    NetworkPreset tele2;
    QVERIFY(presetTable().ApplyPreset(tele2, "Sweden", "Tele 2"));
    const fs::path file = card.file("KT470RX");
    auto expect = [&](const char* section, const char* key, const std::string& value) {
        QCOMPARE(valueIn(file, section, key), std::optional(value));
    };
    expect("Via WAP Settings", "URL", "http://own.example/mms");  // after the preset
    expect("Via WAP Settings", "APN", tele2.APN);
    expect("Via Internet Settings", "GPRSAPN", tele2.GPRSAPN);
    expect("Via Internet Settings", "SendEmailPort", "25");
    expect("Via Internet Settings", "SMTP SSL", "0");
    expect("Receive number and receive email", "AdministratorNum", "+46 70 1");
    expect("Receive number and receive email", "ReceiveEmail4", "d@e.se");
    expect("Camera Setting", "PIR Interval", "13");
    expect("Camera Setting", "Max Number", "42");
    const char* clock[] = {"Clock Year", "Clock Month",  "Clock Day",
                           "Clock Hour", "Clock Minute", "Clock Second"};
    for (int i = 0; i < 6; ++i)
        expect("Camera Setting", clock[i], std::to_string(i == 0 ? 2027 : i));

    // SMTP SSL as given; without --clock the computer's time is stamped.
    Card other;
    QCOMPARE(other.create("LN714W-12P", {"--net", "SMTP SSL=1"}).code, 0);
    QCOMPARE(valueIn(other.file("LN714W"), "Via Internet Settings", "SMTP SSL"),
             std::optional<std::string>("1"));
    const int year =
        std::stoi(valueIn(other.file("LN714W"), "Camera Setting", "Clock Year").value_or("0"));
    QVERIFY(std::abs(year - QDate::currentDate().year()) <= 1);

    // A code the model's list does not hold is refused, naming the valid ones.
    const Run refused = other.create("KT470RX-8PRO", {"--set", "Photo Size=3"});
    QCOMPARE(refused.code, 2);
    QVERIFY2(refused.err.contains("Photo Size for KT470RX-8PRO: 0 (5M) or 1 (8M), not 3"),
             refused.err);
}

void TestCli::badInput_data() {
    QTest::addColumn<QStringList>("args");  // after "new"; the card folder follows them
    QTest::newRow("unknown model") << QStringList{"KT999"};
    QTest::newRow("name in wrong case") << QStringList{"fx200 series"};
    QTest::newRow("no model") << QStringList{};
    QTest::newRow("unknown country")
        << QStringList{"KT470RX-8PRO", "--country", "Narnia", "--operator", "Telia"};
    QTest::newRow("other country's operator")
        << QStringList{"KT470RX-8PRO", "--country", "Germany", "--operator", "Telia"};
    QTest::newRow("operator in wrong case")
        << QStringList{"KT470RX-8PRO", "--country", "Sweden", "--operator", "telia"};
    QTest::newRow("country alone") << QStringList{"KT470RX-8PRO", "--country", "Sweden"};
    QTest::newRow("SMS Control of KT320V") << QStringList{"KT320V-8PRO", "--set", "SMS Control=1"};
    QTest::newRow("key of another family") << QStringList{"KT470RX-8PRO", "--set", "Work Mode=1"};
    QTest::newRow("not a number") << QStringList{"KT470RX-8PRO", "--set", "PIR Interval=7x"};
    QTest::newRow("no number") << QStringList{"KT470RX-8PRO", "--set", "PIR Interval="};
    QTest::newRow("no equals sign") << QStringList{"KT470RX-8PRO", "--set", "PIR Interval"};
    QTest::newRow("SMTP SSL of LN713Z") << QStringList{"LN713Z-10P", "--net", "SMTP SSL=1"};
    QTest::newRow("unknown network key") << QStringList{"LN713Z-10P", "--net", "MMSC=x"};
    QTest::newRow("invalid clock") << QStringList{"FX200 SERIES", "--clock", "2026-02-30T00:00:00"};
    QTest::newRow("clock without time") << QStringList{"FX200 SERIES", "--clock", "2026-12-07"};
    QTest::newRow("clock with a blank")
        << QStringList{"FX200 SERIES", "--clock", "2026-12-07T 14:05:09"};
    QTest::newRow("clock with one digit")
        << QStringList{"FX200 SERIES", "--clock", "2026-12-7T14:05:09"};
    QTest::newRow("unknown option") << QStringList{"FX200 SERIES", "--colour", "red"};
    QTest::newRow("line break in a value")
        << QStringList{"FX200 SERIES", "--admin", "1\r\n[Camera Setting]"};
    QTest::newRow("missing card folder") << QStringList{"FX200 SERIES", "--card", "missing"};
}

void TestCli::badInput() {
    QFETCH(QStringList, args);
    Card card;
    // A later --card wins, so the missing folder's row points inside the card folder.
    const QString missing = card.path() + "/missing";
    args.replaceInStrings(QRegularExpression("^missing$"), missing);
    const Run r = run(QStringList{"new"} + QStringList{"--card", card.path()} + args);
    QCOMPARE(r.code, 2);
    QVERIFY(!r.err.isEmpty());
    QVERIFY(r.out.isEmpty());
    QVERIFY(fs::is_empty(card.path().toStdString()));
}

// A name that is not quite right is bad input as before, and the message offers the names meant:
// letter case and blanks ignored, a slip or two, the usual English names of the table's countries
// and operators.
void TestCli::nearMisses_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("meant");  // what follows "did you mean "; empty: nothing near
    const QStringList model{"new", "KT470RX-8PRO"};
    auto preset = [&](const char* country, const char* op) {
        return model + QStringList{"--country", country, "--operator", op};
    };
    QTest::newRow("command, letters swapped") << QStringList{"mdoels"} << "\"models\"?";
    QTest::newRow("command, cut short") << QStringList{"mail"} << "\"mail-test\"?";
    QTest::newRow("option") << model + QStringList{"--emial1", "x"} << "\"--email1\"?";
    QTest::newRow("model in lower case")
        << QStringList{"new", "kt470rx 8pro"} << "\"KT470RX-8PRO\"?";
    QTest::newRow("model cut short") << QStringList{"new", "KT320"} << "\"KT320V-8PRO\"?";
    QTest::newRow("country by its usual name")
        << QStringList{"presets", "Netherlands"} << "\"Holland\"?";
    QTest::newRow("Czech") << preset("Czech Republic", "O2") << "\"Chech\"?";
    QTest::newRow("Latvia") << QStringList{"presets", "latvia"} << "\"Latvian\"?";
    QTest::newRow("country, a slip") << QStringList{"presets", "Swedn"} << "\"Sweden\"?";
    QTest::newRow("operator, blank missing") << preset("Sweden", "tele2") << "\"Tele 2\"?";
    QTest::newRow("operator by its usual name") << preset("USA", "AT&T") << "\"Cingular(AT&T)\"?";
    QTest::newRow("operator, several")
        << preset("Germany", "voda") << "\"Vodafone\" or \"Bild-Vodafone\"?";
    QTest::newRow("nothing near") << QStringList{"presets", "Narnia"} << "";
}

void TestCli::nearMisses() {
    QFETCH(QStringList, args);
    QFETCH(QString, meant);
    Card card;
    const Run r = run(args.first() == "new" ? args + QStringList{"--card", card.path()} : args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty() && fs::is_empty(card.path().toStdString()));
    const QByteArray first = r.err.left(r.err.indexOf('\n'));
    if (meant.isEmpty())
        QVERIFY2(!first.contains("did you mean"), first);
    else
        QVERIFY2(first.endsWith("; did you mean " + meant.toUtf8()), first);
}

// --json: one document that parses back, with the fields the manual page names, file values as
// UTF-8 (the file's Latin-1 converted, controls escaped as JSON does) and numbers as numbers.
void TestCli::json_data() {
    QTest::addColumn<QStringList>("args");  // FILE stands for a KT470RX file, changed as below
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("fields");  // "path=value", the value in JSON; "path#" counts
    const QStringList show{"show", "FILE", "--model", "KT470RX-8PRO", "--json"};
    QTest::newRow("models") << QStringList{"models", "--json"} << 0
                            << QStringList{"models#=6",
                                           "models/0={\"name\":\"FX200 SERIES\",\"stem\":"
                                           "\"FX200\",\"family\":\"FamilyFX200\",\"smtpSsl\":"
                                           "false,\"gameCall\":false}",
                                           "models/5/gameCall=true"};
    QTest::newRow("presets") << QStringList{"presets", "--json"} << 0
                             << QStringList{"countries#=25",
                                            "countries/18={\"name\":\"Chech\",\"operators\":"
                                            "[\"O2\",\"T-MOBILE\",\"VODAFONE\"]}"};
    QTest::newRow("one country") << QStringList{"presets", "Sweden", "--json"} << 0
                                 << QStringList{"country=\"Sweden\"", "operators#=3",
                                                "operators/2/name=\"Tele 2\"",
                                                "operators/0/values#=13",
                                                "operators/0/values/Port=\"8080\""};
    QTest::newRow("drives") << QStringList{"drives", "--json"} << 0
                            << QStringList{"drives/0/letter=\"C\"", "drives/0/usable=true",
                                           "drives/0/medium=false", "drives/0/label=null",
                                           "drives/0/problem=null", "drives/0/freeBytes#=number"};
    QTest::newRow("show")
        << show << 0
        << QStringList{
               "model=\"KT470RX-8PRO\"",
               "sections/0/name=\"WKSFileMark\"",
               "sections/1/keys/0={\"key\":\"URL\",\"value\":"
               "\"\u00e9\u009b\u0007\"}",
               "sections/4/name=\"Camera Setting\"",
               "sections/4/keys/0={\"key\":\"Bogus\",\"value\":"
               "\"7\",\"code\":null,\"meaning\":null}",
               "sections/4/keys/5={\"key\":\"PIR Interval\",\"value\":"
               "\"99\",\"code\":99,\"meaning\":null}",
               "sections/4/keys/"
               "1={\"key\":\"Language\",\"value\":\"0\",\"code\":0,\"meaning\":\"English\"}"};
    QTest::newRow("check") << QStringList{"check", "FILE", "--model", "KT470RX-8PRO", "--json"} << 1
                           << QStringList{"ok=false", "problems#=2",
                                          "problems/0=\"[Camera Setting] PIR Interval 99 is "
                                          "outside 0 to 27\"",
                                          "problems/1=\"[Camera Setting] Bogus is not a key of "
                                          "KT470RX-8PRO\""};
}

void TestCli::json() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QStringList, fields);
    Card card;
    QCOMPARE(card.create("KT470RX-8PRO").code, 0);
    const fs::path file = card.file("KT470RX");
    std::string bytes = test::readBytes(file);
    bytes.replace(bytes.find("URL=\r\n"), 6, "URL=\xe9\x9b\x07\r\n");
    bytes.replace(bytes.find("PIR Interval=1\r"), 15, "PIR Interval=99\r");
    bytes.replace(bytes.find("[Camera Setting]\r\n"), 18, "[Camera Setting]\r\nBogus=7\r\n");
    test::writeBytes(file, bytes);
    args.replaceInStrings(QRegularExpression("^FILE$"), card.fileArg("KT470RX"));

    const Run r = run(args);
    QCOMPARE(r.code, code);
    QVERIFY2(!r.out.contains('\x07') && !r.out.contains("\xc2\x9b"), r.out);  // as JSON escapes
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError && doc.isObject(), r.out);
    for (const QString& field : fields) {
        const qsizetype eq = field.indexOf('=');
        QString path = field.left(eq);
        const bool count = path.endsWith('#');
        QJsonValue v = doc.object();
        for (const QString& step : path.remove('#').split('/'))
            v = v.isArray() ? v.toArray().at(step.toInt()) : v.toObject().value(step);
        const QString want = field.mid(eq + 1);
        if (count && want == "number") {
            QVERIFY2(v.isDouble() && v.toDouble() > 0, qPrintable(field));
        } else if (count) {
            QCOMPARE(v.isArray() ? v.toArray().size() : v.toObject().size(), want.toInt());
        } else {
            const QJsonValue expected =
                QJsonDocument::fromJson(("[" + want + "]").toUtf8()).array().at(0);
            QVERIFY2(v == expected,
                     qPrintable(field + " is " + QJsonDocument(QJsonArray{v}).toJson()));
        }
    }
}

void TestCli::show() {
    Card card;
    QCOMPARE(card.create("KT320V-8PRO").code, 0);
    const Run r = run({"show", card.fileArg("KT320V"), "--model", "KT320V-8PRO"});
    QCOMPARE(r.code, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    for (const char* expected :
         {"[Camera Setting]", "PIR Interval = 13  (2 minutes)", "Language = 3  (Svenskt)",
          "Max Number = 100  (Unlimited)", "Send To = 2  (Email [GPRS])", "Model = KT320V"}) {
        QVERIFY2(lines.contains(expected), expected);
    }
    QCOMPARE(run({"show", card.fileArg("KT320V")}).code, 2);  // the model is required
}

void TestCli::check() {
    Card card;
    QCOMPARE(card.create("KT320V-8PRO").code, 0);
    const fs::path file = card.file("KT320V");
    std::string bytes = test::readBytes(file);
    auto replace = [&](const std::string& from, const std::string& to) {
        bytes.replace(bytes.find(from), from.size(), to);
    };
    replace("Model=KT320V", "Model=KT470RX");
    replace("PIR Interval=13", "PIR Interval=40");
    replace("Photo Size=1", "Photo Size=x");
    replace("Video Size=0", "Video Size=0\r\nSMS Control=0");
    test::writeBytes(file, bytes);
    const Run r = run({"check", card.fileArg("KT320V"), "--model", "KT320V-8PRO"});
    QCOMPARE(r.code, 1);
    QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 5);
    for (const char* problem :
         {"KT470RX", "PIR Interval", "Photo Size", "SMS Control", kPlaceholderSenderNote}) {
        QCOMPARE(std::count_if(lines.begin(), lines.end(),
                               [&](const QByteArray& l) { return l.contains(problem); }),
                 1);
    }
    QCOMPARE(run({"check", card.fileArg("KT320V") + ".none", "--model", "KT320V-8PRO"}).code, 2);
}

void TestCli::ini() {
    Card card;
    const fs::path file = fs::path(card.path().toStdString()) / "A.INI";
    const std::string bytes = "[Via WAP Settings]\nURL= http://a.example/mms \nAPN=x\n";
    test::writeBytes(file, bytes);
    const QString f = QString::fromStdString(file.string());
    QCOMPARE(run({"ini", "get", f, "via wap settings", "url"}).out,
             QByteArray("http://a.example/mms\n"));
    QCOMPARE(run({"ini", "get", f, "Via WAP Settings", "URL", "--size", "5"}).out,
             QByteArray("http\n"));
    // The buffer is bounded: the largest is taken, one more byte is bad input.
    QCOMPARE(run({"ini", "get", f, "Via WAP Settings", "URL", "--size", "65535"}).out,
             QByteArray("http://a.example/mms\n"));
    for (const char* size : {"65536", "999999999"}) {
        const Run big = run({"ini", "get", f, "Via WAP Settings", "URL", "--size", size});
        QVERIFY2(big.code == 2 && big.out.isEmpty() && big.err.contains("at most 65535"), big.err);
    }
    const Run none = run({"ini", "get", f, "Via WAP Settings", "Port"});
    QCOMPARE(none.code, 0);
    QCOMPARE(none.out, QByteArray("\n"));

    QCOMPARE(run({"ini", "set", f, "Via WAP Settings", "Port", "8080"}).code, 0);
    QCOMPARE(test::readBytes(file), bytes + "Port=8080\r\n");
    QCOMPARE(run({"ini", "set", f, "Via WAP Settings", "APN", ""}).code, 0);
    const std::string set = "[Via WAP Settings]\nURL= http://a.example/mms \nAPN=\nPort=8080\r\n";
    QCOMPARE(test::readBytes(file), set);
    ::chmod(file.c_str(), 0444);
    QCOMPARE(run({"ini", "set", f, "Via WAP Settings", "APN", "y"}).code, 1);
    QCOMPARE(test::readBytes(file), set);
    QCOMPARE(run({"ini", "get", f, "Via WAP Settings"}).code, 2);
}

void TestCli::iniSetKeepsTheFileWhole_data() {
    QTest::addColumn<QStringList>("args");  // section, key, value
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("added");  // the lines the file gains
    QTest::newRow("plain") << QStringList{"S", "K", "v"} << 0 << QByteArray("K=v\r\n");
    QTest::newRow("Latin-1 value")
        << QStringList{"S", "K", "J\u00f6rg"} << 0 << QByteArray("K=J\xf6rg\r\n");
    QTest::newRow("new section") << QStringList{"T", "K", "v"} << 0 << QByteArray("[T]\r\nK=v\r\n");
    for (auto [row, section, key, value] : {std::tuple{"section with ]", "S]x", "K", "v"},
                                            {"section with line break", "S\n[T", "K", "v"},
                                            {"key with =", "S", "K=v", "v"},
                                            {"key opening a section", "S", "[T]", "v"},
                                            {"key that is a comment", "S", " ;K", "v"},
                                            {"key with line break", "S", "K\r\nL", "v"},
                                            {"value with line break", "S", "K", "v\n[T]"},
                                            {"value beyond Latin-1", "S", "K", "5 \u20ac"}}) {
        QTest::newRow(row) << QStringList{section, key, value} << 2 << QByteArray();
    }
}

void TestCli::iniSetKeepsTheFileWhole() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QByteArray, added);
    Card card;
    const fs::path file = fs::path(card.path().toStdString()) / "A.INI";
    const std::string before = "[S]\r\nA=1\r\n";
    test::writeBytes(file, before);
    const Run r = run(QStringList{"ini", "set", QString::fromStdString(file.string())} + args);
    QCOMPARE(r.code, status);
    QCOMPARE(QByteArray::fromStdString(test::readBytes(file)),
             QByteArray::fromStdString(before) + added);
}

void TestCli::latin1AndTerminal() {
    Card card;
    // Terminal text becomes Latin-1 bytes, one per character, so the cut to 80 keeps 80 of them.
    const QString name = QString(79, QChar(0xe9)) + QChar(0xf6) + "x";
    QCOMPARE(card.create("LN713Z-10P", {"--admin", name, "--email1", "\u00e5sa@example.se"}).code,
             0);
    const fs::path file = card.file("LN713Z");
    QCOMPARE(valueIn(file, "Receive number and receive email", "AdministratorNum"),
             name.left(80).toLatin1().toStdString());
    QCOMPARE(card.create("LN713Z-10P", {"--admin", "5 \u20ac"}).code, 2);

    // Control characters from the file are printed escaped, Latin-1 as UTF-8.
    std::string bytes = test::readBytes(file);
    bytes.replace(bytes.find("Model=LN713Z"), 12, "Model=\x1b]0;owned\x07");
    bytes +=
        "[\x1b[2J]\r\nURL=\x9b"
        "31m\r\n";
    test::writeBytes(file, bytes);
    const Run shown = run({"show", card.fileArg("LN713Z"), "--model", "LN713Z-10P"});
    QCOMPARE(shown.code, 0);
    const Run checked = run({"check", card.fileArg("LN713Z"), "--model", "LN713Z-10P"});
    QCOMPARE(checked.code, 1);
    for (const Run* r : {&shown, &checked}) {
        QVERIFY2(
            !r->out.contains('\x1b') && !r->out.contains('\x07') && !r->out.contains("\xc2\x9b"),
            r->out);
        QVERIFY2(r->out.contains("\\x1b]0;owned\\x07"), r->out);
    }
    for (const char* line :
         {"[\\x1b[2J]", "URL = \\x9b31m", "ReceiveEmail1 = \xc3\xa5sa@example.se"}) {
        QVERIFY2(shown.out.split('\n').contains(line), line);
    }
    QVERIFY(shown.out.contains("AdministratorNum = " + name.left(80).toUtf8() + "\n"));

    // A path with a line break is printed escaped.
    const Run missing = run({"show", card.path() + "/a\nb.TXT", "--model", "LN713Z-10P"});
    QCOMPARE(missing.code, 2);
    QVERIFY2(missing.err.contains("a\\x0ab.TXT") && missing.err.count('\n') == 1, missing.err);
}

void TestCli::checkAgreesWithTheReader_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("changes");  // for new
    QTest::addColumn<QStringList>("edits");    // pairs: text of the written file, its replacement
    QTest::addColumn<QString>("problem");      // empty for OK
    const QString url100 = "http://" + QString(93, 'u');
    QTest::newRow("values at the writer's limits")
        << "KT470RX-8PRO"
        << QStringList{"--net", "URL=" + url100, "--admin", QString(80, '1'), "--net", "SMTP SSL=1"}
        << QStringList{} << "";
    QTest::newRow("key in other letter case")
        << "KT470RX-8PRO" << QStringList{} << QStringList{"PIR Interval=", "pir INTERVAL="} << "";
    const QStringList pir13{"--set", "PIR Interval=13"};
    QTest::newRow("judged by the first 9 bytes")
        << "KT470RX-8PRO" << pir13 << QStringList{"PIR Interval=13", "PIR Interval=13       x"}
        << "";
    QTest::newRow("empty value reads 0")
        << "KT470RX-8PRO" << QStringList{} << QStringList{"Camera Mode=0", "Camera Mode="} << "";
    QTest::newRow("SMTP SSL of a model without it")
        << "LN713Z-10P" << QStringList{}
        << QStringList{"SendEmailPassword=", "SendEmailPassword=\r\nSMTP SSL=1"} << "";
    QTest::newRow("out of range in the first 9 bytes")
        << "KT470RX-8PRO" << pir13 << QStringList{"PIR Interval=13", "PIR Interval=40"}
        << "PIR Interval";
    QTest::newRow("URL past the writer's limit")
        << "KT470RX-8PRO" << QStringList{} << QStringList{"URL=", "URL=" + url100 + "x"} << "URL";
}

void TestCli::checkAgreesWithTheReader() {
    QFETCH(QString, model);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, edits);
    QFETCH(QString, problem);
    Card card;
    QCOMPARE(card.create(model, changes + QStringList{"--clock", kClock}).code, 0);
    const std::string stem = findModel(model.toStdString())->fileStem;
    std::string bytes = test::readBytes(card.file(stem));
    for (int i = 0; i + 1 < edits.size(); i += 2) {
        const std::string from = edits[i].toStdString();
        QVERIFY2(bytes.find(from) != std::string::npos, from.c_str());
        bytes.replace(bytes.find(from), from.size(), edits[i + 1].toStdString());
    }
    test::writeBytes(card.file(stem), bytes);
    const Run r = run({"check", card.fileArg(stem), "--model", model});
    if (problem.isEmpty()) {
        QCOMPARE(r.out, QByteArray("OK\n"));
    } else {
        QCOMPARE(r.out.trimmed().count('\n'), 0);
        QVERIFY2(r.out.contains(problem.toUtf8()), r.out);
    }
    QCOMPARE(r.code, problem.isEmpty() ? 0 : 1);
}

// For every key of every model, --set and check take the same codes: both ends of a list, not
// one beyond; --set then names the valid values and writes nothing.
void TestCli::setAgreesWithCheck_data() {
    QTest::addColumn<QString>("model");
    for (const auto& m : catalogue())
        QTest::newRow(m.displayName.c_str()) << QString::fromStdString(m.displayName);
}

void TestCli::setAgreesWithCheck() {
    QFETCH(QString, model);
    const CameraModel& m = *findModel(model.toStdString());
    const auto keys = cameraKeysFor(m.family, m.displayName);
    auto set = [](const CameraKey& k, std::int32_t code) {
        return QString("%1=%2").arg(k.key).arg(code);
    };
    for (auto end : {&Codes::first, &Codes::last}) {
        Card card;
        QStringList sets;
        for (const CameraKey& k : keys) sets << "--set" << set(k, k.codes->*end);
        QCOMPARE(card.create(model, sets).code, 0);
        const std::string file = card.file(m.fileStem).string();
        for (int beyond : {0, end == &Codes::first ? -1 : 1}) {
            ProfileDocument doc = ProfileDocument::parse(test::readBytes(file));
            for (const CameraKey& k : keys)
                doc.write(kCameraSection, k.key, std::to_string(k.codes->*end + beyond));
            QVERIFY(doc.save(file));
            const Run r = run({"check", QString::fromStdString(file), "--model", model});
            QCOMPARE(r.out.count("[Camera Setting]"), beyond ? qsizetype(keys.size()) : 0);
        }
    }
    for (const CameraKey& k : keys) {
        for (std::int32_t code : {k.codes->first - 1, k.codes->last + 1}) {
            Card card;
            const Run r = card.create(model, {"--set", set(k, code)});
            QVERIFY2(r.code == 2 && fs::is_empty(card.path().toStdString()), k.key);
            QVERIFY2(r.err.contains((std::string(k.key) + " for " + m.displayName + ": " +
                                     k.codes->validValues().english())
                                        .c_str()),
                     r.err);
        }
    }
}

// Both programs answer --help and --version with no display at all; the help of wks-settings
// lists its commands in the manual page's order and describes every option of each command.
void TestCli::help() {
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) bare.remove(name);
    for (const QString program : {WKS_SETTINGS_EXE, WKS_CONFIG_EXE}) {
        for (const QString option : {"--help", "--version"}) {
            QProcess p;
            p.setProcessEnvironment(bare);
            p.start(program, {option});
            QVERIFY(p.waitForFinished(-1));
            const QByteArray out = p.readAllStandardOutput();
            QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                     qPrintable(program + " " + option + ": " + p.readAllStandardError()));
            const QString name = QFileInfo(program).fileName();
            if (option == "--version")
                QCOMPARE(out, (name + " " WKS_VERSION "\n").toUtf8());
            else
                QVERIFY2(out.toLower().startsWith("usage: ") && out.contains(name.toUtf8()), out);
        }
    }

    QFile manual(WKS_MANUAL);
    QVERIFY(manual.open(QIODevice::ReadOnly));
    QStringList manualOrder;
    static const QRegularExpression synopsis("^\\.B wks-settings ([a-z][a-z-]*)",
                                             QRegularExpression::MultilineOption);
    for (auto it = synopsis.globalMatch(manual.readAll()); it.hasNext();) {
        const QString command = it.next().captured(1);
        if (!manualOrder.contains(command)) manualOrder << command;
    }
    const Run all = run({"--help"});
    QCOMPARE(all.code, 0);
    QStringList commands;
    QSet<qsizetype> summaryColumns;
    static const QRegularExpression row("^  (\\S+) +(?=\\S)");
    for (const QString& l : QString(all.out).split('\n')) {
        const auto m = row.match(l);
        if (m.hasMatch()) commands << m.captured(1);
        if (m.hasMatch()) summaryColumns << m.capturedEnd();
    }
    QCOMPARE(commands, manualOrder);
    QCOMPARE(summaryColumns.size(), 1);

    static const QRegularExpression option("--[a-z0-9]+(?:-[a-z0-9]+)*");
    for (const QString& command : commands) {
        const Run r = run({command, "--help"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith("usage: wks-settings " + command.toUtf8()), r.out.constData());
        QVERIFY2(!r.out.contains('&'), r.out.constData());  // no mnemonic of a button's text
        const QString text = r.out;
        QString usage;  // its first line and those indented under it
        for (const QString& l : text.split('\n')) {
            if (!usage.isEmpty() && !l.startsWith("       ")) break;
            usage += l;
        }
        for (auto it = option.globalMatch(usage); it.hasNext();) {
            const QString name = it.next().captured();
            QVERIFY2(text.contains("\n  " + name + " ") || text.contains("\n  " + name + "\n"),
                     qPrintable(command + " describes no " + name));
        }
    }
    QCOMPARE(run({}).code, 2);
    QCOMPARE(run({"colour"}).code, 2);
}

// The letters as the program finds them now: each with its real folder, and usable or why not.
void TestCli::drives() {
    const fs::path data = fs::path(home.path().toStdString()) / "wks-config";
    QCOMPARE(run({"drives"}).code, 0);  // the first run makes C:
    QTemporaryDir card;
    const fs::path file = data / "not-a-folder";
    test::writeBytes(file, "");
    struct {
        char letter;
        fs::path target;
        QString rest;
    } rows[] = {{'C', data / "drive_c", "\t-\t[0-9.]+ [KMGT]B free\tusable"},
                {'D', card.path().toStdString(), "\t-\t[0-9.]+ [KMGT]B free\tusable"},
                {'E', data / "gone", "\t-\t-\tnot usable: no folder"},
                {'F', file, "\t-\t-\tnot usable: not enterable"}};
    for (const auto& r : rows) {
        if (r.letter != 'C') {
            fs::create_symlink(r.target,
                               data / "dosdevices" / (std::string(1, r.letter + 32) + ":"));
        }
    }
    const Run r = run({"drives"});
    QCOMPARE(r.code, 0);
    for (const auto& row : rows) {
        fs::remove(data / "dosdevices" / (std::string(1, row.letter + 32) + ":"));
        const QString line =
            QString("^%1:\t%2%3$")
                .arg(row.letter)
                .arg(QRegularExpression::escape(fs::weakly_canonical(row.target).c_str()),
                     row.rest);
        QVERIFY2(QRegularExpression(line, QRegularExpression::MultilineOption)
                     .match(QString::fromUtf8(r.out))
                     .hasMatch(),
                 qPrintable(line + "\n" + r.out));
    }
    fs::create_directory_symlink("../drive_c", data / "dosdevices" / "c:");
}

// A card whose folder name and volume label hold terminal escapes, mounted as a desktop mounts
// one (in a private mount namespace, over a /run and a /dev of its own): what the command line
// prints of them, in its lists and in a failure's message, can never act on the terminal.
void TestCli::mediaNamesAreEscaped() {
    const QByteArray folder =
        "CARD\x1b]0;owned\x07\xc2\x9b"
        "2J";
    // udev's name of the label's link; the label holds a blank, ESC and a raw byte 0x9B.
    const QByteArray labelLink = "TRAIL\\x20\\x1b[2J\\x9b31m";
    const QByteArray shownFolder = "/run/media/anna/CARD\\x1b]0;owned\\x07\\xc2\\x9b2J";
    const QByteArray shownLabel = "TRAIL \\x1b[2J\\x9b31m";
    static const char* kScript = R"(set -e
folder=$1 label=$2 devices=$3; shift 3
mount -t tmpfs none /run
mkdir -p "/run/media/$USER/$folder"
mount -t tmpfs -o ro /dev/wkscard1 "/run/media/$USER/$folder"
mount --rbind /dev "$devices"
mount -t tmpfs none /dev
for n in null zero full random urandom tty; do
  touch "/dev/$n"; mount --bind "$devices/$n" "/dev/$n"
done
mkdir -p /dev/disk/by-label
ln -s ../../wkscard1 "/dev/disk/by-label/$label"
exec "$@")";
    QTemporaryDir devices;
    auto inNamespace = [&](const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("USER", "anna");
        p.setProcessEnvironment(env);
        p.setStandardInputFile(QProcess::nullDevice());
        // Arguments are bytes: the folder's name is no text.
        p.start("unshare",
                QStringList{"-rm", "sh", "-c", kScript, "sh", QString::fromLocal8Bit(folder),
                            QString::fromLocal8Bit(labelLink), devices.path(), WKS_SETTINGS_EXE} +
                    args);
        p.waitForFinished(-1);
        return Run{p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    };
    const Run listed = inNamespace({"drives"});
    if (listed.err.startsWith("unshare: "))
        QSKIP(qPrintable("no private mount namespace here: " + listed.err));
    const Run saved = inNamespace({"save", "KT470RX-8PRO", "--yes"});
    QCOMPARE(saved.code, 1);  // the card is read-only
    for (const Run* r : {&listed, &saved}) {
        const QByteArray all = r->out + r->err;
        for (char raw : {'\x1b', '\x07', '\x9b'})
            QVERIFY2(!all.contains(raw), all.toPercentEncoding(" /:\n\\()"));
        QVERIFY2(all.contains(shownFolder) && all.contains(shownLabel), all);
    }
    QVERIFY2(listed.out.contains("D:\t" + shownFolder + "\t" + shownLabel + "\t"), listed.out);
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
