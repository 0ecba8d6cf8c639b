// SPDX-License-Identifier: MIT
#include "shell/panes/CSectionPropertiesPane.h"

#include "commands/UpdatePropertyCommand.h"
#include "document/SectionNumbers.h"
#include "document/TarnDataModel.h"
#include "drawing/QtColour.h"
#include "drawing/QtText.h"
#include "drawing/UnexpectedValueException.h"
#include "shell/panes/PropertyGrid.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/QtTextPositions.h"
#include "shell/support/StringTable.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

namespace TarnGui {

CSectionPropertiesPane::CSectionPropertiesPane(TarnViewModel::TarnDataModel& model, QWidget* parent)
    : QDockWidget(LoadString(Strings::SectionCaption), parent), model_(model), grid_(new PropertyGrid(this))
{
    setObjectName(QStringLiteral("SectionPropertiesPane"));
    grid_->Tree()->setAccessibleName(windowTitle());
    grid_->AddGroup(LoadString(Strings::SectionDetails));
    grid_->AddProperty(Number, PropertyKind::Number, LoadString(Strings::SectionNumber), LoadString(Strings::SectionNumberInfo));
    grid_->AddProperty(Shiftable, PropertyKind::Boolean, LoadString(Strings::SectionShiftable), LoadString(Strings::SectionShiftableInfo));
    grid_->AddProperty(Summary, PropertyKind::Text, LoadString(Strings::SectionSummary), LoadString(Strings::SectionSummaryInfo));
    grid_->AddGroup(LoadString(Strings::SectionDisplayDetails));
    grid_->AddProperty(BackgroundColour, PropertyKind::Colour, LoadString(Strings::SectionColour), LoadString(Strings::SectionColourInfo));
    setWidget(grid_);
    connect(grid_, &PropertyGrid::PropertyChanged, this,
            [this](int id, const QVariant& value) { RunGuarded(this, [&] { ChangeProperty(id, value); }); });
    ClearProperties();
}

void CSectionPropertiesPane::EnableProperties(bool enable)
{
    grid_->setEnabled(enable);
}

void CSectionPropertiesPane::ShowSectionNumber(std::uint32_t number)
{
    shown_ = number;
    grid_->SetValue(Number, QString::number(number));
}

void CSectionPropertiesPane::SelectInSummary(std::size_t start, std::size_t length)
{
    QTreeWidget* tree = grid_->Tree();
    QTreeWidgetItem* item = grid_->Item(Summary);
    tree->setCurrentItem(item, 1);
    tree->editItem(item, 1);
    auto* editor = tree->viewport()->findChild<QLineEdit*>();
    if (editor == nullptr) {
        return;
    }
    const std::wstring text = editor->text().toStdWString();
    const std::vector<int> starts = Utf16Starts(text);
    const std::size_t from = std::min(start, text.size());
    const std::size_t to = std::min(start + length, text.size());
    editor->setSelection(starts[from], starts[to] - starts[from]);
}

void CSectionPropertiesPane::ShowSummary(const std::wstring& summary)
{
    grid_->SetValue(Summary, Drawing::ToQString(summary));
}

void CSectionPropertiesPane::ShowShiftable(bool shiftable)
{
    grid_->SetValue(Shiftable, shiftable);
}

void CSectionPropertiesPane::ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour)
{
    grid_->SetValue(BackgroundColour, Drawing::ToQColor(colour));
}

void CSectionPropertiesPane::ClearProperties()
{
    shown_ = 0;
    grid_->ClearValues();
    EnableProperties(false);
}

void CSectionPropertiesPane::ChangeProperty(int id, const QVariant& value)
{
    const TarnViewModel::StoryGraph& graph = model_.GetStoryGraph();
    if (!graph.HasSection(shown_)) {
        return;
    }
    const std::uint32_t number = shown_;
    const TarnViewModel::Section& section = graph.GetSection(number);
    std::unique_ptr<TarnViewModel::ICommand> command;
    switch (id) {
    case Number:
        ChangeNumber(value.toString());
        return;
    case Summary: {
        const std::wstring summary = Drawing::ToWString(value.toString());
        if (summary == section.summary) {
            return;
        }
        command = std::make_unique<TarnViewModel::UpdatePropertyCommand1Arg<const std::wstring&>>(
            [this, number](const std::wstring& text) { model_.SetSectionSummary(number, text); }, section.summary, summary);
        break;
    }
    case Shiftable:
        if (value.toBool() != section.shiftable) {
            model_.SetSectionShiftableRecorded(number, value.toBool());
        }
        return;
    case BackgroundColour: {
        const CommonLib::ColourUtilities::RGBColour colour = Drawing::ToRGBColour(value.value<QColor>());
        if (colour == section.backgroundColour) {
            return;
        }
        command = std::make_unique<TarnViewModel::UpdatePropertyCommand1Arg<CommonLib::ColourUtilities::RGBColour>>(
            [this, number](CommonLib::ColourUtilities::RGBColour fill) { model_.SetSectionBackgroundColour(number, fill); },
            section.backgroundColour, colour);
        break;
    }
    default:
        throw Drawing::UnexpectedValueException(BRINDLE_TEXT("PropertyGrid", "Don't know what to do with this property"));
    }
    command->Execute();
    model_.RecordCommand(std::move(command));
}

// The grid lets only digits through; a number too long for any section is refused as out of
// range before anything changes.
void CSectionPropertiesPane::ChangeNumber(const QString& typed)
{
    bool isNumber = false;
    const qulonglong wanted = typed.toULongLong(&isNumber);
    const auto number =
        static_cast<std::uint32_t>(isNumber ? std::min<qulonglong>(wanted, TarnViewModel::TarnDataModel::HighestNumber + 1ULL) : 0);
    TarnViewModel::CheckSectionNumber(number);
    if (number == shown_) {
        return;
    }
    auto command = std::make_unique<TarnViewModel::UpdatePropertyCommand2Args<unsigned int>>(
        [this](unsigned int from, unsigned int to) { model_.SetSectionNumber(from, to); }, shown_, number);
    command->Execute();
    model_.RecordCommand(std::move(command));
}

}  // namespace TarnGui
