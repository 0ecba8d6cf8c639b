// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "graph/Section.h"

#include <ostream>
#include <string>

namespace TarnViewModel {

class BookSnapshot;

// Writes a book as one page per section and a shared style sheet, one stream per file.
class IMultiPageExporter {
public:
    virtual ~IMultiPageExporter() = default;
    virtual void WriteStyleSheet(const CommonLib::Font& mainText, const CommonLib::Font& sectionNumber, const CommonLib::Font& header,
                                 const CommonLib::Font& footer, std::ostream& output) = 0;
    virtual void WriteTitlePage(const std::wstring& title, std::ostream& output) = 0;
    virtual void WriteSectionPage(const Section& section, const BookSnapshot& book, const std::wstring& linkPrefix,
                                  std::ostream& output) = 0;
};

}  // namespace TarnViewModel
