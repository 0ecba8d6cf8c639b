// SPDX-License-Identifier: MIT
#include "ImportedBook.h"
#include "document/BookFileReader.h"
#include "document/BookFileWriter.h"
#include "document/BookLimits.h"
#include "document/TarnDataModel.h"
#include "import/ImportException.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"
#include "support/ExpectMessage.h"
#include "support/MessageTexts.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/uuid/uuid_io.hpp>

#include <filesystem>

namespace {

using namespace TarnViewModel;
using testing::ElementsAre;
using testing::HasSubstr;
using TestSupport::ImportedSection;

BookFileContents Imported(const Import::TwineFile& file, Import::ImportWarnings& warnings)
{
    warnings = file.warnings;
    return Import::ImportStory(file.stories.at(0), "story.twee", warnings);
}

TEST(TweeImport, AForeignStoryBecomesABookAndWhatItCannotHoldIsAWarning)
{
    const std::string path = (TestSupport::TestData() / "import/foreign.twee").string();
    const Import::TwineFile file = Import::ReadTwineFile(path);
    ASSERT_EQ(file.stories.size(), 1u);
    Import::ImportWarnings warnings = file.warnings;
    const BookFileContents book = Import::ImportStory(file.stories[0], path, warnings);
    EXPECT_EQ(book.title, L"A Twee Tale");
    // Nothing said where to start, so the passages are numbered in file order.
    EXPECT_THAT(
        TestSupport::SectionsOf(book.graph),
        ElementsAre(ImportedSection{1, L"First line.", L"Begin", {{2, L"Go on", false}}},
                    ImportedSection{2, L"Middle End here.", L"Middle", {{3, L"End", false}, {1, L"Back", false}, {2, L"Middle", false}}},
                    ImportedSection{3, L":: not a header", L"End", {}}));
    const std::string where = "\"" + path + "\", line ";
    EXPECT_THAT(TestSupport::EnglishTexts(warnings),
                ElementsAre(HasSubstr(where + "5: the StoryData is not JSON ("),
                            where + "17: passage \"UserScript\" is the story's script or style sheet; it is left out",
                            where + "23: passage \"Middle\" appears again; the later one is left out",
                            HasSubstr(where + "12: the metadata of passage \"Middle\" is not JSON (")));
}

TEST(TweeImport, NumberedPassagesKeepTheirNumbersAndTheStartIsSectionOne)
{
    const Import::TwineFile file =
        Import::ReadTwineText(":: StoryData\n{\"ifid\": \"d674c58c-defa-4f70-b7a2-27742230c0fc\", \"start\": \"Hall\"}\n"
                              ":: 3\nThree [[Hall]] [[3]] [[Nowhere]]\n:: Yard\n:: Hall\n[[7]]\n:: 7\n",
                              "n.twee");
    Import::ImportWarnings warnings;
    const BookFileContents book = Imported(file, warnings);
    EXPECT_THAT(
        TestSupport::SectionsOf(book.graph),
        ElementsAre(ImportedSection{1, L"", L"Hall", {{7, L"", false}}},
                    ImportedSection{3, L"Three Hall 3 Nowhere", L"", {{1, L"Hall", false}, {3, L"", false}, {9, L"Nowhere", false}}},
                    ImportedSection{7, L"", L"", {}}, ImportedSection{8, L"", L"Yard", {}}, ImportedSection{9, L"", L"Nowhere", {}}));
    EXPECT_THAT(TestSupport::EnglishTexts(warnings),
                ElementsAre("\"story.twee\": there is no passage \"Nowhere\"; section 9 is made for the links to it, empty"));
    EXPECT_EQ(boost::uuids::to_string(book.details.identifier), "d674c58c-defa-4f70-b7a2-27742230c0fc");
}

TEST(TweeImport, CrLfFilesAndEveryLinkFormReadAsLfFilesDo)
{
    const std::string story = ":: Start\r\nGo [[a|B]] [[c->B]] [[B<-d]] [[e->f->B]] [[g|B][$x to 1]] [[B]]\r\n\r\n:: B\r\nEnd.\r\n";
    Import::ImportWarnings warnings;
    const BookFileContents book = Imported(Import::ReadTwineText(story, "crlf.twee"), warnings);
    EXPECT_THAT(TestSupport::SectionsOf(book.graph),
                ElementsAre(
                    ImportedSection{
                        1,
                        L"Go a c d e->f g B",
                        L"Start",
                        {{2, L"a", false}, {2, L"c", false}, {2, L"d", false}, {2, L"e->f", false}, {2, L"g", false}, {2, L"B", false}}},
                    ImportedSection{2, L"End.", L"B", {}}));
    EXPECT_TRUE(warnings.empty());
}

// Twine's own import passes over a byte-order mark, ends lines at CR, LF or CR LF, and
// shows a passage without the blank lines it starts with.
TEST(TweeImport, AByteOrderMarkOldMacLineEndsAndLeadingBlankLinesReadAsTwineReadsThem)
{
    Import::ImportWarnings warnings;
    const BookFileContents marked =
        Imported(Import::ReadTwineText("\xEF\xBB\xBF:: Start\n\n  \n  Indented title\n[[Boat]]\n:: Boat\nAfloat.\n", "bom.twee"), warnings);
    EXPECT_THAT(TestSupport::SectionsOf(marked.graph), ElementsAre(ImportedSection{1, L"  Indented title", L"Start", {{2, L"Boat", false}}},
                                                                   ImportedSection{2, L"Afloat.", L"Boat", {}}));
    const BookFileContents mac =
        Imported(Import::ReadTwineText(":: Start\rLine one\r\rLine two\r[[Boat]]\r:: Boat\rAfloat.\r", "mac.twee"), warnings);
    EXPECT_THAT(TestSupport::SectionsOf(mac.graph),
                ElementsAre(ImportedSection{1, L"Line one\r\n\r\nLine two", L"Start", {{2, L"Boat", false}}},
                            ImportedSection{2, L"Afloat.", L"Boat", {}}));
    EXPECT_TRUE(warnings.empty());
}

TEST(TweeImport, ALinkToAWebAddressKeepsItsWordsAndMakesNoChoice)
{
    Import::ImportWarnings warnings;
    const BookFileContents book =
        Imported(Import::ReadTwineText(":: Start\nBy [[Iain Merrick->http://example.com/iain]] and [[mail us|mailto:a@example.com]].\n"
                                       "[[https://example.com/only]]\n[[On->Chapter 2: The Dock]]\n:: Chapter 2: The Dock\nHere.\n",
                                       "web.twee"),
                 warnings);
    EXPECT_THAT(TestSupport::SectionsOf(book.graph),
                ElementsAre(ImportedSection{1, L"By Iain Merrick and mail us.\r\nhttps://example.com/only", L"Start", {{2, L"On", false}}},
                            ImportedSection{2, L"Here.", L"Chapter 2: The Dock", {}}));
    EXPECT_TRUE(warnings.empty());
}

TEST(TweeImport, ANamedStartPassageIsSectionOneAndTheOneNumberedOneMoves)
{
    const Import::TwineFile file =
        Import::ReadTwineText(":: StoryData\n{\"ifid\": \"D674C58C-DEFA-4F70-B7A2-27742230C0FC\", \"start\": \"Dock\"}\n"
                              ":: 1\nOne [[2]]\n:: 2\nTwo [[3]]\n:: 3\nThree [[1]]\n:: Dock\n[[Begin->1]]\n",
                              "start.twee");
    Import::ImportWarnings warnings;
    const BookFileContents book = Imported(file, warnings);
    EXPECT_THAT(TestSupport::SectionsOf(book.graph),
                ElementsAre(ImportedSection{1, L"", L"Dock", {{4, L"Begin", false}}}, ImportedSection{2, L"Two 3", L"", {{3, L"", false}}},
                            ImportedSection{3, L"Three 1", L"", {{4, L"", false}}}, ImportedSection{4, L"One 2", L"", {{2, L"", false}}}));
    EXPECT_THAT(TestSupport::EnglishTexts(warnings),
                ElementsAre("\"story.twee\": section 1 is the start passage \"Dock\", so passage \"1\" becomes section 4"));
}

TEST(TweeImport, PlainMacroLinksAreChoicesAndTheRestAreNamedOncePerPassage)
{
    const std::string story = ":: Start\n"
                              "<<link \"Open the door\" \"Door\">><</link>>\n"
                              "Then <<link [[Run|Field]]>><</link>> or <<button 'Wait'>><<goto \"Cellar\">><</button>>.\n"
                              "<<goto [[Door]]>>\n"
                              "<<set $x to 1>><<goto $next>> <<link \"Think\">><<set $y to 2>><</link>>\n"
                              ":: Harlowe\n"
                              "(link-goto: \"Go out\", \"Field\") (Go-To: 'Door') (click-goto: \"door\", \"Door\") (linkgoto: \"Cellar\")\n"
                              "(link-goto: $where) (print: 2)\n"
                              ":: Door\n:: Field\n:: Cellar\n";
    Import::ImportWarnings warnings;
    const BookFileContents book = Imported(Import::ReadTwineText(story, "macros.twee"), warnings);
    const auto sections = TestSupport::SectionsOf(book.graph);
    ASSERT_EQ(sections.size(), 5u);
    EXPECT_EQ(sections[0],
              (ImportedSection{1,
                               L"Then Run or Wait.\r\n<<set $x to 1>><<goto $next>> <<link \"Think\">><<set $y to 2>><</link>>",
                               L"Start",
                               {{3, L"Open the door", false}, {4, L"Run", false}, {5, L"Wait", false}, {3, L"Door", false}}}));
    // A line of nothing but links goes, as with Twine's own links.
    EXPECT_EQ(sections[1], (ImportedSection{2,
                                            L"(link-goto: $where) (print: 2)",
                                            L"Harlowe",
                                            {{4, L"Go out", false}, {3, L"Door", false}, {3, L"door", false}, {5, L"Cellar", false}}}));
    EXPECT_THAT(TestSupport::EnglishTexts(warnings),
                ElementsAre(HasSubstr("passage \"Start\" goes on through macros that name the passage by code, not by a plain name"),
                            HasSubstr("passage \"Harlowe\" goes on through macros that name the passage by code, not by a plain name")));
}

// A Twee file with a NUL byte once made a book that could not be opened.
TEST(TweeImport, CharactersNoBookCanHoldAreReplacedWithAWarningAndTheBookOpensAgain)
{
    Import::ImportWarnings warnings;
    const std::string story = std::string(":: Start\nA NUL") + '\0' + " and a bell\a.\n[[B]]\n:: B\nEnd \xEF\xBF\xBE.\n";
    BookFileContents book = Imported(Import::ReadTwineText(story, "nul.twee"), warnings);
    EXPECT_THAT(TestSupport::EnglishTexts(warnings),
                ElementsAre("\"nul.twee\", line 2: 3 characters that no book can hold, such as NUL, are each replaced by U+FFFD"));
    EXPECT_EQ(book.graph.GetSection(1).text, L"A NUL\uFFFD and a bell\uFFFD.");
    TarnDataModel model;
    model.OpenImported(std::move(book));
    const BookFileContents again = ReadBookText(BookFileText(model), "nul.brindle");
    EXPECT_EQ(TestSupport::SectionsOf(again.graph), TestSupport::SectionsOf(model.GetStoryGraph()));
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
            Import::ReadTwineText(text, "bad.twee");
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
    Import::ImportWarnings warnings;
    EXPECT_EQ(Imported(Import::ReadTwineText(story, "big.twee"), warnings).graph.SectionCount(), 10000u);
    for (const std::string& more : {std::string(":: One more\n"), std::string("[[Missing]]\n")}) {
        try {
            Imported(Import::ReadTwineText(story + more, "big.twee"), warnings);
            ADD_FAILURE() << more;
        } catch (const Import::ImportException& error) {
            EXPECT_STREQ(error.what(), "Cannot import \"story.twee\": the story needs 10001 sections; a book holds at most 10000");
        }
    }
}

// Read link by link and passage by passage, a story stops where it outgrows a book, holding
// no more than a book may.
TEST(TweeImport, AStoryThatWouldHoldMoreThanABookMayIsRefusedWhereItOverflows)
{
    std::string thousand;
    for (std::size_t link = 0; link < MostChoicesInSection; ++link) {
        thousand += "[[1]]";
    }
    Import::ImportWarnings warnings;
    EXPECT_EQ(Imported(Import::ReadTwineText(":: 1\n" + thousand + "\n", "links.twee"), warnings).graph.ChoiceCount(1), 1000u);
    TestSupport::ExpectThrowWithMessage<Import::ImportException>(
        [&] { Imported(Import::ReadTwineText(":: Start\n" + thousand + "[[1]]\n", "links.twee"), warnings); },
        "Cannot import \"story.twee\", line 1: passage \"Start\" has more than 1000 links; a section may have at most 1000 choices");
    // Each passage makes a section of a thousand choices, about 106 kB in the file.
    std::string story;
    for (int passage = 1; passage <= 700; ++passage) {
        story += ":: " + std::to_string(passage) + "\n" + thousand + "\n";
    }
    TestSupport::ExpectThrowWithMessage<Import::ImportException>(
        [&] { Imported(Import::ReadTwineText(story, "many.twee"), warnings); },
        "Cannot import \"story.twee\", line 1205: the story makes a book of more than 64 MB, the most a book may take");
}

TEST(TweeImport, EveryRegressionInputEndsInABookOrAClearError)
{
    const auto folder = TestSupport::TestData() / "import-regressions";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string text = TestSupport::ReadBytes(entry.path());
        try {
            const Import::TwineFile file = Import::ReadTwineText(text, "fuzz");
            for (const Import::TwineStory& story : file.stories) {
                Import::ImportWarnings warnings;
                Import::ImportStory(story, "fuzz", warnings);
            }
        } catch (const Import::ImportException&) {
        } catch (const std::runtime_error& error) {
            EXPECT_THAT(error.what(), HasSubstr("fuzz(")) << entry.path();
        }
    }
}

}  // namespace
