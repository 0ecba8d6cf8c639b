// SPDX-License-Identifier: MIT
#pragma once

#include "background/Worker.h"
#include "controllers/ISpellCheckView.h"
#include "document/DocumentNotifications.h"
#include "spelling/UserDictionary.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Checks spelling in the book's language, or the user's when the book names none. The
// dictionary is read on a worker thread, so that neither start-up nor a change of book
// waits for it; a language without a dictionary is reported once and left unchecked.
class SpellCheckController {
public:
    SpellCheckController(TarnDataModel& model, ISpellCheckView* view, Background::Dispatcher dispatcher,
                         std::vector<std::filesystem::path> dictionaryFolders, Spelling::UserDictionary userDictionary);
    SpellCheckController(const SpellCheckController&) = delete;
    SpellCheckController& operator=(const SpellCheckController&) = delete;

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    std::wstring Language() const;
    // Takes the word as correct until the program closes.
    void Ignore(const std::wstring& word);
    // Adds the word to the author's own dictionary. Throws Spelling::SpellingError naming the file
    // when it cannot be written; the word is then still marked.
    void AddToDictionary(const std::wstring& word);
    // Returns once a dictionary being read is read; its outcome comes through the
    // dispatcher.
    void Finish();

private:
    void Reload();
    void Use(std::unique_ptr<Spelling::SpellChecker> checker);
    void Tell(const std::wstring& language, const std::wstring& message);

    TarnDataModel& model_;
    ISpellCheckView* view_;
    std::vector<std::filesystem::path> folders_;
    Spelling::UserDictionary userDictionary_;
    bool enabled_ = false;
    // The language of the checker in use or being read; empty when there is none.
    std::wstring language_;
    std::unique_ptr<Spelling::SpellChecker> checker_;
    // Only the last dictionary asked for is used.
    std::uint64_t generation_ = 0;
    // The words ignored or added since the program started, for every dictionary read later;
    // one being read may have read the author's list before a word went into it.
    std::set<std::wstring> accepted_;
    // The languages the author has been told of, so that it is not said again at every
    // change of book.
    std::set<std::wstring> told_;
    std::vector<boost::signals2::scoped_connection> connections_;
    // Last, so that it goes first: no outcome arrives once the controller is going.
    Background::Worker worker_;
};

}  // namespace TarnViewModel
