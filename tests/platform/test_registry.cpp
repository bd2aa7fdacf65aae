// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The registry calls on real folders under a temporary data folder.

#include <QTest>
#include <cstring>
#include <optional>

#include "platform/registry.h"
#include "support/readonlyfolder.h"
#include "support/tempdatahome.h"
#include "support/tempdrives.h"

namespace fs = std::filesystem;

namespace {

fs::path keyFolder(const std::string& key) {
    fs::path p = wks::registryHive();
    std::string rest = key;
    for (std::size_t cut; (cut = rest.find('\\')) != std::string::npos; rest.erase(0, cut + 1)) {
        p /= rest.substr(0, cut);
    }
    return p / rest;
}

// The bytes of a key's value file; nothing when the key has no folder, "<none>" when the key
// has no value.
std::optional<std::string> stored(const std::string& key) {
    if (!fs::is_directory(keyFolder(key))) return std::nullopt;
    const fs::path file = keyFolder(key) / "@";
    return fs::exists(file) ? wks::test::readBytes(file) : "<none>";
}

struct Query {
    LONG result;
    LONG size;
    std::string text;
    bool untouched;  // the buffer's bytes were left alone
};

// A query of the default value of key with a buffer of bufferSize bytes (-1: no buffer).
Query query(const char* key, LONG bufferSize) {
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    LONG size = bufferSize < 0 ? 0 : bufferSize;
    const LONG r =
        RegQueryValueA(HKEY_LOCAL_MACHINE, key, bufferSize < 0 ? nullptr : buffer, &size);
    const bool untouched = buffer[0] == '#';
    return {r, size, r == ERROR_SUCCESS && bufferSize >= 0 ? std::string(buffer) : "", untouched};
}

}  // namespace

