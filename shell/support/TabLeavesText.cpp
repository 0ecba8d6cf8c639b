// SPDX-License-Identifier: MIT
#include "shell/support/TabLeavesText.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace TarnGui {

namespace {

class CtrlTabTypesTab : public QObject {
public:
    explicit CtrlTabTypesTab(QPlainTextEdit* text) : QObject(text), text_(text) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() != QKeyCombination(Qt::ControlModifier, Qt::Key_Tab)) {
            return QObject::eventFilter(watched, event);
        }
        // Taken before any shortcut of the window, then typed.
        event->accept();
        if (event->type() == QEvent::KeyPress && !text_->isReadOnly()) {
            text_->insertPlainText(QStringLiteral("\t"));
        }
        return true;
    }

private:
    QPlainTextEdit* text_;
};

}  // namespace

void LetTabLeaveText(QPlainTextEdit* text)
{
    text->setTabChangesFocus(true);
    text->installEventFilter(new CtrlTabTypesTab(text));
}

}  // namespace TarnGui
