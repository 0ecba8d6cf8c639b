// SPDX-License-Identifier: MIT
#include "shell/dialogs/PdfPageSetupDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSettings>

namespace TarnGui {

namespace {

const QString PaperSetting = QStringLiteral("pdf/paper");
const QString MarginSetting = QStringLiteral("pdf/margin");

const std::pair<Printing::PaperSize, const char*> Papers[] = {
    {Printing::PaperSize::A4, QT_TRANSLATE_NOOP("TarnGui::PdfPageSetupDlg", "A4 (210 × 297 mm)")},
    {Printing::PaperSize::A5, QT_TRANSLATE_NOOP("TarnGui::PdfPageSetupDlg", "A5 (148 × 210 mm)")},
    {Printing::PaperSize::Letter, QT_TRANSLATE_NOOP("TarnGui::PdfPageSetupDlg", "US Letter (8.5 × 11 in)")},
    {Printing::PaperSize::Trade6x9, QT_TRANSLATE_NOOP("TarnGui::PdfPageSetupDlg", "Trade paperback (6 × 9 in)")}};

}  // namespace

PdfPageSetupDlg::PdfPageSetupDlg(QWidget* parent) : QDialog(parent), paper_(new QComboBox(this)), margin_(new QDoubleSpinBox(this))
{
    setWindowTitle(tr("PDF Pages"));
    setObjectName(QStringLiteral("PdfPageSetupDlg"));
    const Printing::PageSetup remembered = Remembered();
    for (const auto& [paper, name] : Papers) {
        paper_->addItem(tr(name), QString::fromStdString(Printing::PaperSizeName(paper)));
        if (paper == remembered.paper) {
            paper_->setCurrentIndex(paper_->count() - 1);
        }
    }
    margin_->setRange(Printing::PageSetup::SmallestMargin, Printing::PageSetup::LargestMargin);
    margin_->setDecimals(0);
    margin_->setSuffix(tr(" mm"));
    margin_->setValue(remembered.margin);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Page size:"), paper_);
    layout->addRow(tr("Margins:"), margin_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
    // Wide enough for the window manager to show the whole title.
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);
}

Printing::PageSetup PdfPageSetupDlg::Chosen() const
{
    return {Printing::PaperSizeNamed(paper_->currentData().toString().toStdString()).value_or(Printing::PaperSize::A4), margin_->value()};
}

void PdfPageSetupDlg::accept()
{
    const Printing::PageSetup chosen = Chosen();
    QSettings settings;
    settings.setValue(PaperSetting, QString::fromStdString(Printing::PaperSizeName(chosen.paper)));
    settings.setValue(MarginSetting, chosen.margin);
    QDialog::accept();
}

Printing::PageSetup PdfPageSetupDlg::Remembered()
{
    const QSettings settings;
    Printing::PageSetup setup;
    setup.paper = Printing::PaperSizeNamed(settings.value(PaperSetting).toString().toStdString()).value_or(setup.paper);
    bool number = false;
    const double margin = settings.value(MarginSetting).toDouble(&number);
    // A hand-edited setting out of range falls back to the default rather than failing each export.
    if (number && margin >= Printing::PageSetup::SmallestMargin && margin <= Printing::PageSetup::LargestMargin) {
        setup.margin = margin;
    }
    return setup;
}

}  // namespace TarnGui
