// SPDX-License-Identifier: MIT
#include "ImportedBook.h"
#include "document/ChoiceTemplates.h"
#include "export/TweeExporter.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/ExportBooks.h"
#include "support/MessageTexts.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <boost/algorithm/string/replace.hpp>
#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using namespace TarnViewModel;

std::string Twee(const TarnDataModel& model)
{
    std::ostringstream output;
    TweeExporter().Export(*model.Snapshot(), output);
    return output.str();
}

BookFileContents ImportedAgain(const std::string& twee, Import::ImportWarnings& warnings)
{
    const Import::TwineFile file = Import::ReadTwineText(twee, "book.twee");
    warnings = file.warnings;
    return Import::ImportStory(file.stories.at(0), "book.twee", warnings);
}

TEST(TweeRoundTrip, TheHandWrittenStoryGivesTheBookBack)
{
    const auto model = TestSupport::MakeTweeBook();
    Import::ImportWarnings warnings;
    const BookFileContents book = ImportedAgain(TestSupport::ReadBytes(TestSupport::TestData() / "export/book.twee"), warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front().English();
    EXPECT_EQ(TestSupport::SectionsOf(book.graph), TestSupport::SectionsOf(model->GetStoryGraph()));
    EXPECT_EQ(book.title, model->GetTitle());
    EXPECT_EQ(book.details.author, model->GetDetails().author);
    EXPECT_EQ(book.details.language, L"en-GB");
}

// Files written before the book's data moved to a passage of its own held it in each
// passage's metadata.
TEST(TweeRoundTrip, AFileWrittenWithDataInPassageMetadataStillGivesTheBookBack)
{
    const auto model = TestSupport::MakeTweeBook();
    Import::ImportWarnings warnings;
    const BookFileContents book =
        ImportedAgain(TestSupport::ReadBytes(TestSupport::TestData() / "import/exported-with-metadata.twee"), warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front().English();
    EXPECT_EQ(TestSupport::SectionsOf(book.graph), TestSupport::SectionsOf(model->GetStoryGraph()));
    EXPECT_EQ(book.details.author, model->GetDetails().author);
}

TEST(TweeRoundTrip, AStoryKeepsItsFormatAndVersionAndABookBegunHereIsHarlowe)
{
    Import::ImportWarnings warnings;
    TarnDataModel model;
    model.OpenImported(ImportedAgain(":: StoryData\n{\"ifid\": \"D674C58C-DEFA-4F70-B7A2-27742230C0FC\", \"format\": \"SugarCube\", "
                                     "\"format-version\": \"2.37.3\", \"start\": \"Dock\"}\n\n:: Dock\nThe boat waits.\n",
                                     warnings));
    EXPECT_EQ(model.GetDetails().storyFormat, L"SugarCube");
    std::string twee = Twee(model);
    EXPECT_NE(twee.find("\"format\": \"SugarCube\",\n    \"format-version\": \"2.37.3\",\n    \"start\": \"1\""), std::string::npos)
        << twee;

    // Our own format comes back as no format of the story's own, so the book file is as it was.
    model.OpenImported(ImportedAgain(Twee(*TestSupport::MakeTweeBook()), warnings));
    EXPECT_EQ(model.GetDetails().storyFormat, L"");
    EXPECT_EQ(model.GetDetails().storyFormatVersion, L"");
}

// Texts that Twee, Twine's links, JSON or the line structure could take for their own.
const std::wstring Hostile[] = {
    L"",
    L":: header?",
    L"\\\\:: two backslashes",
    L"[[link->1]] and [[2]]",
    L"]] ->  <- | ][",
    L"{\"json\": [1, 2]}",
    L"trailing blank lines\r\n\r\n\r\n",
    L"\r\n\r\nleading",
    L"tab\tand \\ backslash",
    L"lone\rCR",
    L"caf\u00e9 \U0001F409 \u202Eright-to-left",
    L"  indented\r\n\t:: indented header",
    L"\"quotes\" and 'apostrophes' & <markup>",
    L"-> at the start",
    L"ends with ->",
    L"::",
};

TEST(TweeRoundTrip, GeneratedBooksWithHostileTextsComeBackAsTheyWere)
{
    for (const std::uint32_t sections : {400u, 1000u}) {
        auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(sections, 7));
        model->SetTitle(L"Title [with] {braces} \\ and\r\n:: a second line");
        model->SetAuthor(L"A \"quoted\" author");
        std::mt19937 random(sections);
        const auto hostile = [&] { return Hostile[random() % std::size(Hostile)]; };
        std::vector<Choice> choices;
        model->GetStoryGraph().VisitChoices([&](const Choice& choice) { choices.push_back(choice); });
        for (std::uint32_t number = 1; number <= sections; number += 3) {
            if (model->GetStoryGraph().HasSection(number)) {
                model->SetSectionText(number, hostile() + L"\r\n" + hostile());
                model->SetSectionSummary(number, hostile());
            }
        }
        for (std::size_t index = 0; index < choices.size(); index += 4) {
            model->EditChoice(choices[index].id, choices[index].destination, hostile(), index % 8 == 0);
        }

        Import::ImportWarnings warnings;
        const BookFileContents book = ImportedAgain(Twee(*model), warnings);
        EXPECT_TRUE(warnings.empty()) << warnings.front().English();
        // A lone CR is a line end to every Twee reader, and comes back as the book's own.
        std::vector<std::pair<std::uint32_t, std::wstring>> loneCr;
        model->GetStoryGraph().VisitSections([&](const Section& section) {
            if (section.text.find(L"lone\rCR") != std::wstring::npos) {
                loneCr.emplace_back(section.number, boost::algorithm::replace_all_copy(section.text, L"lone\rCR", L"lone\r\nCR"));
            }
        });
        for (const auto& [number, text] : loneCr) {
            model->SetSectionText(number, text);
        }
        const auto expected = TestSupport::SectionsOf(model->GetStoryGraph());
        const auto actual = TestSupport::SectionsOf(book.graph);
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t index = 0; index < expected.size(); ++index) {
            ASSERT_EQ(actual[index], expected[index]);
        }
        EXPECT_EQ(book.title, model->GetTitle());
        EXPECT_EQ(book.details, model->GetDetails());
    }
}

}  // namespace
