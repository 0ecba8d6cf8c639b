// SPDX-License-Identifier: MIT
#include "shell/dialogs/FileDialogs.h"

#include "shell/dialogs/FileIconsByName.h"
#include "shell/support/StringTable.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace TarnGui {

namespace {

QString Extension(const FileFilter& filter)
{
    return filter.pattern.startsWith(QStringLiteral("*.")) && filter.pattern != QStringLiteral("*.*") ? filter.pattern.mid(2) : QString();
}

// The desktop's own dialog where it has one (its platform theme, or the XDG portal); Qt's,
// which the tests drive, in Qt's test mode. Qt's dialog never reads files' contents.
void PrepareFileDialog(QFileDialog& dialog, FileIconsByName& icons)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, QStandardPaths::isTestModeEnabled());
    dialog.setIconProvider(&icons);
}

}  // namespace

std::optional<ChosenFile> AskFileName(QWidget* parent, FileDialogKind kind, const std::vector<FileFilter>& filters, int preselectedFilter,
                                      const QString& proposedName, const QString& title, const QString& folder)
{
    FileIconsByName icons;
    QFileDialog dialog(parent);
    PrepareFileDialog(dialog, icons);
    if (!title.isEmpty()) {
        dialog.setWindowTitle(title);
    }
    const QStringList qtFilters = QtFilters(filters);
    dialog.setNameFilters(qtFilters);
    if (kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    const QString firstExtension = filters.empty() ? QString() : Extension(filters.front());
    const auto followFilter = [&dialog, &filters, &firstExtension](const QString& chosen) {
        const int index = ChosenFilterIndex(filters, chosen);
        const QString extension = index > 0 ? Extension(filters[static_cast<std::size_t>(index - 1)]) : QString();
        dialog.setDefaultSuffix(extension.isEmpty() ? firstExtension : extension);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    if (preselectedFilter >= 1 && preselectedFilter <= qtFilters.size()) {
        dialog.selectNameFilter(qtFilters[preselectedFilter - 1]);
        followFilter(qtFilters[preselectedFilter - 1]);
    }
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (!proposedName.isEmpty()) {
        dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().front();
    const int chosen = ChosenFilterIndex(filters, dialog.selectedNameFilter());
    return ChosenFile{path, kind == FileDialogKind::Save ? FilterForName(filters, chosen, path) : chosen};
}

std::optional<QString> AskFolder(QWidget* parent, const QString& folder)
{
    FileIconsByName icons;
    QFileDialog dialog(parent);
    PrepareFileDialog(dialog, icons);
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

QMessageBox::StandardButton Ask(QWidget* parent, const QString& question, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, LoadString(Strings::ApplicationTitle), question, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace TarnGui
