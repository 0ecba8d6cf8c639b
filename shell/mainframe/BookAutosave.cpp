// SPDX-License-Identifier: MIT
#include "shell/mainframe/BookAutosave.h"

#include "controllers/AutosaveController.h"
#include "document/RecoveryFiles.h"
#include "document/TarnDataModel.h"
#include "shell/dialogs/RecoveryDialog.h"
#include "shell/support/ErrorBoundary.h"

#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

#include <filesystem>

namespace TarnGui {

BookAutosave::BookAutosave(TarnViewModel::TarnDataModel& model, QMainWindow* window)
    : QObject(window), model_(model), window_(window), session_(std::make_unique<TarnViewModel::RecoverySession>())
{
    // Outcomes come back through the event queue; once this object is gone they are dropped.
    controller_ = std::make_unique<TarnViewModel::AutosaveController>(
        model_, *session_, [this](std::function<void()> done) { QMetaObject::invokeMethod(this, std::move(done), Qt::QueuedConnection); });
    controller_->SetFailureReport([this](std::exception_ptr failure) {
        window_->statusBar()->showMessage(
            QCoreApplication::translate("TarnGui::BookAutosave", "No recovery copy could be kept: %1").arg(FailureMessage(failure)));
    });
    const int seconds = QSettings().value(IntervalSetting, DefaultInterval).toInt();
    if (seconds > 0) {
        timer_.setInterval(seconds * 1000);
        connect(&timer_, &QTimer::timeout, this, &BookAutosave::Tick);
        timer_.start();
    }
}

// The controller finishes the copy under way before the session it writes goes.
BookAutosave::~BookAutosave()
{
    controller_.reset();
}

void BookAutosave::BookSettled()
{
    if (!model_.IsModified()) {
        controller_->Discard();
    }
}

void BookAutosave::Close()
{
    controller_->Discard();
    Finish();
}

void BookAutosave::Tick()
{
    controller_->Tick();
}

void BookAutosave::Finish()
{
    controller_->Finish();
}

bool BookAutosave::OfferRecovery()
{
    std::vector<TarnViewModel::RecoveryCopy> copies = TarnViewModel::FindRecoveryCopies();
    while (!copies.empty()) {
        RecoveryDialog dialog(copies, window_);
        const int choice = dialog.exec();
        if (choice != RecoveryDialog::Restore && choice != RecoveryDialog::Discard) {
            return false;
        }
        const auto chosen = copies.begin() + dialog.SelectedCopy();
        if (choice == RecoveryDialog::Discard) {
            TarnViewModel::DiscardRecoveryCopy(*chosen);
            copies.erase(chosen);
            continue;
        }
        const TarnViewModel::RecoveryCopy copy = *chosen;
        bool restored = false;
        RunGuarded(window_, [&] {
            model_.Recover(std::filesystem::path(copy.copyFile).wstring(), copy.bookPath);
            restored = true;
        });
        if (restored) {
            // This session's own copy is on disk before the old one goes.
            controller_->Tick();
            controller_->Finish();
            TarnViewModel::DiscardRecoveryCopy(copy);
            emit Restored();
        }
        return restored;
    }
    return false;
}

}  // namespace TarnGui
