#pragma once

#include "printing/PageSetup.h"
#include "printing/PrintedBook.h"

#include <optional>
#include <string>

class QWidget;

namespace TarnGui {

// Lays the book out as a PDF on a worker thread while a progress dialog, shown once the work
// takes a while, says how far it has got; its Cancel stops the work. Returns the PDF, or
// nothing when cancelled. A failure of the work is thrown here.
std::optional<std::string> WritePdfWithProgress(QWidget* parent, const PrintedBook& book, const PageSetup& setup);

}  // namespace TarnGui
