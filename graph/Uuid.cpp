#include "graph/Uuid.h"

#include <boost/uuid/random_generator.hpp>

namespace TarnViewModel {

Uuid NewId()
{
    // Seeded once from the system's random source; asking the system for every id would
    // make loading a large book spend most of its time in system calls.
    static boost::uuids::random_generator_mt19937 generator;
    return generator();
}

}  // namespace TarnViewModel
