// SPDX-License-Identifier: MIT
#include "graph/Uuid.h"

#include <boost/uuid/random_generator.hpp>

namespace TarnViewModel {

Uuid NewId()
{
    // Seeded once from the system's random source; asking the system for every id would
    // make loading a large book spend most of its time in system calls. One generator a
    // thread, as the flowchart's layout thread names its nodes while the book makes ids.
    thread_local boost::uuids::random_generator_mt19937 generator;
    return generator();
}

}  // namespace TarnViewModel
