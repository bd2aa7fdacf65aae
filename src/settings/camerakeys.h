#pragma once
// The keys of "Camera Setting" for each camera family, as data: the key, the field that holds
// it, the default, and the codes the camera understands. One reader and one writer walk them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "settings/cameraparams.h"

namespace wks {

// What the numbers of one key mean: codes from `min` to `max`, each with a meaning.
struct CodeBook {
    std::int32_t min;
    std::int32_t max;
    std::string (*meaning)(std::int32_t code);
};

struct CameraKey {
    const char* key;
    std::int32_t CameraParams::*field;
    std::int32_t defaultValue;
    std::int32_t swedenDefault;  // the KT320V-8PRO default
    bool swedenModelSkips;       // KT320V-8PRO neither reads nor writes it
    const CodeBook* codes;
};

inline constexpr const char* kCameraSection = "Camera Setting";

std::span<const CameraKey> cameraKeys(CameraFamily family);
// The keys of a family that a model reads and writes, in file order: KT320V-8PRO leaves out
// "SMS Control".
std::vector<const CameraKey*> cameraKeysFor(CameraFamily family, const std::string& displayName);

// The camera's decimal numbers: an optional sign and the leading digits; 0 when there are none.
std::int32_t parseDecimal(const std::string& text);
// Negative values are written empty, except GameCallPlayTime -1 (OFF), written as -1.
std::string formatCameraValue(const CameraKey& key, std::int32_t value);
bool isClockKey(const CameraKey& key);

}  // namespace wks
