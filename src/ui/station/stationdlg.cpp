// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/station/stationdlg.h"

#include <QApplication>
#include <QHeaderView>
#include <filesystem>

#include "platform/files.h"
#include "session/prompts.h"
#include "station/csvtable.h"
#include "ui/common/accessibility.h"
#include "ui/common/translations.h"
#include "ui/station/desktopnotice.h"
#include "ui_stationdlg.h"

namespace wks::ui {
namespace {

using Kind = StationEvent::Kind;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// What happened to a card, and that its row is missing from the report when it is: a camera
// done but not in the report would be written again by the next run.
QString withReport(const QString& words, const StationEvent& e) {
    if (e.reportWhy.empty()) return words;
    return shownText(Text(QT_TRANSLATE_NOOP("Message", "%1 (the report could not be written: %2)"))
                         .with(Text::verbatim(words.toStdString()))
                         .with(Text::verbatim(e.reportWhy)));
}

}  // namespace

// What happened to a card that was not written, in the user's language; a system's own reason
// as it gave it.
QString CardStationDlg::shownWhy(const StationEvent& e) {
    using Why = StationEvent::Why;
    const QString camera = text(e.camera);
    if (e.kind == Kind::Known) return tr("This card was written for %1").arg(camera);
    if (e.why == Why::HoldsOwnFile)
        return tr("Card left untouched: it holds %1 already").arg(shownText(e.detail));
    if (e.why == Why::HoldsOtherModel)
        return tr("Card left untouched: it holds the settings file of a %1")
            .arg(shownText(e.detail));
    QString reason = shownText(e.detail);
    if (e.why == Why::ReadOnly) reason = tr("the card is read-only");
    if (e.why == Why::Full) reason = tr("the card is full");
    if (e.why == Why::WentAway) reason = tr("the card went away or failed while it was written");
    return tr("%1 not written: %2").arg(camera, reason);
}

namespace {

void fitColumns(QTableWidget* table) {
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace

CardStationDlg::CardStationDlg(std::string model, const AppState& state,
                               const Recipients& recipients, QWidget* parent)
    : ScreenDialog(parent),
      ui_(std::make_unique<Ui::CardStationDlg>()),
      model_(std::move(model)),
      state_(state),
      recipients_(recipients) {
    ui_->setupUi(this);
    setObjectName("CardStationDlg");
    setWindowTitle(tr("Many Cards: %1").arg(text(model_)));
    ui_->cameraTable->setColumnCount(1);
    ui_->cameraTable->setHorizontalHeaderLabels({kCameraIdColumn});
    ui_->cardTable->setColumnCount(3);
    ui_->cardTable->setHorizontalHeaderLabels({tr("Camera"), tr("Card"), tr("State")});
    ui_->cardTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fitColumns(ui_->cameraTable);
    fitColumns(ui_->cardTable);
    labelControl(ui_->camerasLabel, ui_->cameraTable);
    labelControl(ui_->cardsLabel, ui_->cardTable);
    if (const CameraModel* m = findModel(model_)) {
        reportPath_ = files::native(std::string(kBackupFolder) + "\\" + m->fileStem + "-cards.csv")
                          .value_or(m->fileStem + "-cards.csv");
    }
    connect(ui_->openListButton, &QPushButton::clicked, this, &CardStationDlg::chooseList);
    connect(ui_->addButton, &QPushButton::clicked, this, &CardStationDlg::addCamera);
    connect(ui_->removeButton, &QPushButton::clicked, this, &CardStationDlg::removeCamera);
    connect(ui_->startButton, &QPushButton::clicked, this, &CardStationDlg::start);
    connect(ui_->stopButton, &QPushButton::clicked, this, &CardStationDlg::stop);
    connect(ui_->closeButton, &QPushButton::clicked, this, &CardStationDlg::reject);
}

CardStationDlg::~CardStationDlg() = default;

void CardStationDlg::chooseList() {
    const auto path = prompter().openFile(
        {tr("Camera List").toStdString(), "Camera List(*.csv)|*.csv|All Files(*.*)|*.*||"});
    if (path) openList(*path);
}

bool CardStationDlg::openList(const std::string& path) {
    auto rows = readCsv(path);
    if (auto* why = std::get_if<Text>(&rows)) {
        showMessage({kAppTitle, *why, Buttons::Ok, Icon::Warning});
        return false;
    }
    const auto& all = std::get<std::vector<CsvRow>>(rows);
    QTableWidget* table = ui_->cameraTable;
    table->clear();
    table->setRowCount(0);
    if (all.empty()) return true;
    table->setColumnCount(static_cast<int>(all[0].fields.size()));
    QStringList header;
    for (const auto& h : all[0].fields) header << text(h);
    table->setHorizontalHeaderLabels(header);
    for (std::size_t r = 1; r < all.size(); ++r) {
        table->insertRow(table->rowCount());
        for (std::size_t c = 0; c < all[r].fields.size() && int(c) < table->columnCount(); ++c)
            table->setItem(table->rowCount() - 1, int(c),
                           new QTableWidgetItem(text(all[r].fields[c])));
    }
    listPath_ = path;
    const std::filesystem::path p(path);
    reportPath_ = (p.parent_path() / (p.stem().string() + "-report.csv")).string();
    return true;
}

void CardStationDlg::addCamera() {
    QTableWidget* table = ui_->cameraTable;
    int idColumn = 0;
    for (int c = 0; c < table->columnCount(); ++c) {
        if (table->horizontalHeaderItem(c)->text() == kCameraIdColumn) idColumn = c;
    }
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, idColumn, new QTableWidgetItem(text(CameraList::numberedId(row + 1))));
    table->setCurrentCell(row, idColumn);
}

void CardStationDlg::removeCamera() {
    const int row = ui_->cameraTable->currentRow();
    if (row >= 0) ui_->cameraTable->removeRow(row);
}

void CardStationDlg::setEditing(bool editing) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui_->cameraTable, ui_->openListButton, ui_->addButton,
                                         ui_->removeButton, ui_->overwriteBox, ui_->startButton})
        w->setEnabled(editing);
    ui_->stopButton->setEnabled(!editing);
}

