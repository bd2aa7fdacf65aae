// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prompt seam on screen. A message becomes a QMessageBox: the caption as window title, the
// text, one of Qt's four icons, and "OK", or "OK" and "Cancel" with OK as the default button,
// or "Yes" and "No" with No as the default button; Esc and the close box answer Cancel (a box
// with OK alone answers OK, as it has nothing else). The file-open request becomes a
// QFileDialog that also takes the typed name of a file that does not exist. Installed by the
// program's main; tests keep the scripted prompter.

#include <QString>
#include <QStringList>

#include "session/prompts.h"

namespace wks::ui {

class QtPrompter final : public Prompter {
  public:
    Answer show(const Message& message) override;
    // The chosen file's native path as the file system's bytes, or nothing on Cancel. The
    // dialog opens in the folder of the file last chosen (kept across runs), else in the home
    // folder.
    std::optional<std::string> openFile(const OpenFileRequest& request) override;
};

// A filter in the Windows form ("Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||") as Qt
// name filters ("Audio File(*.mp3,*.wav,*.aac) (*.mp3 *.wav *.aac)"), one per entry.
QStringList qtNameFilters(const std::string& windowsFilter);

}  // namespace wks::ui
