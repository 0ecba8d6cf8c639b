// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IChoicesView.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

namespace TarnGui {

// The choice editor: the choice's text, its destination picked from the book's sections or
// typed as a number, and whether it is hidden.
class CChoiceEditorDlg : public QDialog {
    Q_OBJECT
public:
    CChoiceEditorDlg(const TarnViewModel::DestinationList& destinations, std::uint32_t destination, const std::wstring& text, bool hidden,
                     QWidget* parent);

    QPlainTextEdit* TextBox() const { return text_; }
    std::wstring Text() const;
    std::uint32_t Destination() const;
    bool Hidden() const;

    void accept() override;

private:
    // The chosen or typed destination; 0 when the entry is not a section number.
    std::uint32_t ReadDestination() const;

    QPlainTextEdit* text_;
    QComboBox* destination_;
    QCheckBox* hidden_;
    std::uint32_t chosen_ = 0;
};

}  // namespace TarnGui
