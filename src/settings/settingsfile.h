// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file of one model, on the card (savePath) and as backup (backupPath): its file
// mark, the two network sections, the recipients and the camera section. Every operation takes
// the way of the transfer (the file read into memory, or memory written into the file) and the
// copy it works on. Each returns the reason it failed; a file that was not written is then the
// old file, whole. Nothing is shown here: a display name that is none of the models fails with
// SettingsError::UnknownModel, which the caller reports as internalError(operation).

#include <functional>
#include <string>
#include <system_error>

#include "app/catalogue.h"
#include "platform/message.h"
#include "platform/profile.h"
#include "settings/appstate.h"
#include "settings/camerakeys.h"

namespace wks {

inline constexpr const char* kMarkSection = "WKSFileMark";
inline constexpr const char* kMarkKey = "Model";
inline constexpr const char* kWapSection = "Via WAP Settings";
inline constexpr const char* kInternetSection = "Via Internet Settings";
inline constexpr const char* kReceiveSection = "Receive number and receive email";
inline constexpr const char* kSslKey = "SMTP SSL";
inline constexpr int kSslLimit = 5;
inline constexpr int kRecipientLimit = 80;

// Which way a transfer goes.
enum class Transfer {
    Read,   // the file into memory
    Write,  // memory into the file
};
// Which copy of the settings file an operation works on.
enum class SettingsCopy {
    Card,    // savePath
    Backup,  // backupPath
};

// The failures of this layer's own.
enum class SettingsError {
    UnknownModel = 1,  // the display name is none of the models
};
std::error_code make_error_code(SettingsError error);

// "Error In CWKS_MainParaDlg::<operation>() !", the report of an internal error.
Message internalError(const char* operation);

struct NetworkKey {
    const char* section;
    const char* key;
    std::string NetworkPreset::*field;
    int limit;  // values are cut to it; a read returns one byte less
};
// The thirteen network keys in file order ("SMTP SSL" follows them for models that have it).
extern const NetworkKey kNetworkKeys[NetworkPreset::kFieldCount];
extern const char* const kRecipientKeys[Recipients::kCount];

class SettingsFile {
  public:
    SettingsFile(std::string displayName, AppState& state, Recipients& recipients);

    const std::string& displayName() const { return displayName_; }
    // Nothing when the display name is none of the catalogue's models.
    const CameraModel* model() const { return model_; }

    std::string savePath;
    std::string backupPath;

    bool Mng_ChkFileMark(const std::string& path) const;
    files::Status Mng_FileMarkWrite(Transfer transfer, SettingsCopy copy);
    files::Status Mng_WapInternetPara(Transfer transfer, SettingsCopy copy);
    files::Status Mng_ReceivePara(Transfer transfer, SettingsCopy copy);
    files::Status Mng_CamParaFX200(Transfer transfer, SettingsCopy copy);
    files::Status Mng_CamParaGroup1(Transfer transfer, SettingsCopy copy);
    files::Status Mng_CamParaLN713Z(Transfer transfer, SettingsCopy copy);
    files::Status Mng_CamParaLN714W(Transfer transfer, SettingsCopy copy);
    // The whole file: folders, mark, network, recipients, camera; written in one replacement.
    // For an unknown model the file is written without its camera section, as the camera
    // section's step is where the model is looked up.
    files::Status Mng_AllPara(Transfer transfer, SettingsCopy copy);

    // The backup folder and the card's "GSM\" folder, each made when missing; each with the
    // reason it could not be made.
    struct Folders {
        files::Status backup, card;
        bool ok() const { return backup.ok() && card.ok(); }
    };
    Folders makeFolders() const;

    // The camera part of the defaults; the session adds the KT320V-8PRO's operator choice.
    // 0 for an unknown model, which changes nothing.
    [[nodiscard]] int Mng_AllParaSetDefault();
    void Mng_Group1ParaSetDefault();
    // Stamps the clock when it follows the PC; for an unknown model nothing changes.
    files::Status Mng_ChkForSaveLatestTimeForSetClock();

  private:
    // The document is saved when writing even when op failed; op's failure comes first.
    files::Status onFile(Transfer transfer, SettingsCopy copy,
                         const std::function<files::Status(ProfileDocument&, bool)>& op);

    void fileMark(ProfileDocument& doc, bool load);
    void wapInternet(ProfileDocument& doc, bool load);
    void receive(ProfileDocument& doc, bool load);
    files::Status cameraSection(ProfileDocument& doc, bool load, CameraFamily family);
    files::Status cameraFile(Transfer transfer, SettingsCopy copy, CameraFamily family);

    std::string displayName_;
    const CameraModel* model_;
    AppState& state_;
    Recipients& recipients_;
};

}  // namespace wks

template <>
struct std::is_error_code_enum<wks::SettingsError> : std::true_type {};
