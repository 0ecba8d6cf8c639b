// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractFileIconProvider>

namespace TarnGui {

// Icons and type names for Qt's file dialog taken from file names alone. Qt's own provider
// reads a file's first bytes to find its type, and a read of /proc/kmsg never returns, so
// browsing /proc would hang the dialog for good.
class FileIconsByName : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

}  // namespace TarnGui
