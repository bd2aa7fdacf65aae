// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/listbox.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <algorithm>

namespace wks::ui {
namespace {

// The height of one entry in the list's font and style; an empty list measures a stand-in.
int rowHeight(QListWidget* list) {
    if (list->count() > 0) return list->sizeHintForRow(0);
    list->addItem(QStringLiteral("X"));
    const int height = list->sizeHintForRow(0);
    delete list->takeItem(0);
    return height;
}

}  // namespace

void makeListBox(QListWidget* list) {
    const int row = rowHeight(list);
    const int frame = 2 * list->frameWidth();
    if (row > 0) {
        const int rows = std::max(1, (list->sizeHint().height() - frame) / row);
        list->setFixedHeight(rows * row + frame);
    }
    // The view makes the first entry current when it takes the focus, and a program that clears
    // the selection leaves the current entry where it was; neither is the user's choice. A
    // click makes its entry current before it selects it, so the selected entry becomes current
    // once it is selected.
    QItemSelectionModel* selection = list->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::currentChanged, list,
                     [selection](const QModelIndex& current) {
                         if (current.isValid() && !selection->hasSelection()) {
                             selection->clearCurrentIndex();
                         }
                     });
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, list, [selection] {
        if (!selection->hasSelection()) {
            selection->clearCurrentIndex();
        } else if (!selection->currentIndex().isValid()) {
            selection->setCurrentIndex(selection->selectedIndexes().constFirst(),
                                       QItemSelectionModel::NoUpdate);
        }
    });
}

}  // namespace wks::ui
