// SPDX-License-Identifier: MIT
#pragma once

#include "document/DocumentNotifications.h"
#include "graph/Section.h"

#include <cstdint>
#include <vector>

namespace TarnViewModel {

class TarnDataModel;

using SectionSelectedSignal = Signal<void(const Section&)>;
using SectionDeselectedSignal = Signal<void(std::uint32_t)>;

// The section the author works on: a section, an empty number or none. It follows its
// section through every change of number, and announces it again when the section goes
// or comes back. Made right after the document, before any pane listens to either.
class SectionSelection {
public:
    explicit SectionSelection(TarnDataModel& model);
    SectionSelection(const SectionSelection&) = delete;
    SectionSelection& operator=(const SectionSelection&) = delete;

    // Hands over every editor's pending text first, as the editors show the new section.
    void SetCurrentSection(std::uint32_t number);
    // Makes the section with the number current; refuses a number outside 1 to the highest
    // allowed one, or one that no section has.
    void GoToSection(std::uint32_t number);
    std::uint32_t GetCurrentSection() const { return current_; }

    Connection ConnectSectionSelected(const SectionSelectedSignal::slot_type& slot);
    Connection ConnectSectionDeselected(const SectionDeselectedSignal::slot_type& slot);

private:
    void Announce();
    // A book just opened or begun shows its first section as soon as it has one.
    void SelectFirstIfPending();
    void FollowNumberChange(std::uint32_t from, std::uint32_t to);

    TarnDataModel& model_;
    std::uint32_t current_ = NoSection;
    bool firstPending_ = false;
    SectionSelectedSignal selected_;
    SectionDeselectedSignal deselected_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
