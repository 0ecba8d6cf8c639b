// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QPlainTextEdit;

namespace TarnGui {

class SpellingHighlighter;
class SpellingService;

// Right-clicked on a misspelled word, a text box's menu starts with the dictionary's
// corrections, "Ignore" and "Add to dictionary", above the box's own commands.
class SpellingMenu : public QObject {
    Q_OBJECT
public:
    SpellingMenu(QPlainTextEdit* editor, const SpellingHighlighter* highlighter, SpellingService& service, std::function<QMenu*()> ownMenu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* editor_;
    const SpellingHighlighter* highlighter_;
    SpellingService& service_;
    std::function<QMenu*()> ownMenu_;
};

}  // namespace TarnGui
