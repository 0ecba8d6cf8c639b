// SPDX-License-Identifier: MIT
#include "shell/panes/OutlineItemDelegate.h"

#include "drawing/FlowchartPainter.h"
#include "drawing/VisitedMark.h"

#include <QPainter>
#include <QPainterPath>

namespace TarnGui {

void OutlineItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool current = (option.state & QStyle::State_Selected) != 0;
    const QRect item = option.rect;
    const QRectF inner = QRectF(item).adjusted(2, 2, -2, -2);
    const QRectF textArea = inner.adjusted(4, 4, -4, -4);
    const QString text = index.data(Qt::DisplayRole).toString();

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPalette& palette = option.palette;
    QPen pen(palette.color(QPalette::Text), 1.5);
    pen.setStyle(current ? Qt::DashLine : Qt::SolidLine);
    painter->setFont(option.font);
    if (!index.data(IsSectionRole).toBool()) {
        painter->fillRect(item, palette.color(QPalette::Button));
        painter->setPen(palette.color(QPalette::ButtonText));
        painter->drawText(textArea, Qt::AlignCenter, text);
        if (current) {
            painter->setPen(pen);
            painter->drawRect(inner);
        }
    } else {
        painter->fillRect(item, palette.color(QPalette::Base));
        const QColor colour = index.data(Qt::DecorationRole).value<QColor>();
        const QColor fill = colour.isValid() ? colour : QColor(Qt::white);
        // The shape ends one pixel inside the inner rectangle on the right and at the bottom.
        QPainterPath box;
        box.addRoundedRect(inner.adjusted(0, 0, -1, -1), 5, 5);
        painter->fillPath(box, fill);
        painter->setPen(pen);
        painter->drawPath(box);
        painter->setPen(Drawing::TextColourFor(fill));
        const bool visited = index.data(VisitedRole).toBool();
        // The mark goes before the text, where a narrow pane never cuts it off.
        const double markSpace = visited ? 2 * Drawing::VisitedMarkReach + 2 : 0.0;
        painter->drawText(textArea.adjusted(markSpace, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        if (visited) {
            Drawing::PaintVisitedMark(*painter, QPointF(textArea.left() + Drawing::VisitedMarkReach, textArea.center().y()));
        }
    }
    painter->restore();
}

QSize OutlineItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), ItemHeight};
}

}  // namespace TarnGui
