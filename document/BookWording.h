// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace TarnViewModel {

// The words the program itself writes into a book, in the book's own language whatever
// language the program speaks: the choice format of a new book (and so the wording of a
// choice without a text, "Turn to 131"), the title of a book not yet named and the footer of
// a new book. English, German, French, Spanish and Italian have their own; every other
// language has the English words.
struct BookWording {
    const wchar_t* turnToFormat;
    const wchar_t* untitled;
    const wchar_t* footer;
};

// The wording for a language tag such as "fr" or "fr-CA".
const BookWording& BookWordingFor(const std::wstring& languageTag);

}  // namespace TarnViewModel
