#include "controllers/AutosaveController.h"

#include "document/TarnDataModel.h"

namespace TarnViewModel {

AutosaveController::AutosaveController(TarnDataModel& model, RecoverySession& session, SerialWorker::Dispatcher dispatcher, Clock clock)
    : model_(model), session_(session), clock_(std::move(clock)), self_(std::make_shared<AutosaveController*>(this)),
      worker_(std::move(dispatcher))
{}

AutosaveController::~AutosaveController()
{
    *self_ = nullptr;
}

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
    auto book = std::make_shared<const BookCopy>(model_.Snapshot());
    RecoverySession& session = session_;
    worker_.Post([&session, book, path = model_.GetFilePath(), when = clock_()] { session.Write(*book, path, when); },
                 [self = self_](std::exception_ptr failure) {
                     AutosaveController* controller = *self;
                     if (controller == nullptr) {
                         return;
                     }
                     controller->writing_ = false;
                     if (failure) {
                         // The next tick tries again.
                         controller->copiedRevision_ = 0;
                         if (controller->report_) {
                             controller->report_(failure);
                         }
                     }
                 });
}

void AutosaveController::Discard()
{
    if (!hasCopy_) {
        return;
    }
    hasCopy_ = false;
    RecoverySession& session = session_;
    worker_.Post([&session] { session.Remove(); });
}

void AutosaveController::Finish()
{
    worker_.Finish();
}

}  // namespace TarnViewModel
