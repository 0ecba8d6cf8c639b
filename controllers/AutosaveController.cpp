// SPDX-License-Identifier: MIT
#include "controllers/AutosaveController.h"

#include "document/TarnDataModel.h"

namespace TarnViewModel {

AutosaveController::AutosaveController(TarnDataModel& model, RecoverySession& session, Background::Dispatcher dispatcher, Clock clock)
    : model_(model), session_(session), clock_(std::move(clock)), worker_(std::move(dispatcher), Background::Backlog::Queue)
{}

void AutosaveController::Tick()
{
    // Words still in an editor are part of the work the copy keeps.
    model_.CommitPendingEdits();
    if (!model_.IsModified()) {
        if (hasCopy_) {
            Discard();
        }
        return;
    }
    if (writing_ || (hasCopy_ && model_.Revision() == copiedRevision_)) {
        return;
    }
    writing_ = true;
    hasCopy_ = true;
    copiedRevision_ = model_.Revision();
    const SharedBook book = model_.Snapshot();
    RecoverySession& session = session_;
    worker_.Post([&session, book, path = model_.GetFilePath(), when = clock_()] { session.Write(*book, path, when); },
                 [this] { writing_ = false; },
                 [this](std::exception_ptr failure) {
                     writing_ = false;
                     // The next tick tries again.
                     copiedRevision_ = 0;
                     Report(failure);
                 });
}

void AutosaveController::Discard()
{
    if (!hasCopy_) {
        return;
    }
    hasCopy_ = false;
    RecoverySession& session = session_;
    worker_.Post([&session] { session.Remove(); }, [] {}, [this](std::exception_ptr failure) { Report(failure); });
}

void AutosaveController::Report(std::exception_ptr failure) const
{
    if (report_) {
        report_(failure);
    }
}

void AutosaveController::Finish()
{
    worker_.Finish();
}

}  // namespace TarnViewModel
