// SPDX-License-Identifier: MIT
#pragma once

#include "document/RecoveryFiles.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace TarnGui {

// Offers the recovery copies left by sessions that did not end cleanly: the author
// restores one, discards one, or leaves them all for later.
class RecoveryDialog : public QDialog {
    Q_OBJECT

public:
    enum Choice { Later = 0, Restore, Discard };

    RecoveryDialog(const std::vector<TarnViewModel::RecoveryCopy>& copies, QWidget* parent);

    // The copy the chosen button acts on.
    int SelectedCopy() const;

private:
    QListWidget* list_;
};

}  // namespace TarnGui
