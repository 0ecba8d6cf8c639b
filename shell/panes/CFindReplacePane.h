// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFindReplaceView.h"
#include "shell/panes/MatchListModel.h"

#include <QDockWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

namespace TarnViewModel {
class FindReplaceController;
}

namespace TarnGui {

// Finds words across the book as the author types them, lists every match, and replaces
// one match or all of them.
class CFindReplacePane : public QDockWidget, public TarnViewModel::IFindReplaceView {
    Q_OBJECT
public:
    explicit CFindReplacePane(QWidget* parent);

    void SetController(TarnViewModel::FindReplaceController* controller) { controller_ = controller; }
    // Shows the pane with the text to find ready to type; with replacing, also the
    // replacement.
    void Open(bool replacing);

    QLineEdit* FindBox() const { return find_; }
    QLineEdit* ReplaceBox() const { return replace_; }
    QCheckBox* MatchCaseBox() const { return matchCase_; }
    QCheckBox* WholeWordBox() const { return wholeWord_; }
    QCheckBox* RegularExpressionBox() const { return regularExpression_; }
    QPushButton* ReplaceButton() const { return replaceOne_; }
    QPushButton* ReplaceAllButton() const { return replaceAll_; }
    QLabel* Summary() const { return summary_; }
    QListView* List() const { return list_; }

    void ShowMatches(const std::vector<TarnViewModel::FoundMatch>& found) override;
    void ShowCurrentMatch(std::optional<std::size_t> index) override;
    void RevealMatch(const Search::BookMatch& match) override;
    void ShowReplaced(std::size_t count) override;
    void RunSoon(std::function<void()> step) override;

signals:
    // A match to select where its text is edited; focus asks for the editor to take the keys.
    void MatchRevealed(const Search::BookMatch& match, bool focus);
    // Before a replacement, so that text typed elsewhere reaches the book first.
    void AboutToReplace();
    void Replaced(std::size_t count);

private:
    void Search();
    bool MayDeleteAllMatches();
    void ShowError(const QString& message);
    void Refuse(const Search::SearchPatternError& error);
    template <class Step>
    void Run(Step step);

    TarnViewModel::FindReplaceController* controller_ = nullptr;
    QLineEdit* find_;
    QLineEdit* replace_;
    QWidget* replaceRow_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
    QCheckBox* regularExpression_;
    QPushButton* replaceOne_;
    QPushButton* replaceAll_;
    QLabel* summary_;
    QListView* list_;
    MatchListModel matches_;
    // Set while a click in the list goes to its match, which then takes the keys.
    bool clicked_ = false;
};

}  // namespace TarnGui
