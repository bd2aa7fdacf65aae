#pragma once
// Drive letters on Linux. A table maps letters to native folders: the user's own table lives
// under $XDG_DATA_HOME/wks-config/dosdevices (links named "c:", "d:", ...), removable media
// under /media/$USER and /run/media/$USER take the free letters from D: upward. Tests and the
// command line give the table explicitly.

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace wks {

class DriveTable {
public:
    DriveTable() = default;
    explicit DriveTable(std::map<char, std::filesystem::path> letters);

    // The table of the user's session. Makes dosdevices/c: -> ../drive_c on first use.
    static DriveTable forUser();
    // The folder that holds dosdevices/ and registry/ ($XDG_DATA_HOME/wks-config). Throws
    // std::runtime_error, with a message for the user, when neither XDG_DATA_HOME nor HOME is
    // an absolute path.
    static std::filesystem::path dataHome();

    void set(char letter, std::filesystem::path folder);
    void remove(char letter);
    std::optional<std::filesystem::path> folderOf(char letter) const;
    const std::map<char, std::filesystem::path>& letters() const { return letters_; }

    // "E:\GSM\X.TXT" -> <folder of E:>/GSM/X.TXT, each name that is not there byte for byte
    // matched in any letter case, as on Windows; a path without a drive letter is already
    // native and comes back as it is. Nothing when the letter has no folder. `present`, when
    // given, receives the result up to the first name found missing (the whole result when none
    // was): what lies past it is not there either.
    std::optional<std::filesystem::path> resolve(const std::string& path,
                                                 std::filesystem::path* present = nullptr) const;

    // True when the path (a drive root such as "E:\" or a folder) can be entered.
    bool canEnter(const std::string& path) const;

    static bool isDrivePath(const std::string& path);

private:
    std::map<char, std::filesystem::path> letters_;  // upper-case letters
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
