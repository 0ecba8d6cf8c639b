// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace TarnViewModel {
class BookSnapshot;
}

namespace TarnGui {

// The book's counts as the command line's stats gives them, with its endings and the time
// a reader takes over it.
class StatisticsDlg : public QDialog {
    Q_OBJECT
public:
    StatisticsDlg(const TarnViewModel::BookSnapshot& book, QWidget* parent);
};

}  // namespace TarnGui
