#include "shell/CPreviewPane.h"

#include "document/TarnDataModel.h"
#include "shell/ErrorBoundary.h"
#include "shell/QtText.h"
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
    start = std::min(start, text_.size());
    length = std::min(length, text_.size() - start);
    QTextCursor cursor(browser_->document());
    cursor.setPosition(Utf16Position(start));
    cursor.setPosition(Utf16Position(start + length), QTextCursor::KeepAnchor);
    cursor.insertText(ToQString(text), QTextCharFormat());
    text_.replace(start, length, text);
}

void CPreviewPane::SetAllText(const std::wstring& text)
{
    text_ = text;
    browser_->setPlainText(ToQString(text));
}

void CPreviewPane::FormatRange(std::size_t start, std::size_t length, const CommonLib::Font& font)
{
    QTextCursor cursor(browser_->document());
    cursor.setPosition(Utf16Position(start));
    cursor.setPosition(Utf16Position(start + length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(FontFormat(font));
}

void CPreviewPane::FormatRangeAndHome(std::size_t start, std::size_t length)
{
    QTextCursor cursor(browser_->document());
    cursor.setPosition(Utf16Position(start));
    cursor.setPosition(Utf16Position(start + length), QTextCursor::KeepAnchor);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("%1:%2").arg(LinkScheme, cursor.selectedText().trimmed()));
    link.setForeground(browser_->palette().link());
    link.setFontUnderline(true);
    cursor.mergeCharFormat(link);
    QTextCursor home(browser_->document());
    browser_->setTextCursor(home);
}

void CPreviewPane::FormatAll(const CommonLib::Font& font)
{
    QTextCursor cursor(browser_->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(FontFormat(font));
}

void CPreviewPane::ClearPreview()
{
    text_.clear();
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
    QTextCursor cursor(browser_->document());
    cursor.setPosition(Utf16Position(position));
    browser_->setTextCursor(cursor);
    QScrollBar* bar = browser_->verticalScrollBar();
    bar->setValue(bar->value() + browser_->cursorRect(cursor).top());
}

int CPreviewPane::Utf16Position(std::size_t position) const
{
    position = std::min(position, text_.size());
    const auto beyondPlane = std::count_if(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(position),
                                           [](wchar_t character) { return static_cast<std::uint32_t>(character) > 0xFFFF; });
    return static_cast<int>(position + static_cast<std::size_t>(beyondPlane));
}

}  // namespace TarnGui
