// SPDX-License-Identifier: MIT
#include "shell/support/BookJobs.h"

#include "shell/support/ErrorBoundary.h"
#include "shell/support/StringTable.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace TarnGui {

namespace {

// A dialog shows only for a job that lasts longer than this.
constexpr int ProgressDelayMs = 500;

}  // namespace

void BookJobs::Outcomes::Add(std::function<void()> outcome)
{
    const std::lock_guard<std::mutex> lock(mutex);
    waiting.push_back(std::move(outcome));
}

void BookJobs::Outcomes::RunAll()
{
    std::deque<std::function<void()>> ready;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        ready.swap(waiting);
    }
    for (std::function<void()>& outcome : ready) {
        outcome();
    }
}

BookJobs::BookJobs(QWidget* window)
    : window_(window), worker_(
                           [outcomes = outcomes_](std::function<void()> outcome) {
                               outcomes->Add(std::move(outcome));
                               QMetaObject::invokeMethod(
                                   qApp, [outcomes] { outcomes->RunAll(); }, Qt::QueuedConnection);
                           },
                           Background::Backlog::Queue)
{}

void BookJobs::Finish()
{
    worker_.Finish();
    outcomes_->RunAll();
}

QPointer<QProgressDialog> BookJobs::ShowProgress(const QString& label, bool cancellable, std::shared_ptr<std::stop_source> cancel)
{
    auto* dialog = new QProgressDialog(label, QString(), 0, 0, window_);
    dialog->setObjectName(QStringLiteral("BookJobProgress"));
    dialog->setWindowTitle(LoadString(Strings::ApplicationTitle));
    // The author may go on writing while the book is written out.
    dialog->setWindowModality(Qt::NonModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(ProgressDelayMs);
    dialog->setMinimumWidth(dialog->fontMetrics().averageCharWidth() * 64);
    if (cancellable) {
        dialog->setCancelButtonText(QCoreApplication::translate("TarnGui::BookJobs", "Cancel"));
        QObject::connect(dialog, &QProgressDialog::canceled, dialog, [cancel] { cancel->request_stop(); });
    }
    dialog->setValue(0);
    return dialog;
}

BookJobs::Progress BookJobs::ProgressOf(QPointer<QProgressDialog> dialog)
{
    return [dialog](std::size_t done, std::size_t total) {
        // A hundred steps at most, so that the updates never crowd the event queue.
        const std::size_t step = std::max<std::size_t>(total / 100, 1);
        if (done % step != 0 && done != total) {
            return;
        }
        QMetaObject::invokeMethod(
            qApp,
            [dialog, done, total] {
                if (dialog) {
                    dialog->setMaximum(static_cast<int>(total));
                    dialog->setValue(static_cast<int>(done));
                }
            },
            Qt::QueuedConnection);
    };
}

void BookJobs::Ended(QPointer<QProgressDialog> dialog)
{
    --running_;
    delete dialog.data();
}

void BookJobs::Failed(QPointer<QProgressDialog> dialog, std::exception_ptr failure)
{
    Ended(dialog);
    ShowErrorMessage(window_, FailureMessage(failure));
}

}  // namespace TarnGui
