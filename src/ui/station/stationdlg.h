// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Many Cards": the card station for the main screen's model, its current values the template
// for every camera. A table of the cameras (opened from a CSV list, or typed), then the run:
// which camera the next card gets, a row per card that goes written, verified, ejected and
// turns done or failed, the count done; a desktop notification and a sound at each card that
// may be removed. Stop ends the run after the current card.

#include <memory>
#include <string>

#include "settings/appstate.h"
#include "station/station.h"
#include "ui/common/screendialog.h"

class QTableWidgetItem;

namespace Ui {
class CardStationDlg;
}

namespace wks::ui {

class CardStationDlg : public ScreenDialog, private StationObserver {
    Q_OBJECT
  public:
    CardStationDlg(std::string model, const AppState& state, const Recipients& recipients,
                   QWidget* parent = nullptr);
    ~CardStationDlg() override;

    // Where the report goes for a typed table (a list's goes beside it); tests choose their own.
    void setReportPath(std::string path) { reportPath_ = std::move(path); }
    // Fills the camera table from a CSV list; false (told to the user) when it cannot be read.
    bool openList(const std::string& path);
    bool running() const { return station_ != nullptr; }

    void reject() override;

  private:
    void stationEvent(const StationEvent& event) override;
    static QString shownWhy(const StationEvent& event);
    void chooseList();
    void addCamera();
    void removeCamera();
    void start();
    void stop();
    void showCount();
    void setEditing(bool editing);
    // The card's row, made when the card arrives.
    QTableWidgetItem* stateOf(const Card& card, const std::string& camera);

    std::unique_ptr<Ui::CardStationDlg> ui_;
    std::string model_;
    AppState state_;
    Recipients recipients_;
    std::string listPath_, reportPath_;
    std::unique_ptr<Station> station_;
    bool closeAfterRun_ = false;
};

}  // namespace wks::ui
