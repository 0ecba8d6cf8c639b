// SPDX-License-Identifier: MIT
#pragma once

#include "printing/PageSetup.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;

namespace TarnGui {

// Asks for the paper size and margins of a PDF, starting from the last ones chosen, and
// remembers the choice once accepted.
class PdfPageSetupDlg : public QDialog {
    Q_OBJECT
public:
    explicit PdfPageSetupDlg(QWidget* parent);

    Printing::PageSetup Chosen() const;
    void accept() override;

    // The setup last accepted, or the default one.
    static Printing::PageSetup Remembered();

private:
    QComboBox* paper_;
    QDoubleSpinBox* margin_;
};

}  // namespace TarnGui
