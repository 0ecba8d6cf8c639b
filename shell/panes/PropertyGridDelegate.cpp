// SPDX-License-Identifier: MIT
#include "shell/panes/PropertyGridDelegate.h"

#include "shell/panes/PropertyGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QRegularExpressionValidator>

namespace TarnGui {

PropertyGridDelegate::PropertyGridDelegate(PropertyGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* PropertyGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    if (index.column() != 1) {
        return nullptr;
    }
    const PropertyKind kind = PropertyKindAt(index);
    switch (kind) {
    case PropertyKind::Text:
    case PropertyKind::Number: {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        if (kind == PropertyKind::Number) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        }
        return edit;
    }
    case PropertyKind::Boolean:
    case PropertyKind::List: {
        auto* list = new QComboBox(parent);
        list->addItems(kind == PropertyKind::Boolean ? QStringList{YesNoText(true), YesNoText(false)}
                                                     : index.data(PropertyGrid::OptionsRole).toStringList());
        // Picking an entry commits it at once; the list stays open until the focus moves on.
        auto* self = const_cast<PropertyGridDelegate*>(this);
        connect(list, &QComboBox::activated, self, [self, list] { emit self->commitData(list); });
        return list;
    }
    case PropertyKind::Font:
    case PropertyKind::Colour: {
        // The dialog opens once the view has finished starting the edit.
        QMetaObject::invokeMethod(
            &grid_, [grid = &grid_, edited = QPersistentModelIndex(index)] { grid->OpenDialog(edited); }, Qt::QueuedConnection);
        return nullptr;
    }
    }
    return nullptr;
}

void PropertyGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(index.data(PropertyGrid::ValueRole).toString());
        edit->selectAll();
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentText(index.data(Qt::DisplayRole).toString());
    }
}

void PropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        grid_.Commit(index, edit->text());
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        grid_.Commit(index,
                     PropertyKindAt(index) == PropertyKind::Boolean ? QVariant(list->currentIndex() == 0) : QVariant(list->currentText()));
    }
}

QSize PropertyGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {size.width(), std::max(size.height(), option.fontMetrics.height() + 8)};
}

}  // namespace TarnGui
