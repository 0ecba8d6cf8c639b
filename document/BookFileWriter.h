// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookSnapshot.h"
#include "document/FileStamp.h"

#include <optional>

#include <string>

namespace TarnViewModel {

class TarnDataModel;

// The book as the UTF-8 text of its file, which the reader always reads back: a character
// that XML cannot hold is written as U+FFFD.
std::string BookFileText(const TarnDataModel& model);
// The same for a snapshot of a book, which may be written on any thread.
std::string BookFileText(const BookSnapshot& book);

// Writes the text, replacing the file only when the whole text is on disk. Throws
// FileWriteException, with the system's reason, on any failure.
void WriteBookFile(const std::string& fileName, const std::string& text);
// Writes the book to the file at the path, as WriteBookFile does, and gives the file's stamp
// once written.
std::optional<FileStamp> WriteBook(const BookSnapshot& book, const std::wstring& path);

}  // namespace TarnViewModel
