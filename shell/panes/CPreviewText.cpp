// SPDX-License-Identifier: MIT
#include "shell/panes/CPreviewText.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace TarnGui {

namespace {

// The plain-text layout, which keeps to the paragraphs in sight, knows no paragraph spacing;
// each paragraph is given half a line more below it, which painting, scrolling and clicking
// all take from here.
class SpacedParagraphs : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    QRectF blockBoundingRect(const QTextBlock& block) const override
    {
        QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        if (rect.height() > 0 && lines != nullptr && lines->lineCount() > 0) {
            rect.setHeight(rect.height() + lines->lineAt(0).height() / 2);
        }
        return rect;
    }
};

QTextDocument* SpacedDocument(QObject* owner)
{
    auto* document = new QTextDocument(owner);
    document->setDocumentLayout(new SpacedParagraphs(document));
    document->setUndoRedoEnabled(false);
    return document;
}

}  // namespace

CPreviewText::CPreviewText(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse);
    viewport()->setMouseTracking(true);
    setDocument(SpacedDocument(this));
}

QString CPreviewText::AnchorAt(const QPoint& point) const
{
    const QTextCursor cursor = cursorForPosition(point);
    if (!cursorRect(cursor).adjusted(-fontMetrics().averageCharWidth(), 0, fontMetrics().averageCharWidth(), 0).contains(point)) {
        return {};
    }
    // The character after the cursor's position is the one under the point, unless the
    // point lies in its left half, where the cursor stands before it.
    QTextCursor next = cursor;
    next.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    if (next.charFormat().isAnchor()) {
        return next.charFormat().anchorHref();
    }
    return cursor.charFormat().isAnchor() ? cursor.charFormat().anchorHref() : QString();
}

void CPreviewText::ClearSoon()
{
    QTextDocument* old = document();
    QTextDocument* fresh = SpacedDocument(this);
    setDocument(fresh);
    fresh->setDefaultFont(old->defaultFont());
    fresh->setDocumentMargin(old->documentMargin());
    old->deleteLater();
}

void CPreviewText::ScrollToPosition(int position)
{
    QTextCursor cursor(document());
    cursor.setPosition(position);
    setTextCursor(cursor);
    verticalScrollBar()->setValue(cursor.block().firstLineNumber());
}

void CPreviewText::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(AnchorAt(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
}

void CPreviewText::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    const QString anchor = AnchorAt(event->position().toPoint());
    const bool dragged = (event->position().toPoint() - pressedAt_).manhattanLength() >= QApplication::startDragDistance();
    if (event->button() == Qt::LeftButton && !anchor.isEmpty() && !dragged) {
        emit anchorClicked(QUrl(anchor));
    }
}

void CPreviewText::mousePressEvent(QMouseEvent* event)
{
    pressedAt_ = event->position().toPoint();
    QPlainTextEdit::mousePressEvent(event);
}

}  // namespace TarnGui
