// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace TarnGui {

struct FileFilter {
    QString label;
    QString pattern;
};

// The filters of the dialogs that open and save books.
std::vector<FileFilter> BookFileFilters();
// Qt's filter strings, "Label (*.ext)", one per filter in order.
QStringList QtFilters(const std::vector<FileFilter>& filters);
// The one-based index of the chosen filter string, 0 when it is none of them. Two filters
// may share a pattern, so the whole string is compared.
int ChosenFilterIndex(const std::vector<FileFilter>& filters, const QString& chosen);
// The filter a saved file's name asks for: the chosen one, unless the name ends in the
// extension of another and not of the chosen one, as "book.pdf" with HTML chosen. The
// first such filter wins; indexes are one-based.
int FilterForName(const std::vector<FileFilter>& filters, int chosenIndex, const QString& fileName);
// The path without its extension, or the untitled name when there is no path.
QString ProposedBaseName(const QString& path);

}  // namespace TarnGui
