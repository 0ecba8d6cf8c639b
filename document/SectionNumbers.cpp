// SPDX-License-Identifier: MIT
#include "document/SectionNumbers.h"

#include "document/TarnDataModel.h"
#include "graph/TarnDataModelException.h"

#include <algorithm>

namespace TarnViewModel {

std::uint32_t CappedSectionNumber(std::uint32_t number)
{
    return std::min(number, TarnDataModel::HighestNumber);
}

void CheckSectionNumber(std::uint32_t number)
{
    if (number < 1 || number > TarnDataModel::HighestNumber) {
        throw TarnDataModelException("Section number must be between 1 and 10000");
    }
}

}  // namespace TarnViewModel
