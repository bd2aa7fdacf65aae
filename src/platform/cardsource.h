// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cards as they come and go. Where the system bus has UDisks2, cards are its block devices with
// a file system on removable drives whose medium sits in a card slot: its signals tell of a card
// inserted or removed, a file system that nothing mounted is mounted through it, and ejecting
// unmounts and powers the reader's slot off. Without UDisks2 (no system bus, no service,
// refused by polkit) the drive letters' media are read again once a second, and ejecting only
// flushes: the user must then unmount the card before removing it.
// A medium that is not a card (a USB stick or backup disk left in a port) is never mounted,
// written or ejected: it comes with the reason it is left alone, unless the run takes any
// medium as a card.

#include <QObject>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace wks {

struct Card {
    std::string key;               // tells the card from the others while it is in
    std::filesystem::path folder;  // where its file system is mounted
    std::string device;            // "/dev/sdb1"; empty when not known
    std::string uuid, label, serial;
    // Why the medium is left alone: it is no card, or cannot be told from one that is not.
    // Empty for a card.
    std::string notCard;
};

struct EjectOutcome {
    bool safe = false;     // unmounted, and powered off where the drive can: safe to remove
    bool flushed = false;  // its data is on the card (also when it could not be unmounted)
    std::string why;       // why it is not safe to remove, in words; empty when it is
};

class CardSource : public QObject {
    Q_OBJECT
  public:
    explicit CardSource(bool anyMedium) : anyMedium_(anyMedium) {}
    // Every removable medium is taken for a card (some readers look like USB sticks).
    bool anyMedium() const { return anyMedium_; }
    // The cards in now, each mounted (the source mounts those that nothing mounted, where it
    // can); a card that could not be mounted is left out.
    virtual std::vector<Card> cards() = 0;
    virtual EjectOutcome eject(const Card& card) = 0;
    // True when an ejected card is safe to remove; false when the user must unmount it.
    virtual bool ejects() const = 0;

  signals:
    // A card may have come or gone.
    void changed();
    // The source stopped answering (UDisks2 left the bus); cards() finds nothing from now on.
    void lost();

  protected:
    const bool anyMedium_;
};

// The drive letters' media, read again at each call: a medium of the letter table, or a letter
// of the user's own table that appeared since the source was made (a folder linked as a drive
// while the station waits). C: is never a card. sysfs under root tells a card from a disk; a
// medium it cannot tell is a card when it comes after the source was made, and left alone when
// it was there first.
class LetterCardSource final : public CardSource {
    Q_OBJECT
  public:
    explicit LetterCardSource(bool anyMedium = false, std::filesystem::path root = "/");
    std::vector<Card> cards() override;
    EjectOutcome eject(const Card& card) override;
    bool ejects() const override { return false; }

  private:
    std::filesystem::path root_;
    std::set<std::filesystem::path> linked_;  // the links that were there first
    std::set<std::filesystem::path> first_;   // the media that were there first
};

class UDisksCardSource final : public CardSource {
    Q_OBJECT
  public:
    // Nothing, with the reason in `why`, when the system bus or UDisks2 cannot be reached.
    static std::unique_ptr<UDisksCardSource> open(std::string& why, bool anyMedium = false);
    std::vector<Card> cards() override;
    EjectOutcome eject(const Card& card) override;
    bool ejects() const override { return true; }

  private slots:
    void objectsChanged();
    void serviceGone();

  private:
    explicit UDisksCardSource(bool anyMedium) : CardSource(anyMedium) {}
    bool lost_ = false;
    // The cards unmounted here that are still in (a slot that cannot be powered off), by key,
    // with their file system's UUID: never mounted again until they are taken out.
    std::map<std::string, std::string> ejected_;
};

// UDisks2 where it answers, else the drive letters' media; `note` says why UDisks2 is not used.
std::unique_ptr<CardSource> openCardSource(std::string& note, bool anyMedium = false);

// Makes the drive whose mounted folder this is safe to remove: through UDisks2 where it knows
// the folder, else by flushing it (the user then unmounts it).
EjectOutcome ejectFolder(const std::filesystem::path& folder);

// The card's own serial as sysfs keeps it for the block device ("/dev/mmcblk0p1"), under root;
// empty when it keeps none.
std::string sysfsSerial(const std::filesystem::path& root, const std::string& device);

}  // namespace wks
