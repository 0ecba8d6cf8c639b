// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IBookPreviewView.h"
#include "shell/support/QtTextPositions.h"
#include "shell/support/UpdateBracket.h"

#include <QDockWidget>
#include <QTextCharFormat>

#include <string>

class QTextCursor;

namespace TarnViewModel {
class SectionSelection;
}

namespace TarnGui {

class CPreviewText;

// The reader's preview: the book's text with its fonts and links that select the section
// they lead to. The controller counts characters; Qt counts UTF-16 units, so the pane keeps
// track of where the two differ.
class CPreviewPane : public QDockWidget, public TarnViewModel::IBookPreviewView {
    Q_OBJECT
public:
    CPreviewPane(TarnViewModel::SectionSelection& selection, QWidget* parent);

    CPreviewText* TextBox() const { return text_; }

    void ReplaceText(std::size_t start, std::size_t length, const std::wstring& text) override;
    void SetAllText(const std::wstring& text, const std::vector<TarnViewModel::TextRange>& links,
                    const std::vector<TarnViewModel::TextRange>& headings) override;
    void AppendText(const std::wstring& text, const std::vector<TarnViewModel::TextRange>& links,
                    const std::vector<TarnViewModel::TextRange>& headings) override;
    void FormatRange(std::size_t start, std::size_t length, const CommonLib::Font& font) override;
    void FormatRangeAndHome(std::size_t start, std::size_t length) override;
    void FormatAll(const CommonLib::Font& font) override;
    void ClearPreview() override;
    void BeginUpdate() override;
    void EndUpdate() override;
    void ScrollToCharacter(std::size_t position) override;
    void RunSoon(std::function<void()> step) override;

private:
    QTextCharFormat HeadingFormat() const;
    // A cursor over the characters [start, start + length) of the text.
    QTextCursor Range(std::size_t start, std::size_t length) const;
    // The look of a link whose text is its destination's number.
    QTextCharFormat LinkFormat(const QString& number) const;

    CPreviewText* text_;
    QtTextPositions positions_;
    // The main font, for text that arrives after it was set.
    QTextCharFormat mainFormat_;
    UpdateBracket updates_;
};

}  // namespace TarnGui
