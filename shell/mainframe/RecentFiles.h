// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace TarnGui {

// The most recently used books, newest first, kept in the user's settings.
class RecentFiles {
public:
    static constexpr int Capacity = 4;

    RecentFiles();
    const QStringList& Paths() const { return paths_; }
    // Puts the path first, dropping an older entry of the same file and the oldest beyond
    // the capacity.
    void Add(const QString& path);

private:
    void Store() const;

    QStringList paths_;
};

}  // namespace TarnGui
