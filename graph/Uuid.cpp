#include "graph/Uuid.h"

#include <boost/uuid/random_generator.hpp>

namespace TarnViewModel {

Uuid NewId()
{
    static boost::uuids::random_generator generator;
    return generator();
}

}  // namespace TarnViewModel
