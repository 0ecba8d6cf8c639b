// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace TarnViewModel {

class BookSnapshot;

// Writes the page of every section as "N.html" in the folder, then "styles.css"; after each
// page, tells the caller how many are written. The pages are written aside and moved in
// together, so a failure leaves the folder as it was. Then the pages an earlier export
// wrote for sections the book no longer has go; every other file stays. Throws
// ExportException when a file cannot be written or moved in.
void ExportPages(const BookSnapshot& book, const std::wstring& folder, const std::function<void(std::size_t written)>& pageWritten = {});

}  // namespace TarnViewModel
