// SPDX-License-Identifier: MIT
#include "shell/panes/MatchItemDelegate.h"

#include "shell/panes/MatchListModel.h"

#include <QApplication>
#include <QPainter>

namespace TarnGui {

void MatchItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group = (option.state & QStyle::State_Active) != 0 ? QPalette::Active : QPalette::Inactive;
    const QColor text = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &background, option.widget);
    const int gap = option.fontMetrics.horizontalAdvance(QLatin1Char(' '));

    painter->save();
    painter->setClipRect(option.rect);
    QFont bold = option.font;
    bold.setBold(true);
    const auto draw = [&](const QString& part, const QFont& font, const QColor& colour, const QColor& fill) {
        if (part.isEmpty() || area.width() <= 0) {
            return;
        }
        const int width = QFontMetrics(font).horizontalAdvance(part);
        const QRect box(area.left(), area.top(), std::min(width, area.width()), area.height());
        if (fill.isValid()) {
            painter->fillRect(box, fill);
        }
        painter->setFont(font);
        painter->setPen(colour);
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, part);
        area.setLeft(area.left() + width);
    };
    draw(index.data(MatchListModel::PlaceRole).toString(), option.font, text, QColor());
    area.setLeft(area.left() + 2 * gap);
    draw(index.data(MatchListModel::BeforeRole).toString(), option.font, text, QColor());
    // On a selected row the match stands out as text on the window's colours instead.
    const QColor matchFill = option.palette.color(group, selected ? QPalette::Base : QPalette::Highlight);
    const QColor matchText = option.palette.color(group, selected ? QPalette::Text : QPalette::HighlightedText);
    draw(index.data(MatchListModel::MatchedRole).toString(), bold, matchText, matchFill);
    draw(index.data(MatchListModel::AfterRole).toString(), option.font, text, QColor());
    painter->restore();
}

}  // namespace TarnGui
