// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/gamecall.h"

#include <unistd.h>

#include <filesystem>
#include <optional>

#include "audio/converter.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "util/cutil.h"

namespace fsys = std::filesystem;

namespace wks {
namespace {

constexpr const char* kConverterOptions = " -ac 1 -ar 22050 -acodec pcm_u8 ";

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
    if (files::isLink(path)) {
        files::deleteFile(path);
    } else if (files::isFolder(path)) {
        files::removeFolder(path);
    } else if (files::exists(path)) {
        CUtil::ClearReadOnly(path);
        files::deleteFile(path);
    }
    return !files::isLink(path) && !files::exists(path);
}

enum class Room { Made, GivenUp, Blocked };

// Clears the way for the game call when the camera's first picture or video is in the folder.
// When the chosen audio file is one of them, source follows it to its new name.
Room renameCameraFiles(const std::string& folder, std::string& source) {
    const std::string picture = folder + "IMAG0001.JPG";
    const std::string video = folder + "VIDE0001.AVI";
    const std::string newPicture = folder + "IMAG0001_RenameForSaveAudioFile.JPG";
    const std::string newVideo = folder + "VIDE0001_RenameForSaveAudioFile.AVI";
    if (!files::exists(picture) && !files::exists(video)) return Room::Made;
    const bool sourceIsPicture = files::sameFile(source, picture);
    const bool sourceIsVideo = files::sameFile(source, video);

    Answer answer =
        showMessage({kCaptionTipsMixed,
                     QT_TRANSLATE_NOOP("Message",
                                       "You must rename the existed \"IMAG0001.JPG\" and "
                                       "\"VIDE0001.AVI\" if you want to save the audio "
                                       "file ,continue ?"),
                     Buttons::OkCancel, Icon::Information});
    if (answer != Answer::Ok) {
        showMessage({kCaptionTips,
                     QT_TRANSLATE_NOOP("Message", "You have given up saving audio file !"),
                     Buttons::Ok, Icon::Information});
        return Room::GivenUp;
    }
    CUtil::ClearReadOnly(picture);
    CUtil::ClearReadOnly(video);
    if (CUtil::RenameIfExists(picture, newPicture) != 0 ||
        CUtil::RenameIfExists(video, newVideo) != 0) {
        showMessage({kCaptionTipsMixed,
                     QT_TRANSLATE_NOOP("Message",
                                       "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n"
                                       " You can delete or rename them manually !"),
                     Buttons::Ok, Icon::Warning});
        return Room::Blocked;
    }
    if (sourceIsPicture) source = newPicture;
    if (sourceIsVideo) source = newVideo;
    showMessage({kAppTitle, QT_TRANSLATE_NOOP("Message", "OK,audio file have been saved !")});
    return Room::Made;
}

}  // namespace

std::string ConverterCommandLine(const std::string& source, const std::string& target) {
    return std::string("\"") + kConverterPath + "\" -i \"" + source + "\"" + kConverterOptions +
           "\"" + target + "\"";
}

std::vector<std::string> ConverterArguments(const std::string& source, const std::string& target) {
    return {"-i", source, "-ac", "1", "-ar", "22050", "-acodec", "pcm_u8", target};
}

GameCallResult SaveGameCallAudio(const std::string& savePath, const std::string& gameCallAudioPath,
                                 ProcessRunner& runner) {
    const std::string cardRoot = savePath.substr(0, 2);
    std::string source = CUtil::TrimToLength(gameCallAudioPath, -1);
    if (source.empty()) return GameCallResult::NoSource;
    if (!DriveTable::isDrivePath(cardRoot)) {  // no card to put it on
        showMessage({kAppTitle, QT_TRANSLATE_NOOP("Message", "Transform Failed.")});
        return GameCallResult::Failed;
    }

    const std::string pictures = cardRoot + "\\DCIM\\";
    const std::string folder = cardRoot + kGameCallFolder;
    const std::string target = folder + kGameCallFile;
    // The converter writes beside the target and its finished result is renamed over it.
    // The name keeps the ".WAV" ending, from which the converter takes the WAV container,
    // so it runs with the same arguments as the batch file's line, which names the real
    // target: that line is the command for whoever converts by hand.
    const std::string converted = folder + kGameCallPartial;

    // Folders that cannot be made show up as a conversion that fails.
    if (drives().canEnter(pictures)) {
        if (!drives().canEnter(folder)) files::createFolder(folder);
    } else {
        files::createFolder(pictures);
        files::createFolder(folder);
    }

    if (files::exists(target) && !canReplace(target)) {
        showMessage({kAppTitle, {QT_TRANSLATE_NOOP("Message", "Failed to delete %1 !"), {target}}});
        return GameCallResult::Failed;
    }

    const Room room = renameCameraFiles(folder, source);
    if (room == Room::GivenUp) return GameCallResult::GivenUp;
    if (room == Room::Blocked) return GameCallResult::Failed;

    // Another run that ended may have taken the staged converter with it.
    EnsureConverter();
    if (files::exists(kConverterBatch)) files::deleteFile(kConverterBatch);
    if (const files::Status written =
            files::writeNewFile(kConverterBatch, ConverterCommandLine(source, target));
        !written) {
        showMessage({kAppTitle,
                     {QT_TRANSLATE_NOOP("Message", "Cannot write %1 (%2) !"),
                      {kConverterBatch, written.message()}},
                     Buttons::Ok,
                     Icon::Warning});
        return GameCallResult::Stopped;
    }

    // A run killed earlier may have left its partial file, and the converter would not
    // overwrite it; someone may have planted a link there, which it would write through.
    const bool cleared = clearPartial(converted);
    auto program = forConverter(kConverterPath);
    auto from = forConverter(source);
    auto to = forConverter(converted);
    ProcessResult result;  // not started
    if (cleared && program && from && to) {
        result = runner.run(*program, ConverterArguments(*from, *to));
    }
    // Only a regular file on the card, flushed there, takes the old call's place.
    if (result.succeeded() && to && hasContent(*to) && files::moveInPlace(converted, target)) {
        return GameCallResult::Placed;
    }

    // A failed, cancelled or killed run leaves no part of a game call behind.
    if (cleared && (files::isLink(converted) || files::exists(converted))) {
        files::deleteFile(converted);
    }
    // Without ffmpeg nothing could be converted: the user is told what to install.
    std::vector<Text> notes;
    if (!result.cancelled && !findProgramOnPath(kInstalledConverter)) {
        notes.emplace_back(QT_TRANSLATE_NOOP("Message",
                                             "ffmpeg is not installed, and the game call is "
                                             "converted with it: install the package ffmpeg."));
    }
    showMessage({kAppTitle, QT_TRANSLATE_NOOP("Message", "Transform Failed."), Buttons::Ok,
                 Icon::None, std::move(notes)});
    // The user who cancels the conversion stops the save: nothing more happens to the cards.
    return result.cancelled ? GameCallResult::Stopped : GameCallResult::Failed;
}

}  // namespace wks
