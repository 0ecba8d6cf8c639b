#include "document/DocumentNotifications.h"

namespace TarnViewModel {

// Out of line so that the signals' construction and destruction are compiled once.
DocumentNotifications::DocumentNotifications() = default;
DocumentNotifications::~DocumentNotifications() = default;

}  // namespace TarnViewModel
