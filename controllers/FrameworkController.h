// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFrameworkView.h"
#include "document/BookSnapshot.h"
#include "document/DocumentNotifications.h"

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace TarnViewModel {

class SectionSelection;
class TarnDataModel;

// Keeps the main window's command states in step with the document, answers whether
// unsaved changes may be thrown away, adds sections and exports the book.
class FrameworkController {
public:
    FrameworkController(TarnDataModel& model, SectionSelection& selection, IFrameworkView* view);
    FrameworkController(const FrameworkController&) = delete;
    FrameworkController& operator=(const FrameworkController&) = delete;

    // Asked before the open book is replaced or the window closes: false when the author
    // chose to keep the book, or a save they asked for failed.
    bool MayDiscardChanges();
    void AddNewSection();
    // The one-based file type index of the save dialog chooses the format. Both exports read
    // only the snapshot, so that the window runs them on a worker.
    static void ExportBook(const BookSnapshot& book, std::ostream& output, int fileTypeIndex);
    // Writes one page per section and the style sheet into the folder.
    static void ExportBookMultiPage(const BookSnapshot& book, const std::wstring& folder,
                                    const std::function<void(std::size_t written)>& pageWritten = {});

private:
    TarnDataModel& model_;
    SectionSelection& selection_;
    IFrameworkView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
