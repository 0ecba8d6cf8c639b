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
        throw TarnDataModelException(
            BRINDLE_TEXT("SectionNumbers", "Section number must be between 1 and %1").Arg(TarnDataModel::HighestNumber));
    }
}

}  // namespace TarnViewModel
