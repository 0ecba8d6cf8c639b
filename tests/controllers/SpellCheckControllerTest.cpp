// SPDX-License-Identifier: MIT
#include "controllers/SpellCheckController.h"
#include "document/TarnDataModel.h"
#include "spelling/SpellChecker.h"
#include "spelling/SpellingError.h"
#include "support/PostedQueue.h"
#include "support/TinyDictionary.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;

struct SpellingView : ISpellCheckView {
    void UseSpellChecker(const Spelling::SpellChecker* used) override
    {
        checker = used;
        ++uses;
    }
    void ShowSpellingNotice(const std::wstring& message) override { notices.push_back(message); }
    void ShowSpellingFailure(std::exception_ptr failure) override
    {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& error) {
            failures.emplace_back(error.what());
        }
    }

    const Spelling::SpellChecker* checker = nullptr;
    int uses = 0;
    std::vector<std::wstring> notices;
    std::vector<std::string> failures;
};

class SpellCheckControllerTest : public testing::Test {
protected:
    void SetUp() override { model.SetLanguage(L"en-GB"); }
    // Lets the worker read what it was given, then takes in its outcome.
    void Loaded()
    {
        spelling.Finish();
        queue.RunAll();
    }
    bool Marked(const std::wstring& word) { return view.checker != nullptr && !view.checker->IsCorrect(word); }

    TestSupport::TinyDictionary dictionary{{"the", "dragon", "sleeps"}};
    TestSupport::TempFolder data;
    TarnDataModel model;
    SpellingView view;
    TestSupport::PostedQueue queue;
    SpellCheckController spelling{
        model, &view, queue.Dispatcher(), {dictionary.Folder()}, Spelling::UserDictionary(data.Path("dictionary.txt"))};
};

TEST_F(SpellCheckControllerTest, TheBooksLanguageIsReadOnTheWorkerAndFollowedThroughChanges)
{
    EXPECT_EQ(view.uses, 0);
    spelling.SetEnabled(true);
    EXPECT_EQ(view.checker, nullptr);
    Loaded();
    ASSERT_NE(view.checker, nullptr);
    EXPECT_FALSE(Marked(L"dragon"));
    EXPECT_TRUE(Marked(L"knight"));

    // A language without a dictionary is said once, however often the book goes back to it.
    model.SetLanguage(L"fr-FR");
    EXPECT_EQ(view.checker, nullptr);
    Loaded();
    EXPECT_EQ(view.checker, nullptr);
    model.SetLanguage(L"en-GB");
    Loaded();
    EXPECT_NE(view.checker, nullptr);
    model.SetLanguage(L"fr-FR");
    Loaded();
    EXPECT_EQ(view.notices,
              (std::vector<std::wstring>{L"No spelling dictionary for the language \"fr-FR\" is installed, so spelling is not checked. "
                                         L"Install a Hunspell dictionary for it, such as one of Debian's hunspell packages."}));

    // Switched off and on again, the author is told again.
    spelling.SetEnabled(false);
    spelling.SetEnabled(true);
    Loaded();
    EXPECT_EQ(view.notices.size(), 2u);
    spelling.SetEnabled(false);
    Loaded();
    EXPECT_EQ(view.checker, nullptr);
}

TEST_F(SpellCheckControllerTest, OnlyTheLastLanguageAskedForIsUsed)
{
    TestSupport::TinyDictionary american{{"color"}, "en_US"};
    SpellCheckController both{
        model, &view, queue.Dispatcher(), {dictionary.Folder(), american.Folder()}, Spelling::UserDictionary(data.Path("dictionary.txt"))};
    both.SetEnabled(true);
    model.SetLanguage(L"en-US");
    both.Finish();
    queue.RunAll();
    ASSERT_NE(view.checker, nullptr);
    EXPECT_FALSE(Marked(L"color"));
    EXPECT_TRUE(Marked(L"dragon"));
}

TEST_F(SpellCheckControllerTest, AddedWordsAreKeptInTheUsersFileAndIgnoredOnesForTheSession)
{
    // Taken while the dictionary is read, whether or not the worker had read the list yet.
    spelling.SetEnabled(true);
    spelling.AddToDictionary(L"Grimsby");
    Loaded();
    EXPECT_FALSE(Marked(L"Grimsby"));
    const int uses = view.uses;
    spelling.Ignore(L"Tarnholm");
    EXPECT_EQ(view.uses, uses + 1);
    EXPECT_FALSE(Marked(L"Grimsby"));
    EXPECT_FALSE(Marked(L"Tarnholm"));
    EXPECT_EQ(TestSupport::ReadBytes(data.Path("dictionary.txt")), "Grimsby\n");

    // Both outlast a change of dictionary.
    model.SetLanguage(L"en");
    Loaded();
    ASSERT_NE(view.checker, nullptr);
    EXPECT_FALSE(Marked(L"Grimsby"));
    EXPECT_FALSE(Marked(L"Tarnholm"));
    EXPECT_TRUE(Marked(L"knight"));
}

TEST_F(SpellCheckControllerTest, AWordThatCannotBeSavedStaysMarked)
{
    TestSupport::WriteBytes(data.Path("file"), "");
    SpellCheckController blocked{
        model, &view, queue.Dispatcher(), {dictionary.Folder()}, Spelling::UserDictionary(data.Path("file") / "dictionary.txt")};
    blocked.SetEnabled(true);
    blocked.Finish();
    queue.RunAll();
    EXPECT_THROW(blocked.AddToDictionary(L"Grimsby"), Spelling::SpellingError);
    EXPECT_TRUE(Marked(L"Grimsby"));
}

TEST_F(SpellCheckControllerTest, AnUnreadableDictionaryIsReportedOnceAndLeavesSpellingOff)
{
    TestSupport::WriteBytes(dictionary.Words(), "");
    spelling.SetEnabled(true);
    Loaded();
    model.SetLanguage(L"fr");
    model.SetLanguage(L"en-GB");
    Loaded();
    EXPECT_EQ(view.checker, nullptr);
    EXPECT_EQ(view.failures,
              (std::vector<std::string>{"The spelling dictionary " + dictionary.Words().string() + " cannot be read, or is empty."}));
}

}  // namespace
