// SPDX-License-Identifier: MIT
#include "controllers/FrameworkController.h"

#include "commands/SectionCommands.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "export/ExporterSelection.h"
#include "export/MultiPageExport.h"

namespace TarnViewModel {

FrameworkController::FrameworkController(TarnDataModel& model, SectionSelection& selection, IFrameworkView* view)
    : model_(model), selection_(selection), view_(view)
{
    connections_.emplace_back(model_.ConnectBookReset([this] {
        view_->OnBookReset();
        view_->SetBookHasSections(false);
        view_->SetSectionSelected(false);
        view_->SetUndoRedoState(false, false);
    }));
    connections_.emplace_back(model_.ConnectBookLoaded(
        [this](const std::vector<Section>& sections, const std::vector<Choice>&) { view_->SetBookHasSections(!sections.empty()); }));
    connections_.emplace_back(selection_.ConnectSectionSelected([this](const Section&) { view_->SetSectionSelected(true); }));
    connections_.emplace_back(selection_.ConnectSectionDeselected([this](std::uint32_t) { view_->SetSectionSelected(false); }));
    connections_.emplace_back(
        model_.ConnectUndoRedoChanged([this](bool canUndo, bool canRedo) { view_->SetUndoRedoState(canUndo, canRedo); }));
    connections_.emplace_back(model_.ConnectSectionAdded([this](const Section&) {
        if (model_.GetStoryGraph().SectionCount() > 0) {
            view_->SetBookHasSections(true);
        }
    }));
    connections_.emplace_back(model_.ConnectSectionDeleted([this](const Section&) {
        if (model_.GetStoryGraph().SectionCount() == 0) {
            view_->SetBookHasSections(false);
        }
    }));
}

bool FrameworkController::MayDiscardChanges()
{
    // Text still held by an editor counts as a change before anything is decided.
    model_.CommitPendingEdits();
    // Answering Yes saves, which settles the question when the save succeeds.
    return !model_.IsModified() || view_->AskSaveChanges() || !model_.IsModified();
}

void FrameworkController::AddNewSection()
{
    const std::uint32_t current = selection_.GetCurrentSection();
    if (current != NoSection && !model_.GetStoryGraph().HasSection(current)) {
        model_.CreateSection(current, L"");
        selection_.SetCurrentSection(current);
        return;
    }
    Section section;
    section.number = model_.GetStoryGraph().NextFreeSectionNumber();
    auto command = std::make_unique<AddSectionCommand>(model_, section);
    command->Execute();
    model_.RecordCommand(std::move(command));
    selection_.SetCurrentSection(section.number);
}

void FrameworkController::ExportBook(const BookSnapshot& book, std::ostream& output, int fileTypeIndex)
{
    CreateBookExporter(book, fileTypeIndex)->Export(book, output);
}

void FrameworkController::ExportBookMultiPage(const BookSnapshot& book, const std::wstring& folder,
                                              const std::function<void(std::size_t written)>& pageWritten)
{
    ExportPages(book, folder, pageWritten);
}

}  // namespace TarnViewModel
