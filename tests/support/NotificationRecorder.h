// SPDX-License-Identifier: MIT
#pragma once

#include "document/TarnDataModel.h"

#include <boost/signals2/connection.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace TestSupport {

// Listens to every notification of a document and writes each down as one line, so that
// whole sequences can be compared.
class NotificationRecorder {
public:
    explicit NotificationRecorder(TarnViewModel::TarnDataModel& model);

    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(events_);
        return taken;
    }

    static std::string Describe(const TarnViewModel::Choice& choice);

    // Also for notifications of others, such as the selection, in the same sequence.
    template <class... Parts>
    void Write(const Parts&... parts)
    {
        std::ostringstream line;
        ((line << parts), ...);
        events_.push_back(line.str());
    }

private:
    std::vector<std::string> events_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TestSupport
