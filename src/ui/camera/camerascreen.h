// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The behaviour the four camera parameter screens share. A screen sets up its layout and hands
// over its controls and opening steps (CameraControls); this class fills the lists with the
// model's options, runs the family's opening steps, the rules on the user's actions, and OK and
// Cancel. The record, clockFollowsPc and gameCallAudioPath change only as the rules say: the
// record and the flag on a confirmed OK; the audio path also when the game call is switched off.

#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "session/camerarecord.h"
#include "settings/appstate.h"
#include "ui/camera/cameracontrols.h"
#include "ui/common/screendialog.h"

class QTimer;

namespace wks::ui {

class CameraScreen : public ScreenDialog {
    Q_OBJECT
  public:
    // Asks, stores the record by the family's fields, confirms and closes.
    void accept() override;
    // Closes and stores nothing (also Esc and the close box).
    void reject() override;
    // The model whose keys and lists the screen shows, given before it opens; without one the
    // screen shows its family's.
    void setModelDisplayName(const std::string& displayName) { model_ = displayName; }

  protected:
    CameraScreen(AppState& state, CameraFamily family, QWidget* parent);

    // The derived screen's constructor sets up its layout and hands over its controls.
    void setControls(camera::CameraControls controls) { controls_ = std::move(controls); }
    void initDialog() override;
    // The opening step ModelCheck, for a family whose screen checks the model it was given.
    virtual void checkModel() {}
    const std::string& model() const { return model_; }
    // The screen closes with Cancel once the opening has run to its end.
    void cancelAfterOpening() { cancelAfterOpening_ = true; }

  private:
    struct BoundList {
        const camera::FieldList* shownBy;
        std::int32_t offset;  // the code of the list's first item
    };

    bool applies(camera::Step step) const;
    QComboBox* list(std::int32_t CameraParams::*field) const;
    // The field's list and label are hidden and the field is neither shown nor stored.
    void leaveOut(std::int32_t CameraParams::*field);
    void bind();
    void run(camera::Step step);

    void showLists();
    void showGameCall();
    void showWorkDay();
    void showClock();
    void checkTimeLapseAndPir();

    void onWorkHourChosen();
    void onGameCallChosen();
    void onTimeLapseOrPirChosen(bool timeLapseChanged);
    void onDayClicked(int day);
    void onSelectAllClicked();
    void onSetClockClicked();
    void onAddAudioClicked();
    void onClockTick();

    // A click checks that button only (and, for Send Mode, enables its lists); so does showing.
    void setSendTo(int position);
    void setSendMode(int position);
    void updateSelectAll();
    void enableClockPickers();
    void showScreenAudio();
    void store();

    AppState& state_;
    CameraFamily family_;
    std::string model_;
    CameraRecordEditor editor_;
    camera::CameraControls controls_;
    std::vector<BoundList> lists_;
    QTimer* timer_ = nullptr;
    int lastTimeLapse_ = -1;
    int lastPirTrigger_ = -1;
    bool cancelAfterOpening_ = false;
};

}  // namespace wks::ui
