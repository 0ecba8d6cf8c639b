#pragma once

#include "export/IBookExporter.h"

#include <memory>

namespace TarnViewModel {

// The exporter for the one-based index of the file type picked in the save dialog:
// 1 text, 2 Rich Text, 3 HTML, 4 XML, 5 JSON, 6 ChoiceScript; any other index gives text.
// The fonts and options it needs are copied from the book now.
std::unique_ptr<IBookExporter> CreateBookExporter(const TarnDataModel& model, int fileTypeIndex);

}  // namespace TarnViewModel
