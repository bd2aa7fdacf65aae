#pragma once
// A temporary $XDG_DATA_HOME for a test's life, so the program's data folder (drive links,
// registry hive) is a fresh folder; the previous value comes back afterwards.

#include <QByteArray>
#include <QTemporaryDir>
#include <filesystem>

namespace wks::test {

class TempDataHome {
public:
    TempDataHome();
    ~TempDataHome();
    TempDataHome(const TempDataHome&) = delete;
    TempDataHome& operator=(const TempDataHome&) = delete;

    // $XDG_DATA_HOME/wks-config
    std::filesystem::path dataHome() const;

private:
    QTemporaryDir dir_;
    bool had_;
    QByteArray previous_;
};

// Takes the right to change a folder's entries away while it lives. An ordinary user loses the
// write permission of the folder and every folder in it; root, whom permissions do not stop,
// gets the folder mounted read-only over itself, in a mount namespace that only this process
// sees.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool ok() const { return ok_; }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    bool ok_ = false;
};

}  // namespace wks::test
