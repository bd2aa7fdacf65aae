// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/qtprompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <stdexcept>

#include "platform/drives.h"
#include "ui/common/translations.h"

namespace wks::ui {
namespace {

// The words of the buttons our message boxes show, in Qt's own context. Qt's catalogue has them;
// ours has them too, for the languages whose Qt catalogue lacks them (Debian's Swedish one is
// older than Qt 6, and there is none for Norwegian Bokmål). Qt's own is asked first.
[[maybe_unused]] constexpr const char* kButtonWords[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"), QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No")};

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Boxes and dialogs belong to the screen on top, so they open over it and block it.
QWidget* topScreen() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

// The folder of the file last chosen is kept in the program's data folder, so the next dialog,
// also in a later run, opens there.
QString lastFolderFile() {
    try {
        return QFile::decodeName((DriveTable::dataHome() / "last-open-folder").c_str());
    } catch (const std::runtime_error&) {  // no data folder: nothing is remembered
        return {};
    }
}

QString startFolder() {
    QFile file(lastFolderFile());
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) return QDir::homePath();
    const QString folder = QFile::decodeName(file.readAll());
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void rememberFolder(const QString& folder) {
    const QString name = lastFolderFile();
    if (name.isEmpty() || !QDir().mkpath(QFileInfo(name).path())) return;
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QFile::encodeName(folder));
        file.commit();
    }
}

}  // namespace

Answer QtPrompter::show(const Message& message) {
    QMessageBox box(qtIcon(message.icon),
                    QCoreApplication::translate(kMessageContext, message.caption.c_str()),
                    shownText(message), QMessageBox::NoButton, topScreen());
    box.setTextFormat(Qt::PlainText);
    // The button that answers Ok, the one that answers Cancel, and which of them is the default.
    struct Choice {
        QMessageBox::StandardButton yes, no, preferred;
    };
    const Choice choice = message.buttons == Buttons::Ok
                              ? Choice{QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::Ok}
                          : message.buttons == Buttons::OkCancel
                              ? Choice{QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Ok}
                              : Choice{QMessageBox::Yes, QMessageBox::No, QMessageBox::No};
    box.setStandardButtons(choice.yes | choice.no);
    box.setDefaultButton(choice.preferred);
    box.setEscapeButton(choice.no == QMessageBox::NoButton ? choice.yes : choice.no);
    return box.exec() == choice.yes ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtPrompter::openFile(const OpenFileRequest& request) {
    QFileDialog dialog(topScreen(), QString::fromStdString(request.caption));
    // Qt's own dialog: a desktop's native one may refuse the name of a file that does not exist.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter is shown by its description alone, which already names the patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDirectory(startFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberFolder(QFileInfo(chosen).absolutePath());
    return QFile::encodeName(chosen).toStdString();
}

QStringList qtNameFilters(const std::string& windowsFilter) {
    const QStringList pieces = QString::fromStdString(windowsFilter).split(QLatin1Char('|'));
    QStringList filters;
    // Pairs of description and patterns; an empty description ends the list.
    for (qsizetype i = 0; i + 1 < pieces.size() && !pieces[i].isEmpty(); i += 2) {
        const QStringList patterns = pieces[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        filters << QCoreApplication::translate("wks::ui::FileFilter",
                                               pieces[i].toUtf8().constData()) +
                       QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

}  // namespace wks::ui
