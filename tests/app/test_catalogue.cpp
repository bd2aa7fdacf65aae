// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The model catalogue: lookup, captions, options and derived paths.

#include <QTest>

#include "app/catalogue.h"

using namespace wks;

class TestCatalogue : public QObject {
    Q_OBJECT
  private slots:
    void models();
    void paths();
};

void TestCatalogue::models() {
    using enum CameraFamily;
    struct {
        const char* name;
        const char* stem;
        CameraFamily family;
        bool ssl, game;
        int picture;
    } rows[] = {{"FX200 SERIES", "FX200", FamilyFX200, false, false, 129},
                {"KT320V-8PRO", "KT320V", FamilyGroup1, true, false, 136},
                {"KT470RX-8PRO", "KT470RX", FamilyGroup1, true, false, 130},
                {"LN615Z-8PRO", "LN615Z", FamilyGroup1, true, false, 132},
                {"LN713Z-10P", "LN713Z", FamilyLN713Z, false, true, 133},
                {"LN714W-12P", "LN714W", FamilyLN714W, true, true, 134}};
    std::vector<std::string> names;
    for (const auto& r : rows) {
        names.push_back(r.name);
        const CameraModel* m = findModel(r.name);
        QVERIFY2(m, r.name);
        QCOMPARE(m->fileStem, std::string(r.stem));
        QVERIFY(m->family == r.family && m->hasSmtpSsl == r.ssl && m->hasGameCall == r.game);
        QCOMPARE(m->picture, r.picture);
        const std::string sweden = m->displayName == "KT320V-8PRO" ? " Sweden Customized" : "";
        QCOMPARE(m->caption, "WKS CONFIG : For " + std::string(r.name) + sweden);
    }
    QCOMPARE(displayNames(), names);
    for (const char* name : {"fx200 series", "Kt320v-8pro", "FX200 SERIES ", "FX200", ""})
        QVERIFY2(!findModel(name), name);
}

void TestCatalogue::paths() {
    const CameraModel* m = findModel("KT470RX-8PRO");
    QCOMPARE(m->settingsRelPath(), std::string("GSM\\KT470RX.TXT"));
    QCOMPARE(m->backupPath(), std::string("C:\\VelmoraBackup\\KT470RX.TXT"));
    QCOMPARE(m->initialSavePath(), std::string("C:\\GSM\\KT470RX.TXT"));
    QCOMPARE(findModel("FX200 SERIES")->backupPath(), std::string("C:\\VelmoraBackup\\FX200.TXT"));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
