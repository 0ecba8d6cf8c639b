// SPDX-License-Identifier: MIT
#pragma once

#include "document/TarnDataModel.h"
#include "shell/mainframe/RecentFiles.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace TarnGui {

class CMainFrame;

// The Qt application. Whatever a handler lets escape is shown to the user here instead of
// unwinding through Qt's event loop, which would end the program and lose the book.
// The program's own icon, in every size it is drawn at.
QIcon ProgramIcon();

class TarnApplication : public QApplication {
    Q_OBJECT
public:
    TarnApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Owns the one book and the main window, and starts them in order.
class CTarnGuiApp {
public:
    CTarnGuiApp();
    ~CTarnGuiApp();
    CTarnGuiApp(const CTarnGuiApp&) = delete;
    CTarnGuiApp& operator=(const CTarnGuiApp&) = delete;

    // In place of a book file, opens an untitled copy of the sample book.
    static inline const QString SampleBookArgument = QStringLiteral("--sample-book");

    // Creates and shows the main window with a new book, then opens the file that the
    // arguments name, if any. False when the window could not be made.
    bool InitInstance(const QStringList& arguments, bool showMaximised = true);

    TarnViewModel::TarnDataModel& Document() { return document_; }
    CMainFrame* MainFrame() const { return mainFrame_.get(); }

private:
    TarnViewModel::TarnDataModel document_;
    std::unique_ptr<RecentFiles> recentFiles_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

}  // namespace TarnGui
