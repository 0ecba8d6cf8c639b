// SPDX-License-Identifier: MIT
#include "printing/PdfPages.h"

#include <QFontMetricsF>
#include <QPdfWriter>

#include <algorithm>

namespace Printing {

PdfPages::PdfPages(QPdfWriter& writer, double margin, const QFont& footerFont, const QString& footer)
    : writer_(writer), painter_(&writer), footerFont_(footerFont)
{
    const double marginUnits = margin / 25.4 * writer.resolution();
    const QRectF page = writer.pageLayout().fullRectPixels(writer.resolution());
    width_ = page.width() - 2 * marginUnits;
    pageHeight_ = page.height();
    left_ = marginUnits;
    top_ = marginUnits;
    footer_ = footer.isEmpty() ? nullptr : Layout(footer, footerFont, Qt::AlignHCenter);
    const double footerLine = LineHeight(footerFont);
    footerHeight_ = (footer_ ? footer_->boundingRect().height() : 0) + footerLine;
    bottom_ = pageHeight_ - marginUnits - footerHeight_ - footerLine;
    y_ = top_;
}

PdfPages::~PdfPages() = default;

std::unique_ptr<QTextLayout> PdfPages::Layout(const QString& text, const QFont& font, Qt::Alignment alignment) const
{
    auto layout = std::make_unique<QTextLayout>(text, font, &writer_);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    // Link areas are measured after the line is drawn, from the shaped glyphs.
    layout->setCacheEnabled(true);
    layout->beginLayout();
    double y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width_);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

double PdfPages::LineHeight(const QFont& font) const
{
    return QFontMetricsF(font, &writer_).height();
}

void PdfPages::Skip(double height)
{
    if (!pageEmpty_) {
        y_ += height;
    }
}

void PdfPages::KeepTogether(double height)
{
    if (!pageEmpty_ && y_ + height > bottom_) {
        NewPage();
    }
}

void PdfPages::NewPageUnlessEmpty()
{
    if (!pageEmpty_) {
        NewPage();
    }
}

void PdfPages::Place(const QTextLayout& layout, const std::vector<LinkSpan>& links)
{
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        // A line taller than the page still goes on a page of its own.
        if (!pageEmpty_ && y_ + line.height() > bottom_) {
            NewPage();
        }
        line.draw(&painter_, QPointF(left_, y_ - line.y()));
        for (const LinkSpan& span : links) {
            const int from = std::max(span.start, line.textStart());
            const int to = std::min(span.end, line.textStart() + line.textLength());
            if (from < to) {
                const double fromX = line.cursorToX(from);
                const double toX = line.cursorToX(to);
                const double start = std::min(fromX, toX);
                const double end = std::max(fromX, toX);
                links_.push_back({page_, Points(left_ + start), Points(pageHeight_ - y_ - line.height()), Points(left_ + end),
                                  Points(pageHeight_ - y_), span.section});
            }
        }
        y_ += line.height();
        pageEmpty_ = false;
    }
}

void PdfPages::MarkDestination(std::uint32_t section)
{
    destinations_.push_back({page_, Points(left_), Points(pageHeight_ - y_), section});
}

void PdfPages::Finish()
{
    DrawFooter();
    painter_.end();
}

void PdfPages::NewPage()
{
    DrawFooter();
    writer_.newPage();
    ++page_;
    y_ = top_;
    pageEmpty_ = true;
}

void PdfPages::DrawFooter()
{
    double y = pageHeight_ - top_ - footerHeight_;
    if (footer_) {
        footer_->draw(&painter_, QPointF(left_, y));
        y += footer_->boundingRect().height();
    }
    Layout(QString::number(page_ + 1), footerFont_, Qt::AlignHCenter)->draw(&painter_, QPointF(left_, y));
}

double PdfPages::Points(double deviceUnits) const
{
    return deviceUnits * 72 / writer_.resolution();
}

}  // namespace Printing
