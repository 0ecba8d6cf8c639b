// SPDX-License-Identifier: MIT
#include "shell/panes/CPlayPane.h"

#include "controllers/PlayController.h"
#include "drawing/QtText.h"
#include "shell/support/BookFont.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/LaterSteps.h"
#include "shell/support/StringTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TarnGui {

CPlayPane::CPlayPane(QWidget* parent)
    : QDockWidget(LoadString(Strings::PlayCaption), parent), heading_(new QLabel), text_(new QPlainTextEdit), note_(new QLabel),
      choices_(new QWidget), choicesLayout_(new QVBoxLayout(choices_)), path_(new QListWidget), back_(new QPushButton(tr("Bac&k"))),
      forward_(new QPushButton(tr("Forwar&d"))), edit_(new QPushButton(tr("Edi&t this section")))
{
    setObjectName(QStringLiteral("PlayPane"));
    auto* restart = new QPushButton(tr("Re&start"));
    auto* steps = new QHBoxLayout;
    steps->addWidget(back_);
    steps->addWidget(forward_);
    steps->addWidget(restart);
    steps->addStretch(1);
    steps->addWidget(edit_);

    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading_->setFont(headingFont);
    text_->setReadOnly(true);
    text_->setAccessibleName(tr("Text of the section played"));
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("font-style: italic;"));
    choicesLayout_->setContentsMargins(0, 0, 0, 0);
    path_->setFlow(QListView::LeftToRight);
    path_->setAccessibleName(tr("Path taken"));
    path_->setAccessibleDescription(path_->toolTip());
    path_->setWrapping(false);
    path_->setMaximumHeight(path_->fontMetrics().height() * 2 + 8);
    path_->setToolTip(tr("The path taken so far; click a step to go back to it"));

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addLayout(steps);
    layout->addWidget(path_);
    layout->addWidget(heading_);
    layout->addWidget(text_, 1);
    layout->addWidget(note_);
    layout->addWidget(choices_);
    setWidget(body);

    connect(back_, &QPushButton::clicked, this, [this] { Run([this] { controller_->Back(); }); });
    connect(forward_, &QPushButton::clicked, this, [this] { Run([this] { controller_->Forward(); }); });
    connect(restart, &QPushButton::clicked, this, [this] { Run([this] { controller_->Restart(); }); });
    connect(edit_, &QPushButton::clicked, this, [this] {
        if (shown_ != 0) {
            emit EditSection(shown_);
        }
    });
    connect(path_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const auto step = static_cast<std::size_t>(path_->row(item));
        Run([this, step] { controller_->GoToStep(step); });
    });
    ShowPage({});
}

template <class Step>
void CPlayPane::Run(Step step)
{
    if (controller_ != nullptr) {
        RunGuarded(this, step);
    }
}

void CPlayPane::ShowPage(const TarnViewModel::PlayPage& page)
{
    shown_ = page.section;
    edit_->setEnabled(page.section != 0);
    heading_->setText(page.section == 0 ? tr("Nothing to play") : QString::number(page.section));
    text_->document()->setDefaultFont(WithBookFont(text_->font(), page.font));
    text_->setPlainText(Drawing::ToQString(page.text));
    // The button clicked may be among those going, so each goes once its click is over.
    choiceButtons_.clear();
    while (QLayoutItem* item = choicesLayout_->takeAt(0)) {
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    QString note = Drawing::ToQString(page.note);
    if (page.section != 0 && page.choices.empty()) {
        note += (note.isEmpty() ? QString() : QStringLiteral("\n")) + tr("This is an ending: the section has no choices.");
    }
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
    bool hiddenShown = false;
    for (const TarnViewModel::PlayChoice& choice : page.choices) {
        if (choice.hidden && !hiddenShown) {
            hiddenShown = true;
            auto* caption = new QLabel(tr("hidden"));
            caption->setObjectName(QStringLiteral("HiddenCaption"));
            caption->setStyleSheet(QStringLiteral("font-style: italic;"));
            choicesLayout_->addWidget(caption);
        }
        auto* button = new QPushButton(Drawing::ToQString(choice.text));
        button->setFlat(choice.hidden);
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        const TarnViewModel::Uuid id = choice.id;
        connect(button, &QPushButton::clicked, this, [this, id] { Run([this, id] { controller_->Follow(id); }); });
        choicesLayout_->addWidget(button);
        choiceButtons_.push_back(button);
    }
}

void CPlayPane::ShowPath(const std::vector<std::uint32_t>& sections, std::size_t current)
{
    emit PathShown(sections);
    path_->clear();
    for (const std::uint32_t section : sections) {
        path_->addItem(QString::number(section));
    }
    if (current < sections.size()) {
        path_->setCurrentRow(static_cast<int>(current));
        path_->scrollToItem(path_->currentItem());
    }
}

void CPlayPane::EnableSteps(bool back, bool forward)
{
    back_->setEnabled(back);
    forward_->setEnabled(forward);
}

void CPlayPane::RunSoon(std::function<void()> step)
{
    RunGuardedSoon(this, std::move(step));
}

}  // namespace TarnGui
