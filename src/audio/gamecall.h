// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game call on the card: the chosen audio file converted by the staged converter into
// "\DCIM\100WKSIM\ADUI0001.WAV", 8-bit unsigned PCM, one channel, 22,050 Hz.

#include <optional>
#include <string>
#include <vector>

#include "platform/message.h"
#include "platform/process.h"

namespace wks {

inline constexpr const char* kGameCallFolder = "\\DCIM\\100WKSIM\\";
inline constexpr const char* kGameCallFile = "ADUI0001.WAV";
// What the converter writes beside it until the conversion has finished.
inline constexpr const char* kGameCallPartial = "ADUI0001.wkstmp.WAV";
// The converter's command, kept beside the converter for whoever wants to run it by hand.
inline constexpr const char* kConverterBatch = "C:\\WKS_TEMP\\_[wkstmp]_.bat";

// The one line of the batch file: every path in double quotes, no line end.
std::string ConverterCommandLine(const std::string& source, const std::string& target);

// The converter's arguments for native source and target paths.
std::vector<std::string> ConverterArguments(const std::string& source, const std::string& target);

// Why the converter failed, in its own words: the last lines of its error output that say
// something of their own (its banner, a line "ffmpeg version ..." and indented ones, and the
// streams it found, indented, never do); empty when it said nothing.
std::string ConverterReason(const std::string& errorOutput);

enum class GameCallResult {
    Placed,    // the new game call is on the card
    NoSource,  // nothing to convert
    GivenUp,   // the user chose not to rename the camera's first files
    Failed,    // reported; the card keeps the game call it had
    Stopped,   // the batch file could not be written, or the user cancelled the conversion
               // (reported): the save stops here
};

// What a step of the game call did: the messages the user is to see, in order, and the
// result when the game call ends with this step.
struct [[nodiscard]] GameCallStep {
    std::optional<GameCallResult> ended;  // nothing: the next step follows
    std::vector<Message> messages;
};

// Converts gameCallAudioPath onto the card that holds savePath (only its drive letter and
// colon count), after making room for "ADUI0001.WAV": the camera's first picture and video are
// renamed when the user agrees. The card keeps its old "ADUI0001.WAV" until a finished
// conversion replaces it in one step, so a declined question, a failed or cancelled run of the
// converter, or a kill, never leaves it without a playable game call.
//
// Nothing is shown here: the work is split at the question, and whoever shows the messages
// takes the steps in this order, each only while the one before has not ended the game call:
// prepare(); makeRoom(answer) when there is a renameQuestion(); stage(); convert(). Each
// step's messages come before the next step starts.
class GameCallPlacement {
  public:
    GameCallPlacement(const std::string& savePath, const std::string& gameCallAudioPath);

    // Checks the source and the card, makes the folders and checks the old game call.
    GameCallStep prepare();
    // The question to ask before the camera's first picture or video is renamed; nothing
    // when neither is in the folder.
    std::optional<Message> renameQuestion() const;
    // Renames them when the answer is Ok.
    GameCallStep makeRoom(Answer answer);
    // Stages the converter again when needed and writes the batch file.
    GameCallStep stage();
    // Runs the converter and puts its result in place; always ends the game call.
    GameCallStep convert(ProcessRunner& runner);

  private:
    std::string source_;
    std::string folder_;
    std::string target_;
    std::string converted_;
    bool onCard_ = false;
};

}  // namespace wks
