// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/ISectionView.h"
#include "document/DocumentNotifications.h"

#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Shows the current section in the section editor.
class SectionDetailsController {
public:
    SectionDetailsController(TarnDataModel& model, ISectionView* view);
    SectionDetailsController(const SectionDetailsController&) = delete;
    SectionDetailsController& operator=(const SectionDetailsController&) = delete;

private:
    TarnDataModel& model_;
    ISectionView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

// Shows the current section's number, summary, shiftable flag and colour.
class SectionPropertiesController {
public:
    SectionPropertiesController(TarnDataModel& model, ISectionPropertiesView* view);
    SectionPropertiesController(const SectionPropertiesController&) = delete;
    SectionPropertiesController& operator=(const SectionPropertiesController&) = delete;

private:
    TarnDataModel& model_;
    ISectionPropertiesView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
