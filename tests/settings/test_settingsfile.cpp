// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on temporary drives: card file D:\GSM\<stem>.TXT, backup on C:.

#include <sys/stat.h>

#include <QtTest>

#include "platform/clock.h"
#include "settings/settingsfile.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

const LocalTime kFixed{2024, 2, 29, 23, 59, 58};

// One model's settings file with a state of its own, on drives C: and D: (more when asked).
struct Fixture {
    test::TempDrives drives;
    AppState state;
    Recipients recipients;
    SettingsFile file;
    explicit Fixture(const std::string& model, const std::string& letters = "CD")
        : drives(letters), file(model, state, recipients) {
        file.savePath = "D:\\GSM\\" + stem() + ".TXT";
    }
    std::string stem() const { return file.model() ? file.model()->fileStem : "X"; }
    fs::path card() const { return drives.folder('D') / "GSM" / (stem() + ".TXT"); }
    std::string bytes() const { return test::readBytes(card()); }
    void put(const std::string& bytes) const { test::writeBytes(card(), bytes); }
    bool has(const std::string& key, const std::string& value) const {
        return bytes().find("\n" + key + "=" + value + "\r\n") != std::string::npos;
    }
    ProfileDocument doc() const { return ProfileDocument::parse(bytes()); }
    // Reads the card file into a state of its own.
    AppState readBack(Recipients& r) const {
        AppState s;
        SettingsFile other(file.displayName(), s, r);
        other.savePath = file.savePath;
        if (!other.Mng_AllPara(Transfer::Read, SettingsCopy::Card)) qWarning("read failed");
        return s;
    }
    // The state kept in data/KT470RX.TXT: defaults, and a text of its own in every value.
    void fill() {
        QCOMPARE(file.Mng_AllParaSetDefault(), 1);
        state.CurrentNetworkParams = {"http://mms.example.net/mms",
                                      "mms.example",
                                      "10.1.2.3",
                                      "8080",
                                      "mmsuser",
                                      "mmspass",
                                      "internet.example",
                                      "gprsuser",
                                      "gprspass",
                                      "smtp.example.net",
                                      "587",
                                      "camera@example.net",
                                      "mailpass"};
        state.SmtpSsl = "1";
        recipients.texts = {"+46700000001",      "+46700000002",    "+46700000003",
                            "+46700000004",      "one@example.net", "two@example.net",
                            "three@example.net", "four@example.net"};
    }
};

std::string expectedFile() { return test::readBytes(fs::path(WKS_TEST_DATA) / "KT470RX.TXT"); }

// "0123456789" repeated to n bytes, so that a cut shows where it was made.
QByteArray digits(int n) {
    QByteArray s;
    for (int i = 0; i < n; ++i) s += char('0' + i % 10);
    return s;
}

// Replaces the line "key=..." of a file (a null value removes it).
std::string withLine(std::string bytes, const std::string& key, const QByteArray& value) {
    const auto at = bytes.find("\n" + key + "=") + 1;
    const auto end = bytes.find('\n', at) + 1;
    bytes.replace(at, end - at, value.isNull() ? "" : key + "=" + value.toStdString() + "\r\n");
    return bytes;
}

std::int32_t CameraParams::*fieldOf(const char* model, const std::string& key) {
    for (const CameraKey& k : cameraFamily(findModel(model)->family).keys) {
        if (key == k.key) return k.field;
    }
    qFatal("no key %s", key.c_str());
}

