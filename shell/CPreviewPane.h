#pragma once

#include "controllers/IBookPreviewView.h"
#include "shell/UpdateBracket.h"

#include <QDockWidget>

#include <string>

class QTextBrowser;

namespace TarnViewModel {
class TarnDataModel;
}

namespace TarnGui {

// The reader's preview: the book's text with its fonts and links that select the section
// they lead to. The controller counts characters; Qt counts UTF-16 units, so the pane keeps
// the text to convert positions.
class CPreviewPane : public QDockWidget, public TarnViewModel::IBookPreviewView {
    Q_OBJECT
public:
    CPreviewPane(TarnViewModel::TarnDataModel& model, QWidget* parent);


    void ReplaceText(std::size_t start, std::size_t length, const std::wstring& text) override;
    void SetAllText(const std::wstring& text) override;
    void FormatRange(std::size_t start, std::size_t length, const CommonLib::Font& font) override;
    void FormatRangeAndHome(std::size_t start, std::size_t length) override;
    void FormatAll(const CommonLib::Font& font) override;
    void ClearPreview() override;
    void BeginUpdate() override;
    void EndUpdate() override;
    void ScrollToCharacter(std::size_t position) override;

private:
    // The UTF-16 position of a character position, clamped to the text.
    int Utf16Position(std::size_t position) const;

    QTextBrowser* browser_;
    std::wstring text_;
    UpdateBracket updates_;
};

}  // namespace TarnGui
