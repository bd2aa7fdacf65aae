// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mainparadlg.h"

#include <QCoreApplication>
#include <QIcon>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimerEvent>

#include "platform/cardsource.h"
#include "platform/drives.h"
#include "presets/placeholdersender.h"
#include "session/prompts.h"
#include "ui/camera/camerascreens.h"
#include "ui/common/accessibility.h"
#include "ui/common/latin1.h"
#include "ui/common/listbox.h"
#include "ui/common/modalrunner.h"
#include "ui/common/picture.h"
#include "ui/common/plaintext.h"
#include "ui/common/translations.h"
#include "ui/main/aboutbox.h"
#include "ui/network/wapparadlg.h"
#include "ui/station/stationdlg.h"
#include "ui_mainparadlg.h"

namespace wks::ui {
namespace {

// The lists' last entry is the program's word; the countries and operators are the table's.
const char* const kOthersEntry = QT_TRANSLATE_NOOP("wks::ui::CWKS_MainParaDlg", "Others......");

// Shows the entries and the selection the program decided on; none of it counts as the user's.
void showList(QListWidget* list, const std::vector<std::string>& names, int selected) {
    const QSignalBlocker block(list);
    QStringList texts;
    for (const auto& name : names) {
        texts << (name == OperatorLists::kOthers ? CWKS_MainParaDlg::tr(kOthersEntry)
                                                 : latin1Text(name));
    }
    bool same = list->count() == texts.size();
    for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == texts[i];
    if (!same) {
        list->clear();
        list->addItems(texts);
    }
    if (selected < 0 || selected >= list->count()) {
        list->clearSelection();
        list->setCurrentItem(nullptr);
        return;
    }
    list->setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(selected));
}

}  // namespace

CWKS_MainParaDlg::CWKS_MainParaDlg(std::string displayName, AppState& state, QWidget* parent)
    : CWKS_MainParaDlg(std::move(displayName), state, std::make_unique<SystemProcessRunner>(),
                       nullptr, parent) {}

CWKS_MainParaDlg::CWKS_MainParaDlg(std::string displayName, AppState& state, ProcessRunner& runner,
                                   QWidget* parent)
    : CWKS_MainParaDlg(std::move(displayName), state, nullptr, &runner, parent) {}

CWKS_MainParaDlg::CWKS_MainParaDlg(std::string displayName, AppState& state,
                                   std::unique_ptr<ProcessRunner> ownRunner, ProcessRunner* runner,
                                   QWidget* parent)
    : ScreenDialog(parent),
      ui_(std::make_unique<Ui::CWKS_MainParaDlg>()),
      state_(state),
      ownRunner_(std::move(ownRunner)),
      runner_(runner ? *runner : *ownRunner_),
      session_(std::move(displayName), state, runner_, [this] { return runWapScreen(false); }),
      progress_(runner_, this) {
    ui_->setupUi(this);
    setObjectName("CWKS_MainParaDlg");
    // Its own task bar entry, a minimise button and a close box, though the selection screen
    // owns it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    recipientFields_ = {ui_->adminNumber,   ui_->phoneNumber2,  ui_->phoneNumber3,
                        ui_->phoneNumber4,  ui_->receiveEmail1, ui_->receiveEmail2,
                        ui_->receiveEmail3, ui_->receiveEmail4};
    QLabel* const labels[] = {ui_->adminLabel,  ui_->phone2Label, ui_->phone3Label,
                              ui_->phone4Label, ui_->email1Label, ui_->email2Label,
                              ui_->email3Label, ui_->email4Label};
    for (std::size_t i = 0; i < Recipients::kCount; ++i) {
        makeLatin1Field(recipientFields_[i]);
        labelControl(labels[i], recipientFields_[i],
                     i == Recipients::AdministratorNum ? tr("Admin Number") : QString());
    }
    makeListBox(ui_->countryList);
    makeListBox(ui_->operatorList);
    labelControl(ui_->countryLabel, ui_->countryList);
    labelControl(ui_->operatorLabel, ui_->operatorList);
    labelControl(ui_->destinationLabel, ui_->destinationList, tr("Settings file"));
    nameControl(ui_->banner, tr("About Us"));
    ui_->banner->setToolTip(tr("About Us (F1)"));
    ui_->banner->setClickable(true);
    // Across the whole screen, so no bare strip is left beside it.
    ui_->banner->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(ui_->banner, &Picture::clicked, this, &CWKS_MainParaDlg::about);
    ui_->senderNoteIcon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    ui_->senderNoteText->setText(
        QCoreApplication::translate(kPlaceholderSenderContext, kPlaceholderSenderNote));
    ui_->senderNote->hide();

    connect(ui_->countryList, &QListWidget::itemSelectionChanged, this,
            [this] { userSelected(ui_->countryList); });
    connect(ui_->operatorList, &QListWidget::itemSelectionChanged, this,
            [this] { userSelected(ui_->operatorList); });
    connect(ui_->checkWapButton, &QPushButton::clicked, this,
            &CWKS_MainParaDlg::checkWapParameters);
    connect(ui_->defaultButton, &QPushButton::clicked, this, &CWKS_MainParaDlg::defaultSetting);
    connect(ui_->changeButton, &QPushButton::clicked, this,
            &CWKS_MainParaDlg::Mng_JumpToCertainMod);
    connect(ui_->saveButton, &QPushButton::clicked, this, &CWKS_MainParaDlg::save);
    connect(ui_->manyCardsButton, &QPushButton::clicked, this, &CWKS_MainParaDlg::manyCards);
    connect(ui_->ejectButton, &QToolButton::clicked, this, &CWKS_MainParaDlg::ejectCard);
    ui_->ejectButton->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    ui_->ejectButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    nameControl(ui_->ejectButton, tr("Eject the card"));
    ui_->ejectButton->setToolTip(tr("Eject the card"));
    ui_->ejectButton->hide();
    connect(ui_->exitButton, &QPushButton::clicked, this, &CWKS_MainParaDlg::reject);
    connect(ui_->destinationList, &DestinationBox::aboutToDropDown, this, [this] {
        session_.Mng_RefreshDiskList();
        showDestinations();
    });
    connect(ui_->destinationList, &QComboBox::activated, this, [this](int index) {
        session_.chooseDestination(static_cast<std::size_t>(index));
        showPlace();
    });
    // The banner is a picture, so the keyboard reaches the About box by F1.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &CWKS_MainParaDlg::about);
}

