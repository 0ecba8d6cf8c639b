// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IProblemsView.h"

#include <QAbstractListModel>
#include <QDockWidget>
#include <QIcon>

class QListView;

namespace TarnViewModel {
class SectionSelection;
}

namespace TarnGui {

// The problems as rows of text, each marked as a problem or as an ending to confirm.
class ProblemListModel : public QAbstractListModel {
public:
    static constexpr int SectionRole = Qt::UserRole;

    ProblemListModel(QIcon problem, QIcon ending) : problem_(std::move(problem)), ending_(std::move(ending)) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void SetRows(std::vector<TarnViewModel::ProblemRow> rows);

private:
    std::vector<TarnViewModel::ProblemRow> rows_;
    QIcon problem_;
    QIcon ending_;
};

// Lists what the book check finds, kept up to date as the book changes; a row's section
// becomes current when the row is clicked.
class CProblemsPane : public QDockWidget, public TarnViewModel::IProblemsView {
    Q_OBJECT
public:
    CProblemsPane(TarnViewModel::SectionSelection& selection, QWidget* parent);

    QListView* List() const { return list_; }
    const ProblemListModel& Rows() const { return rows_; }

    void ShowProblems(const std::vector<TarnViewModel::ProblemRow>& rows) override;
    void RunSoon(std::function<void()> step) override;

private:
    QListView* list_;
    ProblemListModel rows_;
};

}  // namespace TarnGui
