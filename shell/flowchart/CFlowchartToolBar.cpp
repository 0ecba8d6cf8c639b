// SPDX-License-Identifier: MIT
#include "shell/flowchart/CFlowchartToolBar.h"

#include "controllers/FlowchartController.h"
#include "drawing/QtText.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/StringTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace TarnGui {

namespace {

QAction* ZoomAction(QToolBar* bar, const QString& themeIcon, const QString& text, unsigned prompt)
{
    QAction* action = bar->addAction(QIcon::fromTheme(themeIcon), text);
    action->setToolTip(CommandTooltip(prompt));
    action->setStatusTip(CommandPrompt(prompt));
    return action;
}

}  // namespace

CFlowchartToolBar::CFlowchartToolBar(QWidget* parent) : QToolBar(parent), zoomBox_(new QComboBox(this))
{
    setIconSize(QSize(16, 16));
    for (const unsigned percent : TarnViewModel::FlowchartController::ZoomSteps) {
        zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent);
    }
    // The author may type any percentage; a fit can give one that is not in the list.
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setAccessibleName(tr("Zoom"));
    zoomBox_->lineEdit()->setAccessibleName(zoomBox_->accessibleName());
    zoomBox_->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*\\d{0,3}\\s*%?\\s*")), zoomBox_));
    zoomBox_->setMinimumContentsLength(4);
    zoomBox_->setFixedWidth(80);
    zoomBox_->setToolTip(LoadString(Strings::ZoomBox));
    zoomBox_->setStatusTip(LoadString(Strings::ZoomBox));
    addWidget(zoomBox_);
    zoomOut_ = ZoomAction(this, QStringLiteral("zoom-out"), QStringLiteral("\u2212"), Strings::ZoomOut);
    zoomIn_ = ZoomAction(this, QStringLiteral("zoom-in"), QStringLiteral("+"), Strings::ZoomIn);
    fitWholeChart_ = ZoomAction(this, QStringLiteral("zoom-fit-best"), CommandTooltip(Strings::FitWholeChart), Strings::FitWholeChart);
    fitWidth_ = ZoomAction(this, QStringLiteral("zoom-fit-width"), CommandTooltip(Strings::FitWidth), Strings::FitWidth);
    layoutStatus_ = new QLabel(this);
    layoutStatus_->setContentsMargins(8, 0, 8, 0);
    addWidget(layoutStatus_);
    zoomNote_ = new QLabel(this);
    zoomNote_->setContentsMargins(8, 0, 8, 0);
    zoomNote_->setWordWrap(true);
    addWidget(zoomNote_);

    connect(zoomBox_, &QComboBox::activated, this, [this](int index) {
        if (controller_ != nullptr) {
            const unsigned percent = zoomBox_->itemData(index).toUInt();
            RunGuarded(this, [&] { controller_->SetZoomPercent(percent); });
        }
    });
    connect(zoomBox_->lineEdit(), &QLineEdit::returnPressed, this, &CFlowchartToolBar::TakeTypedZoom);
    connect(zoomOut_, &QAction::triggered, this, [this] {
        if (controller_ != nullptr) {
            RunGuarded(this, [&] { controller_->ZoomOut(); });
        }
    });
    connect(zoomIn_, &QAction::triggered, this, [this] {
        if (controller_ != nullptr) {
            RunGuarded(this, [&] { controller_->ZoomIn(); });
        }
    });
}

// A typed percentage is the zoom, within the lowest and highest steps; an empty box shows
// the zoom again.
void CFlowchartToolBar::TakeTypedZoom()
{
    if (controller_ == nullptr) {
        return;
    }
    QString typed = zoomBox_->currentText();
    bool number = false;
    const unsigned percent = typed.remove(QLatin1Char('%')).trimmed().toUInt(&number);
    RunGuarded(this, [&] {
        if (number) {
            controller_->SetZoomPercent(percent);
        } else {
            ShowZoomText(Drawing::ToQString(controller_->ZoomText()));
        }
    });
}

void CFlowchartToolBar::ShowZoomText(const QString& text)
{
    const int index = zoomBox_->findText(text);
    if (index >= 0) {
        zoomBox_->setCurrentIndex(index);
    } else {
        zoomBox_->setEditText(text);
    }
}

void CFlowchartToolBar::EnableZoomIn(bool enable)
{
    zoomIn_->setEnabled(enable);
}

void CFlowchartToolBar::EnableZoomOut(bool enable)
{
    zoomOut_->setEnabled(enable);
}

void CFlowchartToolBar::ShowLayoutStatus(const QString& text)
{
    layoutStatus_->setText(text);
}

void CFlowchartToolBar::ShowZoomNote(const QString& text)
{
    zoomNote_->setText(text);
}

}  // namespace TarnGui