// A camera value written from memory (`text` is then what the file must hold), or read from a
// file holding `text` (memory unset; a null text is a missing line); `read` is the value read back.
struct CameraCase {
    const char* name;
    const char* model;
    const char* key;
    std::optional<int> memory;
    QByteArray text;
    int read;
};
const CameraCase kCameraCases[] = {
    {"play time OFF", "LN713Z-10P", "GameCall PlayTime", -1, "-1", -1},
    {"play time OFF 4W", "LN714W-12P", "GameCall PlayTime", -1, "-1", -1},
    {"play time -2", "LN713Z-10P", "GameCall PlayTime", -2, "", -1},
    {"play time 98", "LN714W-12P", "GameCall PlayTime", 98, "98", 98},
    {"game call none", "LN713Z-10P", "Game Call", -1, "", 0},
    {"PIR interval none", "FX200 SERIES", "PIR Interval", -1, "", 0},
    {"send mode negative", "KT470RX-8PRO", "Send Mode", -7, "", 0},
    {"max number 150", "KT470RX-8PRO", "Max Number", 150, "150", 150},
    {"work day 65", "FX200 SERIES", "Work Day", 65, "65", 65},
    {"read 7x", "KT470RX-8PRO", "PIR Interval", {}, "7x", 7},
    {"read x7", "KT470RX-8PRO", "PIR Interval", {}, "x7", 0},
    {"read blanks around", "KT470RX-8PRO", "PIR Interval", {}, "  13 \t", 13},
    {"read signs", "KT470RX-8PRO", "PIR Interval", {}, "-3", -3},
    {"read 9 bytes", "KT470RX-8PRO", "PIR Interval", {}, "123456789012", 123456789},
    {"read empty", "KT470RX-8PRO", "PIR Interval", {}, "", 0},
    {"read missing", "KT470RX-8PRO", "PIR Interval", {}, QByteArray(), 0},
    {"read play time empty", "LN713Z-10P", "GameCall PlayTime", {}, "", -1},
    {"read play time blank", "LN714W-12P", "GameCall PlayTime", {}, "   ", -1},
    {"read play time missing", "LN713Z-10P", "GameCall PlayTime", {}, QByteArray(), -1},
    {"read play time x", "LN713Z-10P", "GameCall PlayTime", {}, "x", 0},
    {"read game call empty", "LN713Z-10P", "Game Call", {}, "", 0},
};

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fixClock(kFixed); }
    void wholeFile();
    void wholeFileEqualsKeyByKey();
    void textLimits_data();
    void textLimits();
    void fileMark();
    void modelOnlyKeys();
    void existingFile();
    void refusedWrites();
    void cameraValues_data();
    void cameraValues();
    void clock();
    void defaults();
    void keyTables();
};

void TestSettingsFile::wholeFile() {
    Fixture f("KT470RX-8PRO");
    f.recipients.texts[3] = "old";
    QVERIFY(f.file.Mng_AllPara(
        Transfer::Read,
        SettingsCopy::Card));  // reading makes the folders; a missing file reads empty
    QVERIFY(fs::is_directory(f.drives.folder('C') / "VelmoraBackup"));
    QVERIFY(fs::is_directory(f.drives.folder('D') / "GSM"));
    QCOMPARE(f.recipients, Recipients{});

    f.fill();
    const AppState before = f.state;
    QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QCOMPARE(f.bytes(), expectedFile());
    QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Backup));
    QCOMPARE(test::readBytes(f.drives.folder('C') / "VelmoraBackup" / "KT470RX.TXT"),
             expectedFile());

    Recipients r;
    const AppState s = f.readBack(r);
    QCOMPARE(s.CurrentNetworkParams, before.CurrentNetworkParams);
    QCOMPARE(s.SmtpSsl, before.SmtpSsl);
    QCOMPARE(r, f.recipients);
    QVERIFY(s.cameraParams == f.state.cameraParams);
    QVERIFY(!s.clockFollowsPc);
}

void TestSettingsFile::wholeFileEqualsKeyByKey() {
    // From no file and from a file made by hand, one replacement and the single writes agree.
    const QByteArray byHand =
        "; made by hand\n[Camera Setting]\nFlash Mode=2\nPIR Interval=9\n"
        "[Via Internet Settings]\nSMTP SSL=1\nGPRSAPN=old\n\n[WKSFileMark]\n"
        "Model=OLD\n[Receive number and receive email]\nPhoneNum3=123";
    using Op = files::Status (SettingsFile::*)(Transfer, SettingsCopy);
    const std::pair<const char*, Op> models[] = {{"FX200 SERIES", &SettingsFile::Mng_CamParaFX200},
                                                 {"KT320V-8PRO", &SettingsFile::Mng_CamParaGroup1},
                                                 {"KT470RX-8PRO", &SettingsFile::Mng_CamParaGroup1},
                                                 {"LN615Z-8PRO", &SettingsFile::Mng_CamParaGroup1},
                                                 {"LN713Z-10P", &SettingsFile::Mng_CamParaLN713Z},
                                                 {"LN714W-12P", &SettingsFile::Mng_CamParaLN714W}};
    for (auto [model, camera] : models) {
        for (const QByteArray& initial : {QByteArray(), byHand}) {
            Fixture f(model, "CDE");
            f.fill();
            const fs::path other = f.drives.folder('E') / "GSM" / (f.stem() + ".TXT");
            fs::create_directories(other.parent_path());
            if (!initial.isNull()) {
                f.put(initial.toStdString());
                test::writeBytes(other, initial.toStdString());
            }
            QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
            f.file.savePath = "E:\\GSM\\" + f.stem() + ".TXT";
            QVERIFY(f.file.Mng_FileMarkWrite(Transfer::Write, SettingsCopy::Card) &&
                    f.file.Mng_WapInternetPara(Transfer::Write, SettingsCopy::Card) &&
                    f.file.Mng_ReceivePara(Transfer::Write, SettingsCopy::Card) &&
                    (f.file.*camera)(Transfer::Write, SettingsCopy::Card));
            QVERIFY2(test::readBytes(other) == f.bytes(), model);
        }
    }
}

