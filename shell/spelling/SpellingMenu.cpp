// SPDX-License-Identifier: MIT
#include "shell/spelling/SpellingMenu.h"

#include "drawing/QtText.h"
#include "shell/spelling/SpellingHighlighter.h"
#include "shell/spelling/SpellingService.h"
#include "shell/support/QtTextPositions.h"
#include "spelling/SpellChecker.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <optional>

namespace TarnGui {

namespace {

// A misspelled word in a text box: where it is in the document, in UTF-16 units.
struct Misspelling {
    std::wstring word;
    int start = 0;
    int end = 0;
};

std::optional<Misspelling> MisspellingAt(const QTextCursor& cursor, const Spelling::SpellChecker& checker)
{
    const QTextBlock block = cursor.block();
    const int place = cursor.position() - block.position();
    const std::wstring text = block.text().toStdWString();
    const std::vector<int> starts = Utf16Starts(text);
    for (const Spelling::WordSpan& span : Spelling::FindWords(text)) {
        const int start = starts[span.start];
        const int end = starts[span.start + span.length];
        if (place >= start && place <= end) {
            std::wstring word = text.substr(span.start, span.length);
            if (checker.IsCorrect(word)) {
                return std::nullopt;
            }
            return Misspelling{std::move(word), block.position() + start, block.position() + end};
        }
    }
    return std::nullopt;
}

}  // namespace

SpellingMenu::SpellingMenu(QPlainTextEdit* editor, const SpellingHighlighter* highlighter, SpellingService& service,
                           std::function<QMenu*()> ownMenu)
    : QObject(editor), editor_(editor), highlighter_(highlighter), service_(service), ownMenu_(std::move(ownMenu))
{
    editor_->viewport()->installEventFilter(this);
}

bool SpellingMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu || highlighter_->Checker() == nullptr) {
        return QObject::eventFilter(watched, event);
    }
    const auto* request = static_cast<QContextMenuEvent*>(event);
    const std::optional<Misspelling> found = MisspellingAt(editor_->cursorForPosition(request->pos()), *highlighter_->Checker());
    if (!found) {
        return QObject::eventFilter(watched, event);
    }
    QMenu* menu = ownMenu_();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* first = menu->actions().value(0);
    const auto add = [menu, first](const QString& text) {
        auto* action = new QAction(text, menu);
        menu->insertAction(first, action);
        return action;
    };
    const std::vector<std::wstring> suggestions = highlighter_->Checker()->Suggestions(found->word);
    for (const std::wstring& suggestion : suggestions) {
        QAction* action = add(Drawing::ToQString(suggestion));
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
        connect(action, &QAction::triggered, editor_, [editor = editor_, word = *found, suggestion] {
            QTextCursor cursor(editor->document());
            cursor.setPosition(word.start);
            cursor.setPosition(word.end, QTextCursor::KeepAnchor);
            // The text is checked to be the same word still, as the menu may outlive an edit.
            if (cursor.selectedText().toStdWString() == word.word) {
                cursor.insertText(Drawing::ToQString(suggestion));
                editor->setTextCursor(cursor);
            }
        });
    }
    if (suggestions.empty()) {
        add(tr("No suggestions"))->setEnabled(false);
    }
    menu->insertSeparator(first);
    connect(add(tr("Ignore")), &QAction::triggered, this, [this, word = found->word] { service_.Ignore(word); });
    connect(add(tr("Add to dictionary")), &QAction::triggered, this, [this, word = found->word] { service_.AddToDictionary(word); });
    if (first != nullptr) {
        menu->insertSeparator(first);
    }
    menu->popup(request->globalPos());
    return true;
}

}  // namespace TarnGui
