// SPDX-License-Identifier: MIT
#include "shell/panes/PropertyGrid.h"

#include "shell/panes/PropertyGridDelegate.h"
#include "shell/support/StringTable.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace TarnGui {

namespace {

PropertyKind KindOf(const QTreeWidgetItem* item)
{
    return static_cast<PropertyKind>(item->data(1, PropertyGrid::KindRole).toInt());
}

QString DisplayText(PropertyKind kind, const QVariant& value)
{
    if (!value.isValid()) {
        return {};
    }
    switch (kind) {
    case PropertyKind::Boolean:
        return YesNoText(value.toBool());
    case PropertyKind::Font: {
        const QFont font = value.value<QFont>();
        return QStringLiteral("%1, %2").arg(font.family()).arg(font.pointSize());
    }
    case PropertyKind::Colour:
        return value.value<QColor>().name(QColor::HexRgb).toUpper();
    default:
        return value.toString();
    }
}

// A colour is shown as a swatch, outlined so that white shows on white.
QPixmap Swatch(const QColor& colour, const QSize& size)
{
    QPixmap swatch(size);
    swatch.fill(colour);
    QPainter painter(&swatch);
    painter.setPen(Qt::darkGray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return swatch;
}

}  // namespace

QString YesNoText(bool value)
{
    return LoadString(value ? Strings::Yes : Strings::No);
}

PropertyGrid::PropertyGrid(QWidget* parent) : QWidget(parent), tree_(new QTreeWidget(this)), description_(new QLabel(this))
{
    tree_->setColumnCount(2);
    tree_->setHeaderHidden(true);
    tree_->setAlternatingRowColors(true);
    tree_->setIconSize(QSize(36, 14));
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    tree_->header()->setStretchLastSection(true);
    tree_->setItemDelegate(new PropertyGridDelegate(*this));
    description_->setWordWrap(true);
    description_->setTextFormat(Qt::RichText);
    description_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    description_->setMinimumHeight(4 * description_->fontMetrics().lineSpacing());
    description_->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 1);
    layout->addWidget(description_);
    setFocusProxy(tree_);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](const QTreeWidgetItem* current) { ShowDescription(current); });
    // The keys edit what the current cell holds: on a row reached with the arrows, F2
    // opens the value, not the name beside it.
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && current.column() == 0 && current.parent().isValid()) {
            tree_->selectionModel()->setCurrentIndex(current.siblingAtColumn(1), QItemSelectionModel::NoUpdate);
        }
    });
}

// Names get the room they need, but never so much that a narrow pane hides the values.
void PropertyGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int viewport = tree_->viewport()->width();
    tree_->setColumnWidth(0, std::min(namesWidth_, std::max(viewport * 3 / 5, viewport - ValuesRoom())));
}

int PropertyGrid::ValuesRoom() const
{
    return tree_->fontMetrics().averageCharWidth() * 12;
}

int PropertyGrid::NeededWidth() const
{
    return namesWidth_ + ValuesRoom() + tree_->verticalScrollBar()->sizeHint().width() + 2 * tree_->frameWidth();
}

void PropertyGrid::AddGroup(const QString& name)
{
    group_ = new QTreeWidgetItem(tree_, {name});
    group_->setFirstColumnSpanned(true);
    group_->setFlags(Qt::ItemIsEnabled);
    QFont bold = tree_->font();
    bold.setBold(true);
    group_->setFont(0, bold);
    group_->setExpanded(true);
}

void PropertyGrid::AddProperty(int id, PropertyKind kind, const QString& name, const QString& description)
{
    auto* item = group_ != nullptr ? new QTreeWidgetItem(group_, {name}) : new QTreeWidgetItem(tree_, {name});
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    item->setData(0, Qt::ToolTipRole, description);
    item->setData(1, KindRole, static_cast<int>(kind));
    item->setData(1, IdRole, id);
    items_[id] = item;
    const int depth = group_ != nullptr ? 2 : 1;
    namesWidth_ = std::max(namesWidth_, tree_->fontMetrics().horizontalAdvance(name) + depth * tree_->indentation() + 12);
}

void PropertyGrid::SetValue(int id, const QVariant& value)
{
    QTreeWidgetItem* item = items_.at(id);
    const PropertyKind kind = KindOf(item);
    item->setData(1, ValueRole, value);
    item->setText(1, DisplayText(kind, value));
    if (kind == PropertyKind::Colour) {
        item->setData(1, Qt::DecorationRole, Swatch(value.value<QColor>(), tree_->iconSize()));
    }
}

QVariant PropertyGrid::Value(int id) const
{
    return items_.at(id)->data(1, ValueRole);
}

void PropertyGrid::AddOption(int id, const QString& option)
{
    QTreeWidgetItem* item = items_.at(id);
    QStringList options = item->data(1, OptionsRole).toStringList();
    options.append(option);
    item->setData(1, OptionsRole, options);
}

void PropertyGrid::ClearOptions(int id)
{
    items_.at(id)->setData(1, OptionsRole, QStringList());
}

void PropertyGrid::SetEditable(int id, bool editable)
{
    QTreeWidgetItem* item = items_.at(id);
    item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    item->setData(1, Qt::ForegroundRole, editable ? QVariant() : QVariant(palette().brush(QPalette::Disabled, QPalette::Text)));
}

void PropertyGrid::ClearValue(int id)
{
    QTreeWidgetItem* item = items_.at(id);
    item->setData(1, ValueRole, QVariant());
    item->setData(1, Qt::DecorationRole, QVariant());
    item->setText(1, QString());
}

void PropertyGrid::ClearValues()
{
    for (const auto& entry : items_) {
        ClearValue(entry.first);
    }
}

void PropertyGrid::Commit(const QModelIndex& index, const QVariant& value)
{
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable) || index.data(ValueRole) == value) {
        return;
    }
    emit PropertyChanged(index.data(IdRole).toInt(), value);
}

void PropertyGrid::OpenDialog(const QModelIndex& index)
{
    // A double click can start the same edit twice.
    if (dialogOpen_) {
        return;
    }
    const QScopedValueRollback<bool> open(dialogOpen_, true);
    const QPersistentModelIndex edited(index);
    const QVariant value = index.data(ValueRole);
    if (PropertyKindAt(index) == PropertyKind::Font) {
        QFontDialog dialog(value.value<QFont>(), this);
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        if (dialog.exec() == QDialog::Accepted) {
            Commit(edited, dialog.selectedFont());
        }
        return;
    }
    QColorDialog dialog(value.value<QColor>(), this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted) {
        Commit(edited, dialog.selectedColor());
    }
}

void PropertyGrid::ShowDescription(const QTreeWidgetItem* item)
{
    if (item == nullptr) {
        description_->clear();
        return;
    }
    description_->setText(
        QStringLiteral("<b>%1</b><br>%2").arg(item->text(0).toHtmlEscaped(), item->data(0, Qt::ToolTipRole).toString().toHtmlEscaped()));
}

}  // namespace TarnGui
