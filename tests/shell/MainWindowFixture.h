#pragma once

#include "DialogScript.h"
#include "document/TarnDataModel.h"
#include "shell/CMainFrame.h"
#include "shell/CTarnGuiApp.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QSettings>
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
    }
    void TearDown() override
    {
        EXPECT_TRUE(script_.Unexpected().empty()) << "unanswered dialog: " << script_.Unexpected().front();
        app_.reset();
        QSettings().clear();
    }

    TarnGui::CMainFrame& Frame() { return *app_->MainFrame(); }
    TarnViewModel::TarnDataModel& Model() { return app_->Document(); }
    void Run(unsigned command) { Frame().Action(command)->trigger(); }
    QString PathOf(const std::string& name) const { return QString::fromStdString(folder_.Path(name).string()); }

    std::unique_ptr<TarnGui::CTarnGuiApp> app_;
    DialogScript script_;
    TempFolder folder_;
    std::vector<QUrl> opened_;
};

}  // namespace TestSupport
