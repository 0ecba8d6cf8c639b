#pragma once

#include "support/TempFolder.h"

#include <string>
#include <vector>

namespace TestSupport {

// A Hunspell dictionary of a few words, written for the test as "NAME.aff" and "NAME.dic"
// in a folder of its own. The affix file lets "-s" end any word flagged S, and suggests by
// swapping, dropping and adding letters.
class TinyDictionary {
public:
    explicit TinyDictionary(const std::vector<std::string>& words, const std::string& name = "en_GB")
    {
        WriteBytes(folder_.Path(name + ".aff"), "SET UTF-8\n"
                                                "TRY esianrtolcdugmphbyfvkwzESIANRTOLCDUGMPHBYFVKWZ'\n"
                                                "SFX S Y 1\n"
                                                "SFX S 0 s .\n");
        std::string list = std::to_string(words.size()) + "\n";
        for (const std::string& word : words) {
            list += word + "\n";
        }
        WriteBytes(folder_.Path(name + ".dic"), list);
    }

    const std::filesystem::path& Folder() const { return folder_.Root(); }
    std::filesystem::path Affixes(const std::string& name = "en_GB") const { return folder_.Path(name + ".aff"); }
    std::filesystem::path Words(const std::string& name = "en_GB") const { return folder_.Path(name + ".dic"); }

private:
    TempFolder folder_;
};

}  // namespace TestSupport