void TestSettingsFile::textLimits_data() {
    QTest::addColumn<int>("slot");  // 0-12 network field, 100-107 recipient, 200 SMTP SSL
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("readBack");
    const std::pair<const char*, int> network[] = {{"URL", 100},
                                                   {"APN", 50},
                                                   {"IP", 20},
                                                   {"Port", 10},
                                                   {"Account", 50},
                                                   {"Password", 30},
                                                   {"GPRSAPN", 50},
                                                   {"GPRSAccount", 50},
                                                   {"GPRSPassword", 30},
                                                   {"SendEmailServer", 100},
                                                   {"SendEmailPort", 10},
                                                   {"SendEmailAddr", 50},
                                                   {"SendEmailPassword", 30}};
    for (int i = 0; i < 13; ++i) {
        auto [key, n] = network[i];
        const QByteArray v = digits(n + 20);
        QTest::addRow("%s too long", key) << i << key << v << v.left(n) << v.left(n - 1);
    }
    auto row = [](const char* name, int slot, const char* key, QByteArray v, QByteArray w,
                  QByteArray r) { QTest::newRow(name) << slot << key << v << w << r; };
    row("URL of 100", 0, "URL", digits(100), digits(100), digits(99));
    row("URL blanks", 0, "URL", " \t http://a b/ \t\r ", "http://a b/", "http://a b/");
    row("Port blank", 3, "Port", "   ", "", "");
    row("admin of 90", 100, "AdministratorNum", digits(90), digits(80), digits(79));
    row("email 4 of 90", 107, "ReceiveEmail4", digits(90), digits(80), digits(79));
    row("phone blanks", 102, "PhoneNum3", "  +46 70 1\t", "+46 70 1", "+46 70 1");
    row("email quoted", 105, "ReceiveEmail2", "\" a@b.se \"", "\" a@b.se \"",
        " a@b.se ");  // read as it comes
    row("SSL blanks", 200, "SMTP SSL", " 1 ", "1", "1");
    row("SSL cut", 200, "SMTP SSL", "1234567", "12345", "12345");
}

void TestSettingsFile::textLimits() {
    QFETCH(int, slot);
    QFETCH(QString, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, readBack);
    auto text = [slot](AppState& s, Recipients& r) -> std::string& {
        if (slot < 100) return *s.CurrentNetworkParams.fields()[std::size_t(slot)];
        return slot < 200 ? r.texts[std::size_t(slot - 100)] : s.SmtpSsl;
    };
    Fixture f("LN714W-12P");
    text(f.state, f.recipients) = value.toStdString();
    QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QVERIFY2(f.has(key.toStdString(), written.toStdString()), f.bytes().c_str());
    QCOMPARE(QByteArray::fromStdString(text(f.state, f.recipients)), value);  // memory unchanged
    Recipients r;
    AppState s = f.readBack(r);
    QCOMPARE(QByteArray::fromStdString(text(s, r)), readBack);
}

void TestSettingsFile::fileMark() {
    const std::pair<QByteArray, bool> cases[] = {
        {"[WKSFileMark]\r\nModel=KT470RX\r\n", true},
        {"[WKSFileMark]\r\nModel= \t KT470RX  \r\n", true},
        {"[wksfilemark]\nmodel=KT470RX", true},                // names without case
        {"[WKSFileMark]\r\nModel=KT470RX       X\r\n", true},  // 14 bytes are read
        {"[WKSFileMark]\r\nModel=kt470rx\r\n", false},
        {"[WKSFileMark]\r\nModel=KT320V\r\n", false},
        {"[WKSFileMark]\r\nModel=KT470RX-8PRO\r\n", false},
        {"[WKSFileMark]\r\nModel=\r\n", false},
        {"[WKSFileMark]\r\nStem=KT470RX\r\n", false},
        {"[Camera Setting]\r\nModel=KT470RX\r\n", false},
        {QByteArray(), false},  // no file
    };
    for (const auto& [file, accepted] : cases) {
        Fixture f("KT470RX-8PRO");
        if (!file.isNull()) f.put(file.toStdString());
        QVERIFY2(f.file.Mng_ChkFileMark(f.file.savePath) == accepted, file.constData());
    }
}

