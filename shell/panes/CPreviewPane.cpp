// SPDX-License-Identifier: MIT
#include "shell/panes/CPreviewPane.h"

#include "controllers/SectionSelection.h"
#include "drawing/QtText.h"
#include "shell/panes/CPreviewText.h"
#include "shell/support/BookFont.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/LaterSteps.h"
#include "shell/support/StringTable.h"

#include <QTextCursor>

#include <algorithm>

namespace TarnGui {

namespace {

const QString LinkScheme = QStringLiteral("section");

QTextCharFormat FontFormat(const CommonLib::Font& font)
{
    QTextCharFormat format;
    format.setFontFamilies({Drawing::ToQString(font.faceName)});
    if (font.size > 0) {
        format.setFontPointSize(font.size);
    }
    return format;
}

}  // namespace

CPreviewPane::CPreviewPane(TarnViewModel::SectionSelection& selection, QWidget* parent)
    : QDockWidget(LoadString(Strings::PreviewCaption), parent), text_(new CPreviewText(this)), updates_(text_)
{
    setObjectName(QStringLiteral("PreviewPane"));
    text_->setAccessibleName(tr("Preview of the book"));
    text_->setAccessibleDescription(tr("The book as readers will see it; the choices link to their sections"));
    setWidget(text_);
    connect(text_, &CPreviewText::anchorClicked, this, [this, &selection](const QUrl& link) {
        bool isNumber = false;
        const unsigned number = link.path().toUInt(&isNumber);
        if (link.scheme() == LinkScheme && isNumber) {
            RunGuarded(this, [&] { selection.SetCurrentSection(number); });
        }
    });
}

void CPreviewPane::ReplaceText(std::size_t start, std::size_t length, const std::wstring& text)
{
    QTextCursor cursor = Range(start, length);
    cursor.insertText(Drawing::ToQString(text), mainFormat_);
    positions_.Replace(start, length, text);
}

void CPreviewPane::SetAllText(const std::wstring& text, const std::vector<TarnViewModel::TextRange>& links,
                              const std::vector<TarnViewModel::TextRange>& headings)
{
    positions_.Reset(L"");
    text_->ClearSoon();
    AppendText(text, links, headings);
    text_->setTextCursor(QTextCursor(text_->document()));
}

// The text goes in in one edit block, so the text box takes in the change once rather than
// after every piece.
void CPreviewPane::AppendText(const std::wstring& text, const std::vector<TarnViewModel::TextRange>& links,
                              const std::vector<TarnViewModel::TextRange>& headings)
{
    const std::size_t offset = positions_.Length();
    positions_.Replace(offset, 0, text);
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // Links and headings each come in text order and never overlap.
    std::size_t written = 0;
    auto link = links.begin();
    auto heading = headings.begin();
    while (link != links.end() || heading != headings.end()) {
        const bool isLink = heading == headings.end() || (link != links.end() && link->start < heading->start);
        const TarnViewModel::TextRange& range = isLink ? *link++ : *heading++;
        const std::size_t start = range.start - offset;
        cursor.insertText(Drawing::ToQString(text.substr(written, start - written)), mainFormat_);
        const QString marked = Drawing::ToQString(text.substr(start, range.length));
        cursor.insertText(marked, isLink ? LinkFormat(marked.trimmed()) : HeadingFormat());
        written = start + range.length;
    }
    cursor.insertText(Drawing::ToQString(text.substr(written)), mainFormat_);
    cursor.endEditBlock();
}

void CPreviewPane::RunSoon(std::function<void()> step)
{
    RunGuardedSoon(this, std::move(step));
}

QTextCharFormat CPreviewPane::LinkFormat(const QString& number) const
{
    QTextCharFormat link = mainFormat_;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("%1:%2").arg(LinkScheme, number));
    link.setForeground(text_->palette().link());
    link.setFontUnderline(true);
    link.setFontWeight(QFont::Normal);
    return link;
}

QTextCharFormat CPreviewPane::HeadingFormat() const
{
    QTextCharFormat heading = mainFormat_;
    heading.setFontWeight(QFont::Bold);
    return heading;
}

void CPreviewPane::FormatRange(std::size_t start, std::size_t length, const CommonLib::Font& font)
{
    QTextCharFormat format;
    if (font.size > 0) {
        format.setFontPointSize(font.size);
    }
    format.setFontWeight(QFont::Bold);
    Range(start, length).mergeCharFormat(format);
}

void CPreviewPane::FormatRangeAndHome(std::size_t start, std::size_t length)
{
    QTextCursor cursor = Range(start, length);
    cursor.mergeCharFormat(LinkFormat(cursor.selectedText().trimmed()));
    text_->setTextCursor(QTextCursor(text_->document()));
}

// The whole preview is in the book's main font, empty paragraphs and line spacing included.
void CPreviewPane::FormatAll(const CommonLib::Font& font)
{
    mainFormat_ = FontFormat(font);
    text_->document()->setDefaultFont(WithBookFont(text_->document()->defaultFont(), font));
    QTextCursor cursor(text_->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(FontFormat(font));
}

void CPreviewPane::ClearPreview()
{
    positions_.Reset(L"");
    text_->ClearSoon();
}

void CPreviewPane::BeginUpdate()
{
    updates_.Begin();
}

void CPreviewPane::EndUpdate()
{
    updates_.End();
}

void CPreviewPane::ScrollToCharacter(std::size_t position)
{
    text_->ScrollToPosition(Range(position, 0).position());
}

QTextCursor CPreviewPane::Range(std::size_t start, std::size_t length) const
{
    start = std::min(start, positions_.Length());
    length = std::min(length, positions_.Length() - start);
    QTextCursor cursor(text_->document());
    cursor.setPosition(positions_.ToQt(start));
    cursor.setPosition(positions_.ToQt(start + length), QTextCursor::KeepAnchor);
    return cursor;
}

}  // namespace TarnGui
