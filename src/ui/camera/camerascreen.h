// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The behaviour the four camera parameter screens share. A screen supplies its layout (a .ui
// whose controls carry the objectNames of its family's table) and this class runs the family's
// opening steps, the rules on the user's actions, and OK and Cancel. The record,
// clockFollowsPc and gameCallAudioPath change only as the rules say: the record and the flag on
// a confirmed OK; the audio path also when the game call is switched off.

#include <QStringList>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "session/camerarecord.h"
#include "settings/appstate.h"
#include "ui/camera/camerafamilies.h"
#include "ui/common/screendialog.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTimeEdit;
class QTimer;

namespace wks::ui {

class CameraScreen : public ScreenDialog {
    Q_OBJECT
  public:
    // Asks, stores the record by the family's fields, confirms and closes.
    void accept() override;
    // Closes and stores nothing (also Esc and the close box).
    void reject() override;
    // The model whose keys and lists the screen shows, given before it opens; a screen for a
    // single model needs none.
    void setModelDisplayName(const std::string& displayName) { model_ = displayName; }

  protected:
    // The layout is set up by the derived screen's constructor; the controls are looked up
    // when the screen opens.
    CameraScreen(AppState& state, CameraFamily family, QWidget* parent);

    void initDialog() override;
    // The opening step ModelRules, for a family whose screen adapts to the model; the keys
    // the model skips are left out after it.
    virtual void adaptToModel() {}
    const std::string& model() const { return model_; }
    // The screen closes with Cancel once the opening has run to its end.
    void cancelAfterOpening() { cancelAfterOpening_ = true; }

  private:
    struct BoundList {
        const camera::ListControl* control;
        std::int32_t offset;  // the code of the list's first item
        QComboBox* combo;
    };

    template <typename T>
    T* control(const char* name) const;
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
    QString shownAudio() const;
    void store();

    AppState& state_;
    CameraFamily familyId_;
    const camera::FamilyScreen& family_;
    std::string model_;
    CameraRecordEditor editor_;
    std::vector<BoundList> lists_;
    std::vector<QAbstractButton*> sendTo_;
    std::array<QAbstractButton*, 4> sendMode_{};
    std::array<QCheckBox*, 7> days_{};
    QCheckBox* selectAll_ = nullptr;
    QCheckBox* setClock_ = nullptr;
    QDateEdit* clockDate_ = nullptr;
    QTimeEdit* clockTime_ = nullptr;
    QLineEdit* audioBox_ = nullptr;
    QTimer* timer_ = nullptr;
    int lastTimeLapse_ = -1;
    int lastPirTrigger_ = -1;
    bool cancelAfterOpening_ = false;
};

}  // namespace wks::ui
