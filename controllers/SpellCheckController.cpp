// SPDX-License-Identifier: MIT
#include "controllers/SpellCheckController.h"

#include "document/LanguageTag.h"
#include "document/TarnDataModel.h"
#include "messages/Translator.h"
#include "spelling/DictionaryCatalog.h"
#include "spelling/SpellChecker.h"

namespace TarnViewModel {

SpellCheckController::SpellCheckController(TarnDataModel& model, ISpellCheckView* view, Background::Dispatcher dispatcher,
                                           std::vector<std::filesystem::path> dictionaryFolders, Spelling::UserDictionary userDictionary)
    : model_(model), view_(view), folders_(std::move(dictionaryFolders)), userDictionary_(std::move(userDictionary)),
      worker_(std::move(dispatcher), Background::Backlog::Queue)
{
    connections_.emplace_back(model_.ConnectDetailsChanged([this](const BookDetails&) { Reload(); }));
    connections_.emplace_back(model_.ConnectBookLoaded([this](auto&&...) { Reload(); }));
    connections_.emplace_back(model_.ConnectBookReset([this] { Reload(); }));
}

std::wstring SpellCheckController::Language() const
{
    const std::wstring& language = model_.GetDetails().language;
    return language.empty() ? LocaleLanguageTag() : language;
}

void SpellCheckController::SetEnabled(bool enabled)
{
    if (enabled && !enabled_) {
        // Switched on again, the author hears again why nothing is marked.
        told_.clear();
    }
    enabled_ = enabled;
    Reload();
}

void SpellCheckController::Reload()
{
    const std::wstring language = enabled_ ? Language() : std::wstring();
    if (language == language_) {
        return;
    }
    language_ = language;
    ++generation_;
    Use(nullptr);
    if (language.empty()) {
        return;
    }
    worker_.Post(
        [language, folders = folders_, userDictionary = userDictionary_]() -> std::unique_ptr<Spelling::SpellChecker> {
            const std::optional<Spelling::DictionaryFiles> files = Spelling::FindDictionary(language, folders);
            if (!files) {
                return nullptr;
            }
            auto checker = std::make_unique<Spelling::SpellChecker>(*files);
            for (const std::wstring& word : userDictionary.Words()) {
                checker->Accept(word);
            }
            return checker;
        },
        [this, language, generation = generation_](std::unique_ptr<Spelling::SpellChecker> checker) {
            if (generation != generation_) {
                return;
            }
            if (!checker) {
                Tell(language,
                     Messages::TranslatedWide(BRINDLE_TEXT("SpellCheck", "No spelling dictionary for the language \"%1\" is installed, so "
                                                                         "spelling is not checked. Install a Hunspell dictionary for "
                                                                         "it, such as one of Debian's hunspell packages.")
                                                  .Arg(language)));
                return;
            }
            Use(std::move(checker));
        },
        [this, language, generation = generation_](std::exception_ptr failure) {
            if (generation == generation_ && told_.insert(language).second) {
                view_->ShowSpellingFailure(failure);
            }
        });
}

void SpellCheckController::Use(std::unique_ptr<Spelling::SpellChecker> checker)
{
    if (checker) {
        for (const std::wstring& word : accepted_) {
            checker->Accept(word);
        }
    }
    // The view lets go of the old checker before it goes.
    view_->UseSpellChecker(checker.get());
    checker_ = std::move(checker);
}

void SpellCheckController::Tell(const std::wstring& language, const std::wstring& message)
{
    if (told_.insert(language).second) {
        view_->ShowSpellingNotice(message);
    }
}

void SpellCheckController::Ignore(const std::wstring& word)
{
    accepted_.insert(word);
    if (checker_) {
        checker_->Accept(word);
        view_->UseSpellChecker(checker_.get());
    }
}

void SpellCheckController::AddToDictionary(const std::wstring& word)
{
    userDictionary_.Add(word);
    accepted_.insert(word);
    if (checker_) {
        checker_->Accept(word);
        view_->UseSpellChecker(checker_.get());
    }
}

void SpellCheckController::Finish()
{
    worker_.Finish();
}

}  // namespace TarnViewModel