class TestRegistry : public QObject {
    Q_OBJECT
  private slots:
    // One script of calls on the machine-wide hive, each with its Win32 result and what the
    // folders hold afterwards.
    void callsOnFolders() {
        wks::test::TempDataHome home;
        QCOMPARE(wks::registryHive(), home.dataHome() / "registry" / "HKEY_LOCAL_MACHINE");
        enum Op { Create, Set, Delete };
        const char* const key = "Software\\Velmora\\UserModelSel";
        const char* const parent = "Software\\Velmora";
        struct Row {
            Op op;
            const char* key;
            const char* text;
            LONG result;
            const char* checked;  // the key whose folder is looked at afterwards
            std::optional<std::string> after;
        } rows[] = {
            {Create, key, nullptr, ERROR_SUCCESS, key, "<none>"},  // parents are made too
            {Set, key, "-1", ERROR_SUCCESS, key, "-1"},            // no NUL in the file
            {Set, key, "4", ERROR_SUCCESS, key, "4"},              // replaced, not appended
            {Create, key, nullptr, ERROR_SUCCESS, key, "4"},       // opening keeps the value
            {Set, "Software\\Velmora\\Other", "x", ERROR_SUCCESS, "Software\\Velmora\\Other", "x"},
            {Set, parent, "p", ERROR_SUCCESS, parent, "p"},
            {Delete, parent, nullptr, ERROR_ACCESS_DENIED, parent, "p"},  // has subkeys: stays
            {Delete, key, nullptr, ERROR_SUCCESS, key, std::nullopt},
            {Delete, key, nullptr, ERROR_FILE_NOT_FOUND, parent, "p"},
            {Delete, parent, nullptr, ERROR_ACCESS_DENIED, parent, "p"},
            {Delete, "Software\\Velmora\\Other", nullptr, ERROR_SUCCESS, parent, "p"},
            {Delete, parent, nullptr, ERROR_SUCCESS, parent, std::nullopt},
            {Delete, "", nullptr, ERROR_INVALID_PARAMETER, "Software", "<none>"},
            {Create, "Software\\..\\..\\x", nullptr, ERROR_INVALID_PARAMETER, "x", std::nullopt},
            {Set, "Software\\a/b", "x", ERROR_INVALID_PARAMETER, "Software\\a", std::nullopt},
            {Set, "Software\\@", "x", ERROR_INVALID_PARAMETER, "Software", "<none>"},
            {Set, "Software\\\\x", "x", ERROR_INVALID_PARAMETER, "Software\\x", std::nullopt},
        };
        for (const auto& r : rows) {
            HKEY opened = nullptr;
            LONG result = ERROR_INVALID_PARAMETER;
            switch (r.op) {
                case Create:
                    result = RegCreateKeyA(HKEY_LOCAL_MACHINE, r.key, &opened);
                    QCOMPARE(opened != nullptr, result == ERROR_SUCCESS);
                    if (opened) QCOMPARE(RegCloseKey(opened), ERROR_SUCCESS);
                    break;
                case Set:
                    result = RegSetValueA(HKEY_LOCAL_MACHINE, r.key, REG_SZ, r.text, 0);
                    break;
                case Delete:
                    result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, r.key);
                    break;
            }
            QCOMPARE(result, r.result);
            QCOMPARE(stored(r.checked), r.after);
        }
        QVERIFY(!fs::exists(home.dataHome() / "x"));
    }

    // The size a query reports, for every kind of buffer.
    void queries() {
        wks::test::TempDataHome home;
        const char* const key = "Software\\Velmora\\UserModelSel";
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, "4x", 0), ERROR_SUCCESS);
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, "Software\\Empty\\Deep", REG_SZ, "", 0),
                 ERROR_SUCCESS);
        struct Row {
            const char* key;
            LONG buffer;
            Query expected;
        } rows[] = {
            {key, -1, {ERROR_SUCCESS, 3, "", true}},  // the size alone: text and NUL
            {key, 3, {ERROR_SUCCESS, 3, "4x", false}},
            {key, 32, {ERROR_SUCCESS, 3, "4x", false}},
            {key, 2, {ERROR_MORE_DATA, 3, "", true}},
            {"Software\\Empty", 32, {ERROR_SUCCESS, 1, "", false}},  // a key with no value
            {"Software\\Empty\\Deep", 1, {ERROR_SUCCESS, 1, "", false}},
            {"Software\\Missing", 32, {ERROR_FILE_NOT_FOUND, 32, "", true}},
            {"Software\\Missing", -1, {ERROR_FILE_NOT_FOUND, 0, "", true}},
        };
        for (const auto& r : rows) {
            const Query q = query(r.key, r.buffer);
            QCOMPARE(q.result, r.expected.result);
            QCOMPARE(q.size, r.expected.size);
            QCOMPARE(q.text, r.expected.text);
            QCOMPARE(q.untouched, r.expected.untouched);
        }
        LONG size = 8;
        QCOMPARE(RegQueryValueA(HKEY_LOCAL_MACHINE, key, nullptr, nullptr),
                 ERROR_INVALID_PARAMETER);
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, key, 4 /* REG_DWORD */, "1", 1),
                 ERROR_INVALID_PARAMETER);
        QCOMPARE(stored(key), std::optional<std::string>("4x"));
        QCOMPARE(RegQueryValueA(HKEY_LOCAL_MACHINE, key, nullptr, &size), ERROR_SUCCESS);
        QCOMPARE(size, LONG(3));
    }

    // Opened keys: relative names, closing, a key deleted under an open handle.
    void handles() {
        wks::test::TempDataHome home;
        HKEY velmora = nullptr, sel = nullptr;
        QCOMPARE(RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Velmora", &velmora), ERROR_SUCCESS);
        QCOMPARE(RegCreateKeyA(velmora, "UserModelSel", &sel), ERROR_SUCCESS);
        QCOMPARE(RegSetValueA(sel, nullptr, REG_SZ, "5", 0), ERROR_SUCCESS);
        QCOMPARE(stored("Software\\Velmora\\UserModelSel"), std::optional<std::string>("5"));
        char buffer[8];
        LONG size = sizeof buffer;
        QCOMPARE(RegQueryValueA(velmora, "UserModelSel", buffer, &size), ERROR_SUCCESS);
        QCOMPARE(std::string(buffer), std::string("5"));

        QCOMPARE(RegDeleteKeyA(velmora, "UserModelSel"), ERROR_SUCCESS);
        QCOMPARE(RegSetValueA(sel, "", REG_SZ, "6", 0), ERROR_KEY_DELETED);
        QCOMPARE(RegQueryValueA(sel, nullptr, buffer, &size), ERROR_KEY_DELETED);
        QCOMPARE(RegCloseKey(sel), ERROR_SUCCESS);
        QCOMPARE(RegCloseKey(sel), ERROR_INVALID_HANDLE);
        QCOMPARE(RegSetValueA(sel, nullptr, REG_SZ, "6", 0), ERROR_INVALID_HANDLE);
        QCOMPARE(RegCloseKey(velmora), ERROR_SUCCESS);
        QCOMPARE(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
        QCOMPARE(RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software", nullptr), ERROR_INVALID_PARAMETER);
        QVERIFY(!fs::exists(keyFolder("Software\\Velmora\\UserModelSel")));
    }

    // Links in the hive: a key that is a link is deleted as a link, never what it leads to; a
    // key path that leads out of the hive is absent and refused; a value file that is a link
    // is replaced, not written through.
    void linksInTheHive() {
        wks::test::TempDataHome home;
        wks::test::TempDrives elsewhere;
        const fs::path mine = elsewhere.folder('C') / "mine";
        wks::test::writeBytes(mine / "letter.txt", "the user's");
        wks::test::writeBytes(mine / "sub" / "photo.jpg", "the user's");
        const char* const key = "Software\\Velmora\\UserModelSel";
        fs::create_directories(keyFolder("Software\\Velmora"));
        fs::create_directory_symlink(mine, keyFolder(key));
        HKEY opened = nullptr;
        QCOMPARE(query(key, 32).result, ERROR_FILE_NOT_FOUND);
        QCOMPARE(RegCreateKeyA(HKEY_LOCAL_MACHINE, key, &opened), ERROR_ACCESS_DENIED);
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, "-1", 0), ERROR_ACCESS_DENIED);
        QCOMPARE(RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Velmora\\UserModelSel\\Sub", &opened),
                 ERROR_ACCESS_DENIED);
        QCOMPARE(RegDeleteKeyA(HKEY_LOCAL_MACHINE, key), ERROR_SUCCESS);
        QVERIFY(!fs::exists(fs::symlink_status(keyFolder(key))));
        QCOMPARE(wks::test::readBytes(mine / "letter.txt"), std::string("the user's"));
        QCOMPARE(wks::test::readBytes(mine / "sub" / "photo.jpg"), std::string("the user's"));
        QVERIFY(!fs::exists(mine / "@") && !fs::exists(mine / "Sub"));

        // A link to a key inside the hive is followed, and deleted as a link.
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, "Software\\Other", REG_SZ, "5", 0),
                 ERROR_SUCCESS);
        fs::create_directory_symlink(keyFolder("Software\\Other"), keyFolder(key));
        QCOMPARE(query(key, 32).text, std::string("5"));
        QCOMPARE(RegDeleteKeyA(HKEY_LOCAL_MACHINE, key), ERROR_SUCCESS);
        QCOMPARE(stored("Software\\Other"), std::optional<std::string>("5"));

        // The value file as a link to the user's file.
        fs::create_directories(keyFolder(key));
        fs::create_symlink(mine / "letter.txt", keyFolder(key) / "@");
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, "3", 0), ERROR_SUCCESS);
        QVERIFY(!fs::is_symlink(keyFolder(key) / "@"));
        QCOMPARE(stored(key), std::optional<std::string>("3"));
        QCOMPARE(wks::test::readBytes(mine / "letter.txt"), std::string("the user's"));
    }

    // A hive the user may not change: every change is refused with its result, reading goes on,
    // and nothing is left half made.
    void unwritableHive() {
        wks::test::TempDataHome home;
        const char* const key = "Software\\Velmora\\UserModelSel";
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, "2", 0), ERROR_SUCCESS);
        const auto before = [] {
            std::vector<fs::path> all;
            for (const auto& e : fs::recursive_directory_iterator(wks::registryHive())) {
                all.push_back(e.path());
            }
            return all;
        }();
        {
            wks::test::ReadOnlyFolder locked(wks::registryHive().parent_path());
            if (!locked.ok()) QSKIP("root without the right to mount: no way to lock a folder");
            HKEY opened = nullptr;
            QCOMPARE(RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Other", &opened),
                     ERROR_ACCESS_DENIED);
            QCOMPARE(opened, HKEY(nullptr));
            QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, "-1", 0), ERROR_ACCESS_DENIED);
            QCOMPARE(RegDeleteKeyA(HKEY_LOCAL_MACHINE, key), ERROR_ACCESS_DENIED);
            const Query q = query(key, 32);
            QCOMPARE(q.result, ERROR_SUCCESS);
            QCOMPARE(q.text, std::string("2"));
        }
        std::vector<fs::path> after;
        for (const auto& e : fs::recursive_directory_iterator(wks::registryHive())) {
            after.push_back(e.path());
        }
        QCOMPARE(after, before);  // no temporary file left behind
        QCOMPARE(stored(key), std::optional<std::string>("2"));

        // A file where the hive's folder should be.
        fs::remove_all(wks::registryHive());
        wks::test::writeBytes(wks::registryHive(), "not a folder");
        QCOMPARE(RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, "-1", 0), ERROR_ACCESS_DENIED);
        QCOMPARE(query(key, 32).result, ERROR_FILE_NOT_FOUND);
    }
};

QTEST_MAIN(TestRegistry)
#include "test_registry.moc"
