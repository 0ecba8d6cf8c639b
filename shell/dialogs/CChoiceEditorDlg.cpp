// SPDX-License-Identifier: MIT
#include "shell/dialogs/CChoiceEditorDlg.h"

#include "document/TarnDataModel.h"
#include "drawing/QtText.h"
#include "shell/support/StringTable.h"
#include "shell/support/TabLeavesText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <limits>
#include <optional>

namespace TarnGui {

namespace {

// The section's label, kept beside each destination's "N – label" text.
constexpr int LabelRole = Qt::UserRole + 1;

// "N – label", or the number alone for a section without a label.
QString DestinationText(std::uint32_t number, const QString& label)
{
    return label.isEmpty() ? QString::number(number) : QStringLiteral("%1 \u2013 %2").arg(number).arg(label);
}

// The number of a typed destination: a number alone, or a number and then a dash and anything.
std::optional<qulonglong> TypedNumber(const QString& typed)
{
    static const QRegularExpression numberFirst(QStringLiteral(R"re(^\s*(\d+)(?:\s*[-\x{2013}].*)?$)re"),
                                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = numberFirst.match(typed);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    bool isNumber = false;
    const qulonglong number = match.captured(1).toULongLong(&isNumber);
    return isNumber ? number : std::numeric_limits<qulonglong>::max();
}

}  // namespace

CChoiceEditorDlg::CChoiceEditorDlg(const TarnViewModel::DestinationList& destinations, std::uint32_t destination, const std::wstring& text,
                                   bool hidden, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)), destination_(new QComboBox(this)), hidden_(new QCheckBox(tr("hidden"), this))
{
    setWindowTitle(tr("Choice Editor"));
    setObjectName(QStringLiteral("ChoiceEditor"));
    text_->setObjectName(QStringLiteral("ChoiceText"));
    LetTabLeaveText(text_);
    destination_->setObjectName(QStringLiteral("Destination"));
    text_->setPlainText(Drawing::ToQString(text));
    text_->moveCursor(QTextCursor::End);
    destination_->setEditable(true);
    destination_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& [number, label] : destinations) {
        destination_->addItem(DestinationText(number, Drawing::ToQString(label)), number);
        destination_->setItemData(destination_->count() - 1, Drawing::ToQString(label), LabelRole);
    }
    const int selected = destination_->findData(destination);
    destination_->setCurrentIndex(selected);
    if (selected < 0) {
        destination_->setEditText(destination == 0 ? QString() : QString::number(destination));
    }
    hidden_->setChecked(hidden);
    hidden_->setToolTip(tr("Mark choice as hidden. Hidden choices won't appear as an option in text but "
                           "will still be linked in the flowchart"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChoiceEditorDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChoiceEditorDlg::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Choice text:"), text_);
    layout->addRow(tr("Destination:"), destination_);
    layout->addRow(QString(), hidden_);
    layout->addRow(buttons);
}

std::wstring CChoiceEditorDlg::Text() const
{
    return Drawing::ToWString(text_->toPlainText());
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
                             tr("Section number must be between 1 and %1").arg(TarnViewModel::TarnDataModel::HighestNumber));
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
    const QString typed = destination_->currentText();
    // "12abc" is no destination, but a section's label alone names it.
    const std::optional<qulonglong> number = TypedNumber(typed);
    if (!number) {
        const QString label = typed.trimmed();
        for (int item = 0; item < destination_->count(); ++item) {
            const QString itemLabel = destination_->itemData(item, LabelRole).toString();
            if (!itemLabel.isEmpty() && itemLabel.compare(label, Qt::CaseInsensitive) == 0) {
                return destination_->itemData(item).toUInt();
            }
        }
        return 0;
    }
    return *number > TarnViewModel::TarnDataModel::HighestNumber ? TarnViewModel::TarnDataModel::HighestNumber + 1
                                                                 : static_cast<std::uint32_t>(*number);
}

}  // namespace TarnGui
