// SPDX-License-Identifier: MIT
#include "printing/PdfLinks.h"

#include "export/ExportException.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <optional>

namespace TarnGui {

namespace {

[[noreturn]] void Unexpected(const std::string& what)
{
    throw TarnViewModel::ExportException("The PDF could not be given its links: " + what + ".");
}

bool IsSpace(char character)
{
    return character == ' ' || character == '\n' || character == '\r' || character == '\t' || character == '\f' || character == '\0';
}

std::size_t SkipSpace(const std::string& text, std::size_t position)
{
    while (position < text.size() && IsSpace(text[position])) {
        ++position;
    }
    return position;
}

// The number at the position, and where it ends.
std::optional<std::pair<std::size_t, std::size_t>> NumberAt(const std::string& text, std::size_t position)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + position, text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + position) {
        return std::nullopt;
    }
    return std::make_pair(value, static_cast<std::size_t>(end - text.data()));
}

// The object number of a reference "N 0 R" at the position, and where it ends.
std::optional<std::pair<std::size_t, std::size_t>> ReferenceAt(const std::string& text, std::size_t position)
{
    const auto number = NumberAt(text, SkipSpace(text, position));
    if (!number) {
        return std::nullopt;
    }
    const auto generation = NumberAt(text, SkipSpace(text, number->second));
    if (!generation) {
        return std::nullopt;
    }
    const std::size_t mark = SkipSpace(text, generation->second);
    if (mark >= text.size() || text[mark] != 'R') {
        return std::nullopt;
    }
    return std::make_pair(number->first, mark + 1);
}

std::optional<std::size_t> Entry(const std::string& dictionary, const std::string& key)
{
    const std::size_t found = dictionary.find(key);
    if (found == std::string::npos) {
        return std::nullopt;
    }
    const auto reference = ReferenceAt(dictionary, found + key.size());
    if (reference) {
        return reference->first;
    }
    const auto number = NumberAt(dictionary, SkipSpace(dictionary, found + key.size()));
    return number ? std::optional(number->first) : std::nullopt;
}

std::string Points(double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return error == std::errc() ? std::string(text, end) : "0";
}

// A text string of any characters: UTF-16BE with its byte order mark, in hexadecimal.
std::string TextString(const std::wstring& text)
{
    std::string hex = "<FEFF";
    const auto append = [&hex](unsigned unit) {
        char digits[5];
        std::snprintf(digits, sizeof digits, "%04X", unit & 0xFFFF);
        hex += digits;
    };
    for (const wchar_t character : text) {
        auto code = static_cast<std::uint32_t>(character);
        if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            code = 0xFFFD;
        }
        if (code >= 0x10000) {
            append(0xD800 + ((code - 0x10000) >> 10));
            append(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            append(code);
        }
    }
    return hex + ">";
}

// The objects of a file with one classic cross-reference table, as Qt's writer makes them.
class PdfObjects {
public:
    explicit PdfObjects(const std::string& pdf) : pdf_(pdf)
    {
        const std::size_t start = pdf.rfind("startxref");
        const auto table = start == std::string::npos ? std::nullopt : NumberAt(pdf, SkipSpace(pdf, start + 9));
        if (!table || pdf.compare(table->first, 4, "xref") != 0) {
            Unexpected("it has no cross-reference table");
        }
        table_ = table->first;
        ReadTable(table_ + 4);
    }

    std::size_t Table() const { return table_; }
    std::size_t Size() const { return size_; }
    const std::string& Trailer() const { return trailer_; }

    // What is between "N 0 obj" and "endobj".
    std::string Body(std::size_t number) const
    {
        const auto offset = offsets_.find(number);
        const std::string opening = std::to_string(number) + " 0 obj";
        if (offset == offsets_.end() || pdf_.compare(offset->second, opening.size(), opening) != 0) {
            Unexpected("object " + std::to_string(number) + " is missing");
        }
        const std::size_t start = offset->second + opening.size();
        const std::size_t end = pdf_.find("endobj", start);
        if (end == std::string::npos) {
            Unexpected("object " + std::to_string(number) + " does not end");
        }
        return pdf_.substr(start, end - start);
    }

    // The page objects in page order.
    std::vector<std::size_t> Pages(std::size_t tree) const
    {
        std::vector<std::size_t> pages;
        AddPages(tree, pages, 0);
        return pages;
    }

private:
    void ReadTable(std::size_t position)
    {
        for (;;) {
            position = SkipSpace(pdf_, position);
            if (pdf_.compare(position, 7, "trailer") == 0) {
                const std::size_t end = pdf_.find(">>", position);
                trailer_ = pdf_.substr(position, end == std::string::npos ? std::string::npos : end - position);
                const auto size = Entry(trailer_, "/Size");
                if (!size) {
                    Unexpected("its trailer has no size");
                }
                size_ = *size;
                return;
            }
            const auto first = NumberAt(pdf_, position);
            const auto count = first ? NumberAt(pdf_, SkipSpace(pdf_, first->second)) : std::nullopt;
            if (!count) {
                Unexpected("its cross-reference table cannot be read");
            }
            position = SkipSpace(pdf_, count->second);
            for (std::size_t index = 0; index < count->first; ++index, position += 20) {
                const auto offset = NumberAt(pdf_, position);
                if (!offset || position + 18 > pdf_.size()) {
                    Unexpected("its cross-reference table cannot be read");
                }
                if (pdf_[position + 17] == 'n') {
                    offsets_[first->first + index] = offset->first;
                }
            }
        }
    }

