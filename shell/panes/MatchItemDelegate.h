// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace TarnGui {

// Draws a match's row: where it was found, then the words around it with the match itself
// marked in the highlight colour.
class MatchItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace TarnGui
