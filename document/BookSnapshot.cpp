// SPDX-License-Identifier: MIT
#include "document/BookSnapshot.h"

#include <stdexcept>
#include <string>

namespace TarnViewModel {

BookSnapshot::BookSnapshot(Contents contents, Origin origin) : contents_(std::move(contents)), origin_(origin)
{
    if (contents_.choiceCounts.size() != contents_.sections.size()) {
        throw std::invalid_argument("A book's copy needs a count of choices for every section.");
    }
    firstChoice_.reserve(contents_.sections.size() + 1);
    std::size_t next = 0;
    for (std::size_t count : contents_.choiceCounts) {
        firstChoice_.push_back(next);
        next += count;
    }
    firstChoice_.push_back(next);
    if (next != contents_.choices.size()) {
        throw std::invalid_argument("A book's copy counts other choices than it holds.");
    }
    indexOf_.assign(contents_.sections.empty() ? 0 : contents_.sections.back()->number + 1, NoIndex);
    for (std::size_t index = 0; index < contents_.sections.size(); ++index) {
        const std::uint32_t number = contents_.sections[index]->number;
        if (index > 0 && number <= contents_.sections[index - 1]->number) {
            throw std::invalid_argument("A book's copy lists its sections out of order.");
        }
        indexOf_[number] = static_cast<std::uint32_t>(index);
    }
}

std::shared_ptr<const BookSnapshot> BookSnapshot::Of(const StoryGraph& graph, Contents bookWide, Origin origin, const BookSnapshot* earlier)
{
    bookWide.sections.reserve(graph.SectionCount());
    bookWide.choiceCounts.reserve(graph.SectionCount());
    graph.VisitSections([&bookWide, &graph, earlier](const Section& section) {
        // Comparing reads memory already in use; copying a whole book's texts would fault in as
        // much again, the longest part of a snapshot.
        const bool kept = earlier && earlier->HasSection(section.number);
        const std::shared_ptr<const Section>* same = kept ? &earlier->SharedSection(section.number) : nullptr;
        bookWide.sections.push_back(same && **same == section ? *same : std::make_shared<const Section>(section));
        const std::size_t first = bookWide.choices.size();
        graph.CopySectionChoices(section.number, bookWide.choices);
        bookWide.choiceCounts.push_back(bookWide.choices.size() - first);
    });
    return std::make_shared<const BookSnapshot>(std::move(bookWide), origin);
}

std::shared_ptr<const BookSnapshot> BookSnapshot::Of(const BookFileContents& file)
{
    return Of(file.graph,
              {file.title, file.details, file.footer, file.choiceFormat, file.newPagePerSection, FontsOfStyles(file.fonts), {}, {}, {}},
              {});
}

const CommonLib::Font& BookSnapshot::GetFont(CommonLib::FontType type) const
{
    return contents_.fonts.at(static_cast<std::size_t>(type));
}

bool BookSnapshot::HasSection(std::uint32_t number) const
{
    return number < indexOf_.size() && indexOf_[number] != NoIndex;
}

std::size_t BookSnapshot::IndexOf(std::uint32_t number) const
{
    if (!HasSection(number)) {
        throw std::out_of_range("The book has no section " + std::to_string(number) + ".");
    }
    return indexOf_[number];
}

const Section& BookSnapshot::GetSection(std::uint32_t number) const
{
    return *contents_.sections[IndexOf(number)];
}

const std::shared_ptr<const Section>& BookSnapshot::SharedSection(std::uint32_t number) const
{
    return contents_.sections[IndexOf(number)];
}

std::int32_t BookSnapshot::FirstSectionNumber() const
{
    return contents_.sections.empty() ? -1 : static_cast<std::int32_t>(contents_.sections.front()->number);
}

std::uint32_t BookSnapshot::LastSectionNumber() const
{
    return contents_.sections.empty() ? 0 : contents_.sections.back()->number;
}

void BookSnapshot::VisitSections(const std::function<void(const Section&)>& callback) const
{
    for (const auto& section : contents_.sections) {
        callback(*section);
    }
}

std::uint32_t BookSnapshot::ChoiceCount(std::uint32_t number) const
{
    return static_cast<std::uint32_t>(contents_.choiceCounts[IndexOf(number)]);
}

bool BookSnapshot::HasChoices(std::uint32_t number, bool includeHidden) const
{
    const std::size_t index = IndexOf(number);
    for (std::size_t choice = firstChoice_[index]; choice < firstChoice_[index + 1]; ++choice) {
        if (includeHidden || !contents_.choices[choice].hidden) {
            return true;
        }
    }
    return false;
}

void BookSnapshot::VisitSectionChoices(std::uint32_t number, bool descending, const std::function<void(const Choice&)>& callback) const
{
    const std::size_t index = IndexOf(number);
    const std::size_t first = firstChoice_[index];
    const std::size_t end = firstChoice_[index + 1];
    for (std::size_t step = 0; step < end - first; ++step) {
        callback(contents_.choices[descending ? end - 1 - step : first + step]);
    }
}

BookFonts DefaultBookFonts()
{
    return {CommonLib::Font{L"Cambria", 10}, CommonLib::Font{L"Cambria", 13}, CommonLib::Font{L"Cambria", 36},
            CommonLib::Font{L"Consolas", 8}};
}

BookFonts FontsOfStyles(const std::vector<std::pair<CommonLib::FontType, CommonLib::Font>>& styles)
{
    BookFonts fonts = DefaultBookFonts();
    for (const auto& [type, font] : styles) {
        fonts.at(static_cast<std::size_t>(type)) = font;
        if (type == CommonLib::FontType::MainBook) {
            fonts[static_cast<std::size_t>(CommonLib::FontType::SectionNumber)] = CommonLib::Font{font.faceName, font.size + 3};
        }
    }
    return fonts;
}

}  // namespace TarnViewModel
