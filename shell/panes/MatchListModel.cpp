// SPDX-License-Identifier: MIT
#include "shell/panes/MatchListModel.h"

#include "drawing/QtText.h"

#include <QCoreApplication>

namespace TarnGui {

namespace {

QString FieldName(Search::SearchField field)
{
    switch (field) {
    case Search::SearchField::Summary:
        return QCoreApplication::translate("TarnGui::MatchListModel", "Summary");
    case Search::SearchField::ChoiceText:
        return QCoreApplication::translate("TarnGui::MatchListModel", "Choice");
    case Search::SearchField::Text:
        break;
    }
    return QCoreApplication::translate("TarnGui::MatchListModel", "Text");
}

}  // namespace

int MatchListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(matches_.size());
}

QVariant MatchListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(matches_.size())) {
        return {};
    }
    const TarnViewModel::FoundMatch& found = matches_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case PlaceRole:
        return QStringLiteral("%1 \u00b7 %2").arg(found.match.section).arg(FieldName(found.match.field));
    case BeforeRole:
        return Drawing::ToQString(found.snippet.before);
    case MatchedRole:
        return Drawing::ToQString(found.snippet.matched);
    case AfterRole:
        return Drawing::ToQString(found.snippet.after);
    case Qt::DisplayRole:
        return QStringLiteral("%1: %2%3%4")
            .arg(data(index, PlaceRole).toString(), Drawing::ToQString(found.snippet.before), Drawing::ToQString(found.snippet.matched),
                 Drawing::ToQString(found.snippet.after));
    default:
        return {};
    }
}

void MatchListModel::SetMatches(std::vector<TarnViewModel::FoundMatch> matches)
{
    beginResetModel();
    matches_ = std::move(matches);
    endResetModel();
}

}  // namespace TarnGui
