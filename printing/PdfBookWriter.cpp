// SPDX-License-Identifier: MIT
#include "printing/PdfBookWriter.h"

#include "printing/PdfPages.h"

#include <QBuffer>
#include <QPdfWriter>

#include <algorithm>

namespace Printing {

namespace {

// Device units per inch: ten to the point, fine enough for placing glyphs.
constexpr int Resolution = 720;

// A font as the book names it; a size no printed page can take is brought into range.
QFont PrintFont(const CommonLib::Font& font, bool bold)
{
    QFont printed(QString::fromStdWString(font.faceName));
    printed.setStyleHint(QFont::Serif);
    printed.setPointSizeF(std::clamp(font.size, 4, 96));
    printed.setBold(bold);
    return printed;
}

// The text as it is laid out: line breaks of any kind break the line within the paragraph,
// control characters print nothing, and a value that is no character prints as the
// replacement character.
QString LaidOutText(const std::wstring& text)
{
    QString laidOut;
    laidOut.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto code = static_cast<char32_t>(text[index]);
        if (code == U'\r' && index + 1 < text.size() && text[index + 1] == L'\n') {
            laidOut += QChar(QChar::LineSeparator);
            ++index;
        } else if (code == U'\r' || code == U'\n') {
            laidOut += QChar(QChar::LineSeparator);
        } else if ((code < 0x20 && code != U'\t') || (code >= 0x7F && code < 0xA0)) {
            continue;
        } else if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            laidOut += QChar(QChar::ReplacementCharacter);
        } else {
            laidOut += QString::fromUcs4(&code, 1);
        }
    }
    return laidOut;
}

bool IsBlank(const std::wstring& text)
{
    return LaidOutText(text).trimmed().isEmpty();
}

class BookPrinter {
public:
    BookPrinter(const PrintedBook& book, QPdfWriter& writer, const PageSetup& setup)
        : book_(book), main_(PrintFont(book.fonts[0], false)), number_(PrintFont(book.fonts[1], true)),
          header_(PrintFont(book.fonts[2], true)), pages_(writer, setup.margin, PrintFont(book.fonts[3], false), LaidOutText(book.footer)),
          line_(pages_.LineHeight(main_))
    {}

    void PrintTitle()
    {
        if (!IsBlank(book_.title)) {
            pages_.Place(*pages_.Layout(LaidOutText(book_.title), header_, Qt::AlignHCenter));
        }
        if (!IsBlank(book_.author)) {
            pages_.Skip(line_);
            pages_.Place(*pages_.Layout(LaidOutText(book_.author), main_, Qt::AlignHCenter));
        }
    }

    void PrintSection(const PrintedSection& section)
    {
        if (book_.newPagePerSection) {
            pages_.NewPageUnlessEmpty();
        } else {
            pages_.Skip(2 * line_);
        }
        const auto heading = pages_.Layout(QString::number(section.number), number_, Qt::AlignHCenter);
        // A heading never ends a page: its first line of text goes with it.
        pages_.KeepTogether(heading->boundingRect().height() + line_ / 2 + line_);
        pages_.MarkDestination(section.number);
        pages_.Place(*heading);
        pages_.Skip(line_ / 2);
        for (std::size_t index = 0; index < section.paragraphs.size(); ++index) {
            if (index != 0) {
                pages_.Skip(line_ / 3);
            }
            pages_.Place(*pages_.Layout(LaidOutText(section.paragraphs[index]), main_, Qt::AlignJustify));
        }
        if (!section.choices.empty()) {
            pages_.Skip(line_ / 2);
        }
        for (const PrintedChoice& choice : section.choices) {
            PrintChoice(choice);
        }
    }

    void Finish() { pages_.Finish(); }
    const PdfPages& Pages() const { return pages_; }

private:
    void PrintChoice(const PrintedChoice& choice)
    {
        const TarnViewModel::FormattedChoice& formatted = choice.formatted;
        std::vector<PdfPages::LinkSpan> links;
        if (formatted.hasDestination && Exists(choice.destination)) {
            const auto start = static_cast<int>(LaidOutText(formatted.text.substr(0, formatted.destinationPosition)).size());
            const auto length =
                static_cast<int>(LaidOutText(formatted.text.substr(formatted.destinationPosition, formatted.destinationLength)).size());
            links.push_back({start, start + length, choice.destination});
        }
        pages_.Place(*pages_.Layout(LaidOutText(formatted.text), main_, Qt::AlignLeft), links);
    }

    bool Exists(std::uint32_t number) const
    {
        return std::binary_search(book_.sections.begin(), book_.sections.end(), number,
                                  [](const auto& left, const auto& right) { return Number(left) < Number(right); });
    }

    static std::uint32_t Number(std::uint32_t number) { return number; }
    static std::uint32_t Number(const PrintedSection& section) { return section.number; }

    const PrintedBook& book_;
    QFont main_;
    QFont number_;
    QFont header_;
    PdfPages pages_;
    double line_;
};

}  // namespace

std::optional<std::string> WritePdfBook(const PrintedBook& book, const PageSetup& setup, const PrintProgress& progress,
                                        std::stop_token stop)
{
    CheckPageSetup(setup);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::vector<PdfLink> links;
    std::vector<PdfDestination> destinations;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        QPageLayout layout(QtPageSize(setup.paper), QPageLayout::Portrait, QMarginsF());
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        writer.setTitle(QString::fromStdWString(book.title));
        writer.setCreator(QStringLiteral("Brindle Story Studio"));
        BookPrinter printer(book, writer, setup);
        printer.PrintTitle();
        for (std::size_t index = 0; index < book.sections.size(); ++index) {
            if (stop.stop_requested()) {
                return std::nullopt;
            }
            printer.PrintSection(book.sections[index]);
            if (progress) {
                progress(index + 1, book.sections.size());
            }
        }
        printer.Finish();
        links = printer.Pages().Links();
        destinations = printer.Pages().Destinations();
    }
    const QByteArray& pdf = buffer.data();
    return WithLinks(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), links, destinations, book.author,
                     book.language);
}

}  // namespace Printing
