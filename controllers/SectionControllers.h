// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/ISectionView.h"
#include "document/DocumentNotifications.h"

#include <vector>

namespace TarnViewModel {

class SectionSelection;
class TarnDataModel;

// Shows the current section in the section editor.
class SectionDetailsController {
public:
    SectionDetailsController(TarnDataModel& model, SectionSelection& selection, ISectionView* view);
    SectionDetailsController(const SectionDetailsController&) = delete;
    SectionDetailsController& operator=(const SectionDetailsController&) = delete;

private:
    TarnDataModel& model_;
    SectionSelection& selection_;
    ISectionView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

// Shows the current section's number, summary, shiftable flag and colour.
class SectionPropertiesController {
public:
    SectionPropertiesController(TarnDataModel& model, SectionSelection& selection, ISectionPropertiesView* view);
    SectionPropertiesController(const SectionPropertiesController&) = delete;
    SectionPropertiesController& operator=(const SectionPropertiesController&) = delete;

private:
    TarnDataModel& model_;
    SectionSelection& selection_;
    ISectionPropertiesView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
