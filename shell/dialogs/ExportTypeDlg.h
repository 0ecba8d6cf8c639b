// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QRadioButton;

namespace TarnGui {

// Asks whether the book goes into one file or into one HTML page per section.
class ExportTypeDlg : public QDialog {
    Q_OBJECT
public:
    explicit ExportTypeDlg(QWidget* parent);

    bool OnePagePerSection() const;

private:
    QRadioButton* oneFile_;
    QRadioButton* pages_;
};

}  // namespace TarnGui
