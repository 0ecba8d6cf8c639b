#pragma once

#include "controllers/IBookOutlineView.h"
#include "document/DocumentNotifications.h"

#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Keeps the outline listing every number up to the highest section: sections with their
// labels, empty slots marked as empty.
class BookOutlineController {
public:
    BookOutlineController(TarnDataModel& model, IBookOutlineView* view);
    BookOutlineController(const BookOutlineController&) = delete;
    BookOutlineController& operator=(const BookOutlineController&) = delete;

private:
    void ShowAll();
    void ShowSection(const Section& section);
    void ShowEmptySlot(std::uint32_t number);
    void SelectIfCurrent(std::uint32_t current, std::uint32_t shown);

    TarnDataModel& model_;
    IBookOutlineView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
