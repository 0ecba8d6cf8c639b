// SPDX-License-Identifier: MIT
#include "shell/dialogs/FileDialogFilter.h"

#include "shell/support/StringTable.h"

#include <QFileInfo>

namespace TarnGui {

namespace {

// Some labels already name their pattern, as "All Files (*.*)" does.
QString QtFilter(const FileFilter& filter)
{
    const QString suffix = QStringLiteral("(%1)").arg(filter.pattern);
    return filter.label.endsWith(suffix) ? filter.label : QStringLiteral("%1 %2").arg(filter.label, suffix);
}

}  // namespace

std::vector<FileFilter> BookFileFilters()
{
    return {{LoadString(Strings::BrindleFiles), QStringLiteral("*.brindle")}, {LoadString(Strings::AllFiles), QStringLiteral("*.*")}};
}

QStringList QtFilters(const std::vector<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& filter : filters) {
        result << QtFilter(filter);
    }
    return result;
}

int ChosenFilterIndex(const std::vector<FileFilter>& filters, const QString& chosen)
{
    for (std::size_t index = 0; index < filters.size(); ++index) {
        if (QtFilter(filters[index]) == chosen) {
            return static_cast<int>(index) + 1;
        }
    }
    return 0;
}

int FilterForName(const std::vector<FileFilter>& filters, int chosenIndex, const QString& fileName)
{
    const auto matches = [&fileName](const FileFilter& filter) {
        return filter.pattern.startsWith(QStringLiteral("*.")) && filter.pattern != QStringLiteral("*.*") &&
               fileName.endsWith(filter.pattern.mid(1), Qt::CaseInsensitive);
    };
    if (chosenIndex >= 1 && chosenIndex <= static_cast<int>(filters.size()) &&
        matches(filters[static_cast<std::size_t>(chosenIndex - 1)])) {
        return chosenIndex;
    }
    for (std::size_t index = 0; index < filters.size(); ++index) {
        if (matches(filters[index])) {
            return static_cast<int>(index) + 1;
        }
    }
    return chosenIndex;
}

QString ProposedBaseName(const QString& path)
{
    if (path.isEmpty()) {
        return LoadString(Strings::Untitled);
    }
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
}

}  // namespace TarnGui