CWKS_MainParaDlg::~CWKS_MainParaDlg() = default;

void CWKS_MainParaDlg::initDialog() {
    setWindowIcon(programIcon());
    if (const CameraModel* model = session_.model()) {
        // Staged on the first tick, once the screen is on view.
        if (model->hasGameCall) stagingTimer_ = startTimer(0);
        setWindowTitle(QCoreApplication::translate("wks::CameraModel", captionTemplate(*model))
                           .arg(QString::fromStdString(model->displayName)));
        session_.operatorLists()->changed = [this] { showLists(); };
    }
    if (!session_.open()) {
        done(QDialog::Rejected);  // nothing was staged, so there is nothing to clean up
        return;
    }
    showRecipients();
    showDestinations();
    showLists();
    showSenderNote();
}

void CWKS_MainParaDlg::Mng_CountryOperatorList(OperatorListOp action) {
    OperatorLists* lists = session_.operatorLists();
    if (!lists) return;
    lists->Mng_CountryOperatorList(action);
    showLists();
    showSenderNote();
}

void CWKS_MainParaDlg::timerEvent(QTimerEvent* event) {
    if (stagingTimer_ != 0 && event->timerId() == stagingTimer_) {
        // Stopped first: staging may show a message, and must not start again meanwhile.
        killTimer(stagingTimer_);
        stagingTimer_ = 0;
        session_.stageConverter();
    }
    ScreenDialog::timerEvent(event);
}

void CWKS_MainParaDlg::userSelected(QListWidget* list) {
    OperatorLists* lists = session_.operatorLists();
    if (!lists) return;
    const auto selected = list->selectedItems();
    // A list box cannot be emptied of its selection by the user; show it as it was.
    if (selected.isEmpty()) {
        showLists();
        return;
    }
    const int row = list->row(selected.first());
    if (list == ui_->countryList) {
        lists->userSelectsCountry(row);
    } else {
        lists->userSelectsOperator(row);
    }
    showLists();
    showSenderNote();
}

bool CWKS_MainParaDlg::runWapScreen(bool checkMode) {
    CWKS_WapParaDlg wap(state_, this);
    wap.advancedAvailable = session_.model()->hasSmtpSsl;
    wap.showCurrent = checkMode;
    OperatorLists& lists = *session_.operatorLists();
    wap.presetSelected = checkMode && lists.presetSelected();
    const bool ok = modalRunner().run(wap) == QDialog::Accepted;
    if (checkMode && wap.senderChanged) lists.forgetSelection();
    showSenderNote();
    return ok;
}

