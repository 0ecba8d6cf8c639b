// SPDX-License-Identifier: MIT
#include "shell/panes/CChoicesPane.h"

#include "controllers/ChoicesController.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "drawing/QtText.h"
#include "shell/dialogs/CChoiceEditorDlg.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/StringTable.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

namespace TarnGui {

namespace {

constexpr int IdRole = Qt::UserRole;

QByteArray IdBytes(const TarnViewModel::Uuid& id)
{
    return QByteArray(reinterpret_cast<const char*>(id.data), static_cast<qsizetype>(id.size()));
}

TarnViewModel::Uuid IdOf(const QListWidgetItem* item)
{
    TarnViewModel::Uuid id{};
    const QByteArray bytes = item->data(IdRole).toByteArray();
    if (bytes.size() == static_cast<qsizetype>(id.size())) {
        std::memcpy(id.data, bytes.constData(), id.size());
    }
    return id;
}

}  // namespace

CChoicesPane::CChoicesPane(TarnViewModel::TarnDataModel& model, TarnViewModel::SectionSelection& selection, QWidget* parent)
    : QDockWidget(LoadString(Strings::ChoicesCaption), parent), model_(model), selection_(selection)
{
    setObjectName(QStringLiteral("ChoicesPane"));
    auto* content = new QWidget(this);
    list_ = new QListWidget(content);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setAccessibleName(tr("Choices of the section"));
    list_->setAccessibleDescription(tr("Each choice with the section it leads to"));
    const struct {
        QPushButton* CChoicesPane::*button;
        const char* name;
        const char* text;
        const char* tooltip;
    } buttons[] = {
        {&CChoicesPane::add_, "AddChoice", QT_TR_NOOP("Add"), QT_TR_NOOP("Adds a choice and its destination if it doesn't exist.")},
        {&CChoicesPane::remove_, "RemoveChoice", QT_TR_NOOP("Remove"),
         QT_TR_NOOP("Removes the selected choices (but keeps the destination sections.)")},
        {&CChoicesPane::edit_, "EditChoice", QT_TR_NOOP("Edit"), QT_TR_NOOP("Opens the editor for this choice.")},
        {&CChoicesPane::up_, "MoveChoiceUp", QT_TR_NOOP("Up"), QT_TR_NOOP("Change the ordering by moving this choice upwards.")},
        {&CChoicesPane::down_, "MoveChoiceDown", QT_TR_NOOP("Down"), QT_TR_NOOP("Change the ordering by moving this choice downwards.")},
        {&CChoicesPane::follow_, "FollowChoice", QT_TR_NOOP("Follow"), QT_TR_NOOP("Follows this choice and selects its destination.")},
    };
    auto* column = new QVBoxLayout;
    for (const auto& [button, name, text, tooltip] : buttons) {
        this->*button = new QPushButton(tr(text), content);
        (this->*button)->setObjectName(QString::fromLatin1(name));
        (this->*button)->setToolTip(tr(tooltip));
        column->addWidget(this->*button);
    }
    column->addStretch(1);
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(list_, 1);
    layout->addLayout(column);
    content->setFocusProxy(list_);
    setWidget(content);

    connect(add_, &QPushButton::clicked, this,
            [this] { RunGuarded(this, [this] { controller_->OpenChoiceEditor(TarnViewModel::Uuid{}); }); });
    connect(remove_, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { model_.DeleteChoices(SelectedIds()); }); });
    const auto edit = [this] {
        const std::vector<TarnViewModel::Uuid> ids = SelectedIds();
        if (ids.size() == 1) {
            RunGuarded(this, [&] { controller_->OpenChoiceEditor(ids.front()); });
        }
    };
    connect(edit_, &QPushButton::clicked, this, edit);
    connect(list_, &QListWidget::itemDoubleClicked, this, edit);
    connect(up_, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { Move(1); });
    connect(follow_, &QPushButton::clicked, this, [this] { Follow(); });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (controller_ != nullptr) {
            controller_->SetSelectedChoices(SelectedIds());
        }
        UpdateButtons();
    });
    UpdateButtons();
}

void CChoicesPane::SelectChoice(const TarnViewModel::Uuid& id)
{
    const int row = RowOf(id);
    if (row >= 0) {
        raise();
        list_->setCurrentRow(row);
    }
}

void CChoicesPane::AddChoiceRow(const TarnViewModel::Uuid& id, std::size_t index, std::uint32_t, const std::wstring& text)
{
    auto* item = new QListWidgetItem(Drawing::ToQString(text));
    item->setData(IdRole, IdBytes(id));
    list_->insertItem(static_cast<int>(std::min<std::size_t>(index, static_cast<std::size_t>(list_->count()))), item);
}

