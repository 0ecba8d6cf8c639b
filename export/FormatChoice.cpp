#include "export/FormatChoice.h"

#include <boost/algorithm/string/replace.hpp>

namespace TarnViewModel {

FormattedChoice FormatChoice(const std::wstring& text, std::uint32_t destination, const std::wstring& format)
{
    static const std::wstring TextPlaceholder = L"{{text}}";
    static const std::wstring DestinationPlaceholder = L"{{destination}}";
    FormattedChoice result;
    result.text = boost::algorithm::replace_all_copy(format, TextPlaceholder, text);
    const std::size_t first = result.text.find(DestinationPlaceholder);
    if (first == std::wstring::npos) {
        return result;
    }
    const std::wstring number = std::to_wstring(destination);
    boost::algorithm::replace_all(result.text, DestinationPlaceholder, number);
    result.destinationPosition = first;
    result.destinationLength = number.size();
    result.hasDestination = true;
    return result;
}

}  // namespace TarnViewModel
