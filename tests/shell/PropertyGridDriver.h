// SPDX-License-Identifier: MIT
#pragma once

#include "shell/panes/PropertyGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace TestSupport {

// Edits a property grid's values with the mouse and keyboard, as an author does.
class PropertyGridDriver {
public:
    explicit PropertyGridDriver(TarnGui::PropertyGrid& grid) : grid_(grid) {}

    // Double-clicks the property's value.
    void OpenEditor(int id)
    {
        // After a dialog the main window must be active again to take the keys.
        QApplication::setActiveWindow(grid_.window());
        QTreeWidget* tree = grid_.Tree();
        tree->scrollToItem(grid_.Item(id));
        const QPoint cell(tree->header()->sectionViewportPosition(1) + 8, tree->visualItemRect(grid_.Item(id)).center().y());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, cell);
    }
    // Types over the value and presses Enter.
    void Type(int id, const QString& text)
    {
        OpenEditor(id);
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(edit, nullptr) << "no text editor opened";
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        // The view commits an edit ended with Enter from its event loop.
        QApplication::processEvents();
    }
    // Opens the drop-down list of the value and clicks the entry.
    void Pick(int id, const QString& entry)
    {
        OpenEditor(id);
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        ASSERT_NE(list, nullptr) << "no drop-down list opened";
        const int row = list->findText(entry);
        ASSERT_GE(row, 0) << "no entry " << entry.toStdString();
        list->showPopup();
        QAbstractItemView* popup = list->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
        const QRect rect = popup->visualRect(popup->model()->index(row, 0));
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QString Shown(int id) const { return grid_.Item(id)->text(1); }
    QImage Swatch(int id) const { return grid_.Item(id)->data(1, Qt::DecorationRole).value<QPixmap>().toImage(); }
    bool Editable(int id) const { return (grid_.Item(id)->flags() & Qt::ItemIsEditable) != 0; }

private:
    TarnGui::PropertyGrid& grid_;
};

}  // namespace TestSupport
