// The model catalogue: lookup, captions, options and derived paths.

#include <QTest>

#include "app/catalogue.h"

using namespace wks;
using enum CameraFamily;

Q_DECLARE_METATYPE(CameraFamily)

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void lookup();
    void models_data();
    void models();
    void paths();
};

void TestCatalogue::lookup() {
    const std::vector<std::string> names = {"FX200 SERIES", "KT320V-8PRO", "KT470RX-8PRO",
                                            "LN615Z-8PRO", "LN713Z-10P", "LN714W-12P"};
    QCOMPARE(displayNames(), names);
    for (const auto& name : names) QCOMPARE(findModel(name)->displayName, name);
    for (const char* name : {"fx200 series", "Kt320v-8pro", "FX200 SERIES ", "FX200", ""})
        QVERIFY2(!findModel(name), name);
}

void TestCatalogue::models_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<CameraFamily>("family");
    QTest::addColumn<bool>("ssl");
    QTest::addColumn<bool>("gameCall");
    QTest::addColumn<int>("picture");
    QTest::newRow("FX200") << "FX200 SERIES" << "FX200" << FamilyFX200 << false << false << 129;
    QTest::newRow("KT320V") << "KT320V-8PRO" << "KT320V" << FamilyGroup1 << true << false << 136;
    QTest::newRow("KT470RX") << "KT470RX-8PRO" << "KT470RX" << FamilyGroup1 << true << false << 130;
    QTest::newRow("LN615Z") << "LN615Z-8PRO" << "LN615Z" << FamilyGroup1 << true << false << 132;
    QTest::newRow("LN713Z") << "LN713Z-10P" << "LN713Z" << FamilyLN713Z << false << true << 133;
    QTest::newRow("LN714W") << "LN714W-12P" << "LN714W" << FamilyLN714W << true << true << 134;
}

void TestCatalogue::models() {
    QFETCH(QString, name);
    QFETCH(QString, stem);
    QFETCH(CameraFamily, family);
    QFETCH(bool, ssl);
    QFETCH(bool, gameCall);
    QFETCH(int, picture);
    const CameraModel* m = findModel(name.toStdString());
    QVERIFY(m);
    QCOMPARE(QString::fromStdString(m->fileStem), stem);
    QCOMPARE(m->family, family);
    QCOMPARE(m->hasSmtpSsl, ssl);
    QCOMPARE(m->hasGameCall, gameCall);
    QCOMPARE(m->picture, picture);
    const QString suffix = name == "KT320V-8PRO" ? " Sweden Customized" : "";
    QCOMPARE(QString::fromStdString(m->caption), "WKS CONFIG : For " + name + suffix);
}

void TestCatalogue::paths() {
    const CameraModel* m = findModel("KT470RX-8PRO");
    QCOMPARE(m->settingsFileName(), std::string("KT470RX.TXT"));
    QCOMPARE(m->settingsRelPath(), std::string("GSM\\KT470RX.TXT"));
    QCOMPARE(m->backupPath(), std::string("C:\\VelmoraBackup\\KT470RX.TXT"));
    QCOMPARE(m->initialSavePath(), std::string("C:\\GSM\\KT470RX.TXT"));
    QCOMPARE(findModel("FX200 SERIES")->backupPath(), std::string("C:\\VelmoraBackup\\FX200.TXT"));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
