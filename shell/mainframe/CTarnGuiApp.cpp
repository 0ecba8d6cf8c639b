// SPDX-License-Identifier: MIT
#include "shell/mainframe/CTarnGuiApp.h"

#include "shell/mainframe/BookAutosave.h"
#include "shell/mainframe/CMainFrame.h"
#include "shell/support/ErrorBoundary.h"
#include "translation/ProgramLanguage.h"

#include <QFileInfo>
#include <QIcon>
#include <QStatusBar>

#include <cstdlib>
#include <ctime>

namespace TarnGui {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/brindle-studio-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

TarnApplication::TarnApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Oakhollow Games"));
    setApplicationName(QStringLiteral("Brindle Story Studio"));
    setDesktopFileName(QStringLiteral("brindle-studio"));
    setWindowIcon(ProgramIcon());
    // Icons the desktop's theme lacks come from Adwaita, whose full-colour set reads on
    // light and dark palettes alike.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    Translation::InstallProgramLanguage(*this, Translation::ChosenProgramLanguage());
}

bool TarnApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

CTarnGuiApp::CTarnGuiApp() = default;

CTarnGuiApp::~CTarnGuiApp() = default;

bool CTarnGuiApp::InitInstance(const QStringList& arguments, bool showMaximised)
{
    // The shuffle draws from the C library's generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    recentFiles_ = std::make_unique<RecentFiles>();
    mainFrame_ = std::make_unique<CMainFrame>(document_, *recentFiles_);
    mainFrame_->OnFileNew();
    if (mainFrame_->RestoreLayout() || !showMaximised) {
        mainFrame_->show();
    } else {
        mainFrame_->showMaximized();
    }
    // Work just restored is never put at the mercy of a question about the file asked for:
    // the author saves it, or closes it knowingly, first.
    if (mainFrame_->Autosave().OfferRecovery()) {
        if (arguments.size() > 1 && arguments.at(1) != SampleBookArgument &&
            QFileInfo(arguments.at(1)).absoluteFilePath() !=
                QFileInfo(QString::fromStdWString(document_.GetFilePath())).absoluteFilePath()) {
            mainFrame_->statusBar()->showMessage(
                QCoreApplication::translate("TarnGui::CTarnGuiApp",
                                            "The restored work is open; \"%1\" was not opened. Open it once the restored work is saved.")
                    .arg(arguments.at(1)));
        }
    } else if (arguments.size() > 1 && arguments.at(1) == SampleBookArgument) {
        mainFrame_->OnOpenSampleBook();
    } else if (arguments.size() > 1) {
        mainFrame_->OpenFile(arguments.at(1));
    }
    return true;
}

}  // namespace TarnGui
