// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tempdatahome.h"

#include <stdexcept>

namespace wks::test {

TempDataHome::TempDataHome()
    : had_(qEnvironmentVariableIsSet("XDG_DATA_HOME")), previous_(qgetenv("XDG_DATA_HOME")) {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    qputenv("XDG_DATA_HOME", dir_.path().toUtf8());
}

TempDataHome::~TempDataHome() {
    if (had_) {
        qputenv("XDG_DATA_HOME", previous_);
    } else {
        qunsetenv("XDG_DATA_HOME");
    }
}

std::filesystem::path TempDataHome::dataHome() const {
    return std::filesystem::path(dir_.path().toStdString()) / "wks-config";
}

}  // namespace wks::test
