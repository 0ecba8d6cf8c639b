// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTextCharFormat>

class QPlainTextEdit;

namespace Spelling {
class SpellChecker;
}

namespace TarnGui {

// Puts a wavy underline under the misspelled words of a text box. Only the paragraphs in
// view, and a few either side, are checked; the others wait until they are scrolled to, so
// that neither a long text nor a keystroke waits for the whole of it. The underlines are
// drawn formats, not edits: the text, its undo and its modified state stay as they were.
class SpellingHighlighter : public QObject {
    Q_OBJECT
public:
    explicit SpellingHighlighter(QPlainTextEdit* editor);

    // Marks with the checker from now on; none takes the marks away.
    void SetChecker(const Spelling::SpellChecker* checker);
    const Spelling::SpellChecker* Checker() const { return checker_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnContentsChange(int position, int removed, int added);
    // Checks the paragraphs now in view that have not been checked yet.
    void CheckVisibleBlocks();
    void CheckVisibleBlocksSoon();
    bool NearView(const QTextBlock& block) const;
    void Mark(QTextBlock block);

    QPlainTextEdit* editor_;
    const Spelling::SpellChecker* checker_ = nullptr;
    QTextCharFormat misspelled_;
    // The paragraphs in view when last looked, by number.
    int firstVisible_ = 0;
    int lastVisible_ = 0;
    bool checkPending_ = false;
};

}  // namespace TarnGui
