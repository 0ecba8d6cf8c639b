// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"

#include "document/BookLimits.h"
#include "document/BookSize.h"
#include "document/ChoiceTemplates.h"
#include "document/LanguageTag.h"
#include "document/SectionNumbers.h"
#include "graph/TarnDataModelException.h"

#include <boost/locale/encoding_utf.hpp>

#include <algorithm>
#include <utility>

namespace TarnViewModel {

void TarnDataModel::RaiseEmptySlotsAdded(std::uint32_t from, std::uint32_t to)
{
    for (std::uint32_t number = from; number < to; ++number) {
        emptySlotAdded_(number);
    }
}

// Every number from the old highest, `highest`, down to just above the new highest.
void TarnDataModel::RaiseEmptySlotsRemovedDownTo(std::uint32_t highest)
{
    const std::uint32_t newHighest = graph_.LastSectionNumber();
    for (std::uint32_t number = highest; number > newHighest; --number) {
        emptySlotRemoved_(number);
    }
}

void TarnDataModel::AddSection(const Section& section)
{
    if (graph_.HasSection(section.number)) {
        throw TarnDataModelException(BRINDLE_TEXT("TarnDataModel", "Section with this number already exists"));
    }
    const std::uint64_t size = SizeInFile(section);
    CheckGrowth(static_cast<std::int64_t>(size));
    bulkChangeBegins_();
    RaiseEmptySlotsAdded(graph_.LastSectionNumber() + 1, section.number);
    graph_.AddSection(section);
    partsSize_ += size;
    MarkModified();
    sectionAdded_(section);
    bulkChangeEnds_();
}

void TarnDataModel::DeleteSection(const Section& section)
{
    const Section stored = graph_.GetSection(section.number);
    bool attached = false;
    graph_.VisitChoicesOfSections({section.number}, [&attached](const Choice&) { attached = true; });
    if (attached) {
        // Removing it would leave choices that lead nowhere.
        throw TarnDataModelException(BRINDLE_TEXT("TarnDataModel", "Section cannot be deleted while choices lead from or into it"));
    }
    bulkChangeBegins_();
    const std::uint32_t highest = graph_.LastSectionNumber();
    graph_.DeleteSection(stored.number);
    partsSize_ -= SizeInFile(stored);
    MarkModified();
    sectionDeleted_(stored);
    if (stored.number == highest) {
        RaiseEmptySlotsRemovedDownTo(highest);
    }
    bulkChangeEnds_();
}

void TarnDataModel::AddChoice(const Choice& choice)
{
    if (graph_.HasSection(choice.source)) {
        CheckRoomForChoice(choice.source, graph_.ChoiceCount(choice.source));
    }
    const std::uint64_t size = SizeInFile(choice);
    CheckGrowth(static_cast<std::int64_t>(size));
    graph_.AddChoice(choice);
    partsSize_ += size;
    MarkModified();
    choiceAdded_(choice);
}

void TarnDataModel::DeleteChoice(const Choice& choice, ChoiceDeleteCause cause)
{
    const std::uint64_t size = SizeInFile(graph_.GetChoice(choice.id));
    graph_.DeleteChoice(choice.id);
    partsSize_ -= size;
    MarkModified();
    choiceDeleted_(choice, cause);
}

void TarnDataModel::UpdateChoice(const Choice& from, const Choice& to)
{
    const std::uint64_t before = SizeInFile(graph_.GetChoice(from.id));
    const std::uint64_t after = SizeInFile(to);
    CheckGrowth(static_cast<std::int64_t>(after) - static_cast<std::int64_t>(before));
    graph_.UpdateChoice(from.id, to);
    partsSize_ = partsSize_ - before + after;
    MarkModified();
    choiceUpdated_(from, to, ChoiceProperty::Any, ChoiceUpdateReason::ChoiceChanged);
}

void TarnDataModel::BeginBulkChange()
{
    bulkChangeBegins_();
}

void TarnDataModel::EndBulkChange()
{
    bulkChangeEnds_();
}

template <class Change>
void TarnDataModel::UpdateStoredSection(std::uint32_t number, SectionProperty property, Change change)
{
    Section section = graph_.GetSection(number);
    const std::uint64_t before = SizeInFile(section);
    change(section);
    const std::uint64_t after = SizeInFile(section);
    CheckGrowth(static_cast<std::int64_t>(after) - static_cast<std::int64_t>(before));
    graph_.UpdateSection(number, section);
    partsSize_ = partsSize_ - before + after;
    MarkModified();
    sectionUpdated_(number, section, property);
}

void TarnDataModel::SetSectionSummary(std::uint32_t number, const std::wstring& summary)
{
    UpdateStoredSection(number, SectionProperty::Summary, [&](Section& s) { s.summary = summary; });
}

void TarnDataModel::SetSectionText(std::uint32_t number, const std::wstring& text)
{
    UpdateStoredSection(number, SectionProperty::Text, [&](Section& s) { s.text = text; });
}

void TarnDataModel::SetSectionShiftable(std::uint32_t number, bool shiftable)
{
    UpdateStoredSection(number, SectionProperty::Shiftable, [&](Section& s) { s.shiftable = shiftable; });
}

void TarnDataModel::SetSectionBackgroundColour(std::uint32_t number, CommonLib::ColourUtilities::RGBColour colour)
{
    UpdateStoredSection(number, SectionProperty::BackgroundColour, [&](Section& s) { s.backgroundColour = colour; });
}

void TarnDataModel::SetSectionNumber(std::uint32_t from, std::uint32_t to)
{
    if (from == to) {
        return;
    }
    CheckSectionNumber(to);
    Section section = graph_.GetSection(from);

    bulkChangeBegins_();
    const bool swap = graph_.HasSection(to);
    std::vector<std::uint32_t> affected{from};
    if (swap) {
        affected.push_back(to);
    }
    auto mapped = [from, to](std::uint32_t number) { return number == from ? to : number == to ? from : number; };
    std::vector<std::pair<Choice, Choice>> moved;
    graph_.VisitChoicesOfSections(affected, [&](const Choice& before) {
        Choice after = before;
        after.source = mapped(before.source);
        after.destination = mapped(before.destination);
        moved.emplace_back(before, after);
    });
    // Listeners insert re-announced choices by position, so they come back section by
    // section in ascending order and go away in the reverse.
    std::sort(moved.begin(), moved.end(), [](const auto& x, const auto& y) {
        return std::pair(x.second.source, x.second.order) < std::pair(y.second.source, y.second.order);
    });
    for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
        choiceDeleted_(it->first, ChoiceDeleteCause::Deleted);
    }

