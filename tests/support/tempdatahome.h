// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary $XDG_DATA_HOME for a test's life, so the program's data folder (drive links,
// registry hive) is a fresh folder; the previous value comes back afterwards.

#include <QByteArray>
#include <QTemporaryDir>
#include <filesystem>

namespace wks::test {

class TempDataHome {
  public:
    TempDataHome();
    ~TempDataHome();
    TempDataHome(const TempDataHome&) = delete;
    TempDataHome& operator=(const TempDataHome&) = delete;

    // $XDG_DATA_HOME/wks-config
    std::filesystem::path dataHome() const;

  private:
    QTemporaryDir dir_;
    bool had_;
    QByteArray previous_;
};

}  // namespace wks::test
