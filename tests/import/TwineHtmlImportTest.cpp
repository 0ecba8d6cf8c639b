// SPDX-License-Identifier: MIT
#include "ImportedBook.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"
#include "support/MessageTexts.h"
#include "support/TestData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/uuid/uuid_io.hpp>

namespace {

using namespace TarnViewModel;
using testing::ElementsAre;
using TestSupport::ImportedSection;

TEST(TwineHtmlImport, APublishedStoryIsReadWithItsEntitiesDecodedAndItsCodeLeftAlone)
{
    const std::string path = (TestSupport::TestData() / "import/published.html").string();
    const Import::TwineFile file = Import::ReadTwineFile(path);
    ASSERT_EQ(file.stories.size(), 1u);
    EXPECT_TRUE(file.warnings.empty());
    Import::ImportWarnings warnings;
    const BookFileContents book = Import::ImportStory(file.stories[0], path, warnings);
    EXPECT_EQ(book.title, L"The Dark Cellar");
    EXPECT_EQ(boost::uuids::to_string(book.details.identifier), "a1b2c3d4-e5f6-4a7b-8c9d-0e1f2a3b4c5d");
    // The start passage takes section 1; a link to a passage the story lacks makes one.
    EXPECT_THAT(
        TestSupport::SectionsOf(book.graph),
        ElementsAre(
            ImportedSection{1, L"Welcome, it's late \u2014 \u20AC5 to enter.", L"Intro", {{2, L"Enter", false}, {2, L"Sneak in", false}}},
            ImportedSection{2,
                            L"It is dark & cold. You hear \"drip\" <drip>.\r\nYou could also go back or Ghost Room.",
                            L"Cellar",
                            {{3, L"Climb the stairs", false}, {2, L"Cellar", false}, {1, L"go back", false}, {4, L"Ghost Room", false}}},
            ImportedSection{3, L"The end.", L"Hall", {}}, ImportedSection{4, L"", L"Ghost Room", {}}));
    EXPECT_THAT(TestSupport::EnglishTexts(warnings),
                ElementsAre("\"" + path + "\": there is no passage \"Ghost Room\"; section 4 is made for the links to it, empty"));
}

TEST(TwineHtmlImport, AnArchiveGivesEachOfItsStories)
{
    const std::string path = (TestSupport::TestData() / "import/archive.html").string();
    const Import::TwineFile file = Import::ReadTwineFile(path);
    ASSERT_EQ(file.stories.size(), 2u);
    EXPECT_EQ(file.stories[0].name, "First Tale");
    EXPECT_EQ(file.stories[1].name, "Second Tale");
    EXPECT_THAT(TestSupport::EnglishTexts(file.warnings),
                ElementsAre("\"" + path + "\", line 7: passage \"Side\" appears again; the later one is left out"));

    Import::ImportWarnings warnings;
    EXPECT_THAT(TestSupport::SectionsOf(Import::ImportStory(file.stories[0], path, warnings).graph),
                ElementsAre(ImportedSection{1, L"Begin.", L"", {{2, L"Onward", false}}}, ImportedSection{2, L"The end.", L"", {}}));
    // The start passage, named 5, is where a reader starts: section 1.
    EXPECT_THAT(TestSupport::SectionsOf(Import::ImportStory(file.stories[1], path, warnings).graph),
                ElementsAre(ImportedSection{1, L"Numbered five.", L"", {{6, L"Side", false}, {1, L"", false}}},
                            ImportedSection{6, L"A side room.", L"Side", {{1, L"Back", false}}}));
    EXPECT_TRUE(warnings.empty());
}

// Each of these once took time that grew with the square of the file; read in one pass, they
// take moments (the import benchmark times them at 20 MB).
TEST(TwineHtmlImport, AmpersandsAndUnclosedStoriesAndPassagesAreReadInOnePass)
{
    constexpr std::size_t Size = 2u * 1024u * 1024u;
    Import::ImportWarnings warnings;
    const Import::TwineFile ampersands =
        Import::ReadTwineText("<tw-storydata name=\"A\"><tw-passagedata name=\"S\">" + std::string(Size, '&'), "amp.html");
    EXPECT_EQ(ampersands.stories.at(0).passages.at(0).text.size(), Size);
    std::string stories;
    std::string passages = "<tw-storydata name=\"Passages\">";
    while (stories.size() < Size) {
        stories += "<tw-storydata name=\"Unclosed\">";
        passages += "<tw-passagedata name=\"P" + std::to_string(passages.size()) + "\">x";
    }
    EXPECT_GT(Import::ReadTwineText(stories, "stories.html").stories.size(), 60000u);
    // An unclosed passage runs to the end of its story, taking the others with it.
    EXPECT_EQ(Import::ReadTwineText(passages, "passages.html").stories.at(0).passages.size(), 1u);
}

TEST(TwineHtmlImport, MarkupAsTwineWritesItNotAsXmlRequires)
{
    const std::string html =
        "<TW-STORYDATA name=Bare startnode=2 hidden>\n"
        "<tw-passagedata pid=1 name='It&apos;s' tags=\"a  b\">One &amp two &#0; &#x110000; &bogus; &#65;</tw-passagedata>\n"
        "<tw-passagedata pid=\"2\" name=\"Unclosed\">Runs to the end";
    Import::ImportWarnings warnings;
    const Import::TwineFile file = Import::ReadTwineText(html, "bare.html");
    ASSERT_EQ(file.stories.size(), 1u);
    EXPECT_EQ(file.stories[0].name, "Bare");
    EXPECT_EQ(file.stories[0].start, "Unclosed");
    ASSERT_EQ(file.stories[0].passages.size(), 2u);
    EXPECT_EQ(file.stories[0].passages[0].name, "It's");
    EXPECT_EQ(file.stories[0].passages[0].tags, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(file.stories[0].passages[0].text, "One &amp two \uFFFD \uFFFD &bogus; A");
    EXPECT_EQ(file.stories[0].passages[1].text, "Runs to the end");
    EXPECT_EQ(file.stories[0].passages[1].line, 3u);
}

}  // namespace