    void AddPages(std::size_t node, std::vector<std::size_t>& pages, int depth) const
    {
        const std::string body = Body(node);
        const std::size_t kids = body.find("/Kids");
        if (kids == std::string::npos) {
            pages.push_back(node);
            return;
        }
        if (depth > 32) {
            Unexpected("its page tree is too deep");
        }
        std::size_t position = body.find('[', kids);
        const std::size_t end = body.find(']', kids);
        if (position == std::string::npos || end == std::string::npos) {
            Unexpected("its page tree cannot be read");
        }
        for (++position; position < end;) {
            const auto kid = ReferenceAt(body, position);
            if (!kid) {
                break;
            }
            AddPages(kid->first, pages, depth + 1);
            position = kid->second;
        }
    }

    const std::string& pdf_;
    std::size_t table_ = 0;
    std::size_t size_ = 0;
    std::string trailer_;
    std::map<std::size_t, std::size_t> offsets_;
};

// A dictionary's text with entries added before its end.
std::string WithEntries(const std::string& dictionary, const std::string& entries)
{
    const std::size_t end = dictionary.rfind(">>");
    if (end == std::string::npos) {
        Unexpected("a dictionary does not end");
    }
    return dictionary.substr(0, end) + entries + dictionary.substr(end);
}

std::string DestinationName(std::uint32_t section)
{
    return "/s" + std::to_string(section);
}

// The update: objects written after the file, then their cross-reference table and trailer.
class Update {
public:
    Update(std::size_t base, std::size_t next) : base_(base), next_(next) {}

    std::size_t Allocate() { return next_++; }

    void Write(std::size_t number, const std::string& body)
    {
        offsets_[number] = base_ + text_.size();
        text_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }

    std::string Finish(const std::string& trailerEntries)
    {
        const std::size_t table = base_ + text_.size();
        text_ += "xref\n";
        for (auto run = offsets_.begin(); run != offsets_.end();) {
            auto end = run;
            std::size_t count = 0;
            while (end != offsets_.end() && end->first == run->first + count) {
                ++end;
                ++count;
            }
            text_ += std::to_string(run->first) + " " + std::to_string(count) + "\n";
            for (; run != end; ++run) {
                char entry[21];
                std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", run->second);
                text_ += entry;
            }
        }
        text_ +=
            "trailer\n<<\n/Size " + std::to_string(next_) + "\n" + trailerEntries + ">>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
        return std::move(text_);
    }

private:
    std::size_t base_;
    std::size_t next_;
    std::string text_;
    std::map<std::size_t, std::size_t> offsets_;
};

}  // namespace

std::string WithLinks(const std::string& pdf, const std::vector<PdfLink>& links, const std::vector<PdfDestination>& destinations,
                      const std::wstring& author, const std::wstring& language)
{
    const PdfObjects objects(pdf);
    const auto root = Entry(objects.Trailer(), "/Root");
    if (!root) {
        Unexpected("it has no catalog");
    }
    const std::string catalog = objects.Body(*root);
    const auto tree = Entry(catalog, "/Pages");
    if (!tree) {
        Unexpected("its catalog has no pages");
    }
    const std::vector<std::size_t> pages = objects.Pages(*tree);
    std::map<std::size_t, std::vector<const PdfLink*>> linksOfPage;
    for (const PdfLink& link : links) {
        linksOfPage[link.page].push_back(&link);
    }
    std::map<std::size_t, std::size_t> annotationsOfPage;
    for (const auto& [page, pageLinks] : linksOfPage) {
        if (page >= pages.size()) {
            Unexpected("a link is on a page the file does not have");
        }
        const auto annotations = Entry(objects.Body(pages[page]), "/Annots");
        if (!annotations) {
            Unexpected("a page has no place for links");
        }
        annotationsOfPage[page] = *annotations;
    }
    for (const PdfDestination& destination : destinations) {
        if (destination.page >= pages.size()) {
            Unexpected("a section is on a page the file does not have");
        }
    }
    const auto info = Entry(objects.Trailer(), "/Info");
    const std::string infoBody = info ? objects.Body(*info) : "<<\n>>";

    Update update(pdf.size(), objects.Size());
    for (const auto& [page, pageLinks] : linksOfPage) {
        std::string array = "[";
        for (const PdfLink* link : pageLinks) {
            const std::size_t number = update.Allocate();
            update.Write(number, "<<\n/Type /Annot\n/Subtype /Link\n/P " + std::to_string(pages[page]) + " 0 R\n/Rect [" +
                                     Points(link->left) + " " + Points(link->bottom) + " " + Points(link->right) + " " + Points(link->top) +
                                     "]\n/Border [0 0 0]\n/Dest " + DestinationName(link->section) + "\n>>");
            array += " " + std::to_string(number) + " 0 R";
        }
        update.Write(annotationsOfPage[page], array + " ]");
    }
    std::string names = "<<\n";
    for (const PdfDestination& destination : destinations) {
        names += DestinationName(destination.section) + " [" + std::to_string(pages[destination.page]) + " 0 R /XYZ " +
                 Points(destination.left) + " " + Points(destination.top) + " null]\n";
    }
    const std::size_t dests = update.Allocate();
    update.Write(dests, names + ">>");
    update.Write(*root, WithEntries(catalog, "/Dests " + std::to_string(dests) + " 0 R\n" +
                                                 (language.empty() ? "" : "/Lang " + TextString(language) + "\n")));
    const std::size_t infoNumber = info ? *info : update.Allocate();
    update.Write(infoNumber, WithEntries(infoBody, author.empty() ? "" : "/Author " + TextString(author) + "\n"));
    return pdf + update.Finish("/Root " + std::to_string(*root) + " 0 R\n/Info " + std::to_string(infoNumber) + " 0 R\n/Prev " +
                               std::to_string(objects.Table()) + "\n");
}

}  // namespace TarnGui
