// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace TarnGui {

// Draws an outline entry: a section as a rounded box in its colour with its label, an empty
// slot as a flat grey row with its label centred; the current entry's outline is dashed, and
// a section on the play-test path carries a mark before its text.
class OutlineItemDelegate : public QStyledItemDelegate {
public:
    static constexpr int ItemHeight = 40;
    static constexpr int IsSectionRole = Qt::UserRole;
    // Whether the play-test path passes through the section.
    static constexpr int VisitedRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace TarnGui
