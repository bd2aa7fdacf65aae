// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cardsource.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <algorithm>
#include <fstream>
#include <optional>

#include "platform/drives.h"
#include "platform/media.h"

namespace fsys = std::filesystem;

using InterfaceProperties = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, InterfaceProperties>;
Q_DECLARE_METATYPE(InterfaceProperties)
Q_DECLARE_METATYPE(ManagedObjects)

namespace wks {
namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kRootObject = QStringLiteral("/org/freedesktop/UDisks2");
const QString kObjectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString kDrive = QStringLiteral("org.freedesktop.UDisks2.Drive");
// Mounting a card or powering a slot off may take a while on a slow reader.
constexpr int kCallTimeoutMs = 30000;

QDBusConnection bus() { return QDBusConnection::systemBus(); }

// Flushes the file system that holds the folder; false when it could not.
bool flushFolder(const fsys::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
}

std::string trimmedLine(const fsys::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    return line;
}

// "aay" arrives as a QDBusArgument inside the property map.
QList<QByteArray> byteArrays(const QVariant& value) {
    QList<QByteArray> out;
    if (value.canConvert<QDBusArgument>()) value.value<QDBusArgument>() >> out;
    return out;
}

std::string bytesText(QByteArray bytes) {
    while (!bytes.isEmpty() && bytes.back() == '\0') bytes.chop(1);
    return bytes.toStdString();
}

std::optional<ManagedObjects> managedObjects(QString& error) {
    static const bool registered = [] {
        qDBusRegisterMetaType<InterfaceProperties>();
        qDBusRegisterMetaType<ManagedObjects>();
        return true;
    }();
    (void)registered;
    auto call = QDBusMessage::createMethodCall(kService, kRootObject, kObjectManager,
                                               QStringLiteral("GetManagedObjects"));
    QDBusReply<ManagedObjects> reply = bus().call(call, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        error = reply.error().message();
        return std::nullopt;
    }
    return reply.value();
}

// The call's error in words; empty when it succeeded. `refused` tells a polkit refusal.
QString callUDisks(const QString& object, const QString& interface, const QString& method,
                   bool* refused = nullptr, QString* result = nullptr) {
    auto call = QDBusMessage::createMethodCall(kService, object, interface, method);
    call << QVariantMap{{QStringLiteral("auth.no_user_interaction"), true}};
    const QDBusMessage reply = bus().call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (refused) *refused = reply.errorName().contains(QStringLiteral("NotAuthorized"));
        return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    }
    if (result && !reply.arguments().isEmpty()) *result = reply.arguments().front().toString();
    return {};
}

// A block device with a file system on a removable drive, and what UDisks2 says of it.
struct CardObject {
    QString block, drive;
    Card card;
    QList<QByteArray> mountPoints;
    bool canPowerOff = false, ejectable = false;
    bool inCardSlot = false;
};

// A card reader's slot says its medium is removable (a USB stick or disk says it is not); a
// reader that does not say so names the flash card it holds.
bool inCardSlot(const QVariantMap& drive) {
    if (drive.value(QStringLiteral("MediaRemovable")).toBool()) return true;
    QStringList media = drive.value(QStringLiteral("MediaCompatibility")).toStringList();
    media << drive.value(QStringLiteral("Media")).toString();
    static const QStringList kFlashCards = {"flash_sd", "flash_mmc", "flash_ms",
                                            "flash_cf", "flash_xd",  "flash_sm"};
    return std::any_of(media.begin(), media.end(), [](const QString& m) {
        return std::any_of(kFlashCards.begin(), kFlashCards.end(),
                           [&](const QString& card) { return m.startsWith(card); });
    });
}

std::vector<CardObject> cardObjects(const ManagedObjects& objects) {
    std::vector<CardObject> out;
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        const InterfaceProperties& ifaces = it.value();
        if (!ifaces.contains(kFilesystem) || !ifaces.contains(kBlock)) continue;
        const QVariantMap& block = ifaces[kBlock];
        if (block.value(QStringLiteral("HintIgnore")).toBool()) continue;
        const QString drivePath =
            block.value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
        const auto drive = objects.find(QDBusObjectPath(drivePath));
        if (drive == objects.end() || !drive->contains(kDrive)) continue;
        const QVariantMap& d = (*drive)[kDrive];
        if (!d.value(QStringLiteral("Removable")).toBool() &&
            !d.value(QStringLiteral("MediaRemovable")).toBool())
            continue;
        CardObject o;
        o.block = it.key().path();
        o.drive = drivePath;
        o.card.key = o.block.toStdString();
        o.card.device = bytesText(block.value(QStringLiteral("Device")).toByteArray());
        o.card.uuid = block.value(QStringLiteral("IdUUID")).toString().toStdString();
        o.card.label = block.value(QStringLiteral("IdLabel")).toString().toStdString();
        o.card.serial = sysfsSerial("/", o.card.device);
        if (o.card.serial.empty())
            o.card.serial = d.value(QStringLiteral("Serial")).toString().toStdString();
        o.mountPoints = byteArrays(ifaces[kFilesystem].value(QStringLiteral("MountPoints")));
        if (!o.mountPoints.isEmpty()) o.card.folder = bytesText(o.mountPoints.front());
        o.canPowerOff = d.value(QStringLiteral("CanPowerOff")).toBool();
        o.ejectable = d.value(QStringLiteral("Ejectable")).toBool();
        o.inCardSlot = inCardSlot(d);
        out.push_back(std::move(o));
    }
    return out;
}

