// SPDX-License-Identifier: MIT
#pragma once

#include "export/ExportFile.h"
#include "export/IBookExporter.h"

#include <memory>

namespace TarnViewModel {

// The exporter for the one-based index of the file type picked in the save dialog:
// 1 text, 2 Rich Text, 3 HTML, 4 XML, 5 JSON, 6 ChoiceScript, 7 EPUB, 9 Twee; any other
// index gives text; 8, PDF, is laid out by the printing library. The fonts and options it
// needs are copied from the book now.
std::unique_ptr<IBookExporter> CreateBookExporter(const BookSnapshot& book, int fileTypeIndex);

// How the file of that type takes its exporter's line ends: CR LF for the text formats of
// old, the bytes as written for an e-book and for Twee, whose tools expect LF.
ExportFile::LineEnds ExportLineEnds(int fileTypeIndex);

}  // namespace TarnViewModel
