// SPDX-License-Identifier: MIT
#pragma once

#include "support/TempFolder.h"

#include <string>
#include <vector>

namespace TestSupport {

// A Hunspell dictionary of a few words, written for the test as "NAME.aff" and "NAME.dic"
// in the "hunspell" folder of a data folder of its own. The affix file lets "-s" end any word flagged S, and suggests by
// swapping, dropping and adding letters.
class TinyDictionary {
public:
    explicit TinyDictionary(const std::vector<std::string>& words, const std::string& name = "en_GB")
    {
        std::filesystem::create_directory(Folder());
        WriteBytes(Affixes(name), "SET UTF-8\n"
                                  "TRY esianrtolcdugmphbyfvkwzESIANRTOLCDUGMPHBYFVKWZ'\n"
                                  "SFX S Y 1\n"
                                  "SFX S 0 s .\n");
        std::string list = std::to_string(words.size()) + "\n";
        for (const std::string& word : words) {
            list += word + "\n";
        }
        WriteBytes(Words(name), list);
    }

    // Where the dictionary is, and the data folder that holds that folder.
    std::filesystem::path Folder() const { return folder_.Path("hunspell"); }
    const std::filesystem::path& DataFolder() const { return folder_.Root(); }
    std::filesystem::path Affixes(const std::string& name = "en_GB") const { return Folder() / (name + ".aff"); }
    std::filesystem::path Words(const std::string& name = "en_GB") const { return Folder() / (name + ".dic"); }

private:
    TempFolder folder_;
};

}  // namespace TestSupport