// Unmounts the card's file system and powers its slot off (or ejects it) where the drive can.
// Unmounting flushes the file system; only a card left mounted is flushed here, which spares
// the card a cache flush for nothing.
EjectOutcome ejectObject(const CardObject& o, const fsys::path& folder) {
    EjectOutcome out;
    if (const QString why = callUDisks(o.block, kFilesystem, QStringLiteral("Unmount"));
        !why.isEmpty()) {
        out.flushed = flushFolder(folder);
        out.why = "it could not be unmounted: " + why.toStdString();
        return out;
    }
    out.flushed = true;
    out.safe = true;  // an unmounted file system may be removed; powering off is a courtesy
    if (o.canPowerOff) {
        callUDisks(o.drive, kDrive, QStringLiteral("PowerOff"));
    } else if (o.ejectable) {
        callUDisks(o.drive, kDrive, QStringLiteral("Eject"));
    }
    return out;
}

}  // namespace

std::string sysfsSerial(const fsys::path& root, const std::string& device) {
    if (device.rfind("/dev/", 0) != 0) return {};
    std::error_code ec;
    fsys::path node = fsys::canonical(root / "sys/class/block" / device.substr(5), ec);
    if (ec) return {};
    // A partition's disk is the folder that holds it.
    if (fsys::exists(node / "partition", ec)) node = node.parent_path();
    return trimmedLine(node / "device/serial");
}

LetterCardSource::LetterCardSource(bool anyMedium, fsys::path root)
    : CardSource(anyMedium), root_(fsys::weakly_canonical(root)) {
    DriveTable& table = drives();
    table.refresh();
    for (const auto& [letter, folder] : table.letters()) {
        if (letter != 'C') (table.isMedium(letter) ? first_ : linked_).insert(folder);
    }
}

std::vector<Card> LetterCardSource::cards() {
    DriveTable& table = drives();
    table.refresh();
    std::set<fsys::path> linkedNow, mediaNow;
    std::vector<Card> out;
    const std::vector<Mount> mounts = readMounts(root_);
    for (const auto& [letter, folder] : table.letters()) {
        if (letter == 'C') continue;
        const bool medium = table.isMedium(letter);
        if (!medium) {
            linkedNow.insert(folder);
            if (linked_.count(folder)) continue;
        } else {
            mediaNow.insert(folder);
        }
        if (!table.canEnter(std::string(1, letter) + ":\\")) continue;
        Card card;
        card.key = folder.string();
        card.folder = folder;
        card.label = table.labelOf(letter);
        std::error_code ec;
        const fsys::path real = fsys::canonical(folder, ec);
        const fsys::path systemFolder = "/" / real.lexically_relative(root_);
        for (const Mount& m : mounts) {
            if (ec || m.mountPoint != systemFolder.string() || m.device.rfind("/dev/", 0) != 0)
                continue;
            card.device = m.device;
            card.serial = sysfsSerial(root_, m.device);
            for (const auto& e : fsys::directory_iterator(root_ / "dev/disk/by-uuid", ec)) {
                std::error_code linkError;
                if (fsys::canonical(e.path(), linkError) == root_ / m.device.substr(1))
                    card.uuid = e.path().filename().string();
            }
        }
        if (medium && !anyMedium_) {
            const CardSlot slot = cardSlotOf(root_, fsys::path(card.device).filename().string());
            if (slot == CardSlot::NotCard) {
                card.notCard = "it is no card: the system says its disk is not removable";
            } else if (slot == CardSlot::Unknown && first_.count(folder)) {
                card.notCard =
                    "it was in before the start, and the system cannot tell whether it is a card";
            }
        }
        out.push_back(std::move(card));
    }
    // A link or medium that went away counts as a card when it comes again.
    std::erase_if(linked_, [&](const fsys::path& f) { return !linkedNow.count(f); });
    std::erase_if(first_, [&](const fsys::path& f) { return !mediaNow.count(f); });
    return out;
}

