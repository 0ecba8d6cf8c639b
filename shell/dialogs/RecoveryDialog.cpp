// SPDX-License-Identifier: MIT
#include "shell/dialogs/RecoveryDialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace TarnGui {

namespace {

QString Describe(const TarnViewModel::RecoveryCopy& copy)
{
    const QString book = copy.bookPath.empty() ? QCoreApplication::translate("TarnGui::RecoveryDialog", "a book never saved")
                                               : QString::fromStdWString(copy.bookPath);
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(copy.savedAt.time_since_epoch()).count();
    const QString when = QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
    return QCoreApplication::translate("TarnGui::RecoveryDialog", "%1\n%2, kept %3").arg(QString::fromStdString(copy.title), book, when);
}

}  // namespace

RecoveryDialog::RecoveryDialog(const std::vector<TarnViewModel::RecoveryCopy>& copies, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(tr("Recover Unsaved Work"));
    auto* intro = new QLabel(tr("The Brindle Story Studio did not close cleanly last time. "
                                "These books had changes that were not saved:"),
                             this);
    intro->setWordWrap(true);
    for (const TarnViewModel::RecoveryCopy& copy : copies) {
        list_->addItem(Describe(copy));
    }
    list_->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    QPushButton* discard = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    restore->setObjectName(QStringLiteral("restore"));
    discard->setObjectName(QStringLiteral("discard"));
    later->setObjectName(QStringLiteral("later"));
    restore->setDefault(true);
    connect(restore, &QPushButton::clicked, this, [this] { done(Restore); });
    connect(discard, &QPushButton::clicked, this, [this] { done(Discard); });
    connect(later, &QPushButton::clicked, this, [this] { done(Later); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(560, 320);
}

int RecoveryDialog::SelectedCopy() const
{
    return std::max(list_->currentRow(), 0);
}

}  // namespace TarnGui
