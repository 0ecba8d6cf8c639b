#pragma once

#include "document/BookFileContents.h"

#include <string>

namespace TarnViewModel {
class TarnDataModel;
}

namespace BrindleCli {

// The book's contents, read and checked; throws BookUnreadable naming the file.
TarnViewModel::BookFileContents ReadBook(const std::string& path);

// Opens the book in the document, as the desktop program opens it.
void LoadBook(TarnViewModel::TarnDataModel& model, const std::string& path);

}  // namespace BrindleCli
