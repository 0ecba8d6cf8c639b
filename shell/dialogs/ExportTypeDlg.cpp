// SPDX-License-Identifier: MIT
#include "shell/dialogs/ExportTypeDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace TarnGui {

namespace {

void AddOption(QVBoxLayout* layout, QRadioButton* option, const QString& explanation)
{
    auto* note = new QLabel(explanation);
    note->setWordWrap(true);
    note->setContentsMargins(24, 0, 0, 8);
    layout->addWidget(option);
    layout->addWidget(note);
}

}  // namespace

ExportTypeDlg::ExportTypeDlg(QWidget* parent)
    : QDialog(parent), oneFile_(new QRadioButton(tr("One file"), this)), pages_(new QRadioButton(tr("One HTML file per section"), this))
{
    setWindowTitle(tr("Export Book"));
    setObjectName(QStringLiteral("ExportTypeDlg"));
    auto* layout = new QVBoxLayout(this);
    AddOption(layout, oneFile_, tr("If you're not sure, go for this one."));
    AddOption(layout, pages_, tr("This is if you want each book section to be created as a separate HTML file."));
    oneFile_->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool ExportTypeDlg::OnePagePerSection() const
{
    return pages_->isChecked();
}

}  // namespace TarnGui
