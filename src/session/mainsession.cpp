// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/mainsession.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "audio/converter.h"
#include "audio/gamecall.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "session/gamecallsave.h"
#include "session/prompts.h"
#include "util/cutil.h"

namespace wks {
namespace {

Answer tip(Text text, Icon icon, Buttons buttons = Buttons::Ok, const char* caption = kCaptionTips,
           std::vector<Text> notes = {}) {
    return showMessage({caption, std::move(text), buttons, icon, std::move(notes)});
}

// Only a file that was read whole can be judged invalid; one that could not be read (too
// large, no permission, no regular file) is left as it is.
bool readWhole(const std::string& path) { return files::readFile(path).has_value(); }

Text saveFailed(const std::string& path) {
    return {QT_TRANSLATE_NOOP("Message", "Failed to save all parameters to \"%1\" !"), {path}};
}

// Why a write failed, in words: a write-protected card is named as such.
Text failureReason(const std::error_code& why, bool card) {
    if (why != std::errc::read_only_file_system) return Text::verbatim(why.message());
    return card ? Text(QT_TRANSLATE_NOOP("Message", "the card is read-only"))
                : Text(QT_TRANSLATE_NOOP("Message", "the drive is read-only"));
}

}  // namespace

MainSession::MainSession(std::string displayName, AppState& state, ProcessRunner& runner,
                         OperatorLists::UserDefinedEntry enterUserDefined)
    : state_(state), file_(std::move(displayName), state, recipients_), runner_(runner) {
    if (model()) lists_.emplace(state, *model(), std::move(enterUserDefined));
}

std::vector<std::string> MainSession::driveRoots() {
    std::vector<std::string> roots;
    for (char c = 'C'; c <= 'Z'; ++c) roots.push_back(std::string(1, c) + ":\\");
    return roots;
}

bool MainSession::Mng_CurModSaveInfoSet() {
    const CameraModel* m = file_.model();
    if (!m) {
        showMessage(internalError("Mng_CurModSaveInfoSet"));
        return false;
    }
    file_.savePath = m->initialSavePath();
    file_.backupPath = m->backupPath();
    return true;
}

bool MainSession::open() {
    if (!Mng_CurModSaveInfoSet()) return false;
    lists_->Mng_CountryOperatorList(OperatorListOp::Fill);
    Mng_InitSaveDest();
    return true;
}

void MainSession::limitDrives(const std::string& letters) {
    std::erase_if(roots_, [&](const std::string& root) {
        return letters.find(root[0]) == std::string::npos;
    });
}

void MainSession::examine(const std::string& subfolder) {
    drives().refresh();
    std::string letters = "C";
    for (const auto& root : roots_) {
        if (root[0] != 'C') letters += root[0];
    }
    reports_ = wks::examineDrives(drives(), letters, subfolder);
    for (const DriveReport& r : reports_) {
        drives().setAnswering(r.letter, r.state != DriveState::NoAnswer);
    }
    fresh_ = false;
}

void MainSession::examineDrives() {
    examine(kSettingsFolder);
    fresh_ = true;
}

void MainSession::useExamination(const std::string& subfolder) {
    if (!fresh_) examine(subfolder);
    fresh_ = false;
}

const DriveReport* MainSession::reportOf(char letter) const {
    for (const auto& r : reports_) {
        if (r.letter == letter) return &r;
    }
    return nullptr;
}

Text MainSession::placeOf(const std::string& path) const {
    if (!DriveTable::isDrivePath(path)) return {};
    const DriveReport* r = reportOf(static_cast<char>(std::toupper(path[0])));
    return r ? drivePlace(*r) : Text();
}

std::string MainSession::realPath(const std::string& path) const {
    const auto native = drives().resolve(path);
    if (!native) return {};
    if (!DriveTable::isDrivePath(path)) return native->string();
    const DriveReport* r = reportOf(static_cast<char>(std::toupper(path[0])));
    const auto folder = drives().folderOf(path[0]);
    if (!r || r->folder.empty() || !folder) return native->string();
    return (std::filesystem::path(r->folder) / native->lexically_relative(*folder))
        .lexically_normal()
        .string();
}

std::vector<Text> MainSession::placeNotes(const std::string& path) const {
    Text place = placeOf(path);
    if (place.english().empty()) return {};
    return {std::move(place)};
}

void MainSession::Mng_InitSaveDest() {
    if (!model()) return;
    const std::string rel = model()->settingsRelPath();
    bool found = false;
    std::string lastUsable;
    useExamination(kSettingsFolder);
    for (const auto& root : roots_) {
        const DriveReport* drive = reportOf(root[0]);
        if (!drive || !drive->usable()) continue;
        const std::string entry = root + rel;
        destinations_.push_back(entry);
        // A card whose settings folder cannot be entered holds no leftovers or settings file we
        // could use; not looking for them spares a slow or dead drive many look-ups.
        const bool hasFolder = drive->subfolder;
        if (hasFolder) files::removeLeftovers(entry);
        if (hasFolder && file_.Mng_ChkFileMark(entry)) {
            found = true;
            file_.savePath = entry;
            selected_ = static_cast<int>(destinations_.size()) - 1;
        } else if (!found) {
            lastUsable = root;
        }
    }

    // A file that passed the mark check and still cannot be read leaves the fields as they
    // were: the save writes them whole.
    if (found) {
        (void)Mng_AllPara(Transfer::Read, SettingsCopy::Card);
        return;
    }
    if (destinations_.empty()) {
        (void)Mng_AllParaSetDefault();  // the model is known here
        tip(QT_TRANSLATE_NOOP("Message", "No disk is valid !"), Icon::Error);
        return;
    }

    selected_ = static_cast<int>(destinations_.size()) - 1;
    // A folder that cannot be made is reported, with its reason, by the save that needs it.
    (void)files::createFolder(lastUsable + kSettingsFolder);
    const std::string invalid = lastUsable + rel;
    if (readWhole(invalid)) {
        CUtil::ClearReadOnly(invalid);
        if (!files::deleteFile(invalid)) {
            tip({QT_TRANSLATE_NOOP(
                     "Message", "Can't delete invalid file \"%1 \",\nPlease delete it manually!"),
                 {invalid}},
                Icon::Warning, Buttons::Ok, kCaptionTips, placeNotes(invalid));
        }
    }
    file_.savePath = invalid;

    if (drives().canEnter(kBackupFolder)) {
        files::removeLeftovers(file_.backupPath);
        if (file_.Mng_ChkFileMark(file_.backupPath)) {
            (void)Mng_AllPara(Transfer::Read, SettingsCopy::Backup);  // as the card file above
            return;
        }
        (void)Mng_AllParaSetDefault();  // the model is known here
        if (readWhole(file_.backupPath) && !files::deleteFile(file_.backupPath)) {
            tip(QT_TRANSLATE_NOOP("Message",
                                  "Can't delete invalid back-up file,\nPlease delete it manually!"),
                Icon::Warning);
        }
    } else {
        (void)files::createFolder(kBackupFolder);  // as the card's folder above
        (void)Mng_AllParaSetDefault();             // the model is known here
    }
}

void MainSession::selectLast() {
    selected_ = static_cast<int>(destinations_.size()) - 1;
    file_.savePath = destinations_.empty() ? std::string() : destinations_.back();
}

void MainSession::Mng_RefreshDiskList() {
    if (!model()) return;
    const std::string rel = model()->settingsRelPath();
    useExamination({});
    for (const auto& root : roots_) {
        const std::string entry = root + rel;
        auto it = std::find(destinations_.begin(), destinations_.end(), entry);
        const DriveReport* drive = reportOf(root[0]);
        const bool usable = drive && drive->usable();
        if (usable && it == destinations_.end()) {
            destinations_.push_back(entry);
        } else if (!usable && it != destinations_.end()) {
            destinations_.erase(it);
            selectLast();
        }
    }
}

void MainSession::chooseDestination(std::size_t index) {
    if (index >= destinations_.size()) return;
    selected_ = static_cast<int>(index);
    file_.savePath = destinations_[index];
}

std::vector<std::string> MainSession::copiesElsewhere() const {
    const std::string own = file_.savePath.substr(0, 3);
    const std::string rel = model()->settingsRelPath();
    std::vector<std::string> copies;
    // The drives as the save's examination found them: a silent one is not asked.
    for (const auto& root : roots_) {
        if (root == own) continue;
        const std::string path = root + rel;
        const DriveReport* drive = reportOf(root[0]);
        if (!drive || !drive->subfolder || !file_.Mng_ChkFileMark(path)) continue;
        // Two letters may lead to the same folder: the file just saved is no copy.
        if (files::sameFile(path, file_.savePath)) continue;
        copies.push_back(path);
    }
    return copies;
}

bool MainSession::deleteCopies(const std::vector<std::string>& copies) {
    bool allDeleted = true;
    for (const std::string& path : copies) {
        // Found before the question: a card changed meanwhile keeps what is no longer a copy.
        if (!file_.Mng_ChkFileMark(path) || files::sameFile(path, file_.savePath)) continue;
        CUtil::ClearReadOnly(path);
        if (!files::deleteFile(path)) {
            allDeleted = false;
            tip({QT_TRANSLATE_NOOP("Message", "Can't delete \"%1\",Please delete it manually!"),
                 {path}},
                Icon::Warning, Buttons::Ok, kCaptionTipsMixed, placeNotes(path));
        } else if (copyObserver_) {
            copyObserver_->copyRemoved(path);
        }
    }
    return allDeleted;
}

bool MainSession::Mng_DiskFileOperate(DiskFileOp action) {
    if (!model()) return false;
    switch (action) {
        case DiskFileOp::PlaceGameCall: {
            const GameCallResult result = placeGameCall();
            return result == GameCallResult::Placed || result == GameCallResult::NoSource;
        }
        case DiskFileOp::DeleteCopies:
            return deleteCopies(copiesElsewhere());
        case DiskFileOp::MakeFolders:
            return file_.makeFolders().ok();
    }
    return false;
}

GameCallResult MainSession::placeGameCall() {
    if (!model()->hasGameCall || state_.gameCallAudioPath.empty()) return GameCallResult::NoSource;
    return SaveGameCallAudio(file_.savePath, state_.gameCallAudioPath, runner_);
}

files::Status MainSession::Mng_AllPara(Transfer transfer, SettingsCopy copy) {
    files::Status done = file_.Mng_AllPara(transfer, copy);
    if (done.error() == SettingsError::UnknownModel) showMessage(internalError("Mng_AllPara"));
    return done;
}

int MainSession::Mng_AllParaSetDefault() {
    if (!file_.Mng_AllParaSetDefault()) {
        showMessage(internalError("Mng_AllParaSetDefault"));
        return 0;
    }
    // The Sweden-customised camera sends through Telia in Sweden.
    if (model()->displayName == kSwedenModel && lists_) lists_->Mng_SwedenCustomized();
    return 1;
}

bool MainSession::applyDefaultSetting() {
    if (tip(QT_TRANSLATE_NOOP("Message", "Set all camera parameters to default ?"), Icon::Question,
            Buttons::OkCancel) != Answer::Ok) {
        return false;
    }
    if (!Mng_AllParaSetDefault()) {
        tip(QT_TRANSLATE_NOOP("Message", "Default setings is not applied, no data is modified !"),
            Icon::Warning);
        return false;
    }
    tip(QT_TRANSLATE_NOOP("Message", "OK,All camera parameters have been set to default !"),
        Icon::Information);
    return true;
}

SaveOutcome MainSession::save() {
    SaveOutcome out;
    // Every entry may have gone with its drive; there is then nowhere to write.
    if (destinations_.empty() || file_.savePath.empty()) {
        tip(QT_TRANSLATE_NOOP("Message", "No disk is valid !"), Icon::Error);
        return out;
    }
    out.asked = true;
    // The destination is written through the letters as they are now, and nothing is asked of
    // a drive that does not answer: a save never waits on a dead one.
    useExamination(kSettingsFolder);
    // Only a caller that names the copies needs them before the question.
    std::optional<std::vector<std::string>> copies;
    if (copyObserver_) {
        copies = copiesElsewhere();
        copyObserver_->copiesFound(*copies, keepCopies_);
    }
    if (tip({QT_TRANSLATE_NOOP("Message", "Sava all parameters to \"%1\" ?"), {file_.savePath}},
            Icon::Question, Buttons::OkCancel) != Answer::Ok) {
        return out;
    }
    out.confirmed = true;
    const files::Status card = Mng_AllPara(Transfer::Write, SettingsCopy::Card);
    // The backup is written even when the card was not, so the user's settings are kept.
    const files::Status backup = Mng_AllPara(Transfer::Write, SettingsCopy::Backup);
    out.cardWritten = card.ok();
    out.backupWritten = backup.ok();
    // The reason, then the real folder, on lines of their own.
    const auto reportUnwritten = [this](const std::string& path, const files::Status& written) {
        if (written) return;
        std::vector<Text> notes{failureReason(written.error(), path == file_.savePath)};
        for (Text& place : placeNotes(path)) notes.push_back(std::move(place));
        tip(saveFailed(path), Icon::Warning, Buttons::Ok, kCaptionTips, std::move(notes));
    };
    reportUnwritten(file_.savePath, card);
    reportUnwritten(file_.backupPath, backup);
    // Without the card file on the card, nothing else may go: the copies elsewhere are the
    // user's only settings on a card.
    if (!out.cardWritten) return out;
    const GameCallResult call = placeGameCall();
    out.audioPlaced = call == GameCallResult::Placed || call == GameCallResult::NoSource;
    // A batch file that could not be written, or a conversion the user cancelled, interrupts
    // the save before any copy goes.
    out.stopped = call == GameCallResult::Stopped;
    if (out.stopped) return out;
    if (!keepCopies_) out.copiesDeleted = deleteCopies(copies ? *copies : copiesElsewhere());
    // Both settings files are written, so the settings are saved; a game call or a copy that
    // failed has already been reported on its own.
    if (out.backupWritten) {
        tip(QT_TRANSLATE_NOOP("Message", "OK,All parameters have been saved success !"),
            Icon::Information);
    }
    return out;
}

void MainSession::stageConverter() {
    // Whether the converter is ready shows when the game call is converted.
    if (const Staging staging = StageConverter(); staging.message) showMessage(*staging.message);
}

void MainSession::exit() {
    // A folder another run holds, or one that could not be emptied, is left to the last run.
    (void)RemoveConverter();
}

}  // namespace wks
