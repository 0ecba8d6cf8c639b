// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QUrl>

namespace TarnGui {

// The preview's text box. It lays out only the paragraphs in sight, so a book of any length
// opens at once, and it follows links itself: a click on a character formatted as a link
// reports its address.
class CPreviewText : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CPreviewText(QWidget* parent = nullptr);

    // The address of the link under a point of the viewport, or an empty text.
    QString AnchorAt(const QPoint& point) const;
    // Puts the paragraph holding the document position at the top of the view.
    void ScrollToPosition(int position);
    // Starts an empty text at once and frees the old one in a later turn of the event
    // loop, as freeing a whole book takes a while.
    void ClearSoon();

signals:
    void anchorClicked(const QUrl& link);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A release far from the press ends a selection, not a click on a link.
    QPoint pressedAt_;
};

}  // namespace TarnGui
