// SPDX-License-Identifier: MIT
#include "document/NativePath.h"

#include <boost/locale/encoding_utf.hpp>

namespace TarnViewModel {

std::string NativePath(const std::wstring& path)
{
    return boost::locale::conv::utf_to_utf<char>(path);
}

std::wstring WidePath(const std::string& native)
{
    return boost::locale::conv::utf_to_utf<wchar_t>(native);
}

}  // namespace TarnViewModel
