// SPDX-License-Identifier: MIT
#pragma once

#include "document/DocumentNotifications.h"

#include <functional>
#include <vector>

namespace TarnViewModel {

using SectionUpdateHandler = std::function<void(std::uint32_t, const Section&, SectionProperty)>;

// Calls the handler after every change to the book's sections, choices or numbering, and
// when a book is opened or closed. A listener that takes in a change to one section's
// properties more cheaply hears of those through its own handler instead.
std::vector<boost::signals2::scoped_connection> ConnectBookChanges(DocumentNotifications& book, const std::function<void()>& changed,
                                                                   const SectionUpdateHandler& sectionUpdated = nullptr);

}  // namespace TarnViewModel