EjectOutcome LetterCardSource::eject(const Card& card) {
    EjectOutcome out;
    out.flushed = flushFolder(card.folder);
    out.why = out.flushed ? "it is still mounted" : "it could not be flushed";
    return out;
}

std::unique_ptr<UDisksCardSource> UDisksCardSource::open(std::string& why, bool anyMedium) {
    if (!bus().isConnected()) {
        why = "no system bus";
        return nullptr;
    }
    if (!bus().interface()->isServiceRegistered(kService)) {
        why = "UDisks2 is not on the system bus";
        return nullptr;
    }
    QString error;
    if (!managedObjects(error)) {
        why = "UDisks2 does not answer: " + error.toStdString();
        return nullptr;
    }
    std::unique_ptr<UDisksCardSource> source(new UDisksCardSource(anyMedium));
    for (const char* signal : {"InterfacesAdded", "InterfacesRemoved"}) {
        bus().connect(kService, kRootObject, kObjectManager, QString::fromLatin1(signal),
                      source.get(), SLOT(objectsChanged()));
    }
    auto* watcher = new QDBusServiceWatcher(
        kService, bus(), QDBusServiceWatcher::WatchForUnregistration, source.get());
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, source.get(),
            &UDisksCardSource::serviceGone);
    return source;
}

void UDisksCardSource::objectsChanged() { emit changed(); }

void UDisksCardSource::serviceGone() {
    if (lost_) return;
    lost_ = true;
    emit lost();
}

std::vector<Card> UDisksCardSource::cards() {
    if (lost_) return {};
    QString error;
    const auto objects = managedObjects(error);
    if (!objects) {
        serviceGone();
        return {};
    }
    std::vector<Card> out;
    auto cards = cardObjects(*objects);
    // A card taken out, or another card in its slot, is no longer the one ejected.
    std::erase_if(ejected_, [&](const auto& entry) {
        return std::none_of(cards.begin(), cards.end(), [&](const CardObject& o) {
            return o.card.key == entry.first && o.card.uuid == entry.second;
        });
    });
    for (CardObject& o : cards) {
        if (ejected_.count(o.card.key)) continue;
        if (!o.inCardSlot && !anyMedium_) {
            o.card.notCard = "it is no card in a card reader's slot";
            out.push_back(std::move(o.card));
            continue;
        }
        if (o.card.folder.empty()) {
            bool refused = false;
            QString mountedAt;
            const QString why =
                callUDisks(o.block, kFilesystem, QStringLiteral("Mount"), &refused, &mountedAt);
            if (refused) {  // polkit says no: the letters' media are all there is
                serviceGone();
                return {};
            }
            if (!why.isEmpty()) continue;
            o.card.folder = mountedAt.toStdString();
        }
        out.push_back(std::move(o.card));
    }
    return out;
}

EjectOutcome UDisksCardSource::eject(const Card& card) {
    QString error;
    const auto objects = managedObjects(error);
    if (objects) {
        for (const CardObject& o : cardObjects(*objects)) {
            if (o.card.key != card.key) continue;
            EjectOutcome out = ejectObject(o, card.folder);
            if (out.safe) ejected_[card.key] = card.uuid;
            return out;
        }
    }
    EjectOutcome out;
    out.flushed = flushFolder(card.folder);
    out.why = objects ? "the system no longer knows the card" : "UDisks2 does not answer";
    return out;
}

std::unique_ptr<CardSource> openCardSource(std::string& note, bool anyMedium) {
    if (auto udisks = UDisksCardSource::open(note, anyMedium)) return udisks;
    return std::make_unique<LetterCardSource>(anyMedium);
}

EjectOutcome ejectFolder(const fsys::path& folder) {
    std::error_code ec;
    const fsys::path real = fsys::canonical(folder, ec);
    std::string why;
    if (!ec && UDisksCardSource::open(why)) {
        QString error;
        if (const auto objects = managedObjects(error)) {
            for (const CardObject& o : cardObjects(*objects)) {
                for (const QByteArray& m : o.mountPoints) {
                    if (fsys::path(bytesText(m)) == real) return ejectObject(o, real);
                }
            }
        }
    }
    EjectOutcome out;
    out.flushed = flushFolder(folder);
    out.why = out.flushed ? "it is still mounted" : "it could not be flushed";
    return out;
}

}  // namespace wks
