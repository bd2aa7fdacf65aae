// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drive letters on Linux. A table maps letters to native folders: the user's own table lives
// under $XDG_DATA_HOME/wks-config/dosdevices (links named "c:", "d:", ...), removable media
// (see platform/media.h) take the free letters from D: upward. The user's table is live: each
// refresh reads the links and the media mounted now. Tests and the command line may give a
// fixed table instead.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace wks {

class DriveTable {
  public:
    DriveTable() = default;
    explicit DriveTable(std::map<char, std::filesystem::path> letters);

    // The table of the user's session, live. Makes dosdevices/c: -> ../drive_c on first use.
    static DriveTable forUser();
    // A live table over a dosdevices folder and the system under root, for the user named.
    // A disk mounted on one of the user's own folders (the home, the program's data folder;
    // system paths) or on a folder above one is no medium: it is the user's disk, not a card.
    static DriveTable live(std::filesystem::path dosdevices, std::filesystem::path root,
                           std::string user, std::vector<std::string> ownFolders = {});
    // Reads a live table again: a link always wins its letter; a medium keeps the letter it had
    // during this run (also when mounted again at the same place) while that letter is free,
    // and a new one takes the lowest free letter from D:, in mount-path order. A link to a
    // medium's folder is that medium's one drive. A fixed table stays as it is.
    void refresh();
    // The folder that holds dosdevices/ and registry/ ($XDG_DATA_HOME/wks-config). Throws
    // std::runtime_error, with a message for the user, when neither XDG_DATA_HOME nor HOME is
    // an absolute path.
    static std::filesystem::path dataHome();

    void set(char letter, std::filesystem::path folder);
    void remove(char letter);
    std::optional<std::filesystem::path> folderOf(char letter) const;
    const std::map<char, std::filesystem::path>& letters() const { return letters_; }
    // Where the letter's folder leads, as far as is known without a look-up on the drive: a
    // link's target for the user's links, else the folder itself.
    std::filesystem::path shownFolder(char letter) const;
    // Whether the letter is a medium's, and its volume label (empty when it has none).
    bool isMedium(char letter) const;
    std::string labelOf(char letter) const;

    // "E:\GSM\X.TXT" -> <folder of E:>/GSM/X.TXT, each name that is not there byte for byte
    // matched in any letter case, as on Windows; a path without a drive letter is already
    // native and comes back as it is. Nothing when the letter has no folder. `present`, when
    // given, receives the result up to the first name found missing (the whole result when none
    // was): what lies past it is not there either.
    std::optional<std::filesystem::path> resolve(const std::string& path,
                                                 std::filesystem::path* present = nullptr) const;

    // True when the path (a drive root such as "E:\" or a folder) can be entered.
    bool canEnter(const std::string& path) const;

    // What the last examination of the letter found: a drive that did not answer in time is
    // silent, and nothing on it is looked up (resolve finds nothing) until an examination finds
    // it answering again. The mark stays with the letter's folder through refreshes; a letter
    // never examined is not silent.
    void setAnswering(char letter, bool answering);
    bool isSilent(char letter) const;

    static bool isDrivePath(const std::string& path);

  private:
    struct Source;

    std::map<char, std::filesystem::path> letters_;  // upper-case letters
    std::map<char, std::string> labels_;             // the media's letters
    std::map<char, std::filesystem::path> targets_;  // where the user's links lead
    std::set<std::filesystem::path> silent_;         // the folders of silent drives
    std::shared_ptr<Source> source_;  // what a live table is read from; shared by its copies
};

// The table in force for the process; the program installs the user's, tests their own.
DriveTable& drives();
void setDrives(DriveTable table);

class ScopedDrives {
  public:
    explicit ScopedDrives(DriveTable table);
    ~ScopedDrives();
    ScopedDrives(const ScopedDrives&) = delete;
    ScopedDrives& operator=(const ScopedDrives&) = delete;

  private:
    DriveTable previous_;
};

}  // namespace wks
