// SPDX-License-Identifier: MIT
#include "shell/mainframe/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace TarnGui {

namespace {

const QString SettingsKey = QStringLiteral("Recent File List/Files");

QString Absolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

RecentFiles::RecentFiles()
{
    const QStringList stored = QSettings().value(SettingsKey).toStringList();
    for (const QString& path : stored) {
        if (!path.isEmpty() && paths_.size() < Capacity) {
            paths_ << path;
        }
    }
}

void RecentFiles::Add(const QString& path)
{
    const QString key = Absolute(path);
    paths_.removeIf([&key](const QString& entry) { return Absolute(entry) == key; });
    paths_.prepend(key);
    while (paths_.size() > Capacity) {
        paths_.removeLast();
    }
    Store();
}

void RecentFiles::Store() const
{
    QSettings().setValue(SettingsKey, paths_);
}

}  // namespace TarnGui
