#include "audio/gamecall.h"

#include <filesystem>
#include <optional>

#include "audio/converter.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "util/cutil.h"

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
    auto absolute = std::filesystem::absolute(*native, ec);
    return ec ? *native : absolute.string();
}

enum class Room { Made, GivenUp, Blocked };

// Clears the way for the game call when the camera's first picture or video is in the folder.
Room renameCameraFiles(const std::string& folder) {
    const std::string picture = folder + "IMAG0001.JPG";
    const std::string video = folder + "VIDE0001.AVI";
    if (!files::exists(picture) && !files::exists(video)) return Room::Made;

    CUtil::ClearReadOnly(picture);
    CUtil::ClearReadOnly(video);
    Answer answer = showMessage(kCaptionTipsMixed,
                                "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" "
                                "if you want to save the audio file ,continue ?",
                                Buttons::OkCancel, Icon::Information);
    if (answer != Answer::Ok) {
        showMessage(kCaptionTips, "You have given up saving audio file !", Buttons::Ok,
                    Icon::Information);
        return Room::GivenUp;
    }
    if (CUtil::RenameIfExists(picture, folder + "IMAG0001_RenameForSaveAudioFile.JPG") != 0 ||
        CUtil::RenameIfExists(video, folder + "VIDE0001_RenameForSaveAudioFile.AVI") != 0) {
        showMessage(kCaptionTipsMixed,
                    "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n"
                    " You can delete or rename them manually !",
                    Buttons::Ok, Icon::Warning);
        return Room::Blocked;
    }
    showMessage(kAppTitle, "OK,audio file have been saved !", Buttons::Ok, Icon::None);
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

bool SaveGameCallAudio(const std::string& savePath, const std::string& gameCallAudioPath,
                       ProcessRunner& runner) {
    const std::string cardRoot = savePath.substr(0, 2);
    const std::string source = CUtil::TrimToLength(gameCallAudioPath, -1);
    if (source.empty()) return true;
    if (!DriveTable::isDrivePath(cardRoot)) {  // no card to put it on
        showMessage(kAppTitle, "Transform Failed.", Buttons::Ok, Icon::None);
        return false;
    }

    const std::string pictures = cardRoot + "\\DCIM\\";
    const std::string folder = cardRoot + kGameCallFolder;
    const std::string target = folder + kGameCallFile;

    // Folders that cannot be made show up as a conversion that fails.
    if (drives().canEnter(pictures)) {
        if (!drives().canEnter(folder)) files::createFolder(folder);
    } else {
        files::createFolder(pictures);
        files::createFolder(folder);
    }

    if (files::exists(target)) {
        CUtil::ClearReadOnly(target);
        if (!files::deleteFile(target)) {
            showMessage(kAppTitle, "Failed to delete " + target + " !", Buttons::Ok, Icon::None);
            return false;
        }
    }

    switch (renameCameraFiles(folder)) {
        case Room::Made: break;
        case Room::GivenUp: return true;
        case Room::Blocked: return false;
    }

    if (files::exists(kConverterBatch)) files::deleteFile(kConverterBatch);
    if (!files::writeNewFile(kConverterBatch, ConverterCommandLine(source, target))) {
        showMessage(kAppTitle,
                    std::string("Cannot write ") + kConverterBatch + " (" +
                        files::lastError().message() + ") !",
                    Buttons::Ok, Icon::Warning);
        return false;
    }

    auto program = forConverter(kConverterPath);
    auto from = forConverter(source);
    auto to = forConverter(target);
    ProcessResult result;  // not started
    if (program && from && to) result = runner.run(*program, ConverterArguments(*from, *to));
    if (result.succeeded() && files::exists(target)) return true;

    // What a failed conversion leaves behind is no game call the camera could play.
    if (result.started() && files::exists(target)) files::deleteFile(target);
    showMessage(kAppTitle, "Transform Failed.", Buttons::Ok, Icon::None);
    return false;
}

}  // namespace wks
