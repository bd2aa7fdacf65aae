// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// new, show and check: settings files without a window.

#include <QJsonArray>
#include <filesystem>
#include <iostream>
#include <set>

#include "cli/changes.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/terminal.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "presets/placeholdersender.h"
#include "session/mainsession.h"
#include "settings/filecheck.h"
#include "util/cutil.h"
#include "util/nearnames.h"

namespace wks::cli {

const CameraModel& requireModel(const std::optional<std::string>& name) {
    if (!name) throw UsageError("--model MODEL is required");
    const CameraModel* m = findModel(*name);
    if (!m) {
        std::vector<std::string> names;
        for (const auto& model : catalogue()) names.push_back(model.displayName);
        const std::string near = didYouMean(*name, names);
        throw UsageError("unknown model \"" + *name + "\"" +
                         (near.empty() ? " (wks-settings models lists them)" : near));
    }
    return *m;
}

ProfileDocument requireDocument(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) throw UsageError("no such file \"" + path + "\"");
    if (!std::filesystem::is_regular_file(path, ec))
        throw UsageError("\"" + path + "\" is not a file");
    auto doc = ProfileDocument::load(path);
    if (!doc) throw UsageError("cannot read \"" + path + "\": " + doc.message());
    return *doc;
}

int cmdNew(Args& args) {
    auto card = args.option("card");
    Changes changes = Changes::take(args);
    auto p = args.expect(1, "wks-settings new MODEL --card DIR [CHANGES]");
    const CameraModel& model = requireModel(p[0]);
    if (!card) throw UsageError("--card DIR is required");
    if (!std::filesystem::is_directory(*card)) throw UsageError("no such folder \"" + *card + "\"");
    changes.check(model);  // every change is checked before anything is written

    // The card is drive D: of a table of its own, so nothing outside it is touched.
    ScopedDrives scope(DriveTable({{'D', std::filesystem::absolute(*card)}}));
    AppState state;
    SystemProcessRunner runner;  // unused: a new file has no game call to convert
    MainSession session(model.displayName, state, runner);
    session.operatorLists()->Mng_CountryOperatorList(OperatorListOp::Fill);
    SettingsFile& file = session.settings();
    file.savePath = "D:\\" + model.settingsRelPath();
    (void)session.Mng_AllParaSetDefault();  // requireModel knows every model
    changes.apply(state, session.recipients());
    if (const files::Status written = session.Mng_AllPara(Transfer::Write, SettingsCopy::Card);
        !written) {
        std::cerr << "wks-settings new: could not write "
                  << printablePath(files::native(file.savePath).value_or(file.savePath)) << ": "
                  << printablePath(written.message()) << "\n";
        return kExitProblem;
    }
    std::cout << printablePath(*files::native(file.savePath)) << "\n";
    return kExitOk;
}

namespace {

// What the model makes of a camera value: the code the reader takes, and its meaning; no code
// when the model does not read the key, no meaning when the code is out of range.
struct CameraMeaning {
    std::optional<std::int32_t> code;
    std::optional<std::string> meaning;
};

CameraMeaning meaning(const std::vector<CameraKey>& keys, const std::string& key,
                      const std::string& value) {
    const CameraKey* k = findCameraKey(keys, key);
    if (!k) return {};
    const std::int32_t code = cameraCode(*k, cameraText(value));
    if (!k->codes->holds(code)) return {code, std::nullopt};
    return {code, k->codes->meaning(code)};
}

}  // namespace

int cmdShow(Args& args) {
    auto modelName = args.option("model");
    const bool json = args.flag(kJsonOption);
    auto p = args.expect(1, "wks-settings show FILE --model MODEL [--json]");
    const CameraModel& model = requireModel(modelName);
    ProfileDocument doc = requireDocument(p[0]);
    const auto keys = cameraKeysFor(model.family, model.displayName);
    QJsonArray sections;
    QJsonArray entries;  // of the section being read
    std::string current;
    bool any = false;
    for (const auto& e : doc.entries()) {
        if (!e.read) continue;  // a repeated section or key is never read
        if (!any || e.section != current) {
            if (any) sections.append(QJsonObject{{"name", latin1Json(current)}, {"keys", entries}});
            entries = QJsonArray();
            if (!json) std::cout << "[" << printable(e.section) << "]\n";
            current = e.section;
            any = true;
        }
        const bool camera = sameName(e.section, kCameraSection);
        const CameraMeaning m = camera ? meaning(keys, e.key, e.value) : CameraMeaning{};
        if (json) {
            QJsonObject entry{{"key", latin1Json(e.key)}, {"value", latin1Json(e.value)}};
            if (camera) {
                entry.insert("code", m.code ? QJsonValue(*m.code) : QJsonValue());
                entry.insert("meaning",
                             m.meaning ? QJsonValue(latin1Json(*m.meaning)) : QJsonValue());
            }
            entries.append(entry);
            continue;
        }
        std::cout << printable(e.key) << " = " << printable(e.value);
        if (camera && !m.code) std::cout << "  (not read by " << model.displayName << ")";
        if (camera && m.code)
            std::cout << "  (" << printable(m.meaning.value_or("out of range")) << ")";
        std::cout << "\n";
    }
    if (json) {
        if (any) sections.append(QJsonObject{{"name", latin1Json(current)}, {"keys", entries}});
        printJson({{"file", pathJson(p[0])},
                   {"model", QString::fromStdString(model.displayName)},
                   {"sections", sections}});
    }
    return kExitOk;
}

