// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IBookOutlineView.h"
#include "document/DocumentNotifications.h"

#include <memory>
#include <vector>

namespace TarnViewModel {

class SectionSelection;
class TarnDataModel;

// Keeps the outline listing every number up to the highest section: sections with their
// labels, empty slots marked as empty.
class BookOutlineController {
public:
    BookOutlineController(TarnDataModel& model, SectionSelection& selection, IBookOutlineView* view);
    BookOutlineController(const BookOutlineController&) = delete;
    BookOutlineController& operator=(const BookOutlineController&) = delete;

private:
    void ShowAll();
    // Lists the whole book again in a later turn of the event loop, so that the change
    // that renumbered it shows without waiting for every label.
    void ShowAllSoon();
    void ShowSection(const Section& section);
    void ShowEmptySlot(std::uint32_t number);
    void SelectIfCurrent(std::uint32_t current, std::uint32_t shown);

    TarnDataModel& model_;
    SectionSelection& selection_;
    IBookOutlineView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
    // Tells a listing asked for before the book was loaded or listed again to do nothing.
    std::shared_ptr<unsigned> listing_ = std::make_shared<unsigned>(0);
};

}  // namespace TarnViewModel
