// SPDX-License-Identifier: MIT
#include "controllers/SectionControllers.h"

#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "messages/Translator.h"

namespace TarnViewModel {

namespace {

// Both panes show the current section's number, which a swap may have changed.
template <typename View>
void FollowSwap(const SectionSelection& selection, View* view, const Section& a, const Section& b)
{
    if (b.number == selection.GetCurrentSection()) {
        view->ShowSectionNumber(a.number);
    }
    if (a.number == selection.GetCurrentSection()) {
        view->ShowSectionNumber(b.number);
    }
}

}  // namespace

SectionDetailsController::SectionDetailsController(TarnDataModel& model, SectionSelection& selection, ISectionView* view)
    : model_(model), selection_(selection), view_(view)
{
    connections_.emplace_back(model_.ConnectBookReset([this] { view_->ClearSection(); }));
    connections_.emplace_back(selection_.ConnectSectionSelected([this](const Section& section) {
        view_->EnableEditing(true);
        view_->ShowSection(section.number, section.text);
    }));
    connections_.emplace_back(selection_.ConnectSectionDeselected([this](std::uint32_t number) {
        view_->EnableEditing(false);
        view_->ShowSection(number, L"");
    }));
    connections_.emplace_back(
        model_.ConnectSectionUpdated([this](std::uint32_t oldNumber, const Section& section, SectionProperty property) {
            if (oldNumber != selection_.GetCurrentSection()) {
                return;
            }
            switch (property) {
            case SectionProperty::Number:
                view_->ShowSectionNumber(section.number);
                break;
            case SectionProperty::Text:
                view_->ShowSectionText(section.text);
                break;
            case SectionProperty::BackgroundColour:
                view_->ShowSectionColour(section.backgroundColour);
                break;
            default:
                break;
            }
        }));
    connections_.emplace_back(model_.ConnectCommitPendingEdits([this] { view_->CommitText(); }));
    connections_.emplace_back(
        model_.ConnectSectionsSwapped([this](const Section& a, const Section& b) { FollowSwap(selection_, view_, a, b); }));
    connections_.emplace_back(model_.ConnectFontChanged([this](const CommonLib::Font& font, CommonLib::FontType type) {
        if (type == CommonLib::FontType::MainBook) {
            view_->ShowTextFont(font);
        }
    }));
}

SectionPropertiesController::SectionPropertiesController(TarnDataModel& model, SectionSelection& selection, ISectionPropertiesView* view)
    : model_(model), selection_(selection), view_(view)
{
    connections_.emplace_back(model_.ConnectBookReset([this] { view_->ClearProperties(); }));
    connections_.emplace_back(selection_.ConnectSectionSelected([this](const Section& section) {
        view_->EnableProperties(true);
        view_->ShowSectionNumber(section.number);
        view_->ShowSummary(section.summary);
        view_->ShowShiftable(section.shiftable);
        view_->ShowSectionColour(section.backgroundColour);
    }));
    connections_.emplace_back(selection_.ConnectSectionDeselected([this](std::uint32_t number) {
        view_->EnableProperties(false);
        view_->ShowSectionNumber(number);
        view_->ShowSummary(Messages::TranslatedWide(BRINDLE_TEXT("SectionView", "Empty Section")));
    }));
    connections_.emplace_back(
        model_.ConnectSectionUpdated([this](std::uint32_t oldNumber, const Section& section, SectionProperty property) {
            if (oldNumber != selection_.GetCurrentSection()) {
                return;
            }
            switch (property) {
            case SectionProperty::Number:
                view_->ShowSectionNumber(section.number);
                break;
            case SectionProperty::Summary:
                view_->ShowSummary(section.summary);
                break;
            case SectionProperty::Shiftable:
                view_->ShowShiftable(section.shiftable);
                break;
            case SectionProperty::BackgroundColour:
                view_->ShowSectionColour(section.backgroundColour);
                break;
            default:
                break;
            }
        }));
    connections_.emplace_back(
        model_.ConnectSectionsSwapped([this](const Section& a, const Section& b) { FollowSwap(selection_, view_, a, b); }));
}

}  // namespace TarnViewModel
