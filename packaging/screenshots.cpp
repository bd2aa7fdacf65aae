// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every screen of wks-config into PNG files for the documentation and the AppStream
// metadata: the real dialogs, opened as the program opens them, on temporary drives holding
// sample settings, in English and the main screen also in German and Finnish.
// usage: wks-screenshots OUTPUT-FOLDER [LANGUAGE] (run on the offscreen platform); with a
// LANGUAGE ("de", "fi", ...) every screen in that language, for its translators.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/catalogue.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/process.h"
#include "session/mainsession.h"
#include "session/operatorchoice.h"
#include "session/prompts.h"
#include "settings/appstate.h"
#include "settings/settingsfile.h"
#include "ui/camera/camerascreens.h"
#include "ui/common/qtprompter.h"
#include "ui/common/screendialog.h"
#include "ui/common/translations.h"
#include "ui/main/mainparadlg.h"
#include "ui/network/wapparadlg.h"
#include "ui/select/modseldlg.h"
#include "ui/station/stationdlg.h"

namespace fs = std::filesystem;
using namespace wks;
using namespace wks::ui;

namespace {

QString outDir;
int failures = 0;

void save(QWidget& screen, const char* name) {
    screen.show();
    QApplication::processEvents();
    const QString path = outDir + "/" + name + ".png";
    if (!screen.grab().save(path)) {
        std::fprintf(stderr, "wks-screenshots: cannot write %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
    screen.hide();
}

void open(QDialog& screen) {
    if (auto* s = qobject_cast<ScreenDialog*>(&screen)) s->initOnce();
}

// The sample a user would have: Sweden's Telia, an administrator and two e-mail recipients,
// saved onto the card in E: by an ordinary save.
void writeSampleCard(const std::string& displayName) {
    ScriptedPrompter answers;
    ScopedPrompter prompts(answers);
    SystemProcessRunner runner;
    AppState state;
    MainSession session(displayName, state, runner);
    Recipients& recipients = session.recipients();
    recipients.texts[Recipients::AdministratorNum] = "+46701234567";
    recipients.texts[Recipients::PhoneNum2] = "+46709876543";
    recipients.texts[Recipients::ReceiveEmail1] = "hunter@example.se";
    recipients.texts[Recipients::ReceiveEmail2] = "cabin@example.se";
    if (!session.open()) std::abort();
    bool keepSsl = false;
    ApplyOperatorChoice(state, *findModel(displayName), "Sweden", "Telia", keepSsl);
    state.CurrentNetworkParams.SendEmailServer = "smtp.example.se";
    state.CurrentNetworkParams.SendEmailAddr = "camera@example.se";
    session.save();
}

void mainScreen(const std::string& displayName, const char* name) {
    writeSampleCard(displayName);
    AppState state;
    CWKS_MainParaDlg screen(displayName, state);
    open(screen);
    // The user's choice of country, as a click makes it.
    if (auto* countries = screen.findChild<QListWidget*>("countryList")) {
        const auto found = countries->findItems("Sweden", Qt::MatchExactly);
        if (!found.isEmpty()) countries->setCurrentItem(found.front());
    }
    save(screen, name);
    screen.reject();
}

// The card station in the middle of a run from a deployments table: two cards written (through
// the drive letters: no UDisks2 here), the third camera next.
void stationScreen(const fs::path& root, const char* name) {
    const fs::path list = root / "deployments.csv";
    std::FILE* f = std::fopen(list.c_str(), "w");
    if (!f) return;
    std::fputs(
        "deploymentID,cameraID,locationName,Camera Position,ReceiveEmail1\n"
        "dep-01,CAM-01,\"Ridge, north\",1,ranger.north@example.org\n"
        "dep-02,CAM-02,Beaver pond,2,\n"
        "dep-03,CAM-03,Old road,3,ranger.south@example.org\n",
        f);
    std::fclose(f);
    AppState state;
    bool keepSsl = false;
    ApplyOperatorChoice(state, *findModel("LN714W-12P"), "Sweden", "Telia", keepSsl);
    state.CurrentNetworkParams.SendEmailServer = "smtp.example.se";
    state.CurrentNetworkParams.SendEmailAddr = "camera@example.se";
    Recipients recipients;
    recipients.texts[Recipients::AdministratorNum] = "+46701234567";
    if (!SettingsFile("LN714W-12P", state, recipients).Mng_AllParaSetDefault()) std::abort();
    CardStationDlg screen("LN714W-12P", state, recipients);
    open(screen);
    screen.openList(list.string());
    screen.resize(640, 520);
    const DriveTable before = drives();
    for (const char* card : {"SD-A", "SD-B"}) fs::create_directories(root / card);
    // The cards come once the run waits for them; the picture is taken while it goes on.
    QTimer::singleShot(100, [&] {
        setDrives(DriveTable({{'C', root / "c"}, {'F', root / "SD-A"}, {'G', root / "SD-B"}}));
    });
    QTimer::singleShot(3000, [&] {
        save(screen, name);
        screen.reject();  // ends the run
    });
    screen.show();
    if (auto* start = screen.findChild<QPushButton*>("startButton")) start->click();
    setDrives(before);
}

void wapScreen(bool showCurrent, const char* name) {
    AppState state;
    bool keepSsl = false;
    if (showCurrent)
        ApplyOperatorChoice(state, *findModel("KT470RX-8PRO"), "Sweden", "Telia", keepSsl);
    CWKS_WapParaDlg screen(state);
    screen.advancedAvailable = true;
    screen.showCurrent = showCurrent;
    screen.presetSelected = showCurrent;
    open(screen);
    save(screen, name);
}

// A passed "Test E-mail" over the WAP / Internet screen: a real test, against the tests' mail
// server (aiosmtpd) on port 2525 of this machine.
void mailTestScreen(const char* name) {
    QTemporaryDir dir;
    QProcess servers;
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        servers.start(python, {WKS_SMTP_SERVERS_PY, dir.path(), "2525"});
        while (servers.waitForStarted() && !servers.canReadLine() &&
               servers.state() == QProcess::Running)
            servers.waitForReadyRead(30000);
        if (servers.canReadLine()) break;
        servers.waitForFinished();
    }
    if (!servers.canReadLine()) {
        std::fprintf(stderr, "wks-screenshots: no mail server for %s (python3-aiosmtpd)\n", name);
        ++failures;
        return;
    }
    AppState state;
    bool keepSsl = false;
    ApplyOperatorChoice(state, *findModel("KT470RX-8PRO"), "Sweden", "Telia", keepSsl);
    NetworkPreset& net = state.CurrentNetworkParams;
    net.SendEmailServer = "localhost";
    net.SendEmailPort = "2525";
    net.SendEmailAddr = "camera@example.test";
    net.SendEmailPassword = "right-pw";
    CWKS_WapParaDlg screen(state);
    screen.advancedAvailable = true;
    screen.showCurrent = true;
    screen.presetSelected = true;
    open(screen);
    screen.show();

    QtPrompter prompter;
    ScopedPrompter prompts(prompter);
    QEventLoop done;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        QPixmap picture = screen.grab();
        const QPixmap boxPicture = box->grab();
        QPainter(&picture).drawPixmap((picture.width() - boxPicture.width()) / 2,
                                      (picture.height() - boxPicture.height()) / 2, boxPicture);
        const QString path = outDir + "/" + name + ".png";
        if (picture.save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "wks-screenshots: cannot write %s\n", qPrintable(path));
            ++failures;
        }
        box->accept();
        done.quit();
    });
    poll.start(50);
    QTimer::singleShot(30000, &done, &QEventLoop::quit);
    QTimer::singleShot(0, screen.findChild<QPushButton*>("mailTestButton"), &QPushButton::click);
    done.exec();
    if (poll.isActive()) {
        std::fprintf(stderr, "wks-screenshots: the e-mail test did not end\n");
        ++failures;
    }
    servers.closeWriteChannel();
    servers.waitForFinished();
}

