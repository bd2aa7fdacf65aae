// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The converter's staging folder "C:\WKS_TEMP". The distribution's ffmpeg is placed there as
// "ffmpeg.exe" while the main screen of a game-call model is open, and the folder is removed
// again when that screen closes. Several runs of the programs share the folder: each run that
// staged it holds it (a shared advisory lock on the folder itself) until it removes it, and
// only the last one out removes it.

#include <optional>
#include <string>

#include "platform/message.h"

namespace wks {

inline constexpr const char* kConverterFolder = "C:\\WKS_TEMP";
inline constexpr const char* kConverterPath = "C:\\WKS_TEMP\\ffmpeg.exe";
// The installed program that is staged, looked up on $PATH.
inline constexpr const char* kInstalledConverter = "ffmpeg";

struct [[nodiscard]] Staging {
    bool ready = false;              // the folder was emptied or joined and the converter placed
    std::optional<Message> message;  // what the user is to be told
};

// Makes the folder (or empties one that no other run holds: a killed run's), places the
// converter in it, hides the folder, and holds it for this run. A folder another run holds
// is joined as it is, its converter placed only when missing. A staged file that cannot be
// deleted is reported with a message; everything else that goes wrong is silent and shows up
// when the converter cannot be started.
Staging StageConverter();

// Stages the converter again unless this run holds a folder that has it; the staging's
// message, if any.
std::optional<Message> EnsureConverter();

// Lets this run's hold go and, when no other run holds the folder, empties and removes it.
// Nothing is reported; true when the folder is gone.
[[nodiscard]] bool RemoveConverter();

// Deletes every file below the folder, at any depth; sub-folders stay, empty. Read-only files
// are not made writable and are left. False when some file could not be deleted.
[[nodiscard]] bool EmptyFolder(const std::string& folder);

// Puts the program at path as a symbolic link to it, or as a copy where no link can be made.
// Something already at path is deleted first; false when that or the placing fails.
[[nodiscard]] bool PlaceProgram(const std::string& installed, const std::string& path);

}  // namespace wks
