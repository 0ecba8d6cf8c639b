// SPDX-License-Identifier: MIT
#pragma once

#include "printing/PageSetup.h"
#include "printing/PrintedBook.h"

#include <functional>
#include <optional>
#include <stop_token>
#include <string>

namespace Printing {

// Called after each section is laid out, with the sections done and the sections in all.
using PrintProgress = std::function<void(std::size_t done, std::size_t total)>;

// The book as a PDF on pages of the setup's size: the title and author, then each section
// under its number as a heading, on a new page when the book asks for one, its visible
// choices after it with every destination number a link to that section's page, and the
// footer and page number at the foot of every page. Fonts are embedded and the text can be
// selected and searched. Returns nothing once a stop is requested. Throws ExportException
// when the setup is out of range. Safe away from the user-interface thread.
std::optional<std::string> WritePdfBook(const PrintedBook& book, const PageSetup& setup, const PrintProgress& progress = {},
                                        std::stop_token stop = {});

}  // namespace Printing
