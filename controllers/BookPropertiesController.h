// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IBookPropertiesView.h"
#include "document/DocumentNotifications.h"

#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Carries the book's title, footer, fonts, layout option and choice format to the pane.
class BookPropertiesController {
public:
    BookPropertiesController(TarnDataModel& model, IBookPropertiesView* view);
    BookPropertiesController(const BookPropertiesController&) = delete;
    BookPropertiesController& operator=(const BookPropertiesController&) = delete;

private:
    void ShowChoiceFormat(const ChoiceTemplate& choiceTemplate);

    TarnDataModel& model_;
    IBookPropertiesView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
