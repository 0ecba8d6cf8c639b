#include "shell/CPreviewPane.h"

#include "document/TarnDataModel.h"
#include "drawing/QtText.h"
#include "shell/ErrorBoundary.h"
#include "shell/StringTable.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>

#include <algorithm>

namespace TarnGui {

namespace {

const QString LinkScheme = QStringLiteral("section");

QTextCharFormat FontFormat(const CommonLib::Font& font)
{
    QTextCharFormat format;
    format.setFontFamilies({ToQString(font.faceName)});
    if (font.size > 0) {
        format.setFontPointSize(font.size);
    }
    return format;
}

}  // namespace

CPreviewPane::CPreviewPane(TarnViewModel::TarnDataModel& model, QWidget* parent)
    : QDockWidget(LoadString(Strings::PreviewCaption), parent), browser_(new QTextBrowser(this)), updates_(browser_)
{
    setObjectName(QStringLiteral("PreviewPane"));
    browser_->setOpenLinks(false);
    browser_->setUndoRedoEnabled(false);
    setWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this, &model](const QUrl& link) {
        bool isNumber = false;
        const unsigned number = link.path().toUInt(&isNumber);
        if (link.scheme() == LinkScheme && isNumber) {
            RunGuarded(this, [&] { model.SetCurrentSection(number); });
        }
    });
}

void CPreviewPane::ReplaceText(std::size_t start, std::size_t length, const std::wstring& text)
{
    QTextCursor cursor = Range(start, length);
    cursor.insertText(ToQString(text), mainFormat_);
    positions_.Replace(start, length, text);
}

// The document is built in one edit block, so Qt lays it out once rather than after every
// piece.
void CPreviewPane::SetAllText(const std::wstring& text, const std::vector<TarnViewModel::TextRange>& links)
{
    positions_.Reset(text);
    QTextDocument* document = browser_->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    std::size_t written = 0;
    for (const TarnViewModel::TextRange& link : links) {
        cursor.insertText(ToQString(text.substr(written, link.start - written)), mainFormat_);
        const QString number = ToQString(text.substr(link.start, link.length));
        cursor.insertText(number, LinkFormat(number.trimmed()));
        written = link.start + link.length;
    }
    cursor.insertText(ToQString(text.substr(written)), mainFormat_);
    cursor.endEditBlock();
    browser_->setTextCursor(QTextCursor(document));
}

QTextCharFormat CPreviewPane::LinkFormat(const QString& number) const
{
    QTextCharFormat link = mainFormat_;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("%1:%2").arg(LinkScheme, number));
    link.setForeground(browser_->palette().link());
    link.setFontUnderline(true);
    link.setFontWeight(QFont::Normal);
    return link;
}

void CPreviewPane::FormatRange(std::size_t start, std::size_t length, const CommonLib::Font& font)
{
    QTextCharFormat format;
    if (font.size > 0) {
        format.setFontPointSize(font.size);
    }
    format.setFontWeight(QFont::Normal);
    Range(start, length).mergeCharFormat(format);
}

void CPreviewPane::FormatRangeAndHome(std::size_t start, std::size_t length)
{
    QTextCursor cursor = Range(start, length);
    cursor.mergeCharFormat(LinkFormat(cursor.selectedText().trimmed()));
    browser_->setTextCursor(QTextCursor(browser_->document()));
}

void CPreviewPane::FormatAll(const CommonLib::Font& font)
{
    mainFormat_ = FontFormat(font);
    QTextCursor cursor(browser_->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(FontFormat(font));
}

void CPreviewPane::ClearPreview()
{
    positions_.Reset(L"");
    browser_->clear();
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
    const QTextCursor cursor = Range(position, 0);
    browser_->setTextCursor(cursor);
    QScrollBar* bar = browser_->verticalScrollBar();
    bar->setValue(bar->value() + browser_->cursorRect(cursor).top());
}

QTextCursor CPreviewPane::Range(std::size_t start, std::size_t length) const
{
    start = std::min(start, positions_.Length());
    length = std::min(length, positions_.Length() - start);
    QTextCursor cursor(browser_->document());
    cursor.setPosition(positions_.ToQt(start));
    cursor.setPosition(positions_.ToQt(start + length), QTextCursor::KeepAnchor);
    return cursor;
}

}  // namespace TarnGui
