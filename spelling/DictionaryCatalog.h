// SPDX-License-Identifier: MIT
#pragma once

#include "spelling/SpellChecker.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace Spelling {

// Where Hunspell dictionaries are installed, the user's own first: "hunspell" under
// "$XDG_DATA_HOME" and under each of "$XDG_DATA_DIRS", and the older "myspell" folders.
std::vector<std::filesystem::path> DictionaryFolders();

// The dictionary for a BCP 47 language tag: "en-GB" finds "en_GB.aff" and "en_GB.dic" in
// the first folder that has them. A tag without a dictionary of its own takes one of the
// same language ("en-IE" or "en" may take "en_GB"), the language's home region first
// ("de_DE" for "de-AT"), then the first by name.
std::optional<DictionaryFiles> FindDictionary(std::wstring_view language, const std::vector<std::filesystem::path>& folders);

}  // namespace Spelling
