// SPDX-License-Identifier: MIT
#include "shell/spelling/SpellingHighlighter.h"

#include "shell/support/QtTextPositions.h"
#include "spelling/SpellChecker.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <vector>

namespace TarnGui {

namespace {

// Paragraphs this far beyond the view are checked too, so that a line or two of scrolling
// or typing finds them ready.
constexpr int BlocksAround = 2;

// A paragraph's state: checked against the checker in use, or not.
enum BlockState { Unchecked = -1, Checked = 1 };

bool SameRanges(const QList<QTextLayout::FormatRange>& a, const QList<QTextLayout::FormatRange>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return x.start == y.start && x.length == y.length && x.format == y.format; });
}

}  // namespace

SpellingHighlighter::SpellingHighlighter(QPlainTextEdit* editor) : QObject(editor), editor_(editor)
{
    misspelled_.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    misspelled_.setUnderlineColor(Qt::red);
    connect(editor_->document(), &QTextDocument::contentsChange, this, &SpellingHighlighter::OnContentsChange);
    connect(editor_->verticalScrollBar(), &QScrollBar::valueChanged, this, &SpellingHighlighter::CheckVisibleBlocksSoon);
    editor_->viewport()->installEventFilter(this);
}

void SpellingHighlighter::SetChecker(const Spelling::SpellChecker* checker)
{
    checker_ = checker;
    for (QTextBlock block = editor_->document()->begin(); block.isValid(); block = block.next()) {
        block.setUserState(Unchecked);
        if (!block.layout()->formats().isEmpty() && (checker_ == nullptr || !NearView(block))) {
            Mark(block);
        }
    }
    CheckVisibleBlocks();
}

void SpellingHighlighter::OnContentsChange(int position, int, int added)
{
    const QTextDocument* document = editor_->document();
    const QTextBlock last = document->findBlock(position + added);
    for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
        block.setUserState(Unchecked);
        if (NearView(block)) {
            Mark(block);
        }
        if (block == last) {
            break;
        }
    }
    CheckVisibleBlocksSoon();
}

bool SpellingHighlighter::NearView(const QTextBlock& block) const
{
    const int number = block.blockNumber();
    return number >= firstVisible_ - BlocksAround && number <= lastVisible_ + BlocksAround;
}

// Sets the block's underlines; a block out of view, or with no checker, gets none.
void SpellingHighlighter::Mark(QTextBlock block)
{
    QList<QTextLayout::FormatRange> ranges;
    if (checker_ != nullptr && NearView(block)) {
        const std::wstring text = block.text().toStdWString();
        const std::vector<int> starts = Utf16Starts(text);
        for (const Spelling::WordSpan& word : checker_->Misspelled(text)) {
            ranges.push_back({starts[word.start], starts[word.start + word.length] - starts[word.start], misspelled_});
        }
        block.setUserState(Checked);
    }
    QTextLayout* layout = block.layout();
    if (!SameRanges(layout->formats(), ranges)) {
        layout->setFormats(ranges);
        editor_->document()->markContentsDirty(block.position(), block.length());
    }
}

void SpellingHighlighter::CheckVisibleBlocksSoon()
{
    if (checkPending_) {
        return;
    }
    checkPending_ = true;
    QTimer::singleShot(0, this, [this] {
        checkPending_ = false;
        CheckVisibleBlocks();
    });
}

void SpellingHighlighter::CheckVisibleBlocks()
{
    if (checker_ == nullptr) {
        return;
    }
    const QTextBlock first = editor_->cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock last = editor_->cursorForPosition(QPoint(0, editor_->viewport()->height())).block();
    firstVisible_ = first.blockNumber();
    lastVisible_ = std::max(firstVisible_, last.blockNumber());
    QTextBlock block = editor_->document()->findBlockByNumber(std::max(0, firstVisible_ - BlocksAround));
    for (; block.isValid() && NearView(block); block = block.next()) {
        if (block.userState() != Checked) {
            Mark(block);
        }
    }
}

bool SpellingHighlighter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        CheckVisibleBlocksSoon();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace TarnGui
