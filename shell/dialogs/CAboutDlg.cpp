// SPDX-License-Identifier: MIT
#include "shell/dialogs/CAboutDlg.h"

#include "shell/support/ProgramVersion.h"
#include "shell/support/StringTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace TarnGui {

CClickableImage::CClickableImage(const QString& text, std::function<void()> action, QWidget* parent)
    : QLabel(text, parent), action_(std::move(action))
{
    setCursor(Qt::PointingHandCursor);
    setFrameShape(QFrame::StyledPanel);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(96, 32);
}

void CClickableImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && action_) {
        action_();
    }
    QLabel::mouseReleaseEvent(event);
}

CAboutDlg::CAboutDlg(const UrlOpener& open, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About The Brindle Story Studio"));
    setObjectName(QStringLiteral("AboutDlg"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(LoadString(Strings::ApplicationTitle), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    layout->addWidget(title);
    layout->addWidget(new QLabel(tr("Version %1").arg(ProgramVersion), this));
    layout->addWidget(new QLabel(tr("Built %1").arg(QStringLiteral(__DATE__)), this));
    auto* links = new QHBoxLayout;
    links->addWidget(new CClickableImage(
        QStringLiteral("Mastodon"), [open] { open(SocialPageOne); }, this));
    links->addWidget(new CClickableImage(
        QStringLiteral("Blog"), [open] { open(SocialPageTwo); }, this));
    layout->addLayout(links);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace TarnGui
