// SPDX-License-Identifier: MIT
#include "document/ChoiceTemplates.h"
#include "document/TarnDataModel.h"
#include "support/BookContent.h"
#include "support/NotificationRecorder.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;
using CommonLib::Font;
using CommonLib::FontType;
using CommonLib::ColourUtilities::RGBColour;
using TestSupport::BookContent;
using TestSupport::ReadBytes;
using TestSupport::TempFolder;

std::wstring Sample(const std::string& name)
{
    return (TestSupport::TestData() / name).wstring();
}

std::vector<BookContent::ChoiceContent> ChoicesOf(const TarnDataModel& model, std::uint32_t number)
{
    std::vector<BookContent::ChoiceContent> choices;
    model.GetStoryGraph().VisitSectionChoices(number, false, [&choices](const Choice& choice) {
        choices.push_back({choice.destination, choice.text, choice.hidden});
    });
    return choices;
}

TEST(BookFileLoad, ReadsEveryValueOfACurrentFile)
{
    TarnDataModel model;
    model.Load(Sample("book-v2.brindle"));

    EXPECT_EQ(model.GetTitle(), L"The Caves of Brindle & <Co>");
    EXPECT_EQ(model.GetFooter(), L"Printed in Brindle\r\n   ");
    EXPECT_EQ(model.GetChoiceFormat(), L"If you wish to {{text}}, turn to {{destination}}");
    EXPECT_TRUE(model.GetNewPagePerSection());
    EXPECT_EQ(model.GetFont(FontType::MainBook), (Font{L"Georgia", 12}));
    EXPECT_EQ(model.GetFont(FontType::SectionNumber), (Font{L"Georgia", 15}));
    EXPECT_EQ(model.GetFont(FontType::Header), (Font{L"Cambria", 36}));
    EXPECT_EQ(model.GetFont(FontType::Footer), (Font{L"Consolas", 8}));

    const StoryGraph& graph = model.GetStoryGraph();
    ASSERT_EQ(graph.SectionCount(), 3u);
    const Section& first = graph.GetSection(1);
    EXPECT_FALSE(first.shiftable);
    EXPECT_EQ(first.summary, L"Start");
    EXPECT_EQ(first.text, L"You wake in the caf\u00e9.\r\n  It is \"dark\" \u2014 very dark.  \r\n");
    EXPECT_EQ(graph.GetSection(2).summary, L"Torch \u2603");
    EXPECT_EQ(graph.GetSection(2).text, L"");
    EXPECT_EQ(graph.GetSection(2).backgroundColour, (RGBColour{10, 11, 12}));
    EXPECT_EQ(graph.GetSection(10).backgroundColour, (RGBColour{255, 0, 0}));
    using C = BookContent::ChoiceContent;
    EXPECT_EQ(ChoicesOf(model, 1), (std::vector<C>{{2, L"Light a torch", false}, {10, L"Sleep 'til dawn", true}}));
    EXPECT_EQ(ChoicesOf(model, 2), (std::vector<C>{{10, L"", false}}));
}

TEST(BookFileLoad, FirstVersionFileUsesItsDefaultsAndDigitBooleans)
{
    TarnDataModel model;
    model.Load(Sample("book-v1.brindle"));

    EXPECT_EQ(model.GetChoiceFormat(), DashFormat);
    EXPECT_EQ(model.GetFooter(), L"");
    EXPECT_TRUE(model.GetNewPagePerSection());
    EXPECT_EQ(model.GetFont(FontType::MainBook), (Font{L"Cambria", 10}));
    EXPECT_EQ(model.GetFont(FontType::Header), (Font{L"Cambria", 36}));
    EXPECT_EQ(model.GetFont(FontType::Footer), (Font{L"Consolas", 8}));
    const Section& gate = model.GetStoryGraph().GetSection(1);
    EXPECT_FALSE(gate.shiftable);
    EXPECT_EQ(gate.text, L"first\r\nsecond");
    EXPECT_EQ(gate.backgroundColour, (RGBColour{255, 0, 0}));
    const Section& hall = model.GetStoryGraph().GetSection(2);
    EXPECT_TRUE(hall.shiftable) << "an unreadable boolean falls back to its default";
    EXPECT_EQ(hall.backgroundColour, RGBColour{}) << "a colour name is not a colour value";
    EXPECT_EQ(ChoicesOf(model, 1), (std::vector<BookContent::ChoiceContent>{{2, L"Enter", true}}));
}

