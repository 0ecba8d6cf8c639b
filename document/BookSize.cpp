#include "document/BookSize.h"

#include "document/XmlTextWriter.h"

namespace TarnViewModel {

namespace {

// The markup around each part, taken at its widest: five-digit numbers, "false", a colour
// and every tab of indentation; a paragraph line at the deepest level, a choice's, with a
// ten-digit order and a text of spaces only; the book's own, with its styles, leaves a few
// hundred bytes over for the default font names that an imported story is given later.
constexpr std::uint64_t ParagraphMarkup = 40;
constexpr std::uint64_t SectionMarkup = 256;
constexpr std::uint64_t ChoiceMarkup = 160;
constexpr std::uint64_t BookMarkup = 1024;

}  // namespace

std::uint64_t LineSizeInFile(const std::wstring& text)
{
    return XmlTextWriter::EncodedSize(text);
}

// The line breaks themselves are counted as written, which they are not; that is the little
// more a text is given.
std::uint64_t ParagraphsSizeInFile(const std::wstring& text)
{
    std::uint64_t lines = 1;
    for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2)) {
        ++lines;
    }
    return XmlTextWriter::EncodedSize(text) + lines * ParagraphMarkup;
}

std::uint64_t SectionSizeInFile(const std::wstring& summary, const std::wstring& text)
{
    return SectionMarkup + LineSizeInFile(summary) + ParagraphsSizeInFile(text);
}

std::uint64_t ChoiceSizeInFile(const std::wstring& text)
{
    return ChoiceMarkup + ParagraphsSizeInFile(text);
}

std::uint64_t SizeInFile(const Section& section)
{
    return SectionSizeInFile(section.summary, section.text);
}

std::uint64_t SizeInFile(const Choice& choice)
{
    return ChoiceSizeInFile(choice.text);
}

std::uint64_t SizeInFile(const StoryGraph& graph)
{
    std::uint64_t size = 0;
    graph.VisitSections([&size](const Section& section) { size += SizeInFile(section); });
    graph.VisitChoices([&size](const Choice& choice) { size += SizeInFile(choice); });
    return size;
}

std::uint64_t BookWideSizeInFile(const std::wstring& title, const BookDetails& details, const std::wstring& footer,
                                 const std::wstring& choiceFormat, const std::vector<CommonLib::Font>& fonts)
{
    std::uint64_t size = BookMarkup + LineSizeInFile(title) + LineSizeInFile(details.author) + LineSizeInFile(details.language) +
                         LineSizeInFile(details.storyFormat) + LineSizeInFile(details.storyFormatVersion) +
                         ParagraphsSizeInFile(footer) + LineSizeInFile(choiceFormat);
    for (const CommonLib::Font& font : fonts) {
        size += LineSizeInFile(font.faceName);
    }
    return size;
}

}  // namespace TarnViewModel