void TestSettingsFile::modelOnlyKeys() {
    // "SMTP SSL" is the last of "Via Internet Settings" where there is one; smsIndex is the
    // place of "SMS Control" in "Camera Setting", -1 for none.
    const std::tuple<const char*, bool, int> models[] = {
        {"FX200 SERIES", false, -1}, {"KT320V-8PRO", true, -1}, {"KT470RX-8PRO", true, 7},
        {"LN615Z-8PRO", true, 7},    {"LN713Z-10P", false, 7},  {"LN714W-12P", true, 6}};
    const char* form = "%1: SMTP SSL last %2, %3 keys; SMS Control at %4; read %5 %6; kept %7 %8";
    for (auto [model, ssl, smsIndex] : models) {
        Fixture f(model);
        QCOMPARE(f.file.Mng_AllParaSetDefault(), 1);
        f.state.SmtpSsl = "1";
        f.state.cameraParams.SmsControl = 1;
        QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
        const auto internet = f.doc().keys("Via Internet Settings");
        const auto camera = f.doc().keys("Camera Setting");
        const auto sms = std::find(camera.begin(), camera.end(), "SMS Control");

        // Entries in the file are read (SMTP SSL cut to 5) and replaced only by a model that has
        // them.
        f.put(
            "[Via Internet Settings]\r\nSMTP SSL=1234567\r\n[Camera Setting]\r\nSMS Control=1\r\n");
        f.state.SmtpSsl = "kept";
        f.state.cameraParams.SmsControl = 5;
        QVERIFY(f.file.Mng_AllPara(Transfer::Read, SettingsCopy::Card));
        const QString read = QString::fromStdString(f.state.SmtpSsl);
        const int smsRead = f.state.cameraParams.SmsControl;
        f.state.SmtpSsl = "0";
        f.state.cameraParams.SmsControl = 0;
        QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
        QCOMPARE(
            QString(form)
                .arg(model)
                .arg(internet.back() == "SMTP SSL")
                .arg(internet.size())
                .arg(sms == camera.end() ? -1 : int(sms - camera.begin()))
                .arg(read)
                .arg(smsRead)
                .arg(QString::fromStdString(*f.doc().value("Via Internet Settings", "SMTP SSL")))
                .arg(QString::fromStdString(*f.doc().value("Camera Setting", "SMS Control"))),
            QString(form)
                .arg(model)
                .arg(ssl)
                .arg(ssl ? 8 : 7)
                .arg(smsIndex)
                .arg(ssl ? "12345" : "kept")
                .arg(smsIndex < 0 ? 5 : 1)
                .arg(ssl ? "0" : "1234567")
                .arg(smsIndex < 0 ? "1" : "0"));
    }
}

void TestSettingsFile::existingFile() {
    Fixture f("KT470RX-8PRO");
    f.fill();
    // A key this program does not know keeps its value and place, and so does a blank line.
    const std::string known = withLine(expectedFile(), "Photo Burst", "0\r\nFlash Mode=3\r\n");
    f.put(known);
    QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QCOMPARE(f.bytes(), known);
    f.state.cameraParams.PirInterval = 4;
    QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QCOMPARE(f.bytes(), withLine(known, "PIR Interval", "4"));

    // Without the recipients section all eight fields are emptied; the rest is read.
    std::string bytes = expectedFile();
    const auto from = bytes.find("[Receive");
    f.put(bytes.erase(from, bytes.find("[Camera") - from));
    f.state.CurrentNetworkParams = {};
    QVERIFY(f.file.Mng_AllPara(Transfer::Read, SettingsCopy::Card));
    QCOMPARE(f.recipients, Recipients{});
    QCOMPARE(f.state.CurrentNetworkParams.URL, std::string("http://mms.example.net/mms"));
    QCOMPARE(f.state.cameraParams.PirInterval, 1);
}

void TestSettingsFile::refusedWrites() {
    Fixture f("KT470RX-8PRO");
    f.fill();
    const std::string old = withLine(expectedFile(), "PIR Interval", "9");
    f.put(old);
    ::chmod(f.card().c_str(), 0444);
    QVERIFY(!f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QVERIFY(!f.file.Mng_WapInternetPara(Transfer::Write, SettingsCopy::Card));
    QVERIFY(!f.file.Mng_CamParaGroup1(Transfer::Write, SettingsCopy::Card));
    QCOMPARE(f.bytes(), old);
    QCOMPARE(fs::status(f.card()).permissions() & fs::perms::owner_write, fs::perms::none);

    f.file.savePath = "E:\\GSM\\KT470RX.TXT";  // no drive E:
    QVERIFY(!f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QVERIFY(!f.file.Mng_FileMarkWrite(Transfer::Write, SettingsCopy::Card));
}

void TestSettingsFile::cameraValues_data() {
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(kCameraCases)); ++i) QTest::newRow(kCameraCases[i].name) << i;
}

