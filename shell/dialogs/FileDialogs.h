// SPDX-License-Identifier: MIT
#pragma once

#include "shell/dialogs/FileDialogFilter.h"

#include <QMessageBox>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace TarnGui {

struct ChosenFile {
    QString path;
    // One-based, as the filters were given.
    int filterIndex = 0;
};

enum class FileDialogKind { Open, Save };

// A file dialog, the desktop's own where it has one, titled with what it is for and opened
// in the given folder when there is one. A save dialog confirms overwriting, adds the chosen
// filter's extension to a bare name, and takes the type whose extension a typed name ends in.
std::optional<ChosenFile> AskFileName(QWidget* parent, FileDialogKind kind, const std::vector<FileFilter>& filters, int preselectedFilter,
                                      const QString& proposedName, const QString& title, const QString& folder = QString());
std::optional<QString> AskFolder(QWidget* parent, const QString& folder = QString());

// A question in a message box captioned with the application title.
QMessageBox::StandardButton Ask(QWidget* parent, const QString& question, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons);

}  // namespace TarnGui
