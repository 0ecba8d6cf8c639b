// SPDX-License-Identifier: MIT
#include "export/EpubExporter.h"

#include "document/BookSnapshot.h"
#include "document/BookWording.h"
#include "export/ExportText.h"
#include "export/FormatChoice.h"
#include "export/ZipArchive.h"

#include <boost/uuid/uuid_io.hpp>

#include <algorithm>
#include <ctime>
#include <cwctype>
#include <vector>

namespace TarnViewModel {

namespace {

constexpr std::size_t NoDocument = static_cast<std::size_t>(-1);

std::string DocumentName(std::size_t document)
{
    return "sections-" + std::to_string(document + 1) + ".xhtml";
}

std::string Link(std::size_t document, std::uint32_t number)
{
    return DocumentName(document) + "#s" + std::to_string(number);
}

// The text as XHTML, its line breaks as breaks.
std::string Xhtml(const std::wstring& text)
{
    std::string xhtml;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(L'\n', start);
        xhtml += XmlEscaped(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) {
            return xhtml;
        }
        xhtml += "<br/>";
        start = end + 1;
    }
}

// A font family as a CSS string, whatever characters the name holds.
std::string CssString(const std::wstring& text)
{
    std::string quoted = "\"";
    for (const char character : Utf8(text)) {
        if (character == '"' || character == '\\') {
            quoted += '\\';
            quoted += character;
        } else if (static_cast<unsigned char>(character) >= 0x20 && character != 0x7F) {
            quoted += character;
        }
    }
    return quoted + "\"";
}

std::string Timestamp(std::time_t when)
{
    std::tm parts{};
    gmtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

// A package needs a title, and a reader lists the book under it.
std::wstring ShownTitle(const std::wstring& title, const std::wstring& language)
{
    const bool blank = std::all_of(title.begin(), title.end(), [](wchar_t character) { return std::iswspace(character); });
    return blank ? BookWordingFor(language).untitled : title;
}

// The start of an XHTML document up to its body; the navigation document goes without the
// style sheet.
std::string DocumentStart(const std::string& title, const std::string& language, bool styled = true)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\" lang=\"" +
           language + "\" xml:lang=\"" + language + "\">\n<head>\n<title>" + title + "</title>\n" +
           (styled ? "<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\"/>\n" : "") + "</head>\n<body>\n";
}

const std::string DocumentEnd = "</body>\n</html>\n";

class EpubBook {
public:
    explicit EpubBook(const BookSnapshot& book) : book_(book)
    {
        const BookDetails& details = book.GetDetails();
        title_ = XmlEscaped(ShownTitle(book.GetTitle(), details.language));
        language_ = XmlEscaped(details.language);
        documentOf_.assign(book_.LastSectionNumber() + 1, NoDocument);
        std::size_t index = 0;
        book_.VisitSections([&](const Section& section) { documentOf_[section.number] = index++ / EpubExporter::SectionsPerDocument; });
        documents_ = std::max<std::size_t>((index + EpubExporter::SectionsPerDocument - 1) / EpubExporter::SectionsPerDocument, 1);
    }

    std::vector<std::string> ContentDocuments() const
    {
        std::vector<std::string> documents(documents_);
        for (std::string& document : documents) {
            document = DocumentStart(title_, language_);
        }
        documents.front() += "<h1>" + title_ + "</h1>\n";
        if (!book_.GetDetails().author.empty()) {
            documents.front() += "<p class=\"author\">" + XmlEscaped(book_.GetDetails().author) + "</p>\n";
        }
        book_.VisitSections([&](const Section& section) { AddSection(section, documents[documentOf_[section.number]]); });
        std::string& last = documents.back();
        last += "<div class=\"footer\">\n";
        for (const std::wstring& piece : PiecesBetweenLineBreaks(book_.GetFooter())) {
            last += "<p>" + XmlEscaped(piece) + "</p>\n";
        }
        last += "</div>\n";
        for (std::string& document : documents) {
            document += DocumentEnd;
        }
        return documents;
    }

    std::string Navigation() const
    {
        std::string nav = DocumentStart(title_, language_, false) + "<nav epub:type=\"toc\" id=\"toc\">\n<h1>" + title_ + "</h1>\n<ol>\n";
        if (book_.SectionCount() == 0) {
            nav += "<li><a href=\"" + DocumentName(0) + "\">" + title_ + "</a></li>\n";
        }
        book_.VisitSections([&](const Section& section) {
            nav += "<li><a href=\"" + Link(documentOf_[section.number], section.number) + "\">" + std::to_string(section.number) +
                   "</a></li>\n";
        });
        return nav + "</ol>\n</nav>\n" + DocumentEnd;
    }