int cmdCheck(Args& args) {
    auto modelName = args.option("model");
    const bool json = args.flag(kJsonOption);
    auto p = args.expect(1, "wks-settings check FILE --model MODEL [--json]");
    const CameraModel& model = requireModel(modelName);
    ProfileDocument doc = requireDocument(p[0]);
    std::vector<std::string> problems;
    for (const Text& problem : checkSettingsDocument(model, doc))
        problems.push_back(problem.english());
    if (json) {
        QJsonArray list;
        for (const auto& text : problems) list.append(latin1Json(text));
        printJson({{"file", pathJson(p[0])},
                   {"model", QString::fromStdString(model.displayName)},
                   {"ok", problems.empty()},
                   {"problems", list}});
    } else {
        for (const auto& text : problems) std::cout << printable(text) << "\n";
        if (problems.empty()) std::cout << "OK\n";
    }
    return problems.empty() ? kExitOk : kExitProblem;
}

namespace {

// Refuses names and values that would be read back as other lines, another section or
// another key than the one written.
void checkEntry(const std::string& section, const std::string& key, const std::string& value) {
    if (section.find_first_of("]\r\n") != std::string::npos) {
        throw UsageError("a SECTION cannot hold \"]\" or a line break");
    }
    const std::size_t first = key.find_first_not_of(" \t\v\f");
    if (key.find_first_of("=\r\n") != std::string::npos ||
        (first != std::string::npos && (key[first] == '[' || key[first] == ';'))) {
        throw UsageError("a KEY cannot hold \"=\" or a line break, nor begin with \"[\" or \";\"");
    }
    if (value.find_first_of("\r\n") != std::string::npos) {
        throw UsageError("a VALUE cannot hold a line break");
    }
}

}  // namespace

constexpr DWORD kMaxGetSize = 65535;

int cmdIni(Args& args) {
    auto size = args.option("size");
    auto p = args.positionals();
    if (p.size() == 4 && p[0] == "get") {
        DWORD n = 256;
        if (size) {
            if (!isWholeNumber(*size) || size->front() == '-' || size->size() > 9)
                throw UsageError("--size takes a number of bytes, not \"" + *size + "\"");
            n = static_cast<DWORD>(parseDecimal(*size));
            // The buffer is allocated whole; no key of the file needs more than 100 bytes.
            if (n > kMaxGetSize) {
                throw UsageError("--size is at most " + std::to_string(kMaxGetSize) +
                                 " bytes, not " + *size);
            }
        }
        // A missing file reads as the default; one that is there must be readable.
        if (std::filesystem::exists(p[1])) requireDocument(p[1]);
        std::string buffer(n + 1, '\0');
        const std::string section = latin1Argument("SECTION", p[2]);
        const std::string key = latin1Argument("KEY", p[3]);
        DWORD got = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), n,
                                             p[1].c_str());
        std::cout << printable(buffer.substr(0, got)) << "\n";
        return kExitOk;
    }
    if (p.size() == 5 && p[0] == "set" && !size) {
        const std::string section = latin1Argument("SECTION", p[2]);
        const std::string key = latin1Argument("KEY", p[3]);
        const std::string value = latin1Argument("VALUE", p[4]);
        checkEntry(section, key, value);
        // One private-profile write, with the reason when it fails.
        const files::Status written =
            writeProfileString(section.c_str(), key.c_str(), value.c_str(), p[1].c_str());
        if (!written) {
            std::cerr << "wks-settings ini set: could not write \"" << printablePath(p[1])
                      << "\": " << printablePath(written.message()) << "\n";
            return kExitProblem;
        }
        return kExitOk;
    }
    throw UsageError(
        "usage: wks-settings ini get FILE SECTION KEY [--size N] | ini set FILE SECTION KEY VALUE");
}

}  // namespace wks::cli
