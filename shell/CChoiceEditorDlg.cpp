#include "shell/CChoiceEditorDlg.h"

#include "document/TarnDataModel.h"
#include "drawing/QtText.h"
#include "shell/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace TarnGui {

CChoiceEditorDlg::CChoiceEditorDlg(const TarnViewModel::DestinationList& destinations, std::uint32_t destination,
                                   const std::wstring& text, bool hidden, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)), destination_(new QComboBox(this)),
      hidden_(new QCheckBox(QStringLiteral("hidden"), this))
{
    setWindowTitle(QStringLiteral("Choice Editor"));
    setObjectName(QStringLiteral("ChoiceEditor"));
    text_->setObjectName(QStringLiteral("ChoiceText"));
    destination_->setObjectName(QStringLiteral("Destination"));
    text_->setPlainText(ToQString(text));
    text_->moveCursor(QTextCursor::End);
    destination_->setEditable(true);
    destination_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& [number, label] : destinations) {
        destination_->addItem(ToQString(label), number);
    }
    const int selected = destination_->findData(destination);
    destination_->setCurrentIndex(selected);
    if (selected < 0) {
        destination_->setEditText(destination == 0 ? QString() : QString::number(destination));
    }
    hidden_->setChecked(hidden);
    hidden_->setToolTip(QStringLiteral("Mark choice as hidden. Hidden choices won't appear as an option in text but "
                                       "will still be linked in the flowchart"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChoiceEditorDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChoiceEditorDlg::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Choice text:"), text_);
    layout->addRow(QStringLiteral("Destination:"), destination_);
    layout->addRow(QString(), hidden_);
    layout->addRow(buttons);
}

std::wstring CChoiceEditorDlg::Text() const
{
    return ToWString(text_->toPlainText());
}

std::uint32_t CChoiceEditorDlg::Destination() const
{
    return chosen_;
}

bool CChoiceEditorDlg::Hidden() const
{
    return hidden_->isChecked();
}

void CChoiceEditorDlg::accept()
{
    const std::uint32_t destination = ReadDestination();
    if (destination == 0) {
        QMessageBox::warning(this, LoadString(Strings::ApplicationTitle), LoadString(Strings::NoDestination));
        destination_->setFocus();
        return;
    }
    if (destination > TarnViewModel::TarnDataModel::HighestNumber) {
        QMessageBox::warning(this, LoadString(Strings::ApplicationTitle),
                             QStringLiteral("Section number must be between 1 and 10000"));
        destination_->setFocus();
        return;
    }
    chosen_ = destination;
    QDialog::accept();
}

std::uint32_t CChoiceEditorDlg::ReadDestination() const
{
    const int index = destination_->currentIndex();
    if (index >= 0 && destination_->itemText(index) == destination_->currentText()) {
        return destination_->itemData(index).toUInt();
    }
    // The whole entry must be a number: "12abc" is no destination.
    bool isNumber = false;
    const qulonglong typed = destination_->currentText().trimmed().toULongLong(&isNumber);
    if (!isNumber) {
        return 0;
    }
    return typed > TarnViewModel::TarnDataModel::HighestNumber ? TarnViewModel::TarnDataModel::HighestNumber + 1
                                                               : static_cast<std::uint32_t>(typed);
}

}  // namespace TarnGui
