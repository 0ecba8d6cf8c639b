// SPDX-License-Identifier: MIT
#include "controllers/BookChanges.h"

namespace TarnViewModel {

std::vector<boost::signals2::scoped_connection> ConnectBookChanges(DocumentNotifications& book, const std::function<void()>& changed,
                                                                   const SectionUpdateHandler& sectionUpdated)
{
    const auto handler = [changed](auto&&...) { changed(); };
    std::vector<boost::signals2::scoped_connection> connections;
    connections.emplace_back(book.ConnectBookReset(handler));
    connections.emplace_back(book.ConnectBookLoaded(handler));
    connections.emplace_back(book.ConnectSectionAdded(handler));
    connections.emplace_back(book.ConnectSectionDeleted(handler));
    if (sectionUpdated) {
        connections.emplace_back(book.ConnectSectionUpdated(sectionUpdated));
    } else {
        connections.emplace_back(book.ConnectSectionUpdated(handler));
    }
    connections.emplace_back(book.ConnectSectionsSwapped(handler));
    connections.emplace_back(book.ConnectSectionsRenumbered(handler));
    connections.emplace_back(book.ConnectChoiceAdded(handler));
    connections.emplace_back(book.ConnectChoiceUpdated(handler));
    connections.emplace_back(book.ConnectChoiceDeleted(handler));
    return connections;
}

}  // namespace TarnViewModel
