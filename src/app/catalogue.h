// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera models the program knows, and what each model decides. A model of an existing
// family is a row in catalogue(); its family's tables (settings/, ui/camera/) serve it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace wks {

enum class CameraFamily {
    FamilyFX200,
    FamilyGroup1,
    FamilyLN713Z,
    FamilyLN714W,
    Count  // not a family: how many there are, so that a table short of one fails the build
};

// A table of families holds one row for each, in the order above: true when it does.
template <typename Row, std::size_t N>
constexpr bool oneRowPerFamily(const Row (&rows)[N]) {
    if (N != static_cast<std::size_t>(CameraFamily::Count)) return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].family != static_cast<CameraFamily>(i)) return false;
    }
    return true;
}

struct CameraModel {
    std::string displayName;
    std::string fileStem;  // the settings file's stem and its file mark
    CameraFamily family;
    bool hasSmtpSsl;
    bool hasGameCall;
    std::string caption;  // of the main parameter screen
    int picture;          // product picture resource number

    std::string settingsFileName() const { return fileStem + ".TXT"; }
    std::string settingsRelPath() const { return "GSM\\" + settingsFileName(); }
    std::string backupPath() const;
    // Where the card file would be before any drive has been examined.
    std::string initialSavePath() const { return "C:\\" + settingsRelPath(); }
};

inline constexpr const char* kBackupFolder = "C:\\VelmoraBackup";
inline constexpr const char* kSettingsFolder = "GSM\\";
inline constexpr int kGenericPicture = 135;
inline constexpr const char* kSwedenModel = "KT320V-8PRO";

// The models in the order of the selection list (sorted by display name).
const std::vector<CameraModel>& catalogue();
// The model whose display name equals the name exactly, case included.
const CameraModel* findModel(const std::string& displayName);
std::vector<std::string> displayNames();

}  // namespace wks
