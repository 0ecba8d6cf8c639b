// SPDX-License-Identifier: MIT
#pragma once

#include "printing/PdfLinks.h"

#include <QFont>
#include <QPainter>
#include <QTextLayout>

#include <cstdint>
#include <memory>
#include <vector>

class QPdfWriter;

namespace Printing {

// The pages of a PDF filled from top to bottom: paragraphs are laid out at the width between
// the margins and placed line by line, a page ends when the next line does not fit, and
// every page gets the footer and its number. It keeps the link areas and section
// destinations for the links that the finished file is given.
class PdfPages {
public:
    // The part of a paragraph that links to a section: UTF-16 positions in its text.
    struct LinkSpan {
        int start = 0;
        int end = 0;
        std::uint32_t section = 0;
    };

    // The margin is in millimetres; the footer is laid out once, the page number under it.
    PdfPages(QPdfWriter& writer, double margin, const QFont& footerFont, const QString& footer);
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;
    ~PdfPages();

    std::unique_ptr<QTextLayout> Layout(const QString& text, const QFont& font, Qt::Alignment alignment) const;
    // The height of one line of text in the font.
    double LineHeight(const QFont& font) const;

    // Vertical space, left out at the top of a page.
    void Skip(double height);
    // Starts a new page unless this much still fits on this one.
    void KeepTogether(double height);
    void NewPageUnlessEmpty();
    void Place(const QTextLayout& layout, const std::vector<LinkSpan>& links = {});
    // Section N's destination: where the next line goes.
    void MarkDestination(std::uint32_t section);
    // Draws the last page's footer; no more lines may be placed after.
    void Finish();

    const std::vector<PdfLink>& Links() const { return links_; }
    const std::vector<PdfDestination>& Destinations() const { return destinations_; }

private:
    void NewPage();
    void DrawFooter();
    double Points(double deviceUnits) const;

    QPdfWriter& writer_;
    QPainter painter_;
    double width_;
    double pageHeight_;
    double left_;
    double top_;
    double bottom_;
    QFont footerFont_;
    std::unique_ptr<QTextLayout> footer_;
    double footerHeight_;
    std::size_t page_ = 0;
    double y_;
    bool pageEmpty_ = true;
    std::vector<PdfLink> links_;
    std::vector<PdfDestination> destinations_;
};

}  // namespace Printing
