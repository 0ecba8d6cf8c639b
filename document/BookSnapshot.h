// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookDetails.h"
#include "document/BookFileContents.h"
#include "document/Font.h"
#include "graph/Choice.h"
#include "graph/Section.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace TarnViewModel {

// By FontType.
using BookFonts = std::array<CommonLib::Font, 4>;

// The whole book as it was at one moment: what its file holds, in the order the file lists
// it. Made once on the window's thread, never changed, and shared by every job that reads
// the book on any thread: save, autosave, export and printing. Flat lists copy several times
// faster than the story graph with its indexes.
class BookSnapshot {
public:
    struct Contents {
        std::wstring title;
        BookDetails details;
        std::wstring footer;
        std::wstring choiceFormat;
        bool newPagePerSection = false;
        BookFonts fonts;
        // Ascending by number. A section unchanged since an earlier snapshot is shared with it,
        // so that a snapshot of a book being written copies only what was written.
        std::vector<std::shared_ptr<const Section>> sections;
        // How many choices each section has, and all the choices, section after section, each
        // section's in its order.
        std::vector<std::size_t> choiceCounts;
        std::vector<Choice> choices;
    };

    // Which book the snapshot was taken of and the state of its edits then, so that a save
    // that ends later marks saved what it wrote and nothing newer.
    struct Origin {
        std::uint64_t book = 0;
        std::uint64_t state = 0;
        std::uint64_t revision = 0;

        bool operator==(const Origin&) const = default;
    };

    BookSnapshot(Contents contents, Origin origin);
    // The book of the graph with the book-wide values of the contents, whose lists are left
    // empty; the sections that are as they were in the earlier snapshot are shared with it.
    static std::shared_ptr<const BookSnapshot> Of(const StoryGraph& graph, Contents bookWide, Origin origin,
                                                  const BookSnapshot* earlier = nullptr);
    // The book a file holds, as it opens.
    static std::shared_ptr<const BookSnapshot> Of(const BookFileContents& file);

    const std::wstring& GetTitle() const { return contents_.title; }
    const BookDetails& GetDetails() const { return contents_.details; }
    const std::wstring& GetFooter() const { return contents_.footer; }
    const std::wstring& GetChoiceFormat() const { return contents_.choiceFormat; }
    bool GetNewPagePerSection() const { return contents_.newPagePerSection; }
    const CommonLib::Font& GetFont(CommonLib::FontType type) const;
    const BookFonts& GetFonts() const { return contents_.fonts; }
    const Origin& GetOrigin() const { return origin_; }

    std::uint32_t SectionCount() const { return static_cast<std::uint32_t>(contents_.sections.size()); }
    bool HasSection(std::uint32_t number) const;
    // Throws std::out_of_range for a number no section has.
    const Section& GetSection(std::uint32_t number) const;
    // -1 for a book without sections.
    std::int32_t FirstSectionNumber() const;
    std::uint32_t LastSectionNumber() const;
    // In ascending order of number.
    void VisitSections(const std::function<void(const Section&)>& callback) const;
    std::uint32_t ChoiceCount(std::uint32_t number) const;
    bool HasChoices(std::uint32_t number, bool includeHidden) const;
    // The section's choices in their order, or the reverse.
    void VisitSectionChoices(std::uint32_t number, bool descending, const std::function<void(const Choice&)>& callback) const;

private:
    static constexpr std::uint32_t NoIndex = 0xFFFFFFFFu;

    // The index into the lists of the section with the number; throws when there is none.
    std::size_t IndexOf(std::uint32_t number) const;

    Contents contents_;
    Origin origin_;
    const std::shared_ptr<const Section>& SharedSection(std::uint32_t number) const;

    // Where each section's choices start in the list of choices, and one past the last.
    std::vector<std::size_t> firstChoice_;
    // By number: the section's index in the lists, or NoIndex.
    std::vector<std::uint32_t> indexOf_;
};

using SharedBook = std::shared_ptr<const BookSnapshot>;

// A new book's fonts, by FontType.
BookFonts DefaultBookFonts();
// The fonts a book file's styles give over the defaults: a later style of a role wins, and
// the section numbers' follows the text's, larger.
BookFonts FontsOfStyles(const std::vector<std::pair<CommonLib::FontType, CommonLib::Font>>& styles);

}  // namespace TarnViewModel
