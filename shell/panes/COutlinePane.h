// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IBookOutlineView.h"
#include "shell/support/UpdateBracket.h"

#include <QAbstractListModel>
#include <QColor>
#include <QDockWidget>

#include <set>
#include <vector>

class QListView;

namespace TarnViewModel {
class SectionSelection;
}

namespace TarnGui {

// One row per number from 1 to the highest section number: its text, colour and whether a
// section holds it.
class OutlineModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void SetEntry(std::uint32_t number, const QString& text, const QColor& colour, bool isSection);
    void RemoveEntry(std::uint32_t number);
    void Clear();
    // The numbers on the play-test path, marked as visited.
    void SetVisited(std::set<std::uint32_t> numbers);
    // Changes between the two reach the list as one reset rather than row by row.
    void BeginBatch();
    void EndBatch();

private:
    struct Entry {
        QString text;
        QColor colour;
        bool isSection = false;
    };
    std::vector<Entry> entries_;
    std::set<std::uint32_t> visited_;
    bool batch_ = false;
};

// The outline pane: the book's numbers in order, the current one selected.
class COutlinePane : public QDockWidget, public TarnViewModel::IBookOutlineView {
    Q_OBJECT
public:
    COutlinePane(TarnViewModel::SectionSelection& selection, QWidget* parent);

    QListView* List() const { return list_; }
    const OutlineModel& Entries() const { return entries_; }
    void SetVisited(std::set<std::uint32_t> numbers) { entries_.SetVisited(std::move(numbers)); }

    void SetOutlineEntry(std::uint32_t number, const std::wstring& text, const CommonLib::ColourUtilities::RGBColour& colour,
                         bool isSection) override;
    void SelectOutlineEntry(std::uint32_t number) override;
    void RemoveOutlineEntry(std::uint32_t number) override;
    void ClearOutline() override;
    void BeginUpdate() override;
    void EndUpdate() override;
    void RunSoon(std::function<void()> step) override;

private:
    OutlineModel entries_;
    QListView* list_;
    UpdateBracket updates_;
    bool following_ = false;
};

}  // namespace TarnGui
