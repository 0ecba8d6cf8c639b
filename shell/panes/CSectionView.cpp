// SPDX-License-Identifier: MIT
#include "shell/panes/CSectionView.h"

#include "commands/UpdatePropertyCommand.h"
#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "drawing/FlowchartPainter.h"
#include "drawing/QtColour.h"
#include "drawing/QtText.h"
#include "shell/mainframe/EditCommandStates.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/LineEnds.h"
#include "shell/support/QtTextPositions.h"
#include "shell/support/TabLeavesText.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

namespace TarnGui {

namespace {

// The box's text as typed: unlike toPlainText, this keeps no-break spaces, which French
// typography puts before every colon and question mark.
QString TypedText(const QPlainTextEdit& box)
{
    QString text = box.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = u'\n';
        }
    }
    return text;
}

// Replaces only the characters that differ, so that after an undo the caret and the view
// stay where the author was working.
void ReplaceChangedSpan(QPlainTextEdit& box, const QString& before, const QString& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    // Never between the halves of a character beyond the basic plane.
    if (prefix > 0 && before[prefix - 1].isHighSurrogate()) {
        --prefix;
    }
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    if (suffix > 0 && before[before.size() - suffix].isLowSurrogate()) {
        --suffix;
    }
    // A text replaced whole is another text: it is read from its top.
    if (prefix == 0 && suffix == 0) {
        box.setPlainText(after);
        return;
    }
    QTextCursor cursor(box.document());
    cursor.setPosition(static_cast<int>(prefix));
    cursor.setPosition(static_cast<int>(before.size() - suffix), QTextCursor::KeepAnchor);
    cursor.insertText(after.mid(prefix, after.size() - prefix - suffix));
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
}

}  // namespace

CTarnTextEdit::CTarnTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
}

void CTarnTextEdit::SetHistoryActions(QAction* undo, QAction* redo)
{
    undo_ = undo;
    redo_ = redo;
}

QMenu* CTarnTextEdit::CreateContextMenu()
{
    auto* menu = new QMenu(this);
    if (undo_ != nullptr && redo_ != nullptr) {
        menu->addAction(undo_);
        menu->addAction(redo_);
        menu->addSeparator();
    }
    const EditCommandStates states = EditCommandStatesFor(textCursor().hasSelection(), !isReadOnly());
    menu->addAction(tr("Cu&t"), this, &QPlainTextEdit::cut)->setEnabled(states.cut);
    menu->addAction(tr("&Copy"), this, &QPlainTextEdit::copy)->setEnabled(states.copy);
    menu->addAction(tr("&Paste"), this, &QPlainTextEdit::paste)->setEnabled(states.paste);
    menu->addSeparator();
    menu->addAction(tr("Select &All"), this, &QPlainTextEdit::selectAll)->setEnabled(!document()->isEmpty());
    return menu;
}

bool CTarnTextEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void CTarnTextEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CTarnTextEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (focusLost_) {
        focusLost_();
    }
}