void CWKS_MainParaDlg::checkWapParameters() {
    if (session_.operatorLists()) runWapScreen(true);
}

void CWKS_MainParaDlg::defaultSetting() {
    session_.applyDefaultSetting();
    showLists();
    showSenderNote();
}

void CWKS_MainParaDlg::Mng_JumpToCertainMod() {
    const CameraModel* model = session_.model();
    if (!model) {
        showMessage({kCaptionTips,
                     {QT_TRANSLATE_NOOP("Message", "Error In CWKS_MainParaDlg::%1() !"),
                      {"Mng_JumpToCertainMod"}},
                     Buttons::Ok,
                     Icon::Error});
        done(QDialog::Rejected);
        return;
    }
    auto screen = makeCameraScreen(state_, model->family, model->displayName, this);
    modalRunner().run(*screen);
}

void CWKS_MainParaDlg::save() {
    takeRecipients();
    const SaveOutcome outcome = session_.save();
    showPlace();  // the free space after the save
    // A card just written may be ejected in one step.
    const std::string& path = session_.savePath();
    savedCard_ = outcome.complete() && DriveTable::isDrivePath(path) && drives().isMedium(path[0])
                     ? path[0]
                     : 0;
    ui_->ejectButton->setVisible(savedCard_ != 0);
}

void CWKS_MainParaDlg::ejectCard() {
    const auto folder = savedCard_ ? drives().folderOf(savedCard_) : std::nullopt;
    if (!folder) return;
    const QString letter = QString(QChar(savedCard_)) + ':';
    const EjectOutcome out = ejectFolder(*folder);
    ui_->destinationPlace->setText(
        out.safe ? tr("%1 is safe to remove.").arg(letter)
                 : tr("%1 is written; unmount it before you remove it.").arg(letter));
    ui_->ejectButton->hide();
    savedCard_ = 0;
}

void CWKS_MainParaDlg::manyCards() {
    takeRecipients();
    if (!session_.model()) return;
    CardStationDlg station(session_.model()->displayName, state_, session_.recipients(), this);
    modalRunner().run(station);
}

void CWKS_MainParaDlg::reject() {
    if (stagingTimer_ != 0) {
        killTimer(stagingTimer_);
        stagingTimer_ = 0;
    }
    session_.exit();
    ScreenDialog::reject();
}

void CWKS_MainParaDlg::about() {
    AboutBox box(this);
    modalRunner().run(box);
}

void CWKS_MainParaDlg::showLists() {
    const OperatorLists* lists = session_.operatorLists();
    if (!lists) return;
    showList(ui_->countryList, lists->countries(), lists->selectedCountry());
    showList(ui_->operatorList, lists->operators(), lists->selectedOperator());
}

void CWKS_MainParaDlg::showDestinations() {
    QComboBox* box = ui_->destinationList;
    const QSignalBlocker block(box);
    box->clear();
    for (const auto& path : session_.destinations()) {
        box->addItem(QString::fromStdString(path));
        box->setItemData(box->count() - 1, plainToolTip(shownText(session_.placeOf(path))),
                         Qt::ToolTipRole);
    }
    box->setCurrentIndex(session_.selectedDestination());
    showPlace();
}

// The line under the list: what the chosen letter is on this machine. It shows what the last
// examination found, so drawing it never waits on a drive.
void CWKS_MainParaDlg::showPlace() {
    const QString place = shownText(session_.destinationPlace());
    ui_->destinationPlace->setText(place);
    ui_->destinationList->setToolTip(plainToolTip(place));
}

void CWKS_MainParaDlg::showSenderNote() {
    ui_->senderNote->setVisible(isPlaceholderSender(state_.CurrentNetworkParams));
}

void CWKS_MainParaDlg::showRecipients() {
    for (std::size_t i = 0; i < Recipients::kCount; ++i) {
        setFieldBytes(recipientFields_[i], session_.recipients().texts[i]);
    }
}

void CWKS_MainParaDlg::takeRecipients() {
    for (std::size_t i = 0; i < Recipients::kCount; ++i) {
        session_.recipients().texts[i] = fieldBytes(recipientFields_[i]);
    }
}

}  // namespace wks::ui
