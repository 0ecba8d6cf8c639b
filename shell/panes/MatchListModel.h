// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFindReplaceView.h"

#include <QAbstractListModel>

#include <vector>

namespace TarnGui {

// The matches of a search, one row each: where it was found and the words around it.
class MatchListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The row's "section · field" heading, and its snippet in three parts.
    static constexpr int PlaceRole = Qt::UserRole;
    static constexpr int BeforeRole = Qt::UserRole + 1;
    static constexpr int MatchedRole = Qt::UserRole + 2;
    static constexpr int AfterRole = Qt::UserRole + 3;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void SetMatches(std::vector<TarnViewModel::FoundMatch> matches);

private:
    std::vector<TarnViewModel::FoundMatch> matches_;
};

}  // namespace TarnGui
