#pragma once
// The game call on the card: the chosen audio file converted by the staged converter into
// "\DCIM\100WKSIM\ADUI0001.WAV", 8-bit unsigned PCM, one channel, 22,050 Hz.

#include <string>
#include <vector>

#include "platform/process.h"

namespace wks {

inline constexpr const char* kGameCallFolder = "\\DCIM\\100WKSIM\\";
inline constexpr const char* kGameCallFile = "ADUI0001.WAV";
// The converter's command, kept beside the converter for whoever wants to run it by hand.
inline constexpr const char* kConverterBatch = "C:\\WKS_TEMP\\_[wkstmp]_.bat";

// The one line of the batch file: every path in double quotes, no line end.
std::string ConverterCommandLine(const std::string& source, const std::string& target);

// The converter's arguments for native source and target paths.
std::vector<std::string> ConverterArguments(const std::string& source, const std::string& target);

// Converts gameCallAudioPath onto the card that holds savePath (only its drive letter and
// colon count), after making room for "ADUI0001.WAV": an old one is deleted, and the camera's
// first picture and video are renamed when the user agrees. Problems are shown in message
// boxes. True when the file was converted, when there was nothing to convert, or when the
// user chose not to rename; false on every failure.
bool SaveGameCallAudio(const std::string& savePath, const std::string& gameCallAudioPath,
                       ProcessRunner& runner);

}  // namespace wks
