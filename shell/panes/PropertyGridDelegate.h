// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace TarnGui {

class PropertyGrid;

// The in-place editors of a property grid's value column: a line edit (digits only for
// numbers) and a drop-down list for yes-or-no and list values. Font and colour values open
// their dialogs instead.
class PropertyGridDelegate : public QStyledItemDelegate {
public:
    explicit PropertyGridDelegate(PropertyGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    PropertyGrid& grid_;
};

}  // namespace TarnGui