    std::string Package(const std::string& modified) const
    {
        const BookDetails& details = book_.GetDetails();
        std::string package = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"book-id\" xml:lang=\"" +
                              language_ +
                              "\">\n<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                              "<dc:identifier id=\"book-id\">urn:uuid:" +
                              boost::uuids::to_string(details.identifier) + "</dc:identifier>\n<dc:title>" + title_ + "</dc:title>\n";
        if (!details.author.empty()) {
            package += "<dc:creator>" + XmlEscaped(details.author) + "</dc:creator>\n";
        }
        package += "<dc:language>" + language_ + "</dc:language>\n<meta property=\"dcterms:modified\">" + modified +
                   "</meta>\n</metadata>\n<manifest>\n"
                   "<item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\"/>\n"
                   "<item id=\"style\" href=\"style.css\" media-type=\"text/css\"/>\n";
        for (std::size_t document = 0; document < documents_; ++document) {
            package += "<item id=\"sections-" + std::to_string(document + 1) + "\" href=\"" + DocumentName(document) +
                       "\" media-type=\"application/xhtml+xml\"/>\n";
        }
        package += "</manifest>\n<spine>\n";
        for (std::size_t document = 0; document < documents_; ++document) {
            package += "<itemref idref=\"sections-" + std::to_string(document + 1) + "\"/>\n";
        }
        return package + "</spine>\n</package>\n";
    }

private:
    void AddSection(const Section& section, std::string& document) const
    {
        const std::string number = std::to_string(section.number);
        document += "<section class=\"section\" id=\"s" + number + "\">\n<h2 class=\"sectionNumber\">" + number + "</h2>\n";
        for (const std::wstring& piece : PiecesBetweenLineBreaks(section.text)) {
            if (!piece.empty()) {
                document += "<p>" + XmlEscaped(piece) + "</p>\n";
            }
        }
        if (book_.HasChoices(section.number, false)) {
            document += "<ul class=\"choices\">\n";
            book_.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
                if (!choice.hidden) {
                    document += "<li>" + ChoiceLine(choice) + "</li>\n";
                }
            });
            document += "</ul>\n";
        }
        document += "</section>\n";
    }

    std::string ChoiceLine(const Choice& choice) const
    {
        const auto formatted = FormatChoice(ReducedLineBreaks(choice.text), choice.destination, book_.GetChoiceFormat());
        const bool linked =
            formatted.hasDestination && choice.destination < documentOf_.size() && documentOf_[choice.destination] != NoDocument;
        if (!linked) {
            return Xhtml(formatted.text);
        }
        const std::wstring& text = formatted.text;
        return Xhtml(text.substr(0, formatted.destinationPosition)) + "<a href=\"" +
               Link(documentOf_[choice.destination], choice.destination) + "\">" +
               Xhtml(text.substr(formatted.destinationPosition, formatted.destinationLength)) + "</a>" +
               Xhtml(text.substr(formatted.destinationPosition + formatted.destinationLength));
    }

    const BookSnapshot& book_;
    std::string title_;
    std::string language_;
    // The content document holding each number's section, by number.
    std::vector<std::size_t> documentOf_;
    std::size_t documents_ = 1;
};

std::string StyleSheet(const std::array<CommonLib::Font, 4>& fonts, bool newPagePerSection)
{
    const auto font = [](const CommonLib::Font& font, const char* generic) {
        return "  font-family: " + CssString(font.faceName) + ", " + generic + ";\n  font-size: " + FontSizeText(font.size) + "pt;\n";
    };
    const auto& [main, number, header, footer] = fonts;
    std::string css = "body\n{\n" + font(main, "serif") + "}\nh1\n{\n  text-align: center;\n" + font(header, "serif") +
                      "}\n.author\n{\n  text-align: center;\n}\n.sectionNumber\n{\n" + font(number, "serif") +
                      "  text-align: center;\n}\n.choices\n{\n  list-style: none;\n  padding: 0;\n}\n.footer\n{\n" + font(footer, "serif") +
                      "  font-style: italic;\n  text-align: center;\n}\n";
    if (newPagePerSection) {
        css += ".section\n{\n  page-break-before: always;\n}\n";
    }
    return css;
}

const std::string Container = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
                              "<rootfiles>\n"
                              "<rootfile full-path=\"EPUB/package.opf\" media-type=\"application/oebps-package+xml\"/>\n"
                              "</rootfiles>\n"
                              "</container>\n";

}  // namespace

EpubExporter::EpubExporter(const std::array<CommonLib::Font, 4>& fonts, bool newPagePerSection,
                           std::chrono::system_clock::time_point modified)
    : fonts_(fonts), newPagePerSection_(newPagePerSection), modified_(modified)
{}

void EpubExporter::Export(const BookSnapshot& book, std::ostream& output)
{
    const std::time_t modified = std::chrono::system_clock::to_time_t(modified_);
    const EpubBook epub(book);
    ZipArchive archive(modified);
    // Readers recognise the format from the first entry, stored as it is.
    archive.AddStored("mimetype", "application/epub+zip");
    archive.AddCompressed("META-INF/container.xml", Container);
    archive.AddCompressed("EPUB/package.opf", epub.Package(Timestamp(modified)));
    archive.AddCompressed("EPUB/nav.xhtml", epub.Navigation());
    archive.AddCompressed("EPUB/style.css", StyleSheet(fonts_, newPagePerSection_));
    std::vector<std::string> documents = epub.ContentDocuments();
    for (std::size_t document = 0; document < documents.size(); ++document) {
        archive.AddCompressed("EPUB/" + DocumentName(document), std::move(documents[document]));
    }
    const std::string bytes = archive.Bytes();
    output.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace TarnViewModel
