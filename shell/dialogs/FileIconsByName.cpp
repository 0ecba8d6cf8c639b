// SPDX-License-Identifier: MIT
#include "shell/dialogs/FileIconsByName.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace TarnGui {

namespace {

QMimeType MimeTypeByName(const QFileInfo& info)
{
    return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

}  // namespace

QIcon FileIconsByName::icon(IconType type) const
{
    return QAbstractFileIconProvider::icon(type);
}

QIcon FileIconsByName::icon(const QFileInfo& info) const
{
    if (info.isDir()) {
        return icon(Folder);
    }
    const QMimeType mime = MimeTypeByName(info);
    return QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName(), icon(File)));
}

QString FileIconsByName::type(const QFileInfo& info) const
{
    return info.isDir() ? QAbstractFileIconProvider::type(info) : MimeTypeByName(info).comment();
}

}  // namespace TarnGui
