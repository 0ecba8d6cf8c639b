// SPDX-License-Identifier: MIT
#include "shell/mainframe/WindowLayout.h"

#include <QMainWindow>
#include <QSettings>

namespace TarnGui {

namespace {

const QString GeometrySetting = QStringLiteral("window/geometry");
const QString StateSetting = QStringLiteral("window/state");
// Raised whenever panes are added or renamed, so that an older arrangement is not forced on them.
constexpr int PanesVersion = 1;

}  // namespace

void SaveWindowLayout(const QMainWindow& window)
{
    QSettings settings;
    settings.setValue(GeometrySetting, window.saveGeometry());
    settings.setValue(StateSetting, window.saveState(PanesVersion));
}

bool RestoreWindowLayout(QMainWindow& window)
{
    const QSettings settings;
    const QByteArray geometry = settings.value(GeometrySetting).toByteArray();
    const QByteArray state = settings.value(StateSetting).toByteArray();
    if (geometry.isEmpty() || state.isEmpty()) {
        return false;
    }
    // restoreGeometry moves a window whose screen is gone onto one that is there.
    return window.restoreGeometry(geometry) && window.restoreState(state, PanesVersion);
}

}  // namespace TarnGui
