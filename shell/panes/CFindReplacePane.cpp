// SPDX-License-Identifier: MIT
#include "shell/panes/CFindReplacePane.h"

#include "controllers/FindReplaceController.h"
#include "drawing/QtText.h"
#include "shell/dialogs/FileDialogs.h"
#include "shell/panes/MatchItemDelegate.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/ErrorTextColour.h"
#include "shell/support/LaterSteps.h"
#include "shell/support/StringTable.h"
#include "translation/Translated.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <iterator>

namespace TarnGui {

CFindReplacePane::CFindReplacePane(QWidget* parent)
    : QDockWidget(LoadString(Strings::FindReplaceCaption), parent), find_(new QLineEdit), replace_(new QLineEdit), replaceRow_(new QWidget),
      matchCase_(new QCheckBox(tr("Match &case"))), wholeWord_(new QCheckBox(tr("&Whole word"))),
      regularExpression_(new QCheckBox(tr("Regular e&xpression"))), replaceOne_(new QPushButton(tr("&Replace"))),
      replaceAll_(new QPushButton(tr("Replace &All"))), summary_(new QLabel), list_(new QListView)
{
    setObjectName(QStringLiteral("FindReplacePane"));
    find_->setPlaceholderText(tr("Find in texts, summaries and choices"));
    find_->setAccessibleName(tr("Find"));
    find_->setAccessibleDescription(find_->placeholderText());
    find_->setClearButtonEnabled(true);
    replace_->setPlaceholderText(tr("Replace with"));
    replace_->setAccessibleName(replace_->placeholderText());
    auto* previous = new QPushButton(tr("&Previous"));
    auto* next = new QPushButton(tr("&Next"));

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(find_, 1);
    findRow->addWidget(previous);
    findRow->addWidget(next);
    auto* replaceLayout = new QHBoxLayout(replaceRow_);
    replaceLayout->setContentsMargins(0, 0, 0, 0);
    replaceLayout->addWidget(replace_, 1);
    replaceLayout->addWidget(replaceOne_);
    replaceLayout->addWidget(replaceAll_);
    auto* options = new QHBoxLayout;
    options->addWidget(matchCase_);
    options->addWidget(wholeWord_);
    options->addWidget(regularExpression_);
    options->addStretch(1);
    options->addWidget(summary_);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    list_->setModel(&matches_);
    list_->setAccessibleName(tr("Matches"));
    list_->setAccessibleDescription(tr("Every match in the book; Enter or a click shows it in its section"));
    summary_->setAccessibleName(tr("Search result"));
    list_->setItemDelegate(new MatchItemDelegate(list_));
    list_->setUniformItemSizes(true);
    // Snippets are cut at the list's edge rather than scrolled to.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addLayout(findRow);
    layout->addWidget(replaceRow_);
    layout->addLayout(options);
    layout->addWidget(list_, 1);
    setWidget(body);

    connect(find_, &QLineEdit::textChanged, this, &CFindReplacePane::Search);
    for (QCheckBox* option : {matchCase_, wholeWord_, regularExpression_}) {
        connect(option, &QCheckBox::toggled, this, &CFindReplacePane::Search);
    }
    connect(find_, &QLineEdit::returnPressed, this, [this] {
        const bool back = (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) != 0;
        Run([this, back] { back ? controller_->FindPrevious() : controller_->FindNext(); });
    });
    connect(previous, &QPushButton::clicked, this, [this] { Run([this] { controller_->FindPrevious(); }); });
    connect(next, &QPushButton::clicked, this, [this] { Run([this] { controller_->FindNext(); }); });
    const auto replaceOne = [this] {
        emit AboutToReplace();
        Run([this] { controller_->ReplaceCurrent(Drawing::ToWString(replace_->text())); });
    };
    connect(replace_, &QLineEdit::returnPressed, this, replaceOne);
    connect(replaceOne_, &QPushButton::clicked, this, replaceOne);
    connect(replaceAll_, &QPushButton::clicked, this, [this] {
        emit AboutToReplace();
        Run([this] {
            if (replace_->text().isEmpty() && !MayDeleteAllMatches()) {
                return;
            }
            controller_->ReplaceAll(Drawing::ToWString(replace_->text()));
        });
    });
    const auto go = [this](const QModelIndex& index) {
        const QScopedValueRollback<bool> clicked(clicked_, true);
        Run([this, index] { controller_->GoToMatch(static_cast<std::size_t>(index.row())); });
    };
    connect(list_, &QListView::clicked, this, go);
    connect(list_, &QListView::activated, this, go);
    // Tab goes from the words to find to their replacement, as the rows read.
    QWidget* order[] = {find_, replace_, replaceOne_, replaceAll_, previous, next, matchCase_, wholeWord_, regularExpression_, list_};
    for (std::size_t index = 1; index < std::size(order); ++index) {
        setTabOrder(order[index - 1], order[index]);
    }
}

// An empty replacement deletes: the author is told how much and asked first.
bool CFindReplacePane::MayDeleteAllMatches()
{
    controller_->FinishSearch();
    const std::size_t count = controller_->Matches().size();
    if (count == 0) {
        return true;
    }
    const QString question =
        count == 1 ? tr("The replacement is empty, so Replace All will delete the one match of \"%1\".\n\nDelete it?").arg(find_->text())
                   : tr("The replacement is empty, so Replace All will delete all %1 matches of \"%2\".\n\nDelete them?")
                         .arg(QString::number(count), find_->text());
    return Ask(this, question, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// A pattern found too costly while searching is shown beside the box, as a bad one is.
template <class Step>
void CFindReplacePane::Run(Step step)
{
    if (controller_ == nullptr) {
        return;
    }
    RunGuarded(this, [this, &step] {
        try {
            step();
        } catch (const Search::SearchPatternError& error) {
            Refuse(error);
        }
    });
}

void CFindReplacePane::Refuse(const Search::SearchPatternError& error)
{
    // The list empties, so that nothing listed answers a pattern no longer searched with.
    controller_->Search(std::wstring(), {});
    ShowError(Translation::Translated(error.Said()));
}

void CFindReplacePane::Open(bool replacing)
{
    replaceRow_->setVisible(replacing);
    show();
    raise();
    find_->setFocus(Qt::ShortcutFocusReason);
    find_->selectAll();
}

void CFindReplacePane::Search()
{
    if (controller_ == nullptr) {
        return;
    }
    const Search::SearchOptions options{matchCase_->isChecked(), wholeWord_->isChecked(), regularExpression_->isChecked()};
    Run([&] {
        controller_->Search(Drawing::ToWString(find_->text()), options);
        ShowError(QString());
        summary_->setText(find_->text().isEmpty() ? QString() : tr("Searching\u2026"));
    });
}

void CFindReplacePane::ShowError(const QString& message)
{
    QPalette palette = this->palette();
    if (!message.isEmpty()) {
        palette.setColor(QPalette::WindowText, ErrorTextColour(palette));
    }
    summary_->setPalette(palette);
    if (!message.isEmpty()) {
        summary_->setText(message);
    }
}

void CFindReplacePane::ShowMatches(const std::vector<TarnViewModel::FoundMatch>& found)
{
    matches_.SetMatches(found);
    if (!summary_->styleSheet().isEmpty()) {
        return;
    }
    if (find_->text().isEmpty()) {
        summary_->clear();
    } else if (found.empty()) {
        summary_->setText(tr("No matches"));
    } else {
        summary_->setText(tr("%Ln match(es)", nullptr, static_cast<int>(found.size())));
    }
}

void CFindReplacePane::ShowCurrentMatch(std::optional<std::size_t> index)
{
    if (!index) {
        list_->clearSelection();
        return;
    }
    const QModelIndex row = matches_.index(static_cast<int>(*index));
    list_->setCurrentIndex(row);
    list_->scrollTo(row);
}

void CFindReplacePane::RevealMatch(const Search::BookMatch& match)
{
    emit MatchRevealed(match, clicked_);
}

void CFindReplacePane::ShowReplaced(std::size_t count)
{
    emit Replaced(count);
}

void CFindReplacePane::RunSoon(std::function<void()> step)
{
    RunGuardedSoon(this, [this, step = std::move(step)] { Run(step); });
}

}  // namespace TarnGui
