// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main parameter screen without its widgets: the operator lists, the recipients, the
// destination list, opening (scan the drives, load the card file, else the backup, else the
// defaults), the defaults action, the save and the exit clean-up. The screen and wks-settings
// both drive it.

#include <optional>
#include <string>
#include <vector>

#include "audio/gamecall.h"
#include "platform/driveprobe.h"
#include "platform/message.h"
#include "platform/process.h"
#include "session/operatorlists.h"
#include "settings/settingsfile.h"

namespace wks {

// What a save did, for callers that report it (the command line's exit status).
struct SaveOutcome {
    bool asked = false;      // the question was shown (there was a destination)
    bool confirmed = false;  // ... and answered OK
    bool cardWritten = false;
    bool backupWritten = false;
    bool audioPlaced = true;    // false when a game call was due and not placed
    bool copiesDeleted = true;  // false when a copy on another drive could not be deleted
    bool stopped = false;       // the save stopped before the copies (batch file not
                                // written, conversion cancelled)

    bool complete() const {
        return confirmed && cardWritten && backupWritten && audioPlaced && copiesDeleted;
    }
};

// What Mng_DiskFileOperate does, in the order of its numbered actions.
enum class DiskFileOp {
    PlaceGameCall,  // convert the chosen game call onto the card
    DeleteCopies,   // delete the model's valid settings files on the other drives
    MakeFolders,    // make the backup folder and the card's settings folder
};

// What a save tells a caller without a screen about the model's settings files on the other
// drives (the screen removes them without a word).
class CopyObserver {
  public:
    virtual ~CopyObserver() = default;
    // Before the save's question: the copies found, which the save removes unless it keeps them.
    virtual void copiesFound(const std::vector<std::string>& paths, bool kept) = 0;
    // A copy just removed.
    virtual void copyRemoved(const std::string& path) = 0;
};

class MainSession {
  public:
    // enterUserDefined runs the WAP / Internet screen for the lists' "Others......"; without
    // one, that entry is cancelled.
    MainSession(std::string displayName, AppState& state, ProcessRunner& runner,
                OperatorLists::UserDefinedEntry enterUserDefined = {});

    // Opens the session for its model: Mng_CurModSaveInfoSet, the operator lists filled, then
    // Mng_InitSaveDest (with the caller's fresh examination, if it has just made one). False,
    // reported, for an unknown model: nothing else is done then.
    [[nodiscard]] bool open();
    // Looks the model up and sets the derived paths; an unknown name is reported and false.
    [[nodiscard]] bool Mng_CurModSaveInfoSet();
    // Keeps the drives that are examined, offered and cleared of copies to these letters (the
    // command line's given drives); C: stays the backup's drive all the same. Before opening.
    void limitDrives(const std::string& letters);
    // Reads the letters again and examines the drives (C: always, for the backup) all at once,
    // asking each usable one for its "GSM\" folder too. A drive that does not answer in time
    // is silent: nothing touches it until an examination finds it answering. The opening,
    // the refresh and the save each examine first, unless the caller has just done so (to
    // choose the card, say): the next of them then takes this examination.
    void examineDrives();
    const std::vector<DriveReport>& driveReports() const { return reports_; }
    // Examines C: to Z:, fills the destination list, chooses the destination and loads.
    void Mng_InitSaveDest();
    // Adds drives that appeared, removes those that went (choosing the last entry then).
    void Mng_RefreshDiskList();
    // The user chose an entry of the destination list.
    void chooseDestination(std::size_t index);
    // False when the action did not do all it had to, or is none of the list.
    [[nodiscard]] bool Mng_DiskFileOperate(DiskFileOp action);

    // The whole settings file read or written; an unknown model is reported.
    files::Status Mng_AllPara(Transfer transfer, SettingsCopy copy);
    // The model's camera defaults; the KT320V-8PRO's then select Sweden and Telia in the
    // operator lists. 1 when applied, 0 (reported) for an unknown model.
    [[nodiscard]] int Mng_AllParaSetDefault();
    // "Default Setting (&D)": asks, then applies the defaults. True when they were applied.
    bool applyDefaultSetting();
    // "SAVE (&Y)".
    SaveOutcome save();
    // Told of the copies each save finds and removes (not owned; nullptr for none).
    void setCopyObserver(CopyObserver* observer) { copyObserver_ = observer; }
    // Saves leave the model's settings files on the other drives as they are.
    void keepCopies(bool keep) { keepCopies_ = keep; }
    // Timer 1 of a game-call model: stages the converter once.
    void stageConverter();
    // "EXIT (&N)": removes the converter's folder.
    void exit();

    const std::vector<std::string>& destinations() const { return destinations_; }
    // The selected entry, or -1 when none is selected.
    int selectedDestination() const { return selected_; }
    const std::string& savePath() const { return file_.savePath; }
    // What the drive of a path is, as last examined ("D: is /media/anna/TRAILCAM (TRAILCAM,
    // 7.2 GB free)"); empty when its drive was not examined.
    Text placeOf(const std::string& path) const;
    Text destinationPlace() const { return placeOf(file_.savePath); }
    // The path in the real folder of its drive, as last examined (links followed:
    // "/media/anna/TRAILCAM/GSM/KT470RX.TXT"); the native path when its drive was not examined.
    std::string realPath(const std::string& path) const;
    SettingsFile& settings() { return file_; }
    const CameraModel* model() const { return file_.model(); }
    // The country and operator lists; none for an unknown model.
    OperatorLists* operatorLists() { return lists_ ? &*lists_ : nullptr; }
    // The texts of the eight recipient fields, read and written with the settings file.
    Recipients& recipients() { return recipients_; }

    static std::vector<std::string> driveRoots();  // "C:\" ... "Z:\"

  private:
    // The letter table read again, then every drive of roots_ and C: examined at once;
    // `subfolder` is tried on each usable drive as well.
    void examine(const std::string& subfolder);
    // The caller's fresh examination, else a new one.
    void useExamination(const std::string& subfolder);
    const DriveReport* reportOf(char letter) const;
    // The real folder of the path's drive, a line to follow a message that names the path.
    std::vector<Text> placeNotes(const std::string& path) const;
    void selectLast();
    GameCallResult placeGameCall();
    // The model's valid settings files on the other drives that answered.
    std::vector<std::string> copiesElsewhere() const;
    // Deletes those of `copies` that are still valid copies; false when one could not be.
    bool deleteCopies(const std::vector<std::string>& copies);

    AppState& state_;
    Recipients recipients_;
    SettingsFile file_;
    ProcessRunner& runner_;
    std::optional<OperatorLists> lists_;
    std::vector<std::string> roots_ = driveRoots();
    std::vector<std::string> destinations_;
    std::vector<DriveReport> reports_;
    CopyObserver* copyObserver_ = nullptr;
    bool keepCopies_ = false;
    bool fresh_ = false;  // reports_ were made by the caller for the next step
    int selected_ = -1;
};

}  // namespace wks