void TestSettingsFile::cameraValues() {
    QFETCH(int, i);
    const CameraCase& c = kCameraCases[i];
    Fixture f(c.model);
    QCOMPARE(f.file.Mng_AllParaSetDefault(), 1);
    const auto field = fieldOf(c.model, c.key);
    if (c.memory) f.state.cameraParams.*field = *c.memory;
    QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    if (c.memory) {
        QVERIFY2(f.has(c.key, c.text.toStdString()), f.bytes().c_str());
        QCOMPARE(f.state.cameraParams.*field, *c.memory);
    } else {
        f.put(withLine(f.bytes(), c.key, c.text));
    }
    Recipients r;
    const AppState s = f.readBack(r);
    QCOMPARE(s.cameraParams.*field, c.read);
    QCOMPARE(s.cameraParams.ClockYear, kFixed.year);
}

void TestSettingsFile::clock() {
    Fixture f("KT470RX-8PRO");
    f.fill();
    QVERIFY(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    const CameraParams& p = f.state.cameraParams;
    QCOMPARE((LocalTime{p.ClockYear, p.ClockMonth, p.ClockDay, p.ClockHour, p.ClockMinute,
                        p.ClockSecond}),
             kFixed);

    // Read without defaults, the clock is written back as it was, though the time has moved
    // on; reading leaves the flag as it was.
    fixClock(LocalTime{2030, 6, 15, 8, 30, 0});
    AppState s;
    Recipients r;
    SettingsFile other("KT470RX-8PRO", s, r);
    other.savePath = f.file.savePath;
    QVERIFY(other.Mng_AllPara(Transfer::Read, SettingsCopy::Card) && !s.clockFollowsPc);
    QVERIFY(other.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QCOMPARE(f.bytes(), expectedFile());
    s.clockFollowsPc = true;
    QVERIFY(other.Mng_AllPara(Transfer::Read, SettingsCopy::Card) && s.clockFollowsPc);
    QVERIFY(other.Mng_AllPara(Transfer::Write, SettingsCopy::Card));
    QVERIFY(f.has("Clock Year", "2030") && f.has("Clock Day", "15") && f.has("Clock Second", "0"));
    fixClock(kFixed);
}

// A display name that is none of the models: the defaults change nothing; the whole-file write
// stops before the camera section and a camera section's write leaves the clock; each says so.
void TestSettingsFile::defaults() {
    Fixture f("KT470RX-8pro");
    QCOMPARE(f.file.Mng_AllParaSetDefault(), 0);
    QVERIFY(f.state.cameraParams == CameraParams{});
    QVERIFY(!f.state.clockFollowsPc);

    f.state.CurrentNetworkParams.APN = "apn.example";
    QCOMPARE(f.file.Mng_AllPara(Transfer::Write, SettingsCopy::Card).error(),
             make_error_code(SettingsError::UnknownModel));
    QVERIFY(f.has("APN", "apn.example") && f.bytes().find("[Camera Setting]") == std::string::npos);

    f.state.clockFollowsPc = true;
    QCOMPARE(f.file.Mng_CamParaGroup1(Transfer::Write, SettingsCopy::Card).error(),
             make_error_code(SettingsError::UnknownModel));
    QVERIFY(f.bytes().find("[Camera Setting]") != std::string::npos);
    QCOMPARE(f.state.cameraParams.ClockYear, CameraParams{}.ClockYear);
}

// The key tables agree: a list holds one option per code, each model's default is one of its
// codes (the clock's -1 aside: defaults stamp the computer's time), and each model exception
// names a model and a key of its family.
void TestSettingsFile::keyTables() {
    for (const CameraModel& m : catalogue()) {
        for (const CameraKey& k : cameraKeysFor(m.family, m.displayName)) {
            const Codes& c = *k.codes;
            QVERIFY2(c.options.empty() || c.options.size() == std::size_t(c.last - c.first + 1),
                     k.key);
            QVERIFY2(c.holds(k.defaultValue) || (isClockKey(k) && k.defaultValue == -1), k.key);
        }
    }
    for (const ModelException& e : modelExceptions()) {
        const CameraModel* own = findModel(e.displayName);
        QVERIFY2(own, e.displayName);
        const auto keys = cameraFamily(own->family).keys;
        QVERIFY2(std::ranges::count(keys, e.field, &CameraKey::field) == 1, e.displayName);
    }
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
