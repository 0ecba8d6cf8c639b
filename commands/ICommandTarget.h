// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Choice.h"
#include "graph/NotificationTypes.h"
#include "graph/Numbering.h"
#include "graph/Section.h"

namespace TarnViewModel {

// The structural operations that commands call on the book; each changes the story
// graph, marks the book modified and raises its notifications.
class ICommandTarget {
public:
    virtual void AddSection(const Section& section) = 0;
    virtual void DeleteSection(const Section& section) = 0;
    virtual void AddChoice(const Choice& choice) = 0;
    virtual void DeleteChoice(const Choice& choice, ChoiceDeleteCause cause) = 0;
    virtual void UpdateChoice(const Choice& from, const Choice& to) = 0;
    virtual void RenumberSections(const Numbering& numbers) = 0;
    // Around a change made in many steps, so that the views take it in once it ends.
    virtual void BeginBulkChange() = 0;
    virtual void EndBulkChange() = 0;

protected:
    // Never deleted through this interface.
    ~ICommandTarget() = default;
};

}  // namespace TarnViewModel
