// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/catalogue.h"

namespace wks {
namespace {

CameraModel entry(std::string name, std::string stem, CameraFamily family, bool ssl, bool gameCall,
                  int picture) {
    std::string caption = name == kSwedenModel ? "WKS CONFIG : For KT320V-8PRO Sweden Customized"
                                               : "WKS CONFIG : For " + name;
    return CameraModel{std::move(name), std::move(stem),    family, ssl,
                       gameCall,        std::move(caption), picture};
}

}  // namespace

std::string CameraModel::backupPath() const {
    return std::string(kBackupFolder) + "\\" + settingsFileName();
}

const std::vector<CameraModel>& catalogue() {
    using enum CameraFamily;
    static const std::vector<CameraModel> models = {
        entry("FX200 SERIES", "FX200", FamilyFX200, false, false, 129),
        entry("KT320V-8PRO", "KT320V", FamilyGroup1, true, false, 136),
        entry("KT470RX-8PRO", "KT470RX", FamilyGroup1, true, false, 130),
        entry("LN615Z-8PRO", "LN615Z", FamilyGroup1, true, false, 132),
        entry("LN713Z-10P", "LN713Z", FamilyLN713Z, false, true, 133),
        entry("LN714W-12P", "LN714W", FamilyLN714W, true, true, 134),
    };
    return models;
}

const CameraModel* findModel(const std::string& displayName) {
    for (const auto& m : catalogue()) {
        if (m.displayName == displayName) return &m;
    }
    return nullptr;
}

std::vector<std::string> displayNames() {
    std::vector<std::string> names;
    for (const auto& m : catalogue()) names.push_back(m.displayName);
    return names;
}

}  // namespace wks
