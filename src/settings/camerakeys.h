// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of "Camera Setting" for each camera family, as one table per family: the key, the
// field that holds it, the default, the codes the camera understands with the texts its menus
// give them, and what single models of the family do differently. The reader, the writer, the
// command line's show, check and --set, and the camera screens' lists all take them from here.
// A family is its key table and its row in the list of families; a model that differs from its
// family, its rows in the table of model exceptions.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "platform/message.h"
#include "settings/cameraparams.h"

namespace wks {

// The codes of one key, first to last, and what each stands for.
struct Codes {
    std::int32_t first;
    std::int32_t last;
    // The options for first to last in order, as the camera's menus write them, blanks
    // included: a screen's list items, or its option buttons' texts. Empty when the screen
    // edits the key with other controls (the clock pickers, the day boxes).
    std::vector<std::string> options;
    // The code in words where the options abbreviate it or there are none; nullptr when the
    // option says it.
    std::string (*words)(std::int32_t code) = nullptr;

    bool holds(std::int32_t code) const { return code >= first && code <= last; }
    // What a code in range means: "2 minutes", "Unlimited", "1753".
    std::string meaning(std::int32_t code) const;
    // The valid codes for a message: "0 (5M) or 1 (8M)", "0 (OFF) to 19 (8 hours)".
    Text validValues() const;
};

struct CameraKey {
    const char* key;
    std::int32_t CameraParams::*field;
    std::int32_t defaultValue;
    const Codes* codes;
};

// What one model of a family does differently with one of its keys.
struct ModelException {
    const char* displayName;
    std::int32_t CameraParams::*field;
    const Codes* codes;                        // its own codes, or nullptr for the family's
    std::optional<std::int32_t> defaultValue;  // its own default, when it has one
    bool skipped = false;                      // it neither reads nor writes the key
};

inline constexpr const char* kCameraSection = "Camera Setting";

// What the settings file knows of a family.
struct CameraFamilyTable {
    CameraFamily family;
    const char* name;                 // as `wks-settings models` names it
    std::span<const CameraKey> keys;  // in file order
};

const CameraFamilyTable& cameraFamily(CameraFamily family);
// What single models do differently, whatever their family: one table, each row naming its model.
std::span<const ModelException> modelExceptions();
// The keys a model reads and writes, in file order, each with the model's own codes and
// default. A name that is none of the family's models gets the family's table as it stands.
std::vector<CameraKey> cameraKeysFor(CameraFamily family, const std::string& displayName);
// Sets every field of the family to the model's default, keys the model skips included.
void setCameraDefaults(CameraParams& params, CameraFamily family, const std::string& displayName);

// The camera's decimal numbers: an optional sign and the leading digits; 0 when there are none.
std::int32_t parseDecimal(const std::string& text);
// Negative values are written empty, except GameCallPlayTime -1 (OFF), written as -1.
std::string formatCameraValue(const CameraKey& key, std::int32_t value);
bool isClockKey(const CameraKey& key);

}  // namespace wks
