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
    QRadioButton* OneFileOption() const { return oneFile_; }
    QRadioButton* PagesOption() const { return pages_; }

private:
    QRadioButton* oneFile_;
    QRadioButton* pages_;
};

}  // namespace TarnGui
