// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Examining drives without waiting on slow or dead ones: all drives are looked at at once, each
// on a thread of its own in a child process, and a drive that has not answered in time counts
// as unusable for that examination. A look-up stuck in a dead mount keeps only that child (and
// the drive is not asked again until it has ended); neither the screen nor the program's end
// waits for it.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/message.h"

namespace wks {

inline constexpr std::chrono::milliseconds kDriveAnswerTime{1000};

enum class DriveState { Usable, NoFolder, NotEnterable, NoAnswer };

struct DriveReport {
    char letter = 0;
    DriveState state = DriveState::NoFolder;
    bool subfolder = false;  // the folder asked for on the drive can be entered as well
    std::string folder;      // the real folder, links followed; where a link leads when missing
    bool medium = false;     // removable media
    std::string label;       // a medium's volume label
    std::optional<std::uint64_t> freeBytes;

    bool usable() const { return state == DriveState::Usable; }
};

// The drives of `letters` in the table, in that order; a letter without a folder has NoFolder.
// `subfolder` ("GSM\") is also tried on each usable drive when not empty.
std::vector<DriveReport> examineDrives(const DriveTable& table, const std::string& letters,
                                       const std::string& subfolder = {},
                                       std::chrono::milliseconds wait = kDriveAnswerTime);

// "D: is /media/anna/TRAILCAM (TRAILCAM, 7.2 GB free)"; "D: is /x (not usable: no answer in
// time)" when not usable; "D: (not usable: no folder)" for a letter with no folder. As words
// the screens translate, the letter, folder, label and free space their values (the folder and
// label as the file system's bytes); describeDrive() is their English.
Text drivePlace(const DriveReport& report);
std::string describeDrive(const DriveReport& report);
// Why a drive is not usable: "no folder", "not enterable", "no answer in time"; empty if it is.
const char* driveProblem(DriveState state);
// 7200000000 -> "7.2 GB", in the decimal units disks are sold in.
std::string sizeText(std::uint64_t bytes);

}  // namespace wks
