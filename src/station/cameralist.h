// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cameras of a card station's run: a CSV list with a header row whose column "cameraID"
// names each camera (a Camtrap DP deployments table works as it is: its other columns are
// carried into the report), and whose columns named by a key of the settings file ("Camera
// Position", "AdministratorNum", any key of "Camera Setting") set that key for that camera.
// Without a list the cameras are numbered: CAM-001, CAM-002, ...

#include <string>
#include <variant>
#include <vector>

#include "app/catalogue.h"
#include "platform/message.h"
#include "settings/keychange.h"

namespace wks {

inline constexpr const char* kCameraIdColumn = "cameraID";

class CameraList {
  public:
    // Every row checked before the first card is written: a value the model does not take, a
    // column that is neither a key nor a deployments table's, a duplicate or missing cameraID;
    // the words name the line and the column.
    static std::variant<CameraList, Text> read(const std::string& path, const CameraModel& model);
    // A list typed rather than read (the window's table): a header and its rows, checked alike.
    static std::variant<CameraList, Text> make(std::vector<std::string> header,
                                               std::vector<std::vector<std::string>> rows,
                                               const CameraModel& model);
    // The numbered cameras: no list, as many cards as come.
    static CameraList numbered() { return CameraList(); }

    bool isNumbered() const { return numbered_; }
    std::size_t size() const { return ids_.size(); }
    const std::string& id(std::size_t i) const { return ids_[i]; }
    // The list's columns other than cameraID, and their values for camera i (as the file has them).
    const std::vector<std::string>& columns() const { return columns_; }
    const std::vector<std::string>& values(std::size_t i) const { return values_[i]; }
    // The key columns' values of camera i, applied over the template.
    void applyTo(std::size_t i, AppState& state, Recipients& recipients) const;
    // The name of the numbered camera n (from 1): "CAM-007".
    static std::string numberedId(int n);

  private:
    CameraList() = default;
    static std::variant<CameraList, Text> check(std::vector<std::string> header,
                                                std::vector<std::vector<std::string>> rows,
                                                const std::vector<int>& lines,
                                                const CameraModel& model);
    bool numbered_ = true;
    std::vector<std::string> ids_;
    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> values_;
    std::vector<std::vector<KeyChange>> changes_;
};

}  // namespace wks
