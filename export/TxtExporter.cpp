// SPDX-License-Identifier: MIT
#include "export/TxtExporter.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"
#include "export/FormatChoice.h"

namespace TarnViewModel {

void TxtExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    output << Utf8(book.GetTitle());
    book.VisitSections([&](const Section& section) {
        output << "\n\n" << section.number << '\n' << Utf8(ReducedLineBreaks(section.text));
        book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            if (!choice.hidden) {
                const auto formatted = FormatChoice(choice.text, choice.destination, book.GetChoiceFormat());
                output << '\n' << Utf8(ReducedLineBreaks(formatted.text));
            }
        });
    });
    output << "\n\n\n" << Utf8(ReducedLineBreaks(book.GetFooter()));
}

}  // namespace TarnViewModel
