// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/screendialog.h"

#include <QLayout>
#include <QScreen>
#include <algorithm>

namespace wks::ui {
namespace {

// The room a title bar takes above a window whose frame the window system has not told yet:
// what Qt itself assumes.
constexpr int kTitleBarGuess = 40;

}  // namespace

ScreenDialog::ScreenDialog(QWidget* parent) : QDialog(parent) {}

void ScreenDialog::initOnce() {
    if (initialised_) return;
    initialised_ = true;
    ended_ = false;
    initDialog();
}

void ScreenDialog::setVisible(bool visible) {
    if (visible && !isVisible() && !testAttribute(Qt::WA_Moved)) placeOnScreen();
    QDialog::setVisible(visible);
}

// Qt would centre the window before its layout has given it its size, so a tall window grew
// downwards from there, or upwards off the screen. The place is set for the window's inside:
// the window system puts the frame around it.
void ScreenDialog::placeOnScreen() {
    if (layout()) layout()->activate();
    if (!testAttribute(Qt::WA_Resized)) adjustSize();  // as showing would, before the place is set
    const QWidget* parent = parentWidget();
    const QRect area = (parent ? parent->window()->screen() : screen())->availableGeometry();
    const QRect frame = frameGeometry();
    const int titleBar = std::max(kTitleBarGuess, geometry().top() - frame.top());
    const QSize whole(frame.width(), frame.height() - (geometry().top() - frame.top()) + titleBar);
    const QPoint corner(area.left() + std::max(0, (area.width() - whole.width()) / 2),
                        area.top() + std::max(0, (area.height() - whole.height()) / 2));
    setGeometry(QRect(corner + QPoint(geometry().left() - frame.left(), titleBar), size()));
}

void ScreenDialog::done(int result) {
    ended_ = true;
    QDialog::done(result);
}

}  // namespace wks::ui
