#include "shell/CPreviewText.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace TarnGui {

CPreviewText::CPreviewText(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse);
    viewport()->setMouseTracking(true);
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
    // The editor would free a document of its own at once.
    old->setParent(nullptr);
    setDocument(nullptr);
    document()->setDefaultFont(old->defaultFont());
    document()->setDocumentMargin(old->documentMargin());
    document()->setUndoRedoEnabled(false);
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
