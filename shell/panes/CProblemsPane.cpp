// SPDX-License-Identifier: MIT
#include "shell/panes/CProblemsPane.h"

#include "controllers/SectionSelection.h"
#include "drawing/QtText.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/LaterSteps.h"
#include "shell/support/StringTable.h"

#include <QListView>
#include <QStyle>

namespace TarnGui {

int ProblemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ProblemListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) {
        return {};
    }
    const TarnViewModel::ProblemRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Drawing::ToQString(row.text);
    case Qt::DecorationRole:
        return row.kind == TarnViewModel::ProblemKind::Ending ? ending_ : problem_;
    case SectionRole:
        return row.section;
    default:
        return {};
    }
}

void ProblemListModel::SetRows(std::vector<TarnViewModel::ProblemRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

CProblemsPane::CProblemsPane(TarnViewModel::SectionSelection& selection, QWidget* parent)
    : QDockWidget(LoadString(Strings::ProblemsCaption), parent), list_(new QListView),
      rows_(style()->standardIcon(QStyle::SP_MessageBoxWarning), style()->standardIcon(QStyle::SP_MessageBoxInformation))
{
    setObjectName(QStringLiteral("ProblemsPane"));
    list_->setModel(&rows_);
    list_->setAccessibleName(tr("Problems found"));
    list_->setAccessibleDescription(tr("What the book check finds; choosing one shows its section"));
    list_->setUniformItemSizes(true);
    // Small icons, as beside a line of text in a menu, so that rows stay a line high.
    const int iconSide = list_->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, list_);
    list_->setIconSize(QSize(iconSide, iconSide));
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWidget(list_);
    const auto select = [this, &selection](const QModelIndex& index) {
        RunGuarded(this, [&] { selection.SetCurrentSection(index.data(ProblemListModel::SectionRole).toUInt()); });
    };
    connect(list_, &QListView::clicked, this, select);
    connect(list_, &QListView::activated, this, select);
}

void CProblemsPane::ShowProblems(const std::vector<TarnViewModel::ProblemRow>& rows)
{
    rows_.SetRows(rows);
}

void CProblemsPane::RunSoon(std::function<void()> step)
{
    RunGuardedSoon(this, std::move(step));
}

}  // namespace TarnGui