    section.number = to;
    if (!swap) {
        emptySlotAdded_(from);
        const std::uint32_t highest = graph_.LastSectionNumber();
        RaiseEmptySlotsAdded(highest + 1, to);
        graph_.UpdateSection(from, section);
        if (from == highest) {
            RaiseEmptySlotsRemovedDownTo(highest);
        }
        MarkModified();
        sectionUpdated_(from, section, SectionProperty::Number);
    } else {
        graph_.UpdateSection(from, section);
        MarkModified();
        sectionsSwapped_(section, Section(graph_.GetSection(from)));
    }
    for (const auto& pair : moved) {
        choiceAdded_(pair.second);
    }
    bulkChangeEnds_();
}

void TarnDataModel::SetTitle(const std::wstring& title)
{
    CheckBookWideGrowth(LineSizeInFile(title_), LineSizeInFile(title));
    title_ = title;
    MarkModified();
    titleChanged_(title_);
}

void TarnDataModel::SetAuthor(const std::wstring& author)
{
    CheckBookWideGrowth(LineSizeInFile(details_.author), LineSizeInFile(author));
    details_.author = author;
    MarkModified();
    detailsChanged_(details_);
}

void TarnDataModel::SetLanguage(const std::wstring& language)
{
    if (!IsLanguageTag(language)) {
        throw TarnDataModelException(
            BRINDLE_TEXT("TarnDataModel", "\"%1\" is not a language tag. Write one such as \"en\", \"en-GB\" or \"fr-CA\".").Arg(language));
    }
    CheckBookWideGrowth(LineSizeInFile(details_.language), LineSizeInFile(language));
    details_.language = language;
    MarkModified();
    detailsChanged_(details_);
}

void TarnDataModel::SetFooter(const std::wstring& footer)
{
    CheckBookWideGrowth(ParagraphsSizeInFile(footer_), ParagraphsSizeInFile(footer));
    footer_ = footer;
    MarkModified();
    footerChanged_(footer_);
}

void TarnDataModel::SetNewPagePerSection(bool newPage)
{
    newPagePerSection_ = newPage;
    MarkModified();
    newPagePerSectionChanged_(newPage);
}

void TarnDataModel::SetFont(CommonLib::FontType type, const CommonLib::Font& font)
{
    // Only three of the four styles are written; the section numbers' follows the text's.
    if (type != CommonLib::FontType::SectionNumber) {
        CheckBookWideGrowth(FontNameSizeInFile(GetFont(type).faceName), FontNameSizeInFile(font.faceName));
    }
    fonts_[type] = font;
    MarkModified();
    fontChanged_(font, type);
}

void TarnDataModel::SetChoiceFormat(const std::wstring& format)
{
    CheckBookWideGrowth(LineSizeInFile(choiceFormat_), LineSizeInFile(format));
    bulkChangeBegins_();
    choiceFormat_ = format;
    graph_.VisitChoices(
        [this](const Choice& choice) { choiceUpdated_(choice, choice, ChoiceProperty::Any, ChoiceUpdateReason::FormatChanged); });
    const ChoiceTemplate changed{ChoiceTemplateName(format, details_.language), format};
    MarkModified();
    choiceFormatChanged_(changed);
    bulkChangeEnds_();
}

}  // namespace TarnViewModel
