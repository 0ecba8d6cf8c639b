// SPDX-License-Identifier: MIT
#pragma once

#include "background/Worker.h"

#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>

class QWidget;

namespace TarnGui {

// Runs the window's long book jobs (save, export, printing) one after another on a worker,
// from a snapshot of the book, so that the author goes on writing meanwhile. A job that
// takes more than half a second shows a progress dialog that leaves the window usable; its
// Cancel, where the job allows one, asks the job to stop. A job's failure is shown as every
// error is. Outcomes arrive through the event queue, and never once the runner is gone.
class BookJobs {
public:
    // Tells how far a job has got; called on the worker's thread.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    explicit BookJobs(QWidget* window);
    BookJobs(const BookJobs&) = delete;
    BookJobs& operator=(const BookJobs&) = delete;

    // Runs job(progress, stop) on the worker, then done(result) on the window's thread; or,
    // when the job throws, shows its error and then calls failed.
    template <class Job, class Done>
    void Run(const QString& label, bool cancellable, Job job, Done done, std::function<void()> failed = {})
    {
        auto cancel = std::make_shared<std::stop_source>();
        QPointer<QProgressDialog> dialog = ShowProgress(label, cancellable, cancel);
        const Progress progress = ProgressOf(dialog);
        ++running_;
        worker_.Post(
            [job = std::move(job), progress, cancel](std::stop_token closing) mutable {
                const std::stop_callback closed(closing, [cancel] { cancel->request_stop(); });
                return job(progress, cancel->get_token());
            },
            [this, dialog, done = std::move(done)](auto&&... result) mutable {
                Ended(dialog);
                done(std::forward<decltype(result)>(result)...);
            },
            [this, dialog, failed](std::exception_ptr failure) {
                Failed(dialog, failure);
                if (failed) {
                    failed();
                }
            });
    }

    // True while a job runs or waits.
    bool Busy() const { return running_ > 0; }
    // Waits for the jobs given so far and delivers their outcomes before it returns: for
    // the few steps that cannot go on before the book is on disk, such as closing.
    void Finish();

private:
    // The outcomes handed over by the worker, run in the order they came.
    struct Outcomes {
        void Add(std::function<void()> outcome);
        void RunAll();

        std::mutex mutex;
        std::deque<std::function<void()>> waiting;
    };

    QPointer<QProgressDialog> ShowProgress(const QString& label, bool cancellable, std::shared_ptr<std::stop_source> cancel);
    static Progress ProgressOf(QPointer<QProgressDialog> dialog);
    void Ended(QPointer<QProgressDialog> dialog);
    void Failed(QPointer<QProgressDialog> dialog, std::exception_ptr failure);

    QWidget* window_;
    int running_ = 0;
    std::shared_ptr<Outcomes> outcomes_ = std::make_shared<Outcomes>();
    // Last, so that it goes first: no outcome arrives once the runner is going.
    Background::Worker worker_;
};

}  // namespace TarnGui
