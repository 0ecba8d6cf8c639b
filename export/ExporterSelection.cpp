// SPDX-License-Identifier: MIT
#include "export/ExporterSelection.h"

#include "document/BookSnapshot.h"
#include "export/CogExporter.h"
#include "export/EpubExporter.h"
#include "export/HtmlExporter.h"
#include "export/JsonExporter.h"
#include "export/RtfExporter.h"
#include "export/TweeExporter.h"
#include "export/TxtExporter.h"
#include "export/XmlExporter.h"

namespace TarnViewModel {

namespace {

constexpr int EpubFileType = 7;
constexpr int TweeFileType = 9;

}  // namespace

std::unique_ptr<IBookExporter> CreateBookExporter(const BookSnapshot& book, int fileTypeIndex)
{
    switch (fileTypeIndex) {
    case 2:
        return std::make_unique<RtfExporter>(book.GetFonts(), book.GetNewPagePerSection());
    case 3:
        return std::make_unique<HtmlExporter>(book.GetFonts());
    case 4:
        return std::make_unique<XmlExporter>();
    case 5:
        return std::make_unique<JsonExporter>();
    case 6:
        return std::make_unique<CogExporter>();
    case EpubFileType:
        return std::make_unique<EpubExporter>(book.GetFonts(), book.GetNewPagePerSection());
    case TweeFileType:
        return std::make_unique<TweeExporter>();
    default:
        return std::make_unique<TxtExporter>();
    }
}

ExportFile::LineEnds ExportLineEnds(int fileTypeIndex)
{
    return fileTypeIndex == EpubFileType || fileTypeIndex == TweeFileType ? ExportFile::LineEnds::AsWritten : ExportFile::LineEnds::CrLf;
}

}  // namespace TarnViewModel
