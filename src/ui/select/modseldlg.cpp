// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/select/modseldlg.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "app/catalogue.h"
#include "ui/common/accessibility.h"
#include "ui/common/modalrunner.h"
#include "ui/common/picture.h"
#include "ui_modseldlg.h"

namespace wks::ui {

namespace {

// The drawing of a model, named by its file stem; the generic one for a name without model.
QString productPicture(const QString& displayName) {
    const CameraModel* model = findModel(displayName.toStdString());
    return QStringLiteral(":/pictures/product-%1.argb")
        .arg(model ? QString::fromStdString(model->fileStem) : QStringLiteral("none"));
}

}  // namespace

CWKS_ModSelDlg::CWKS_ModSelDlg(AppState& state, MainScreenFactory makeMainScreen, QWidget* parent)
    : ScreenDialog(parent),
      ui_(std::make_unique<Ui::CWKS_ModSelDlg>()),
      state_(state),
      makeMainScreen_(std::move(makeMainScreen)) {
    ui_->setupUi(this);
    setObjectName("CWKS_ModSelDlg");
    // A window of its own, so it shows in the task bar (a dialog without parent would be kept
    // out of it as a transient); a close box, no minimise button and no help button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // The list keeps its entries sorted without regard to letter case.
    std::vector<std::string> names = displayNames();
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) <
               0;
    });
    for (const auto& name : names) ui_->modelList->addItem(QString::fromStdString(name));
    ui_->modelList->setCurrentIndex(-1);

    labelControl(ui_->selectLabel, ui_->modelList);
    nameControl(ui_->rememberChoice, ui_->rememberChoice->text());
    nameControl(ui_->banner, "WKS CONFIG");
    nameControl(ui_->productPicture, tr("Product picture"));

    connect(ui_->modelList, &QComboBox::activated, this, &CWKS_ModSelDlg::showProductPicture);
    connect(ui_->okButton, &QPushButton::clicked, this, &CWKS_ModSelDlg::confirm);
    connect(ui_->exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

CWKS_ModSelDlg::~CWKS_ModSelDlg() { settleRegistry(); }

void CWKS_ModSelDlg::initDialog() {
    setWindowIcon(programIcon());
    // The remembered choice is shown at once; writing "-1" or deleting the keys waits until the
    // screen is on view, since flushing the registry to disk would hold up the first window.
    ModelChoice c = choice();
    openingChange_ = loadChoice(c);
    setChoice(c);
    showProductPicture();
}

void CWKS_ModSelDlg::paintEvent(QPaintEvent* event) {
    ScreenDialog::paintEvent(event);
    if (openingChange_)
        QMetaObject::invokeMethod(this, &CWKS_ModSelDlg::settleRegistry, Qt::QueuedConnection);
}

void CWKS_ModSelDlg::settleRegistry() {
    if (!openingChange_) return;
    ModelChoice registryOnly = choice();  // the change leaves the screen as the user has it
    wks::Mng_RegistryValue(*std::exchange(openingChange_, std::nullopt), registryOnly);
}

ModelChoice CWKS_ModSelDlg::choice() const {
    return {ui_->modelList->count(), ui_->modelList->currentIndex(),
            ui_->rememberChoice->isChecked()};
}

void CWKS_ModSelDlg::setChoice(const ModelChoice& choice) {
    const QSignalBlocker list(ui_->modelList);
    const QSignalBlocker box(ui_->rememberChoice);
    ui_->modelList->setCurrentIndex(choice.selected);
    ui_->rememberChoice->setChecked(choice.remember);
}

void CWKS_ModSelDlg::Mng_RegistryValue(RegistryOp action) {
    settleRegistry();
    ModelChoice c = choice();
    wks::Mng_RegistryValue(action, c);
    setChoice(c);
}

void CWKS_ModSelDlg::showProductPicture() {
    const QString name = ui_->modelList->currentText();
    ui_->productPicture->setSource(productPicture(name));
    ui_->productPicture->setAccessibleDescription(name.isEmpty() ? tr("No product chosen") : name);
}

void CWKS_ModSelDlg::Mng_JumpToMain() {
    switch (Mng_JumpToMainStep(choice())) {
        case ConfirmStep::AskForProduct:
            ui_->modelList->setFocus(Qt::OtherFocusReason);
            ui_->modelList->showPopup();
            return;
        case ConfirmStep::EndCancelled:
            reject();
            return;
        case ConfirmStep::RunMainScreen: {
            const std::string name = ui_->modelList->currentText().toStdString();
            accept();  // hides this screen at once; the program ends when confirming returns
            if (std::unique_ptr<QDialog> main = makeMainScreen_(name, state_)) {
                main->setScreen(screen());  // it opens where the user chose the model
                modalRunner().run(*main);
            }
            return;
        }
    }
}

void CWKS_ModSelDlg::confirm() {
    settleRegistry();
    Mng_JumpToMain();
    Mng_RegistryValue(RegistryOp::Store);
}

}  // namespace wks::ui
