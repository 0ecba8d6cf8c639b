// SPDX-License-Identifier: MIT
#pragma once

#include <QModelIndex>
#include <QVariant>
#include <QWidget>

#include <map>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace TarnGui {

// What a property holds, which decides how it is shown and edited. Values are a QString for
// text, number and list properties (a number's digits as typed), a bool, a QFont or a QColor.
enum class PropertyKind { Text, Number, Boolean, List, Font, Colour };

// A property grid: named properties in groups, a value column edited in place (or through the
// font and colour dialogs), and a description area for the selected property. The grid
// reports a committed value only when it differs from the one shown; showing the new value
// is left to whoever handles the change, so a refused change leaves the old value in view.
class PropertyGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int KindRole = Qt::UserRole;
    static constexpr int ValueRole = Qt::UserRole + 1;
    static constexpr int IdRole = Qt::UserRole + 2;
    static constexpr int OptionsRole = Qt::UserRole + 3;

    explicit PropertyGrid(QWidget* parent);

    // Properties added after this go into the group.
    void AddGroup(const QString& name);
    void AddProperty(int id, PropertyKind kind, const QString& name, const QString& description);
    void SetValue(int id, const QVariant& value);
    QVariant Value(int id) const;
    void AddOption(int id, const QString& option);
    void ClearOptions(int id);
    void SetEditable(int id, bool editable);
    void ClearValue(int id);
    void ClearValues();

    QTreeWidget* Tree() const { return tree_; }
    // The width that shows every name whole beside a short value.
    int NeededWidth() const;
    QTreeWidgetItem* Item(int id) const { return items_.at(id); }
    QLabel* Description() const { return description_; }

    // Called by the value editors with what the user committed.
    void Commit(const QModelIndex& index, const QVariant& value);
    // Opens the font or colour dialog of the property at the index.
    void OpenDialog(const QModelIndex& index);

signals:
    void PropertyChanged(int id, const QVariant& value);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int ValuesRoom() const;
    void ShowDescription(const QTreeWidgetItem* item);

    QTreeWidget* tree_;
    QLabel* description_;
    QTreeWidgetItem* group_ = nullptr;
    bool dialogOpen_ = false;
    int namesWidth_ = 0;
    std::map<int, QTreeWidgetItem*> items_;
};

// The yes-or-no labels the grids show for boolean values.
QString YesNoText(bool value);

// The kind of the property in the grid's row at the index.
inline PropertyKind PropertyKindAt(const QModelIndex& index)
{
    return static_cast<PropertyKind>(index.data(PropertyGrid::KindRole).toInt());
}

}  // namespace TarnGui
