// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/gamecall.h"

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string_view>

#include "audio/converter.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "util/cutil.h"

namespace fsys = std::filesystem;

namespace wks {
namespace {

constexpr const char* kConverterOptions = " -ac 1 -ar 22050 -acodec pcm_u8 ";
// How much of the converter's error output follows "Transform Failed.": its reason is in the
// last lines, and a box must not grow past the screen.
constexpr std::size_t kReasonLines = 3;
constexpr std::size_t kReasonWidth = 160;

// The form the converter gets: native and absolute, so that it can only be taken for a file
// (a name such as "http:x" or "-" would otherwise mean something else to it). Nothing for a
// drive letter that has no folder. The staged converter is a link to the installed one.
std::optional<std::string> forConverter(const std::string& path) {
    auto native = files::nativeName(path);
    if (!native) return std::nullopt;
    std::error_code ec;
    auto absolute = fsys::absolute(*native, ec);
    return ec ? *native : absolute.string();
}

// Whether the old game call can give way to the new one, judged before anything is changed:
// a folder in its place cannot, nor can a file in a folder that refuses changes.
bool canReplace(const std::string& target) {
    if (files::isFolder(target)) return false;
    auto native = files::native(target);
    return native && ::access(fsys::path(*native).parent_path().c_str(), W_OK) == 0;
}

// A regular file itself (no link) with something in it.
bool hasContent(const std::string& nativePath) {
    std::error_code ec;
    return fsys::is_regular_file(fsys::symlink_status(nativePath, ec)) &&
           fsys::file_size(nativePath, ec) > 0 && !ec;
}

// Clears the converter's temporary name of whatever is there (a killed run's partial file, a
// link, a folder, a special file), so that the converter never writes through a link. False
// when something stays there.
bool clearPartial(const std::string& path) {
    // Whatever could not be cleared is found below.
    if (files::isLink(path)) {
        (void)files::deleteFile(path);
    } else if (files::isFolder(path)) {
        (void)files::removeFolder(path);
    } else if (files::exists(path)) {
        CUtil::ClearReadOnly(path);
        (void)files::deleteFile(path);
    }
    return !files::isLink(path) && !files::exists(path);
}

GameCallStep going(std::vector<Message> messages = {}) {
    return {std::nullopt, std::move(messages)};
}

GameCallStep ends(GameCallResult result, std::vector<Message> messages = {}) {
    return {result, std::move(messages)};
}

Message transformFailed(std::vector<Text> notes = {}) {
    return {kAppTitle, QT_TRANSLATE_NOOP("Message", "Transform Failed."), Buttons::Ok, Icon::None,
            std::move(notes)};
}

}  // namespace

std::string ConverterReason(const std::string& errorOutput) {
    std::string own;
    std::size_t start = 0;
    while (start < errorOutput.size()) {
        std::size_t end = errorOutput.find_first_of("\r\n", start);
        if (end == std::string::npos) end = errorOutput.size();
        const std::string_view line(errorOutput.data() + start, end - start);
        if (!line.empty() && line[0] != ' ' && line[0] != '\t' &&
            !line.starts_with("ffmpeg version ")) {
            own.append(errorOutput, start, end - start).push_back('\n');
        }
        start = end + 1;
    }
    return lastLines(own, kReasonLines, kReasonWidth);
}

std::string ConverterCommandLine(const std::string& source, const std::string& target) {
    return std::string("\"") + kConverterPath + "\" -i \"" + source + "\"" + kConverterOptions +
           "\"" + target + "\"";
}

std::vector<std::string> ConverterArguments(const std::string& source, const std::string& target) {
    return {"-i", source, "-ac", "1", "-ar", "22050", "-acodec", "pcm_u8", target};
}

GameCallPlacement::GameCallPlacement(const std::string& savePath,
                                     const std::string& gameCallAudioPath)
    : source_(CUtil::TrimToLength(gameCallAudioPath, -1)) {
    const std::string cardRoot = savePath.substr(0, 2);
    onCard_ = DriveTable::isDrivePath(cardRoot);
    folder_ = cardRoot + kGameCallFolder;
    target_ = folder_ + kGameCallFile;
    // The converter writes beside the target and its finished result is renamed over it.
    // The name keeps the ".WAV" ending, from which the converter takes the WAV container,
    // so it runs with the same arguments as the batch file's line, which names the real
    // target: that line is the command for whoever converts by hand.
    converted_ = folder_ + kGameCallPartial;
}

GameCallStep GameCallPlacement::prepare() {
    if (source_.empty()) return ends(GameCallResult::NoSource);
    if (!onCard_) return ends(GameCallResult::Failed, {transformFailed()});  // no card for it

    // Folders that cannot be made show up as a conversion that fails.
    const std::string pictures = target_.substr(0, 2) + "\\DCIM\\";
    if (drives().canEnter(pictures)) {
        if (!drives().canEnter(folder_)) (void)files::createFolder(folder_);
    } else {
        (void)files::createFolder(pictures);
        (void)files::createFolder(folder_);
    }

    if (files::exists(target_) && !canReplace(target_)) {
        return ends(
            GameCallResult::Failed,
            {{kAppTitle, {QT_TRANSLATE_NOOP("Message", "Failed to delete %1 !"), {target_}}}});
    }
    return going();
}

std::optional<Message> GameCallPlacement::renameQuestion() const {
    if (!files::exists(folder_ + "IMAG0001.JPG") && !files::exists(folder_ + "VIDE0001.AVI")) {
        return std::nullopt;
    }
    return Message{kCaptionTipsMixed,
                   QT_TRANSLATE_NOOP("Message",
                                     "You must rename the existed \"IMAG0001.JPG\" and "
                                     "\"VIDE0001.AVI\" if you want to save the audio "
                                     "file ,continue ?"),
                   Buttons::OkCancel, Icon::Information};
}

GameCallStep GameCallPlacement::makeRoom(Answer answer) {
    if (answer != Answer::Ok) {
        return ends(
            GameCallResult::GivenUp,
            {{kCaptionTips, QT_TRANSLATE_NOOP("Message", "You have given up saving audio file !"),
              Buttons::Ok, Icon::Information}});
    }
    const std::string picture = folder_ + "IMAG0001.JPG";
    const std::string video = folder_ + "VIDE0001.AVI";
    const std::string newPicture = folder_ + "IMAG0001_RenameForSaveAudioFile.JPG";
    const std::string newVideo = folder_ + "VIDE0001_RenameForSaveAudioFile.AVI";
    // When the chosen audio file is one of them, the source follows it to its new name.
    const bool sourceIsPicture = files::sameFile(source_, picture);
    const bool sourceIsVideo = files::sameFile(source_, video);
    CUtil::ClearReadOnly(picture);
    CUtil::ClearReadOnly(video);
    if (CUtil::RenameIfExists(picture, newPicture) != 0 ||
        CUtil::RenameIfExists(video, newVideo) != 0) {
        return ends(GameCallResult::Failed,
                    {{kCaptionTipsMixed,
                      QT_TRANSLATE_NOOP("Message",
                                        "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n"
                                        " You can delete or rename them manually !"),
                      Buttons::Ok, Icon::Warning}});
    }
    if (sourceIsPicture) source_ = newPicture;
    if (sourceIsVideo) source_ = newVideo;
    return going({{kAppTitle, QT_TRANSLATE_NOOP("Message", "OK,audio file have been saved !")}});
}

GameCallStep GameCallPlacement::stage() {
    std::vector<Message> messages;
    // Another run that ended may have taken the staged converter with it.
    if (std::optional<Message> staging = EnsureConverter()) messages.push_back(*staging);
    // A batch file that stays is overwritten by the write below, which reports it.
    if (files::exists(kConverterBatch)) (void)files::deleteFile(kConverterBatch);
    if (const files::Status written =
            files::writeNewFile(kConverterBatch, ConverterCommandLine(source_, target_));
        !written) {
        messages.push_back({kAppTitle,
                            {QT_TRANSLATE_NOOP("Message", "Cannot write %1 (%2) !"),
                             {kConverterBatch, written.message()}},
                            Buttons::Ok,
                            Icon::Warning});
        return ends(GameCallResult::Stopped, std::move(messages));
    }
    return going(std::move(messages));
}

GameCallStep GameCallPlacement::convert(ProcessRunner& runner) {
    // A run killed earlier may have left its partial file, and the converter would not
    // overwrite it; someone may have planted a link there, which it would write through.
    const bool cleared = clearPartial(converted_);
    auto program = forConverter(kConverterPath);
    auto from = forConverter(source_);
    auto to = forConverter(converted_);
    ProcessResult result;  // not started
    if (cleared && program && from && to) {
        result = runner.run(*program, ConverterArguments(*from, *to));
    }
    // Only a regular file on the card, flushed there, takes the old call's place.
    if (result.succeeded() && to && hasContent(*to) && files::moveInPlace(converted_, target_)) {
        return ends(GameCallResult::Placed);
    }

    // A failed, cancelled or killed run leaves no part of a game call behind; what cannot be
    // deleted is cleared again by the next run before the converter starts.
    if (cleared && (files::isLink(converted_) || files::exists(converted_))) {
        (void)files::deleteFile(converted_);
    }
    // The converter's own last words say why it failed; without ffmpeg nothing could be
    // converted, and the user is told what to install.
    std::vector<Text> notes;
    if (std::string reason = ConverterReason(result.errorOutput); !reason.empty()) {
        notes.push_back(Text::verbatim(std::move(reason)));
    }
    if (!result.cancelled && !findProgramOnPath(kInstalledConverter)) {
        notes.emplace_back(QT_TRANSLATE_NOOP("Message",
                                             "ffmpeg is not installed, and the game call is "
                                             "converted with it: install the package ffmpeg."));
    }
    // The user who cancels the conversion stops the save: nothing more happens to the cards.
    return ends(result.cancelled ? GameCallResult::Stopped : GameCallResult::Failed,
                {transformFailed(std::move(notes))});
}

}  // namespace wks
