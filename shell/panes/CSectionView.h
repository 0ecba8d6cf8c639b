#pragma once

#include "controllers/ISectionView.h"

#include <QPlainTextEdit>
#include <QWidget>

#include <functional>

class QLabel;
class QMenu;

namespace TarnViewModel {
class TarnDataModel;
}

namespace TarnGui {

// The section text box: plain text only, handed over whenever it loses the focus. Undo and
// redo belong to the book, so their shortcuts pass through to the main window, and the
// context menu offers only the edit commands.
class CTarnTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CTarnTextEdit(QWidget* parent = nullptr);
    void SetFocusLostHandler(std::function<void()> handler) { focusLost_ = std::move(handler); }
    // The context menu as it would open now; the caller owns it.
    QMenu* CreateContextMenu();

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<void()> focusLost_;
};

// The main window's central view: the selected section's number and text, on the section's
// background colour. Typed text becomes one undoable command when the text box is left.
class CSectionView : public QWidget, public TarnViewModel::ISectionView {
    Q_OBJECT
public:
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

    TarnViewModel::TarnDataModel& model_;
    QLabel* heading_;
    CTarnTextEdit* text_;
    // The text as last shown or handed over, with the document's CR LF line ends.
    std::wstring shown_;
};

}  // namespace TarnGui
