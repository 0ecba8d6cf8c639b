#pragma once

#include "document/DocumentNotifications.h"

#include <functional>
#include <vector>

namespace TarnViewModel {

// Calls the handler after every change to the book's sections, choices or numbering, and
// when a book is opened or closed.
std::vector<boost::signals2::scoped_connection> ConnectBookChanges(DocumentNotifications& book, const std::function<void()>& changed);

}  // namespace TarnViewModel
