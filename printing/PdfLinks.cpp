// SPDX-License-Identifier: MIT
#include "printing/PdfLinks.h"

#include "export/ExportException.h"
#include "export/ExportText.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>

namespace Printing {

namespace {

[[noreturn]] void Unexpected(const std::string& what)
{
    throw TarnViewModel::ExportException(BRINDLE_TEXT("PdfLinks", "The PDF could not be given its links: %1.").Arg(what));
}

QPDFObjectHandle Points(double value)
{
    return QPDFObjectHandle::newReal(value, 2);
}

QPDFObjectHandle DestinationName(std::uint32_t section)
{
    return QPDFObjectHandle::newName("/s" + std::to_string(section));
}

QPDFObjectHandle LinkAnnotation(const PdfLink& link, const QPDFObjectHandle& page)
{
    auto annotation = QPDFObjectHandle::newDictionary();
    annotation.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
    annotation.replaceKey("/Subtype", QPDFObjectHandle::newName("/Link"));
    annotation.replaceKey("/P", page);
    annotation.replaceKey("/Rect",
                          QPDFObjectHandle::newArray({Points(link.left), Points(link.bottom), Points(link.right), Points(link.top)}));
    annotation.replaceKey("/Border", QPDFObjectHandle::newArray({QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0),
                                                                 QPDFObjectHandle::newInteger(0)}));
    annotation.replaceKey("/Dest", DestinationName(link.section));
    return annotation;
}

// The page's list of annotations, made when the writer gave it none.
QPDFObjectHandle AnnotationsOf(QPDFObjectHandle page)
{
    QPDFObjectHandle annotations = page.getKey("/Annots");
    if (!annotations.isArray()) {
        annotations = QPDFObjectHandle::newArray();
        page.replaceKey("/Annots", annotations);
    }
    return annotations;
}

void AddLinksAndDestinations(QPDF& file, const std::vector<PdfLink>& links, const std::vector<PdfDestination>& destinations)
{
    std::vector<QPDFObjectHandle> pages;
    for (const QPDFPageObjectHelper& page : QPDFPageDocumentHelper(file).getAllPages()) {
        pages.push_back(page.getObjectHandle());
    }
    for (const PdfLink& link : links) {
        if (link.page >= pages.size()) {
            Unexpected("a link is on a page the file does not have");
        }
    }
    for (const PdfDestination& destination : destinations) {
        if (destination.page >= pages.size()) {
            Unexpected("a section is on a page the file does not have");
        }
    }

    std::map<std::size_t, QPDFObjectHandle> annotationsOfPage;
    for (const PdfLink& link : links) {
        auto [entry, added] = annotationsOfPage.try_emplace(link.page);
        if (added) {
            entry->second = AnnotationsOf(pages[link.page]);
        }
        entry->second.appendItem(file.makeIndirectObject(LinkAnnotation(link, pages[link.page])));
    }
    auto names = QPDFObjectHandle::newDictionary();
    for (const PdfDestination& destination : destinations) {
        names.replaceKey(DestinationName(destination.section).getName(),
                         QPDFObjectHandle::newArray({pages[destination.page], QPDFObjectHandle::newName("/XYZ"), Points(destination.left),
                                                     Points(destination.top), QPDFObjectHandle::newNull()}));
    }
    file.getRoot().replaceKey("/Dests", file.makeIndirectObject(names));
}

void AddAuthorAndLanguage(QPDF& file, const std::wstring& author, const std::wstring& language)
{
    if (!language.empty()) {
        file.getRoot().replaceKey("/Lang", QPDFObjectHandle::newUnicodeString(TarnViewModel::Utf8(language)));
    }
    if (!author.empty()) {
        QPDFObjectHandle trailer = file.getTrailer();
        QPDFObjectHandle info = trailer.getKey("/Info");
        if (!info.isDictionary()) {
            info = file.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", info);
        }
        info.replaceKey("/Author", QPDFObjectHandle::newUnicodeString(TarnViewModel::Utf8(author)));
    }
}

}  // namespace

std::string WithLinks(std::string_view pdf, const std::vector<PdfLink>& links, const std::vector<PdfDestination>& destinations,
                      const std::wstring& author, const std::wstring& language)
{
    QPDF file;
    file.setSuppressWarnings(true);
    file.setAttemptRecovery(false);
    try {
        file.processMemoryFile("the PDF", pdf.data(), pdf.size());
        file.getAllPages();
    } catch (const std::exception& error) {
        // The library's own words name what in the file it could not read.
        Unexpected(error.what());
    }
    AddLinksAndDestinations(file, links, destinations);
    AddAuthorAndLanguage(file, author, language);
    QPDFWriter writer(file);
    writer.setOutputMemory();
    writer.setDeterministicID(true);
    // Qt's page contents are copied as they are, not decoded and compressed again.
    writer.setDecodeLevel(qpdf_dl_none);
    writer.write();
    const auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

}  // namespace Printing
