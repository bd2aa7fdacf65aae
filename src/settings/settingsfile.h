// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file of one model, on the card (savePath) and as backup (backupPath): its file
// mark, the two network sections, the recipients and the camera section. Every operation takes
// a load flag (non-zero reads the file into memory, zero writes memory into the file) and a
// backup flag (non-zero uses backupPath, zero savePath). Writes return false (the whole-file
// operation: the reason) when the file was not written; the file on disk is then the old file,
// whole.

#include <functional>
#include <string>

#include "app/catalogue.h"
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
    bool Mng_FileMarkWrite(int load, int backup);
    bool Mng_WapInternetPara(int load, int backup);
    bool Mng_ReceivePara(int load, int backup);
    bool Mng_CamParaFX200(int load, int backup);
    bool Mng_CamParaGroup1(int load, int backup);
    bool Mng_CamParaLN713Z(int load, int backup);
    bool Mng_CamParaLN714W(int load, int backup);
    // The whole file: folders, mark, network, recipients, camera; written in one replacement.
    files::Status Mng_AllPara(int load, int backup);

    // The backup folder and the card's "GSM\" folder, each made when missing; each with the
    // reason it could not be made.
    struct Folders {
        files::Status backup, card;
        bool ok() const { return backup.ok() && card.ok(); }
    };
    Folders makeFolders() const;

    // The camera part of the defaults; the session adds the KT320V-8PRO's operator choice.
    int Mng_AllParaSetDefault();
    void Mng_Group1ParaSetDefault();
    void Mng_ChkForSaveLatestTimeForSetClock();

  private:
    files::Status onFile(int load, int backup,
                         const std::function<void(ProfileDocument&, bool)>& op);

    void fileMark(ProfileDocument& doc, bool load);
    void wapInternet(ProfileDocument& doc, bool load);
    void receive(ProfileDocument& doc, bool load);
    void cameraSection(ProfileDocument& doc, bool load, CameraFamily family);
    bool cameraFile(int load, int backup, CameraFamily family);
    void reportError(const char* operation) const;

    std::string displayName_;
    const CameraModel* model_;
    AppState& state_;
    Recipients& recipients_;
};

}  // namespace wks
