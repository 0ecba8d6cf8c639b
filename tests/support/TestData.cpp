// SPDX-License-Identifier: MIT
#include "support/TestData.h"

namespace TestSupport {

std::filesystem::path TestData()
{
    return BRINDLE_TEST_DATA;
}

}  // namespace TestSupport
