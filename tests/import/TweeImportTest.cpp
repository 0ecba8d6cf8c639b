#include "ImportedBook.h"
#include "import/ImportException.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/uuid/uuid_io.hpp>

#include <filesystem>

namespace {

using namespace TarnViewModel;
using TestSupport::ImportedSection;
using testing::ElementsAre;
using testing::HasSubstr;

BookFileContents Imported(const TwineFile& file, std::vector<std::string>& warnings)
{
    warnings = file.warnings;
    return ImportStory(file.stories.at(0), "story.twee", warnings);
}

TEST(TweeImport, AForeignStoryBecomesABookAndWhatItCannotHoldIsAWarning)
{
    const std::string path = (TestSupport::TestData() / "import/foreign.twee").string();
    const TwineFile file = ReadTwineFile(path);
    ASSERT_EQ(file.stories.size(), 1u);
    std::vector<std::string> warnings = file.warnings;
    const BookFileContents book = ImportStory(file.stories[0], path, warnings);
    EXPECT_EQ(book.title, L"A Twee Tale");
    // Nothing said where to start, so the passages are numbered in file order.
    EXPECT_THAT(TestSupport::SectionsOf(book.graph),
                ElementsAre(ImportedSection{1, L"First line.", L"", {{2, L"Go on", false}}},
                            ImportedSection{2, L"Middle End here.", L"", {{3, L"End", false}, {1, L"Back", false}, {2, L"Middle", false}}},
                            ImportedSection{3, L":: not a header", L"", {}}));
    const std::string where = "\"" + path + "\", line ";
    EXPECT_THAT(warnings, ElementsAre(HasSubstr(where + "5: the StoryData is not JSON ("),
                                      where + "17: passage \"UserScript\" is the story's script or style sheet; it is left out",
                                      where + "23: passage \"Middle\" appears again; the later one is left out",
                                      HasSubstr(where + "12: the metadata of passage \"Middle\" is not JSON (")));
}

TEST(TweeImport, NumberedPassagesKeepTheirNumbersAndTheStartTakesTheFirstFreeOneAfterThem)
{
    const TwineFile file = ReadTwineText(":: StoryData\n{\"ifid\": \"d674c58c-defa-4f70-b7a2-27742230c0fc\", \"start\": \"Hall\"}\n"
                                         ":: 3\nThree [[Hall]] [[3]] [[Nowhere]]\n:: Yard\n:: Hall\n[[7]]\n:: 7\n",
                                         "n.twee");
    std::vector<std::string> warnings;
    const BookFileContents book = Imported(file, warnings);
    EXPECT_THAT(TestSupport::SectionsOf(book.graph),
                ElementsAre(ImportedSection{3, L"Three Hall 3 Nowhere", L"", {{8, L"Hall", false}, {3, L"", false}, {10, L"Nowhere", false}}},
                            ImportedSection{7, L"", L"", {}}, ImportedSection{8, L"", L"", {{7, L"", false}}},
                            ImportedSection{9, L"", L"", {}}, ImportedSection{10, L"", L"", {}}));
    EXPECT_THAT(warnings, ElementsAre("\"story.twee\": there is no passage \"Nowhere\"; section 10 is made for the links to it, empty"));
    EXPECT_EQ(boost::uuids::to_string(book.details.identifier), "d674c58c-defa-4f70-b7a2-27742230c0fc");
}

TEST(TweeImport, CrLfFilesAndEveryLinkFormReadAsLfFilesDo)
{
    const std::string story = ":: Start\r\nGo [[a|B]] [[c->B]] [[B<-d]] [[e->f->B]] [[g|B][$x to 1]] [[B]]\r\n\r\n:: B\r\nEnd.\r\n";
    std::vector<std::string> warnings;
    const BookFileContents book = Imported(ReadTwineText(story, "crlf.twee"), warnings);
    EXPECT_THAT(TestSupport::SectionsOf(book.graph),
                ElementsAre(ImportedSection{1, L"Go a c d e->f g B", L"",
                                            {{2, L"a", false}, {2, L"c", false}, {2, L"d", false}, {2, L"e->f", false}, {2, L"g", false}, {2, L"B", false}}},
                            ImportedSection{2, L"End.", L"", {}}));
    EXPECT_TRUE(warnings.empty());
}

TEST(TweeImport, BadFilesAreRefusedNamingTheFileAndTheLine)
{
    const std::pair<std::string, std::string> refused[] = {
        {"::A\nfine\n:: B\n\xFF\n", "bad.twee(4): read error: the file is not UTF-8: byte 0xFF is not part of a UTF-8 character"},
        {"no passages here\n", "Cannot import \"bad.twee\": there is no Twee passage in it (no line starting with \"::\")"},
        {"<html><body>no story</body></html>", "Cannot import \"bad.twee\": there is no Twine story in it (no <tw-storydata> element)"},
    };
    for (const auto& [text, message] : refused) {
        try {
            ReadTwineText(text, "bad.twee");
            ADD_FAILURE() << text;
        } catch (const std::exception& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST(TweeImport, AStoryTooBigForABookIsRefusedBeforeAnythingIsMade)
{
    std::string story;
    for (int passage = 1; passage <= 10000; ++passage) {
        story += ":: P" + std::to_string(passage) + "\n";
    }
    std::vector<std::string> warnings;
    EXPECT_EQ(Imported(ReadTwineText(story, "big.twee"), warnings).graph.SectionCount(), 10000u);
    for (const std::string& more : {std::string(":: One more\n"), std::string("[[Missing]]\n")}) {
        try {
            Imported(ReadTwineText(story + more, "big.twee"), warnings);
            ADD_FAILURE() << more;
        } catch (const ImportException& error) {
            EXPECT_STREQ(error.what(), "Cannot import \"story.twee\": the story needs 10001 sections; a book holds at most 10000");
        }
    }
}

TEST(TweeImport, EveryRegressionInputEndsInABookOrAClearError)
{
    const auto folder = TestSupport::TestData() / "import-regressions";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string text = TestSupport::ReadBytes(entry.path());
        try {
            const TwineFile file = ReadTwineText(text, "fuzz");
            for (const TwineStory& story : file.stories) {
                std::vector<std::string> warnings;
                ImportStory(story, "fuzz", warnings);
            }
        } catch (const ImportException&) {
        } catch (const std::runtime_error& error) {
            EXPECT_THAT(error.what(), HasSubstr("fuzz(")) << entry.path();
        }
    }
}

}  // namespace