void CardStationDlg::start() {
    const CameraModel* model = findModel(model_);
    if (!model || running()) return;
    QTableWidget* table = ui_->cameraTable;
    std::vector<std::string> header;
    for (int c = 0; c < table->columnCount(); ++c)
        header.push_back(table->horizontalHeaderItem(c)->text().toStdString());
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            row.push_back(item ? item->text().toStdString() : std::string());
        }
        rows.push_back(std::move(row));
    }
    auto list = CameraList::make(header, rows, *model);
    if (auto* why = std::get_if<Text>(&list)) {
        showMessage({kAppTitle, *why, Buttons::Ok, Icon::Warning});
        return;
    }
    StationOptions options;
    options.model = model_;
    options.templateState = state_;
    options.templateRecipients = recipients_;
    options.cameras = std::move(std::get<CameraList>(list));
    options.reportPath = reportPath_;
    options.overwrite = ui_->overwriteBox->isChecked();
    std::string note;
    station_ = std::make_unique<Station>(std::move(options), openCardSource(note));
    station_->setObserver(this);
    if (Text why = station_->prepare(); !why.empty()) {
        station_.reset();
        showMessage({kAppTitle, std::move(why), Buttons::Ok, Icon::Warning});
        return;
    }
    setEditing(false);
    showCount();
    station_->run();
    station_.reset();
    setEditing(true);
    if (closeAfterRun_) ScreenDialog::reject();
}

void CardStationDlg::stop() {
    if (running()) station_->stop();
    ui_->stopButton->setEnabled(false);
}

void CardStationDlg::reject() {
    // A card being written is finished first.
    if (running()) {
        closeAfterRun_ = true;
        stop();
        return;
    }
    ScreenDialog::reject();
}

void CardStationDlg::showCount() {
    if (!station_) return;
    ui_->countLabel->setText(
        tr("%1 of %2 cameras done").arg(station_->doneCount()).arg(station_->total()));
}

QTableWidgetItem* CardStationDlg::stateOf(const Card& card, const std::string& camera) {
    QTableWidget* table = ui_->cardTable;
    const QString name = text(card.label.empty() ? card.folder.string() : card.label);
    const int last = table->rowCount() - 1;
    if (last >= 0 && table->item(last, 1)->data(Qt::UserRole).toString() == text(card.key))
        return table->item(last, 2);
    table->insertRow(last + 1);
    table->setItem(last + 1, 0, new QTableWidgetItem(text(camera)));
    auto* cardItem = new QTableWidgetItem(name);
    cardItem->setData(Qt::UserRole, text(card.key));
    table->setItem(last + 1, 1, cardItem);
    table->setItem(last + 1, 2, new QTableWidgetItem());
    table->scrollToBottom();
    return table->item(last + 1, 2);
}

void CardStationDlg::stationEvent(const StationEvent& e) {
    const QString camera = text(e.camera);
    // Whether the card may be taken out now, after the words of what happened to it.
    auto removal = [&](const QString& words) {
        return e.safe ? tr("%1 — safe to remove").arg(words)
                      : tr("%1 — unmount it before you remove it").arg(words);
    };
    switch (e.kind) {
        case Kind::Waiting:
            ui_->nextLabel->setText(camera.isEmpty() ? tr("Every camera is done.")
                                                     : tr("The next card gets %1.").arg(camera));
            break;
        case Kind::Arrived:
            stateOf(e.card, e.camera)->setText(tr("writing"));
            break;
        case Kind::Written:
            stateOf(e.card, e.camera)->setText(tr("written"));
            break;
        case Kind::Verified:
            stateOf(e.card, e.camera)->setText(tr("verified"));
            break;
        case Kind::Done: {
            const QString words =
                withReport(e.safe ? tr("%1 done — safe to remove").arg(camera)
                                  : tr("%1 done — unmount it before you remove it").arg(camera),
                           e);
            stateOf(e.card, e.camera)->setText(words);
            ui_->nextLabel->setText(words);
            announce(words);
            break;
        }
        case Kind::Failed:
        case Kind::Refused:
        case Kind::Known: {
            const QString words = withReport(removal(shownWhy(e)), e);
            stateOf(e.card, e.kind == Kind::Failed ? e.camera : std::string())->setText(words);
            announce(words);
            break;
        }
        case Kind::LeftAlone:
            stateOf(e.card, std::string())->setText(tr("Left alone: it is not a memory card"));
            break;
        case Kind::SourceChanged:
            ui_->nextLabel->setText(
                tr("UDisks2 went away: unmount each card before you remove it"));
            break;
    }
    showCount();
    // The live view is drawn while the card is written, and Stop is heard: the station ends
    // the run once this card is finished (the controls that change the run are disabled).
    QApplication::processEvents();
}

}  // namespace wks::ui
