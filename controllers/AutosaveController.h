// SPDX-License-Identifier: MIT
#pragma once

#include "background/Worker.h"
#include "document/RecoveryFiles.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace TarnViewModel {

class TarnDataModel;

// Keeps a recovery copy of the open book while it has unsaved changes. The window's timer
// calls Tick; the copy of the book is taken on the caller's thread and written on the
// worker's, so that the window never waits for the disk.
class AutosaveController {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    // Gets the error of a copy that could not be written, to show it.
    using FailureReport = std::function<void(std::exception_ptr failure)>;

    AutosaveController(TarnDataModel& model, RecoverySession& session, Background::Dispatcher dispatcher,
                       Clock clock = std::chrono::system_clock::now);
    AutosaveController(const AutosaveController&) = delete;
    AutosaveController& operator=(const AutosaveController&) = delete;

    // Writes a copy when the book has changed since the last one and is not saved; removes
    // the copy when the book is saved. At most one copy is written at a time.
    void Tick();
    // The book was saved, closed or replaced: its copy goes.
    void Discard();
    // Returns once the copies and removals asked for are done.
    void Finish();
    void SetFailureReport(FailureReport report) { report_ = std::move(report); }

private:
    void Report(std::exception_ptr failure) const;

    TarnDataModel& model_;
    RecoverySession& session_;
    Clock clock_;
    FailureReport report_;
    std::uint64_t copiedRevision_ = 0;
    bool hasCopy_ = false;
    bool writing_ = false;
    // Last, so that it goes first: it finishes a copy under way, and no outcome arrives once
    // the controller is going.
    Background::Worker worker_;
};

}  // namespace TarnViewModel
