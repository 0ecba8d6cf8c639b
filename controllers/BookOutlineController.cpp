// SPDX-License-Identifier: MIT
#include "controllers/BookOutlineController.h"

#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "graph/SectionLabel.h"
#include "messages/Translator.h"

namespace TarnViewModel {

BookOutlineController::BookOutlineController(TarnDataModel& model, SectionSelection& selection, IBookOutlineView* view)
    : model_(model), selection_(selection), view_(view)
{
    connections_.emplace_back(model_.ConnectBookReset([this] {
        ++*listing_;
        view_->ClearOutline();
    }));
    connections_.emplace_back(model_.ConnectBookLoaded([this](const std::vector<Section>&, const std::vector<Choice>&) { ShowAll(); }));
    connections_.emplace_back(model_.ConnectSectionsRenumbered([this](const NumberChanges&) { ShowAllSoon(); }));
    connections_.emplace_back(model_.ConnectSectionAdded([this](const Section& section) { ShowSection(section); }));
    connections_.emplace_back(model_.ConnectEmptySlotAdded([this](std::uint32_t number) { ShowEmptySlot(number); }));
    connections_.emplace_back(
        selection_.ConnectSectionSelected([this](const Section& section) { view_->SelectOutlineEntry(section.number); }));
    connections_.emplace_back(selection_.ConnectSectionDeselected([this](std::uint32_t number) { view_->SelectOutlineEntry(number); }));
    connections_.emplace_back(model_.ConnectEmptySlotRemoved([this](std::uint32_t number) { view_->RemoveOutlineEntry(number); }));
    connections_.emplace_back(model_.ConnectSectionDeleted([this](const Section& section) { ShowEmptySlot(section.number); }));
    connections_.emplace_back(
        model_.ConnectSectionUpdated([this](std::uint32_t oldNumber, const Section& section, SectionProperty property) {
            if (property == SectionProperty::Shiftable) {
                return;
            }
            ShowSection(section);
            SelectIfCurrent(oldNumber, section.number);
        }));
    connections_.emplace_back(model_.ConnectSectionsSwapped([this](const Section& a, const Section& b) {
        const std::uint32_t current = selection_.GetCurrentSection();
        ShowSection(b);
        if (current == a.number) {
            view_->SelectOutlineEntry(b.number);
        }
        ShowSection(a);
        if (current == b.number) {
            view_->SelectOutlineEntry(a.number);
        }
    }));
}

void BookOutlineController::ShowAllSoon()
{
    view_->RunSoon([this, listing = std::weak_ptr<unsigned>(listing_), step = ++*listing_] {
        const auto current = listing.lock();
        if (current && *current == step) {
            ShowAll();
        }
    });
}

void BookOutlineController::ShowAll()
{
    ++*listing_;
    view_->ClearOutline();
    view_->BeginUpdate();
    std::uint32_t next = 1;
    model_.GetStoryGraph().VisitSections([&](const Section& section) {
        for (; next < section.number; ++next) {
            ShowEmptySlot(next);
        }
        ShowSection(section);
        next = section.number + 1;
    });
    view_->EndUpdate();
    if (selection_.GetCurrentSection() != NoSection) {
        view_->SelectOutlineEntry(selection_.GetCurrentSection());
    }
}

void BookOutlineController::ShowSection(const Section& section)
{
    const std::wstring label = SectionLabel(section);
    const std::wstring text = std::to_wstring(section.number) + (label.empty() ? L"" : L" - " + label);
    view_->SetOutlineEntry(section.number, text, section.backgroundColour, true);
}

void BookOutlineController::ShowEmptySlot(std::uint32_t number)
{
    view_->SetOutlineEntry(number, Messages::TranslatedWide(BRINDLE_TEXT("Outline", "%1 <Empty>").Arg(number)), {255, 255, 255}, false);
}

void BookOutlineController::SelectIfCurrent(std::uint32_t oldNumber, std::uint32_t shown)
{
    if (oldNumber == selection_.GetCurrentSection()) {
        view_->SelectOutlineEntry(shown);
    }
}

}  // namespace TarnViewModel
