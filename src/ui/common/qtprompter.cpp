#include "ui/common/qtprompter.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/common/latin1.h"

namespace wks::ui {
namespace {

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

}  // namespace

Answer QtPrompter::show(const Message& message) {
    QMessageBox box(qtIcon(message.icon), latin1Text(message.caption), latin1Text(message.text),
                    QMessageBox::Ok, topScreen());
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == Buttons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtPrompter::openFile(const OpenFileRequest& request) {
    QFileDialog dialog(topScreen(), latin1Text(request.caption));
    // Qt's own dialog: a desktop's native one may refuse the name of a file that does not exist.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

QStringList qtNameFilters(const std::string& windowsFilter) {
    const QStringList pieces = latin1Text(windowsFilter).split(QLatin1Char('|'));
    QStringList filters;
    // Pairs of description and patterns; an empty description ends the list.
    for (qsizetype i = 0; i + 1 < pieces.size() && !pieces[i].isEmpty(); i += 2) {
        const QStringList patterns = pieces[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        filters << pieces[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

}  // namespace wks::ui
