// SPDX-License-Identifier: MIT
#include "export/JsonExporter.h"

#include "document/BookSnapshot.h"
#include "export/ExportText.h"
#include "export/JsonTextWriter.h"

#include <boost/property_tree/json_parser.hpp>

namespace TarnViewModel {

void JsonExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    JsonTextWriter writer;
    writer.StartObject(nullptr);
    writer.StartObject("book");
    writer.Member("version", "2");
    writer.Member("title", Utf8(book.GetTitle()));
    if (book.SectionCount() == 0) {
        writer.EmptyArray("sections");
    } else {
        writer.StartArray("sections");
        book.VisitSections([&](const Section& section) {
            writer.StartObject(nullptr);
            writer.Member("number", std::to_string(section.number));
            writer.Member("text", Utf8(ReducedLineBreaks(section.text)));
            if (book.HasChoices(section.number, true)) {
                writer.StartArray("choices");
                book.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
                    writer.StartObject(nullptr);
                    writer.Member("text", Utf8(ReducedLineBreaks(choice.text)));
                    writer.Member("destination", std::to_string(choice.destination));
                    writer.Member("hidden", choice.hidden ? "true" : "false");
                    writer.End();
                });
                writer.End();
            }
            writer.End();
        });
        writer.End();
    }
    writer.Member("footer", Utf8(ReducedLineBreaks(book.GetFooter())));
    writer.End();
    writer.End();
    output << writer.Text();
    if (!output.good()) {
        throw boost::property_tree::json_parser_error("write error", "", 0);
    }
}

}  // namespace TarnViewModel
