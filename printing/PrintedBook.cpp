// SPDX-License-Identifier: MIT
#include "printing/PrintedBook.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"

namespace Printing {

PrintedBook CopyPrintedBook(const TarnViewModel::BookSnapshot& book)
{
    PrintedBook printedBook;
    printedBook.title = book.GetTitle();
    printedBook.author = book.GetDetails().author;
    printedBook.language = book.GetDetails().language;
    printedBook.footer = book.GetFooter();
    printedBook.fonts = book.GetFonts();
    printedBook.newPagePerSection = book.GetNewPagePerSection();
    printedBook.sections.reserve(book.SectionCount());
    book.VisitSections([&](const TarnViewModel::Section& section) {
        PrintedSection printed{section.number, TarnViewModel::PiecesBetweenLineBreaks(section.text), {}};
        book.VisitSectionChoices(section.number, false, [&](const TarnViewModel::Choice& choice) {
            if (!choice.hidden) {
                printed.choices.push_back(
                    {TarnViewModel::FormatChoice(choice.text, choice.destination, book.GetChoiceFormat()), choice.destination});
            }
        });
        printedBook.sections.push_back(std::move(printed));
    });
    return printedBook;
}

}  // namespace Printing
