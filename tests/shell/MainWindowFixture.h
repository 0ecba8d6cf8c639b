// SPDX-License-Identifier: MIT
#pragma once

#include "DialogScript.h"
#include "document/TarnDataModel.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/mainframe/CMainFrame.h"
#include "shell/mainframe/CTarnGuiApp.h"
#include "shell/panes/CSectionView.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace TestSupport {

// The real program, started as its main function starts it, with the desktop's "open"
// service replaced by a list of what it was asked to open.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        app_ = std::make_unique<TarnGui::CTarnGuiApp>();
        ASSERT_TRUE(app_->InitInstance({QStringLiteral("brindle-studio")}, false));
        Frame().SetUrlOpener([this](const QUrl& url) {
            opened_.push_back(url);
            return true;
        });
        Frame().resize(1280, 800);
        Frame().show();
        QApplication::setActiveWindow(&Frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }
    void TearDown() override
    {
        EXPECT_TRUE(script_.Unexpected().empty()) << "unanswered dialog: " << script_.Unexpected().front();
        app_.reset();
        QSettings().clear();
    }

    TarnGui::CMainFrame& Frame() { return *app_->MainFrame(); }
    TarnViewModel::TarnDataModel& Model() { return app_->Document(); }
    // Runs the command and lets a save or an export it began end, answering what it asks.
    void Run(unsigned command)
    {
        Frame().Action(command)->trigger();
        WaitForBookJobs();
    }
    void WaitForBookJobs()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Frame().BookJobsBusy(); }, 60000));
    }
    // Keys go to the focused widget of the main window, active again after any dialog.
    void Press(QKeySequence keys)
    {
        QApplication::setActiveWindow(&Frame());
        QWidget* focus = QApplication::focusWidget();
        QTest::keySequence(focus != nullptr ? focus : &Frame(), keys);
    }
    // Types into the section editor, leaving the focus there.
    void TypeIntoSection(const QString& text)
    {
        QPlainTextEdit* editor = Frame().SectionView()->TextBox();
        editor->setFocus();
        const QStringList lines = text.split('\n');
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0) {
                QTest::keyClick(editor, Qt::Key_Return);
            }
            QTest::keyClicks(editor, lines[line]);
        }
    }
    // Waits, on the event loop, until the chart shows the layout of the book as it is.
    void WaitForLayout()
    {
        TarnGui::CFlowchartPane* pane = Frame().FlowchartPane();
        if (!pane->LayoutSettled()) {
            QSignalSpy settled(pane, &TarnGui::CFlowchartPane::layoutSettled);
            ASSERT_TRUE(settled.wait(60000));
        }
    }
    void WaitForScript()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return script_.Finished(); }, 5000));
    }
    // The File menu's entry for a recent book, or null.
    QAction* RecentEntry(const QString& path)
    {
        for (QAction* action : Frame().findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("&1 ") + path) {
                return action;
            }
        }
        return nullptr;
    }
    QString PathOf(const std::string& name) const { return QString::fromStdString(folder_.Path(name).string()); }

    std::unique_ptr<TarnGui::CTarnGuiApp> app_;
    DialogScript script_;
    TempFolder folder_;
    std::vector<QUrl> opened_;
};

}  // namespace TestSupport
