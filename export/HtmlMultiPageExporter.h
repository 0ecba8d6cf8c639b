// SPDX-License-Identifier: MIT
#pragma once

#include "export/IMultiPageExporter.h"

namespace TarnViewModel {

// A book as a small web site: one page per section, named after its number, whose choices
// link to their destinations' pages, and one shared style sheet.
class HtmlMultiPageExporter : public IMultiPageExporter {
public:
    void WriteStyleSheet(const CommonLib::Font& mainText, const CommonLib::Font& sectionNumber, const CommonLib::Font& header,
                         const CommonLib::Font& footer, std::ostream& output) override;
    void WriteTitlePage(const std::wstring& title, std::ostream& output) override;
    void WriteSectionPage(const Section& section, const BookSnapshot& book, const std::wstring& linkPrefix, std::ostream& output) override;
};

}  // namespace TarnViewModel