CSectionView::CSectionView(TarnViewModel::TarnDataModel& model, QWidget* parent)
    : QWidget(parent), model_(model), heading_(new QLabel(this)), text_(new CTarnTextEdit(this)), typingPause_(new QTimer(this))
{
    setObjectName(QStringLiteral("SectionView"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    layout->addWidget(heading_);
    layout->addWidget(text_, 1);
    setFocusProxy(text_);
    text_->setAccessibleName(tr("Section text"));
    text_->setAccessibleDescription(tr("What the reader reads in the section; Tab goes to the next pane, Ctrl+Tab types a tab"));
    LetTabLeaveText(text_);
    text_->SetFocusLostHandler([this] { RunGuarded(this, [this] { CommitText(); }); });
    connect(text_->document(), &QTextDocument::modificationChanged, this, &CSectionView::TypedTextChanged);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(TypingPause);
    connect(typingPause_, &QTimer::timeout, this, [this] { RunGuarded(this, [this] { CommitText(); }); });
    connect(text_->document(), &QTextDocument::contentsChanged, this, &CSectionView::OnTextTyped);
    ClearSection();
}

void CSectionView::OnTextTyped()
{
    if (!showing_) {
        typingPause_->start();
    }
}

// The controller announces a colour only when it changes, so a newly shown section brings
// its own; an empty slot shows the colour of a new section.
void CSectionView::ShowSection(std::uint32_t number, const std::wstring& text)
{
    ShowSectionNumber(number);
    // Another section's text starts at its top; the same section's keeps the caret.
    const QString widgetText = ToWidgetLineEnds(Drawing::ToQString(text));
    if (TypedText(*text_) != widgetText) {
        const QScopedValueRollback<bool> showing(showing_, true);
        text_->setPlainText(widgetText);
    }
    ShowText(text);
    const TarnViewModel::StoryGraph& graph = model_.GetStoryGraph();
    ShowSectionColour(graph.HasSection(number) ? graph.GetSection(number).backgroundColour : CommonLib::ColourUtilities::RGBColour{});
}

void CSectionView::EnableEditing(bool enable)
{
    text_->setReadOnly(!enable);
    text_->setEnabled(enable);
}

void CSectionView::ShowSectionNumber(std::uint32_t number)
{
    number_ = number;
    heading_->setText(tr("Section %1").arg(number));
    text_->setAccessibleName(tr("Text of section %1").arg(number));
}

void CSectionView::ShowSectionText(const std::wstring& text)
{
    ShowText(text);
}

void CSectionView::ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour)
{
    const QColor fill = Drawing::ToQColor(colour);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, fill);
    palette.setColor(QPalette::WindowText, Drawing::TextColourFor(fill));
    setPalette(palette);
}

bool CSectionView::HasTypedText() const
{
    return text_->document()->isModified();
}

void CSectionView::CommitText()
{
    typingPause_->stop();
    const std::wstring typed = Drawing::ToWString(ToDocumentLineEnds(TypedText(*text_)));
    if (typed == shown_) {
        text_->document()->setModified(false);
        return;
    }
    const std::uint32_t number = number_;
    if (number == TarnViewModel::NoSection || !model_.GetStoryGraph().HasSection(number)) {
        return;
    }
    const std::wstring old = model_.GetStoryGraph().GetSection(number).text;
    auto command = std::make_unique<TarnViewModel::UpdatePropertyCommand1Arg<const std::wstring&>>(
        [this, number](const std::wstring& value) { model_.SetSectionText(number, value); }, old, typed);
    try {
        command->Execute();
    } catch (...) {
        // The box shows what the book holds, so that a refused text is not taken for kept.
        ShowText(old);
        throw;
    }
    shown_ = typed;
    model_.RecordCommand(std::move(command));
}

void CSectionView::SelectText(std::size_t start, std::size_t length, bool focus)
{
    QtTextPositions positions;
    positions.Reset(shown_);
    QTextCursor cursor(text_->document());
    cursor.setPosition(positions.ToQt(start));
    cursor.setPosition(positions.ToQt(start + length), QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
    text_->ensureCursorVisible();
    if (focus) {
        text_->setFocus(Qt::OtherFocusReason);
    }
}

void CSectionView::ClearSection()
{
    number_ = TarnViewModel::NoSection;
    heading_->clear();
    text_->setAccessibleName(tr("Section text"));
    ShowText(L"");
    EnableEditing(false);
}

void CSectionView::ShowTextFont(const CommonLib::Font& font)
{
    QFont shown(Drawing::ToQString(font.faceName));
    if (font.size > 0) {
        shown.setPointSize(font.size);
    }
    text_->setFont(shown);
}

void CSectionView::ShowText(const std::wstring& text)
{
    shown_ = text;
    typingPause_->stop();
    const QString widgetText = ToWidgetLineEnds(Drawing::ToQString(text));
    const QString current = TypedText(*text_);
    if (current != widgetText) {
        const QScopedValueRollback<bool> showing(showing_, true);
        ReplaceChangedSpan(*text_, current, widgetText);
    }
    text_->document()->setModified(false);
}

}  // namespace TarnGui
