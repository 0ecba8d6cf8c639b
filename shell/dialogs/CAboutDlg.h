// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QLabel>

#include <functional>

namespace TarnGui {

// A picture that runs an action when it is clicked, showing the hand cursor.
class CClickableImage : public QLabel {
    Q_OBJECT
public:
    CClickableImage(const QString& text, std::function<void()> action, QWidget* parent);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> action_;
};

// The program's version and build date, with links to the maker's pages.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QString& url)>;
    CAboutDlg(const UrlOpener& open, QWidget* parent);
};

}  // namespace TarnGui