void cameraScreen(const std::string& displayName, const char* name) {
    AppState state;
    Recipients recipients;
    if (!SettingsFile(displayName, state, recipients).Mng_AllParaSetDefault()) std::abort();
    auto screen = makeCameraScreen(state, findModel(displayName)->family, displayName);
    open(*screen);
    save(*screen, name);
}

void selectionScreen(const char* name) {
    AppState state;
    CWKS_ModSelDlg screen(state, [](const std::string&, AppState&) { return nullptr; });
    open(screen);
    if (auto* list = screen.findChild<QComboBox*>()) {
        const int index = list->findText("KT470RX-8PRO");
        list->setCurrentIndex(index);
        emit list->activated(index);  // as the user's choice
    }
    save(screen, name);
}

// A message box as the program shows it, grabbed while it waits for an answer.
void messageBox(const char* name) {
    QtPrompter prompter;
    QTimer::singleShot(0, [name] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            save(*box, name);
            box->reject();
        }
    });
    prompter.show(Message{kCaptionTips, "Sava all parameters to \"E:\\GSM\\KT470RX.TXT\" ?",
                          Buttons::OkCancel, Icon::Question});
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: wks-screenshots OUTPUT-FOLDER [LANGUAGE]\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!language.isEmpty() && !shippedLanguages().contains(language)) {
        std::fprintf(stderr, "wks-screenshots: no catalogue for %s\n", argv[2]);
        return 2;
    }
    useLanguage(language);
    fixClock(LocalTime{2026, 12, 8, 9, 30, 0});  // the same pictures from every run
    QDir().mkpath(outDir);

    // A folder of fixed name, so that the line naming the card's folder is the same in every run.
    const fs::path root = fs::temp_directory_path() / "wks-screenshots";
    fs::remove_all(root);
    qputenv("XDG_DATA_HOME", QString::fromStdString((root / "data").string()).toLocal8Bit());
    fs::create_directories(root / "c");
    fs::create_directories(root / "TRAILCAM");
    setDrives(DriveTable({{'C', root / "c"}, {'E', root / "TRAILCAM"}}));

    selectionScreen("model-selection");
    mainScreen("KT470RX-8PRO", "main-KT470RX");
    mainScreen("LN714W-12P", "main-LN714W");
    wapScreen(true, "wap-check");
    wapScreen(false, "wap-user-defined");
    mailTestScreen("wap-mail-test");
    cameraScreen("FX200 SERIES", "camera-FX200");
    cameraScreen("KT470RX-8PRO", "camera-Group1");
    cameraScreen("LN713Z-10P", "camera-LN713Z");
    cameraScreen("LN714W-12P", "camera-LN714W");
    messageBox("message-box");
    stationScreen(root, "station");
    // The main screen as users of two of the longer languages see it.
    for (const char* other : {"de", "fi"}) {
        if (!language.isEmpty()) break;
        if (!shippedLanguages().contains(other)) continue;
        useLanguage(other);
        mainScreen("KT470RX-8PRO", qPrintable(QStringLiteral("main-KT470RX-%1").arg(other)));
    }
    useLanguage({});
    fs::remove_all(root);
    return failures ? 1 : 0;
}
