#pragma once

#include "document/BookCopy.h"

#include <string>

namespace TarnViewModel {

class TarnDataModel;

// The book as the UTF-8 text of its file. Throws the XML writer's "write error" when a
// text holds a character that has no UTF-8 form.
std::string BookFileText(const TarnDataModel& model, const std::string& fileName);
// The same for a copy of a book, which may be written on any thread.
std::string BookFileText(const BookCopy& book, const std::string& fileName);

// Writes the text, replacing the file only when the whole text is on disk. Throws the XML
// writer's error "write error" on any failure.
void WriteBookFile(const std::string& fileName, const std::string& text);

}  // namespace TarnViewModel
