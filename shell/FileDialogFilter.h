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
// The path without its extension, or the untitled name when there is no path.
QString ProposedBaseName(const QString& path);

}  // namespace TarnGui
