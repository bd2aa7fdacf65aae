// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camerascreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "platform/clock.h"
#include "session/camerarules.h"
#include "session/prompts.h"
#include "settings/camerakeys.h"
#include "ui/common/accessibility.h"
#include "ui/common/screenbuttons.h"

namespace wks::ui {

using namespace camera;

namespace {

// The file dialog's one filter, in the Windows form; the dialog shows its description in the
// user's language.
constexpr const char* kAudioFilterName =
    QT_TRANSLATE_NOOP("wks::ui::FileFilter", "Audio File(*.mp3,*.wav,*.aac)");
const std::string kAudioFilter = std::string(kAudioFilterName) + "|*.mp3;*.wav;*.aac||";
constexpr int kClockPeriodMs = 1000;

void enableAll(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* w : widgets) w->setEnabled(enabled);
}

// Where "Set Clock" is ticked the pickers show the computer's time.
void showTime(QDateEdit* date, QTimeEdit* time, const LocalTime& t) {
    date->setDate(QDate(t.year, t.month, t.day));
    time->setTime(QTime(t.hour, t.minute, t.second));
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

CameraScreen::CameraScreen(AppState& state, CameraFamily family, QWidget* parent)
    : ScreenDialog(parent), state_(state), family_(family), editor_(state) {
    timer_ = new QTimer(this);
    timer_->setInterval(kClockPeriodMs);
    connect(timer_, &QTimer::timeout, this, &CameraScreen::onClockTick);
}

bool CameraScreen::applies(Step step) const {
    return std::ranges::find(controls_.opening, step) != controls_.opening.end();
}

QComboBox* CameraScreen::list(std::int32_t CameraParams::*field) const {
    for (const auto& l : lists_) {
        if (l.shownBy->field == field) return l.shownBy->list;
    }
    return nullptr;
}

void CameraScreen::leaveOut(std::int32_t CameraParams::*field) {
    auto it =
        std::ranges::find_if(lists_, [&](const BoundList& l) { return l.shownBy->field == field; });
    if (it == lists_.end()) return;
    it->shownBy->list->setEnabled(false);
    it->shownBy->list->hide();
    if (!it->shownBy->part) it->shownBy->label->hide();
    lists_.erase(it);
}

// Fills the lists with the model's options, names the controls for screen readers and connects
// the user's actions. Program-made changes never reach a rule: lists report only activated,
// buttons only clicked.
void CameraScreen::bind() {
    const CameraControls& c = controls_;
    const std::span<const CameraKey> familyKeys = cameraFamily(family_).keys;
    const std::vector<CameraKey> modelKeys = cameraKeysFor(family_, model_);
    for (const CameraKey& familyKey : familyKeys) {
        const auto shownBy = std::ranges::find(c.lists, familyKey.field, &FieldList::field);
        if (shownBy == c.lists.end()) continue;
        // A key the model skips keeps the family's options; it is left out below.
        const auto own = std::ranges::find(modelKeys, familyKey.field, &CameraKey::field);
        const Codes& codes = *(own != modelKeys.end() ? *own : familyKey).codes;
        for (const std::string& item : codes.options) {
            shownBy->list->addItem(QString::fromLatin1(item));
        }
        lists_.push_back({&*shownBy, codes.first});
        const QString spoken = shownBy->spokenName ? tr(shownBy->spokenName) : QString();
        if (shownBy->part) {
            labelPart(shownBy->label, shownBy->list, spoken);
        } else {
            labelControl(shownBy->label, shownBy->list, spoken);
        }
    }
    for (const CameraKey& familyKey : familyKeys) {
        if (std::ranges::find(modelKeys, familyKey.field, &CameraKey::field) == modelKeys.end()) {
            leaveOut(familyKey.field);
        }
    }
    auto userChoice = [this](std::int32_t CameraParams::*field, auto slot) {
        if (QComboBox* combo = list(field)) connect(combo, &QComboBox::activated, this, slot);
    };
    userChoice(&CameraParams::WorkHour, &CameraScreen::onWorkHourChosen);
    userChoice(&CameraParams::GameCall, &CameraScreen::onGameCallChosen);
    if (applies(Step::TimeLapsePir)) {
        connect(list(&CameraParams::TimeLapse), &QComboBox::activated, this,
                [this] { onTimeLapseOrPirChosen(true); });
        connect(list(&CameraParams::PirTrigger), &QComboBox::activated, this,
                [this] { onTimeLapseOrPirChosen(false); });
    }

    // Buttons and check boxes are spoken by their text without the leading blank.
    auto named = [](auto* b) {
        nameControl(b, spokenText(b->text()));
        return b;
    };
    if (applies(Step::WorkDay)) {
        connect(named(c.selectAll), &QAbstractButton::clicked, this,
                &CameraScreen::onSelectAllClicked);
        for (int d = 0; d < int(c.days.size()); ++d) {
            connect(named(c.days[d]), &QAbstractButton::clicked, this,
                    [this, d] { onDayClicked(d); });
        }
    }
    // Option buttons show their key's options after a blank, as the camera's screens write them.
    auto optionButton = [&](QAbstractButton* b, std::int32_t CameraParams::*field, int position) {
        const auto key = std::ranges::find(modelKeys, field, &CameraKey::field);
        b->setText(QLatin1Char(' ') + QString::fromLatin1(key->codes->options[position]));
        named(b);
    };
    for (int p = 0; p < int(c.sendTo.size()); ++p) {
        optionButton(c.sendTo[p], &CameraParams::SendTo, p);
        connect(c.sendTo[p], &QAbstractButton::clicked, this, [this, p] { setSendTo(p); });
    }
    if (!c.sendTo.empty()) new RadioGroupKeys(c.sendTo, this);
    if (applies(Step::SendMode)) {
        for (int p = 0; p < int(c.sendMode.size()); ++p) {
            optionButton(c.sendMode[p], &CameraParams::SendMode, p);
            connect(c.sendMode[p], &QAbstractButton::clicked, this, [this, p] { setSendMode(p); });
        }
        new RadioGroupKeys({c.sendMode.begin(), c.sendMode.end()}, this);
    }
    if (applies(Step::GameCall)) {
        connect(named(c.addAudio), &QAbstractButton::clicked, this,
                &CameraScreen::onAddAudioClicked);
        c.audioPath->setReadOnly(true);
        // Wide enough for the hint in the screen's own font, frame and margins included.
        c.audioPath->setMinimumWidth(c.audioPath->fontMetrics().horizontalAdvance(tr(kAudioHint)) +
                                     16);
        nameControl(c.audioPath, tr("Audio file"));
    }

    connect(named(c.setClock), &QAbstractButton::clicked, this, &CameraScreen::onSetClockClicked);
    QString shortDate = QLocale().dateFormat(QLocale::ShortFormat);
    if (!shortDate.contains(QLatin1String("yyyy")))
        shortDate.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    c.clockDate->setDisplayFormat(shortDate);
    c.clockDate->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    c.clockDate->setCalendarPopup(true);
    c.clockTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    nameControl(c.clockDate, tr("Clock date"));
    nameControl(c.clockTime, tr("Clock time"));

    c.ok->setDefault(true);
    connect(c.ok, &QAbstractButton::clicked, this, &CameraScreen::accept);
    connect(c.cancel, &QAbstractButton::clicked, this, &CameraScreen::reject);
}

void CameraScreen::initDialog() {
    bind();
    for (Step step : controls_.opening) run(step);
    if (cancelAfterOpening_) reject();
}

void CameraScreen::run(Step step) {
    const CameraParams& p = state_.cameraParams;
    switch (step) {
        case Step::ModelCheck:
            checkModel();
            break;
        case Step::Lists:
            showLists();
            break;
        case Step::GameCall:
            showGameCall();
            break;
        case Step::WorkHour:
            onWorkHourChosen();
            break;
        case Step::WorkDay:
            showWorkDay();
            break;
        case Step::SendTo:
            setSendTo(p.SendTo);
            break;
        case Step::SendMode:
            setSendMode(p.SendMode);
            break;
        case Step::Clock:
            showClock();
            break;
        case Step::TimeLapsePir:
            checkTimeLapseAndPir();
            break;
    }
}

void CameraScreen::showLists() {
    for (const auto& [shownBy, offset] : lists_) {
        std::int32_t value = state_.cameraParams.*(shownBy->field);
        if (shownBy->shown) value = shownBy->shown(value);
        shownBy->list->setCurrentIndex(positionOf(value, offset, shownBy->list->count()));
    }
}

// The Work Hour list enables its four time lists; their values stay either way.
void CameraScreen::onWorkHourChosen() {
    QComboBox* workHour = list(&CameraParams::WorkHour);
    const bool enabled = workHourTimesEnabled(workHour->currentIndex());
    enableAll({list(&CameraParams::WorkHourStartH), list(&CameraParams::WorkHourStartM),
               list(&CameraParams::WorkHourStopH), list(&CameraParams::WorkHourStopM)},
              enabled);
}

// Switching the game call off greys its controls, shows the hint and forgets the remembered
// file; the screen's own audio path stays, so switching on again and confirming keeps it.
void CameraScreen::onGameCallChosen() {
    const bool enabled = gameCallControlsEnabled(list(&CameraParams::GameCall)->currentIndex());
    enableAll({list(&CameraParams::GameCallHour), list(&CameraParams::GameCallMinute),
               list(&CameraParams::GameCallPlayTime), controls_.addAudio, controls_.audioPath},
              enabled);
    if (!enabled) {
        controls_.audioPath->setText(tr(kAudioHint));
        editor_.gameCallOff();
    }
}

void CameraScreen::showGameCall() {
    onGameCallChosen();
    editor_.openGameCall();
    showScreenAudio();
}

void CameraScreen::showScreenAudio() {
    const std::string& audio = editor_.screenAudio();
    controls_.audioPath->setText(audio == kAudioHint ? tr(kAudioHint)
                                                     : QFile::decodeName(audio.c_str()));
}

// The audio box's text as the rules know it: the hint by its English words.
QString CameraScreen::shownAudio() const {
    const QString shown = controls_.audioPath->text();
    return shown == tr(kAudioHint) ? QString::fromLatin1(kAudioHint) : shown;
}

void CameraScreen::onAddAudioClicked() {
    const std::optional<std::string> file = prompter().openFile({{}, kAudioFilter});
    const bool chosen = file && !std::filesystem::path(*file).filename().empty();
    switch (audioOutcome(chosen, chosen && fileExists(*file), shownAudio())) {
        case AudioOutcome::TakeFile:
            editor_.setScreenAudio(*file);
            break;
        case AudioOutcome::AskKeepMissing:
            if (showMessage({kCaptionTips,
                             QT_TRANSLATE_NOOP("Message",
                                               "File is not exist ! \nWhether retain the directory "
                                               "record of audio file last time you added ?"),
                             Buttons::OkCancel, Icon::Warning}) == Answer::Cancel) {
                editor_.setScreenAudio(kAudioHint);
            }
            break;
        case AudioOutcome::WarnMissing:
            showMessage({kCaptionTips, QT_TRANSLATE_NOOP("Message", "File is not exist !"),
                         Buttons::Ok, Icon::Warning});
            break;
        case AudioOutcome::AskKeep:
            if (showMessage({kCaptionTips,
                             QT_TRANSLATE_NOOP("Message",
                                               "Whether retain the directory record of audio file "
                                               "last time you added ?"),
                             Buttons::OkCancel, Icon::Question}) == Answer::Cancel) {
                editor_.setScreenAudio(kAudioHint);
            }
            break;
        case AudioOutcome::Nothing:
            break;
    }
    showScreenAudio();
}

void CameraScreen::showWorkDay() {
    for (int d = 0; d < int(controls_.days.size()); ++d) {
        controls_.days[d]->setChecked(dayChecked(state_.cameraParams.WorkDay, d));
    }
    updateSelectAll();
}

void CameraScreen::updateSelectAll() {
    const auto checked =
        std::ranges::count_if(controls_.days, [](auto* b) { return b->isChecked(); });
    controls_.selectAll->setCheckState(selectAllState(int(checked)));
}

void CameraScreen::onDayClicked(int day) {
    QCheckBox* box = controls_.days[day];
    const Qt::CheckState before = box->checkState();
    box->setCheckState(before == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
    if (before == Qt::PartiallyChecked) {
        showMessage({kCaptionTips,
                     QT_TRANSLATE_NOOP("Message", "Error status in control \"WorkDay\" !"),
                     Buttons::Ok, Icon::Warning});
    }
    updateSelectAll();
}

void CameraScreen::onSelectAllClicked() {
    const bool all = selectAllChecksEveryDay(controls_.selectAll->checkState());
    for (auto* d : controls_.days) d->setChecked(all);
    updateSelectAll();
}

void CameraScreen::setSendTo(int position) {
    const auto& buttons = controls_.sendTo;
    for (int p = 0; p < int(buttons.size()); ++p) buttons[p]->setChecked(p == position);
}

void CameraScreen::setSendMode(int position) {
    const auto& buttons = controls_.sendMode;
    for (int p = 0; p < int(buttons.size()); ++p) buttons[p]->setChecked(p == position);
    const SendModeEnabling e = sendModeEnabling(position);
    enableAll({list(&CameraParams::DrTimeH), list(&CameraParams::DrTimeM)}, e.sendTime);
    list(&CameraParams::MaxNumber)->setEnabled(e.maxNumber);
}

// An invalid clock in the record makes the camera take the computer's time; otherwise the
// record's clock is shown unless the computer's time was chosen before.
void CameraScreen::showClock() {
    const CameraParams& p = state_.cameraParams;
    const bool recordClockValid = clockValid(p);
    editor_.openClock();
    const CameraControls& c = controls_;
    if (recordClockValid && !state_.clockFollowsPc) {
        c.clockDate->setDate(QDate(p.ClockYear, p.ClockMonth, p.ClockDay));
        c.clockTime->setTime(QTime(p.ClockHour, p.ClockMinute, p.ClockSecond));
    }
    c.setClock->setChecked(state_.clockFollowsPc);
    if (state_.clockFollowsPc) showTime(c.clockDate, c.clockTime, now());
    enableClockPickers();
    timer_->stop();
    timer_->start();
}

void CameraScreen::enableClockPickers() {
    enableAll({controls_.clockDate, controls_.clockTime}, !controls_.setClock->isChecked());
}

void CameraScreen::onSetClockClicked() {
    controls_.setClock->setChecked(!controls_.setClock->isChecked());
    enableClockPickers();
}

void CameraScreen::onClockTick() {
    if (controls_.setClock->isChecked()) showTime(controls_.clockDate, controls_.clockTime, now());
}

// Both OFF on opening: PIR Trigger shows nothing, so the user must choose one of them.
void CameraScreen::checkTimeLapseAndPir() {
    QComboBox* timeLapse = list(&CameraParams::TimeLapse);
    QComboBox* pir = list(&CameraParams::PirTrigger);
    if (timeLapseAndPirBothOff(timeLapse->currentIndex(), pir->currentIndex())) {
        pir->setCurrentIndex(-1);
    }
    lastTimeLapse_ = timeLapse->currentIndex();
    lastPirTrigger_ = pir->currentIndex();
}

// A choice that would leave both OFF is refused and the list put back to its last accepted
// position; the message names the list the user changed first.
void CameraScreen::onTimeLapseOrPirChosen(bool timeLapseChanged) {
    const int timeLapse = list(&CameraParams::TimeLapse)->currentIndex();
    const int pir = list(&CameraParams::PirTrigger)->currentIndex();
    QComboBox* changed =
        list(timeLapseChanged ? &CameraParams::TimeLapse : &CameraParams::PirTrigger);
    int& last = timeLapseChanged ? lastTimeLapse_ : lastPirTrigger_;
    if (!timeLapseAndPirBothOff(timeLapse, pir)) {
        last = changed->currentIndex();
        return;
    }
    showMessage({kCaptionTipsMixed,
                 timeLapseChanged
                     ? QT_TRANSLATE_NOOP("Message",
                                         "The status of \"Time Lapse\" and \"PIR Tirgger\" can not "
                                         "be \"OFF\" at the same time !")
                     : QT_TRANSLATE_NOOP("Message",
                                         "The status of \"PIR Tirgger\" and \"Time Lapse\" can not "
                                         "be \"OFF\" at the same time !"),
                 Buttons::Ok, Icon::Warning});
    changed->setCurrentIndex(last);
}

void CameraScreen::accept() {
    if (showMessage({kCaptionTips, QT_TRANSLATE_NOOP("Message", "Save all camera parameters ?"),
                     Buttons::OkCancel, Icon::Question}) == Answer::Cancel) {
        return;
    }
    store();
    showMessage({kCaptionTips,
                 QT_TRANSLATE_NOOP("Message", "OK,Camara parameters have been saved success !"),
                 Buttons::Ok, Icon::Information});
    ScreenDialog::accept();
}

void CameraScreen::reject() {
    timer_->stop();
    ScreenDialog::reject();
}

// Every list is stored, disabled or not; the editor applies what OK changes in the record.
void CameraScreen::store() {
    CameraChoices c;
    for (const auto& [shownBy, offset] : lists_) {
        c.lists.push_back({shownBy->field, offset, shownBy->list->currentIndex()});
    }
    auto checked = [](const auto& buttons) {
        std::vector<bool> states;
        for (const auto* b : buttons) states.push_back(b->isChecked());
        return states;
    };
    if (applies(Step::GameCall)) c.gameCallOn = list(&CameraParams::GameCall)->currentIndex() == 1;
    if (applies(Step::WorkDay)) {
        c.days.emplace();
        for (std::size_t d = 0; d < controls_.days.size(); ++d) {
            (*c.days)[d] = controls_.days[d]->isChecked();
        }
    }
    if (applies(Step::SendTo)) c.sendTo = checked(controls_.sendTo);
    if (applies(Step::SendMode)) c.sendMode = checked(controls_.sendMode);
    c.setClock = controls_.setClock->isChecked();
    const QDate d = controls_.clockDate->date();
    const QTime t = controls_.clockTime->time();
    c.pickers = {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
    editor_.store(c);
    timer_->stop();
}

}  // namespace wks::ui