void CChoicesPane::UpdateChoiceRow(const TarnViewModel::Uuid& id, std::size_t index, std::uint32_t, const std::wstring& text)
{
    const int row = RowOf(id);
    if (row < 0) {
        return;
    }
    const int wanted = static_cast<int>(std::min<std::size_t>(index, static_cast<std::size_t>(list_->count() - 1)));
    QListWidgetItem* item = list_->item(row);
    item->setText(Drawing::ToQString(text));
    if (wanted != row) {
        const QSignalBlocker blocker(list_);
        const bool selected = item->isSelected();
        list_->takeItem(row);
        list_->insertItem(wanted, item);
        item->setSelected(selected);
    }
}

void CChoicesPane::RemoveChoiceRow(const TarnViewModel::Uuid& id)
{
    const int row = RowOf(id);
    if (row >= 0) {
        delete list_->takeItem(row);
    }
}

void CChoicesPane::ClearChoiceRows()
{
    list_->clear();
}

void CChoicesPane::EnableChoices(bool enable)
{
    enabled_ = enable;
    UpdateButtons();
}

void CChoicesPane::ShowAddChoiceDialog(const TarnViewModel::DestinationList& destinations, std::uint32_t proposedDestination)
{
    CChoiceEditorDlg dialog(destinations, proposedDestination, L"", false, this);
    if (setUpChoiceText_) {
        setUpChoiceText_(dialog.TextBox());
    }
    if (dialog.exec() == QDialog::Accepted) {
        controller_->AddChoiceToSelection(dialog.Text(), dialog.Destination(), dialog.Hidden());
    }
}

void CChoicesPane::ShowEditChoiceDialog(const TarnViewModel::DestinationList& destinations, const TarnViewModel::Choice& choice)
{
    CChoiceEditorDlg dialog(destinations, choice.destination, choice.text, choice.hidden, this);
    if (setUpChoiceText_) {
        setUpChoiceText_(dialog.TextBox());
    }
    if (dialog.exec() == QDialog::Accepted) {
        model_.EditChoice(choice.id, dialog.Destination(), dialog.Text(), dialog.Hidden());
    }
}

void CChoicesPane::EnableMoveChoiceDown(bool enable)
{
    canMoveDown_ = enable;
    UpdateButtons();
}

void CChoicesPane::EnableMoveChoiceUp(bool enable)
{
    canMoveUp_ = enable;
    UpdateButtons();
}

int CChoicesPane::RowOf(const TarnViewModel::Uuid& id) const
{
    for (int row = 0; row < list_->count(); ++row) {
        if (IdOf(list_->item(row)) == id) {
            return row;
        }
    }
    return -1;
}

std::vector<TarnViewModel::Uuid> CChoicesPane::SelectedIds() const
{
    std::vector<TarnViewModel::Uuid> ids;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->isSelected()) {
            ids.push_back(IdOf(list_->item(row)));
        }
    }
    return ids;
}

void CChoicesPane::UpdateButtons()
{
    const std::size_t selected = SelectedIds().size();
    list_->setEnabled(enabled_);
    add_->setEnabled(enabled_);
    remove_->setEnabled(enabled_ && selected >= 1);
    edit_->setEnabled(enabled_ && selected == 1);
    follow_->setEnabled(enabled_ && selected == 1);
    up_->setEnabled(enabled_ && selected >= 1 && canMoveUp_);
    down_->setEnabled(enabled_ && selected >= 1 && canMoveDown_);
}

void CChoicesPane::Move(int step)
{
    const std::vector<TarnViewModel::Uuid> ids = SelectedIds();
    const std::uint32_t section = selection_.GetCurrentSection();
    const TarnViewModel::StoryGraph& graph = model_.GetStoryGraph();
    if (ids.size() != 1 || !graph.HasSection(section)) {
        return;
    }
    const TarnViewModel::Choice& choice = graph.GetChoice(ids.front());
    const std::int32_t order = choice.order + step;
    const auto count = static_cast<std::int32_t>(graph.ChoiceCount(section));
    if (order < 1 || order > count) {
        return;
    }
    RunGuarded(this, [&] { model_.SetChoiceOrder(order, choice.id); });
}

void CChoicesPane::Follow()
{
    const std::vector<TarnViewModel::Uuid> ids = SelectedIds();
    if (ids.size() == 1) {
        const std::uint32_t destination = model_.GetStoryGraph().GetChoice(ids.front()).destination;
        RunGuarded(this, [&] { selection_.SetCurrentSection(destination); });
    }
}

}  // namespace TarnGui