TEST(BookFileLoad, VersionDecidesTheChoiceFormatOnlyWhenTheFileHasNone)
{
    TempFolder folder;
    TestSupport::WriteBytes(folder.Path("a.brindle"), "<book version=\"2\"/>");
    TestSupport::WriteBytes(folder.Path("b.brindle"), "<book version=\"two\"/>");
    TarnDataModel model;
    model.Load(folder.WidePath("a.brindle"));
    EXPECT_EQ(model.GetChoiceFormat(), TurnToFormat);
    EXPECT_EQ(model.GetTitle(), L"Untitled");
    EXPECT_EQ(model.GetStoryGraph().SectionCount(), 0u);
    model.Load(folder.WidePath("b.brindle"));
    EXPECT_EQ(model.GetChoiceFormat(), DashFormat);
}

// Hand-edited files keep every byte the author wrote: line ends are not normalised, blank
// text alone in an element stays, and entities and character data join in order.
TEST(BookFileLoad, TextIsReadByteForByte)
{
    TempFolder folder;
    TestSupport::WriteBytes(folder.Path("a.brindle"),
                            "<book version=\"2\">\r\n<title>A\r\nB &amp; &#x263A;<![CDATA[<c>]]> d</title>\r\n"
                            "<footer><p order=\"2\">\t</p><p order=\"1\">  </p></footer>\r\n"
                            "<styles><style name=\"text\"><font><name> Serif\tFace </name><size>11</size></font></style></styles>"
                            "</book>\r\n");
    TarnDataModel model;
    model.Load(folder.WidePath("a.brindle"));
    EXPECT_EQ(model.GetTitle(), L"A\r\nB & \u263A<c> d");
    EXPECT_EQ(model.GetFooter(), L"  \r\n\t");
    EXPECT_EQ(model.GetFont(FontType::MainBook), (Font{L" Serif\tFace ", 11}));
}

TEST(BookFileLoad, RepeatedSectionsMergeAndDanglingDestinationsGetSections)
{
    TarnDataModel model;
    model.Load(Sample("merged-and-dangling.brindle"));

    const StoryGraph& graph = model.GetStoryGraph();
    const Section& five = graph.GetSection(5);
    EXPECT_EQ(five.summary, L"Second");
    EXPECT_FALSE(five.shiftable);
    EXPECT_EQ(five.backgroundColour, (RGBColour{0, 255, 0})) << "an invalid colour keeps the earlier one";
    using C = BookContent::ChoiceContent;
    EXPECT_EQ(ChoicesOf(model, 5), (std::vector<C>{{12, L"To twelve", false}, {7, L"To seven", false}, {7, L"Again to seven", false}}));
    EXPECT_EQ(ChoicesOf(model, 7), (std::vector<C>{{5, L"Back", false}}));
    const Section& twelve = graph.GetSection(12);
    EXPECT_EQ(twelve.summary, L"");
    EXPECT_EQ(twelve.text, L"");
    EXPECT_TRUE(twelve.shiftable);
    EXPECT_EQ(twelve.backgroundColour, RGBColour{});

    EXPECT_EQ(model.GetFont(FontType::MainBook), (Font{L"Garamond", 14})) << "the later style wins";
    EXPECT_EQ(model.GetFont(FontType::SectionNumber), (Font{L"Garamond", 17}));
    EXPECT_EQ(model.GetFont(FontType::Footer), (Font{L"Courier", 8})) << "a size below 1 takes the default";
}

TEST(BookFileLoad, LeavesAnUnmodifiedBookWithoutHistory)
{
    TarnDataModel model;
    model.NewBook(L"Before", L"");
    model.CreateSection(2, L"unsaved");
    TestSupport::NotificationRecorder recorder(model);

    model.Load(Sample("merged-and-dangling.brindle"));

    EXPECT_FALSE(model.IsModified());
    EXPECT_FALSE(model.CanUndo());
    EXPECT_FALSE(model.CanRedo());
    EXPECT_EQ(model.GetFilePath(), Sample("merged-and-dangling.brindle"));
    const std::vector<std::string> events = recorder.Take();
    const auto position = [&events](const std::string& prefix) {
        return std::find_if(events.begin(), events.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }) - events.begin();
    };
    EXPECT_LT(position("BookReset"), position("BookLoaded"));
    EXPECT_LT(position("BookLoaded"), position("TitleChanged"));
    EXPECT_LT(position("TitleChanged"), position("FooterChanged"));
    EXPECT_LT(position("FooterChanged"), position("NewPagePerSectionChanged"));
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.rfind("BookLoaded", 0) == 0; }), 1);
    const auto lastUndo =
        std::find_if(events.rbegin(), events.rend(), [](const std::string& e) { return e.rfind("UndoRedoChanged", 0) == 0; });
    ASSERT_NE(lastUndo, events.rend());
    EXPECT_EQ(*lastUndo, "UndoRedoChanged 0 0");
}

}  // namespace
