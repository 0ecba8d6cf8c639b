#pragma once

#include <string>

namespace TarnViewModel {

class TarnDataModel;

// Writes the page of every section as "N.html" in the folder, then "styles.css". Throws
// ExportException when a file cannot be written.
void ExportPages(const TarnDataModel& model, const std::wstring& folder);

}  // namespace TarnViewModel
