// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsfile.h"

#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "util/cutil.h"

namespace wks {

const NetworkKey kNetworkKeys[] = {
    {kWapSection, "URL", &NetworkPreset::URL, 100},
    {kWapSection, "APN", &NetworkPreset::APN, 50},
    {kWapSection, "IP", &NetworkPreset::IP, 20},
    {kWapSection, "Port", &NetworkPreset::Port, 10},
    {kWapSection, "Account", &NetworkPreset::Account, 50},
    {kWapSection, "Password", &NetworkPreset::Password, 30},
    {kInternetSection, "GPRSAPN", &NetworkPreset::GPRSAPN, 50},
    {kInternetSection, "GPRSAccount", &NetworkPreset::GPRSAccount, 50},
    {kInternetSection, "GPRSPassword", &NetworkPreset::GPRSPassword, 30},
    {kInternetSection, "SendEmailServer", &NetworkPreset::SendEmailServer, 100},
    {kInternetSection, "SendEmailPort", &NetworkPreset::SendEmailPort, 10},
    {kInternetSection, "SendEmailAddr", &NetworkPreset::SendEmailAddr, 50},
    {kInternetSection, "SendEmailPassword", &NetworkPreset::SendEmailPassword, 30},
};

const char* const kRecipientKeys[Recipients::kCount] = {
    "AdministratorNum", "PhoneNum2",     "PhoneNum3",     "PhoneNum4",
    "ReceiveEmail1",    "ReceiveEmail2", "ReceiveEmail3", "ReceiveEmail4"};

SettingsFile::SettingsFile(std::string displayName, AppState& state, Recipients& recipients)
    : displayName_(std::move(displayName)),
      model_(findModel(displayName_)),
      state_(state),
      recipients_(recipients) {
    if (model_) {
        savePath = model_->initialSavePath();
        backupPath = model_->backupPath();
    }
}

namespace {

struct SettingsCategory : std::error_category {
    const char* name() const noexcept override { return "settings"; }
    std::string message(int) const override { return "the display name is none of the models"; }
};

}  // namespace

std::error_code make_error_code(SettingsError error) {
    static const SettingsCategory category;
    return {static_cast<int>(error), category};
}

Message internalError(const char* operation) {
    return {kCaptionTips,
            {QT_TRANSLATE_NOOP("Message", "Error In CWKS_MainParaDlg::%1() !"), {operation}},
            Buttons::Ok,
            Icon::Error};
}

bool SettingsFile::Mng_ChkFileMark(const std::string& path) const {
    if (!model_) return false;
    char mark[15];
    GetPrivateProfileStringA(kMarkSection, kMarkKey, "", mark, sizeof mark, path.c_str());
    return CUtil::TrimToLength(mark, 15) == model_->fileStem;
}

SettingsFile::Folders SettingsFile::makeFolders() const {
    Folders made;
    if (!files::isFolder(kBackupFolder)) made.backup = files::createFolder(kBackupFolder);
    // The drive root of savePath followed by "GSM\"; a path without a drive has no card.
    if (!DriveTable::isDrivePath(savePath)) {
        made.card = std::make_error_code(std::errc::no_such_device);
        return made;
    }
    const std::string cardFolder = savePath.substr(0, 3) + kSettingsFolder;
    if (!files::isFolder(cardFolder)) made.card = files::createFolder(cardFolder);
    return made;
}

files::Status SettingsFile::onFile(Transfer transfer, SettingsCopy copy,
                                   const std::function<files::Status(ProfileDocument&, bool)>& op) {
    const std::string& path = copy == SettingsCopy::Backup ? backupPath : savePath;
    const bool load = transfer == Transfer::Read;
    auto doc = ProfileDocument::load(path);
    // A regular file that could not be read (too large, say) is replaced whole by a save.
    if (!doc && !load && files::isFile(path)) doc = ProfileDocument{};
    if (!doc) return doc.error();
    const files::Status done = op(*doc, load);
    if (load) return done;
    const files::Status saved = doc->save(path);
    return done ? saved : done;
}

void SettingsFile::fileMark(ProfileDocument& doc, bool load) {
    if (load || !model_) return;
    doc.write(kMarkSection, kMarkKey, model_->fileStem);
}

void SettingsFile::wapInternet(ProfileDocument& doc, bool load) {
    NetworkPreset& net = state_.CurrentNetworkParams;
    const bool ssl = model_ && model_->hasSmtpSsl;
    for (const auto& k : kNetworkKeys) {
        if (load) {
            net.*k.field = CUtil::TrimToLength(
                doc.read(k.section, k.key, "", static_cast<DWORD>(k.limit)), k.limit);
        } else {
            doc.write(k.section, k.key, CUtil::TrimToLength(net.*k.field, k.limit));
        }
    }
    if (!ssl) return;
    if (load) {
        state_.SmtpSsl =
            CUtil::TrimToLength(doc.read(kInternetSection, kSslKey, "", 10), kSslLimit);
    } else {
        doc.write(kInternetSection, kSslKey, CUtil::TrimToLength(state_.SmtpSsl, kSslLimit));
    }
}

void SettingsFile::receive(ProfileDocument& doc, bool load) {
    for (std::size_t i = 0; i < Recipients::kCount; ++i) {
        std::string& text = recipients_.texts[i];
        if (load) {
            // The field takes the text as the read gives it, without trimming or cutting.
            text = doc.read(kReceiveSection, kRecipientKeys[i], "", kRecipientLimit);
        } else {
            doc.write(kReceiveSection, kRecipientKeys[i],
                      CUtil::TrimToLength(text, kRecipientLimit));
        }
    }
}

files::Status SettingsFile::cameraSection(ProfileDocument& doc, bool load, CameraFamily family) {
    CameraParams& params = state_.cameraParams;
    // An unknown model's clock is not stamped; its keys are written all the same.
    const files::Status stamped = load ? files::Status() : Mng_ChkForSaveLatestTimeForSetClock();
    for (const CameraKey& k : cameraKeysFor(family, displayName_)) {
        if (load) {
            std::string text = CUtil::TrimToLength(doc.read(kCameraSection, k.key, "", 10), 10);
            params.*k.field = (k.field == &CameraParams::GameCallPlayTime && text.empty())
                                  ? -1
                                  : parseDecimal(text);
        } else {
            doc.write(kCameraSection, k.key, formatCameraValue(k, params.*k.field));
        }
    }
    return stamped;
}

files::Status SettingsFile::Mng_FileMarkWrite(Transfer transfer, SettingsCopy copy) {
    if (transfer == Transfer::Read) return {};
    return onFile(transfer, copy, [this](ProfileDocument& d, bool l) {
        fileMark(d, l);
        return files::Status();
    });
}

files::Status SettingsFile::Mng_WapInternetPara(Transfer transfer, SettingsCopy copy) {
    return onFile(transfer, copy, [this](ProfileDocument& d, bool l) {
        wapInternet(d, l);
        return files::Status();
    });
}

files::Status SettingsFile::Mng_ReceivePara(Transfer transfer, SettingsCopy copy) {
    return onFile(transfer, copy, [this](ProfileDocument& d, bool l) {
        receive(d, l);
        return files::Status();
    });
}

files::Status SettingsFile::cameraFile(Transfer transfer, SettingsCopy copy, CameraFamily family) {
    return onFile(transfer, copy,
                  [=, this](ProfileDocument& d, bool l) { return cameraSection(d, l, family); });
}

files::Status SettingsFile::Mng_CamParaFX200(Transfer transfer, SettingsCopy copy) {
    return cameraFile(transfer, copy, CameraFamily::FamilyFX200);
}
files::Status SettingsFile::Mng_CamParaGroup1(Transfer transfer, SettingsCopy copy) {
    return cameraFile(transfer, copy, CameraFamily::FamilyGroup1);
}
files::Status SettingsFile::Mng_CamParaLN713Z(Transfer transfer, SettingsCopy copy) {
    return cameraFile(transfer, copy, CameraFamily::FamilyLN713Z);
}
files::Status SettingsFile::Mng_CamParaLN714W(Transfer transfer, SettingsCopy copy) {
    return cameraFile(transfer, copy, CameraFamily::FamilyLN714W);
}

files::Status SettingsFile::Mng_AllPara(Transfer transfer, SettingsCopy copy) {
    const Folders made = makeFolders();
    files::Status written = onFile(transfer, copy, [&](ProfileDocument& d, bool l) {
        fileMark(d, l);
        wapInternet(d, l);
        receive(d, l);
        if (!model_) return files::Status(SettingsError::UnknownModel);
        return cameraSection(d, l, model_->family);
    });
    if (written.error() == SettingsError::UnknownModel) return written;
    // A folder that could not be made fails the write on the missing folder; the folder's
    // reason (a read-only card, say) came first and is the one that tells.
    const files::Status& folder = copy == SettingsCopy::Backup ? made.backup : made.card;
    if (transfer == Transfer::Write && !folder &&
        written.error() == std::errc::no_such_file_or_directory) {
        return folder;
    }
    return written;
}

files::Status SettingsFile::Mng_ChkForSaveLatestTimeForSetClock() {
    if (!state_.clockFollowsPc) return {};
    if (!model_) return make_error_code(SettingsError::UnknownModel);
    state_.cameraParams.setClock(now());
    return {};
}

void SettingsFile::Mng_Group1ParaSetDefault() {
    setCameraDefaults(state_.cameraParams, CameraFamily::FamilyGroup1, displayName_);
}

int SettingsFile::Mng_AllParaSetDefault() {
    if (!model_) return 0;
    if (model_->family == CameraFamily::FamilyGroup1) {
        Mng_Group1ParaSetDefault();
    } else {
        setCameraDefaults(state_.cameraParams, model_->family, displayName_);
    }
    state_.clockFollowsPc = true;
    return 1;
}

}  // namespace wks
