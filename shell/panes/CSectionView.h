// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/ISectionView.h"
#include "graph/Section.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QMenu;

namespace TarnViewModel {
class TarnDataModel;
}  // namespace TarnViewModel

namespace TarnGui {

// The section text box: plain text only. Undo and redo belong to the book, so their
// shortcuts pass through to the main window, and the context menu offers the book's own.
class CTarnTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CTarnTextEdit(QWidget* parent = nullptr);
    void SetFocusLostHandler(std::function<void()> handler) { focusLost_ = std::move(handler); }
    // The window's Undo and Redo, which the context menu offers.
    void SetHistoryActions(QAction* undo, QAction* redo);
    // The context menu as it would open now; the caller owns it.
    QMenu* CreateContextMenu();

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<void()> focusLost_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

// The main window's central view: the selected section's number and text, on the section's
// background colour. What is typed becomes part of the book after a short pause in the
// typing, or at once when the text box is left, each time as one undoable command.
class CSectionView : public QWidget, public TarnViewModel::ISectionView {
    Q_OBJECT
public:
    // Long enough to take a word or a phrase as one step of the history; far shorter than
    // any autosave interval.
    static constexpr int TypingPause = 700;

    CSectionView(TarnViewModel::TarnDataModel& model, QWidget* parent);

    CTarnTextEdit* TextBox() const { return text_; }
    // Selects characters of the section's text as the book counts them; with focus, the text
    // box takes the keys.
    void SelectText(std::size_t start, std::size_t length, bool focus);
    // Whether the text box holds typing not yet handed over.
    bool HasTypedText() const;

    void ShowSection(std::uint32_t number, const std::wstring& text) override;
    void EnableEditing(bool enable) override;
    void ShowSectionNumber(std::uint32_t number) override;
    void ShowSectionText(const std::wstring& text) override;
    void ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour) override;
    void CommitText() override;
    void ClearSection() override;
    void ShowTextFont(const CommonLib::Font& font) override;

signals:
    void TypedTextChanged();

private:
    void ShowText(const std::wstring& text);
    void OnTextTyped();

    TarnViewModel::TarnDataModel& model_;
    // The section whose text the box holds, to which typing is handed over.
    std::uint32_t number_ = TarnViewModel::NoSection;
    QLabel* heading_;
    CTarnTextEdit* text_;
    QTimer* typingPause_;
    // Set while the book's text is put into the box, which is not typing.
    bool showing_ = false;
    // The text as last shown or handed over, with the document's CR LF line ends.
    std::wstring shown_;
};

}  // namespace TarnGui
