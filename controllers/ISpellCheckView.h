// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace Spelling {
class SpellChecker;
}

namespace TarnViewModel {

// Where the author writes, as the spell-check controller sees it.
class ISpellCheckView {
public:
    virtual ~ISpellCheckView() = default;
    // The checker that marks misspelled words from now on, or none when spelling is not
    // checked; given again when the words it accepts change.
    virtual void UseSpellChecker(const Spelling::SpellChecker* checker) = 0;
    // Why spelling is not checked: no dictionary, or one that could not be read.
    virtual void ShowSpellingNotice(const std::wstring& message) = 0;
    virtual void ShowSpellingFailure(std::exception_ptr failure) = 0;
};

}  // namespace TarnViewModel
