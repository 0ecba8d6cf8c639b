// SPDX-License-Identifier: MIT
#include "shell/panes/COutlinePane.h"

#include "controllers/SectionSelection.h"
#include "drawing/QtColour.h"
#include "drawing/QtText.h"
#include "shell/panes/OutlineItemDelegate.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/LaterSteps.h"
#include "shell/support/StringTable.h"

#include <QListView>
#include <QScopedValueRollback>

#include <algorithm>

namespace TarnGui {

int OutlineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant OutlineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(entries_.size())) {
        return {};
    }
    const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return entry.text;
    case Qt::DecorationRole:
        return entry.colour;
    case OutlineItemDelegate::IsSectionRole:
        return entry.isSection;
    case OutlineItemDelegate::VisitedRole:
        return visited_.count(static_cast<std::uint32_t>(index.row() + 1)) != 0;
    default:
        return {};
    }
}

void OutlineModel::SetEntry(std::uint32_t number, const QString& text, const QColor& colour, bool isSection)
{
    if (number == 0) {
        return;
    }
    const std::size_t row = number - 1;
    if (batch_) {
        entries_.resize(std::max(entries_.size(), row + 1));
        entries_[row] = {text, colour, isSection};
        return;
    }
    if (row >= entries_.size()) {
        beginInsertRows(QModelIndex(), static_cast<int>(entries_.size()), static_cast<int>(row));
        entries_.resize(row + 1);
        entries_[row] = {text, colour, isSection};
        endInsertRows();
        return;
    }
    entries_[row] = {text, colour, isSection};
    const QModelIndex changed = index(static_cast<int>(row));
    emit dataChanged(changed, changed);
}

void OutlineModel::RemoveEntry(std::uint32_t number)
{
    if (number == 0 || number > entries_.size()) {
        return;
    }
    const int row = static_cast<int>(number - 1);
    if (batch_) {
        entries_.erase(entries_.begin() + row);
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

void OutlineModel::SetVisited(std::set<std::uint32_t> numbers)
{
    visited_.swap(numbers);
    numbers.merge(std::set<std::uint32_t>(visited_));
    for (const std::uint32_t number : numbers) {
        if (number != 0 && number <= entries_.size()) {
            const QModelIndex changed = index(static_cast<int>(number - 1));
            emit dataChanged(changed, changed, {OutlineItemDelegate::VisitedRole});
        }
    }
}

void OutlineModel::BeginBatch()
{
    beginResetModel();
    batch_ = true;
}

void OutlineModel::EndBatch()
{
    batch_ = false;
    endResetModel();
}

void OutlineModel::Clear()
{
    if (batch_) {
        entries_.clear();
        return;
    }
    beginResetModel();
    entries_.clear();
    endResetModel();
}

COutlinePane::COutlinePane(TarnViewModel::SectionSelection& selection, QWidget* parent)
    : QDockWidget(LoadString(Strings::OutlineCaption), parent), list_(new QListView(this)), updates_(list_)
{
    setObjectName(QStringLiteral("OutlinePane"));
    list_->setModel(&entries_);
    list_->setAccessibleName(tr("Sections of the book"));
    list_->setAccessibleDescription(tr("Every section by number with its summary; choosing one makes it the section you work on"));
    list_->setItemDelegate(new OutlineItemDelegate(list_));
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWidget(list_);
    // The author's pick, by mouse or keyboard, makes the section current; changes of the
    // current row while the pane follows the document are not passed back.
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, &selection](const QModelIndex& index) {
        const auto number = static_cast<std::uint32_t>(index.row() + 1);
        if (!following_ && index.isValid() && number != selection.GetCurrentSection()) {
            RunGuarded(this, [&] { selection.SetCurrentSection(number); });
        }
    });
}

void COutlinePane::SetOutlineEntry(std::uint32_t number, const std::wstring& text, const CommonLib::ColourUtilities::RGBColour& colour,
                                   bool isSection)
{
    const QScopedValueRollback<bool> following(following_, true);
    entries_.SetEntry(number, Drawing::ToQString(text), Drawing::ToQColor(colour), isSection);
}

void COutlinePane::SelectOutlineEntry(std::uint32_t number)
{
    const QScopedValueRollback<bool> following(following_, true);
    const QModelIndex index = entries_.index(static_cast<int>(number) - 1);
    if (!index.isValid()) {
        list_->selectionModel()->clear();
        return;
    }
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

void COutlinePane::RemoveOutlineEntry(std::uint32_t number)
{
    const QScopedValueRollback<bool> following(following_, true);
    entries_.RemoveEntry(number);
}

void COutlinePane::ClearOutline()
{
    const QScopedValueRollback<bool> following(following_, true);
    entries_.Clear();
}

void COutlinePane::RunSoon(std::function<void()> step)
{
    RunGuardedSoon(this, std::move(step));
}

void COutlinePane::BeginUpdate()
{
    updates_.Begin();
    entries_.BeginBatch();
}

void COutlinePane::EndUpdate()
{
    entries_.EndBatch();
    updates_.End();
}

}  // namespace TarnGui
