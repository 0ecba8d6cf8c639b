// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/PropertyGridDriver.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/panes/CBookPropertiesPane.h"
#include "shell/panes/CSectionPropertiesPane.h"
#include "shell/support/StringTable.h"

#include <QLabel>

#include <boost/uuid/uuid_io.hpp>

using TarnGui::CBookPropertiesPane;
using TarnGui::CSectionPropertiesPane;

namespace TestSupport {

namespace {

class PropertyPanesTest : public MainWindowFixture {
protected:
    PropertyGridDriver Book() { return PropertyGridDriver(*Frame().BookPropertiesPane()->Grid()); }
    PropertyGridDriver Section() { return PropertyGridDriver(*Frame().SectionPropertiesPane()->Grid()); }
    void SelectSection(std::uint32_t number)
    {
        Frame().Selection().SetCurrentSection(number);
        QApplication::processEvents();
    }
    // Undo takes the book back to the new book's state, which nothing else had changed.
    void ExpectOneUndoRestores()
    {
        EXPECT_TRUE(Model().IsModified());
        ASSERT_TRUE(Model().CanUndo());
        Run(TarnGui::Strings::EditUndo);
        EXPECT_FALSE(Model().CanUndo());
    }
};

TEST_F(PropertyPanesTest, TitleAndFooterAreTypedAndUndone)
{
    Book().Type(CBookPropertiesPane::Title, QStringLiteral("The Ember Road"));
    EXPECT_EQ(Model().GetTitle(), L"The Ember Road");
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::Title), QStringLiteral("The Ember Road"));
    ExpectOneUndoRestores();
    EXPECT_EQ(Model().GetTitle(), L"Untitled");
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::Title), QStringLiteral("Untitled"));

    Book().Type(CBookPropertiesPane::Footer, QStringLiteral("Printed at home"));
    EXPECT_EQ(Model().GetFooter(), L"Printed at home");
    ExpectOneUndoRestores();
    EXPECT_EQ(Model().GetFooter(), L"Written with The Brindle Story Studio");
}

TEST_F(PropertyPanesTest, AuthorAndLanguageAreTypedAndUndoneAndTheIdentifierOnlyShown)
{
    const QString language = Book().Shown(CBookPropertiesPane::Language);
    Book().Type(CBookPropertiesPane::Author, QStringLiteral("Ann \"A\" Smith"));
    EXPECT_EQ(Model().GetDetails().author, L"Ann \"A\" Smith");
    ExpectOneUndoRestores();
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::Author), QString());

    Book().Type(CBookPropertiesPane::Language, QStringLiteral("pt-BR"));
    EXPECT_EQ(Model().GetDetails().language, L"pt-BR");
    ExpectOneUndoRestores();
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::Language), language);

    const bool undoable = Model().CanUndo();
    script_.ThenAnswer(QMessageBox::Ok);
    Book().Type(CBookPropertiesPane::Language, QStringLiteral("Brazilian Portuguese"));
    WaitForScript();
    EXPECT_EQ(script_.Messages().back(), "\"Brazilian Portuguese\" is not a language tag. Write one such as \"en\", "
                                         "\"en-GB\" or \"fr-CA\".");
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::Language), language);
    EXPECT_EQ(Model().CanUndo(), undoable);

    EXPECT_EQ(Book().Shown(CBookPropertiesPane::Identifier).toStdString(), boost::uuids::to_string(Model().GetDetails().identifier));
    EXPECT_FALSE(Book().Editable(CBookPropertiesPane::Identifier));
}

TEST_F(PropertyPanesTest, AnUnchangedValueRecordsNothing)
{
    Book().Type(CBookPropertiesPane::Title, QStringLiteral("Untitled"));
    Book().Pick(CBookPropertiesPane::NewPagePerSection, QStringLiteral("No"));
    Section().Type(CSectionPropertiesPane::Number, QStringLiteral("1"));
    EXPECT_FALSE(Model().CanUndo());
    EXPECT_FALSE(Model().IsModified());
}

TEST_F(PropertyPanesTest, FontsComeFromTheFontDialog)
{
    // A new book announces its fonts before its reset; they stay in view.
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::MainFont), QStringLiteral("Cambria, 10"));
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::FooterFont), QStringLiteral("Consolas, 8"));
    script_.ThenChooseFont(QFont(QStringLiteral("DejaVu Serif"), 12));
    Book().OpenEditor(CBookPropertiesPane::MainFont);
    WaitForScript();
    EXPECT_EQ(Model().GetFont(CommonLib::FontType::MainBook), (CommonLib::Font{L"DejaVu Serif", 12}));
    // The section numbers follow the main font, and one undo takes both back.
    EXPECT_EQ(Model().GetFont(CommonLib::FontType::SectionNumber), (CommonLib::Font{L"DejaVu Serif", 15}));
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::MainFont), QStringLiteral("DejaVu Serif, 12"));
    ExpectOneUndoRestores();
    EXPECT_EQ(Model().GetFont(CommonLib::FontType::MainBook), (CommonLib::Font{L"Cambria", 10}));
    EXPECT_EQ(Model().GetFont(CommonLib::FontType::SectionNumber), (CommonLib::Font{L"Cambria", 13}));

    script_.ThenChooseFont(QFont(QStringLiteral("DejaVu Sans"), 30));
    Book().OpenEditor(CBookPropertiesPane::HeaderFont);
    WaitForScript();
    EXPECT_EQ(Model().GetFont(CommonLib::FontType::Header), (CommonLib::Font{L"DejaVu Sans", 30}));
    ExpectOneUndoRestores();

    script_.ThenChooseFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    Book().OpenEditor(CBookPropertiesPane::FooterFont);
    WaitForScript();
    EXPECT_EQ(Model().GetFont(CommonLib::FontType::Footer), (CommonLib::Font{L"DejaVu Sans Mono", 9}));
    ExpectOneUndoRestores();
    EXPECT_EQ(Model().GetFont(CommonLib::FontType::Footer), (CommonLib::Font{L"Consolas", 8}));
}

TEST_F(PropertyPanesTest, NewPagePerSectionIsPickedFromYesAndNo)
{
    Book().Pick(CBookPropertiesPane::NewPagePerSection, QStringLiteral("Yes"));
    EXPECT_TRUE(Model().GetNewPagePerSection());
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::NewPagePerSection), QStringLiteral("Yes"));
    ExpectOneUndoRestores();
    EXPECT_FALSE(Model().GetNewPagePerSection());
}

TEST_F(PropertyPanesTest, ChoiceFormatFollowsTheChosenTemplate)
{
    EXPECT_FALSE(Book().Editable(CBookPropertiesPane::ChoiceFormat));
    Book().Pick(CBookPropertiesPane::ChoiceFormatName, QStringLiteral("squares"));
    EXPECT_EQ(Model().GetChoiceFormat(), L"{{text}} [{{destination}}]");
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::ChoiceFormat), QStringLiteral("{{text}} [{{destination}}]"));
    EXPECT_FALSE(Book().Editable(CBookPropertiesPane::ChoiceFormat));
    ExpectOneUndoRestores();
    EXPECT_EQ(Book().Shown(CBookPropertiesPane::ChoiceFormatName), QStringLiteral("turn to"));

    // Only the custom template's format can be typed.
    Book().Pick(CBookPropertiesPane::ChoiceFormatName, QStringLiteral("custom"));
    ASSERT_TRUE(Book().Editable(CBookPropertiesPane::ChoiceFormat));
    Book().Type(CBookPropertiesPane::ChoiceFormat, QStringLiteral("{{text}}: go to {{destination}}"));
    EXPECT_EQ(Model().GetChoiceFormat(), L"{{text}}: go to {{destination}}");
    Run(TarnGui::Strings::EditUndo);
    EXPECT_EQ(Model().GetChoiceFormat(), L"{{text}} {{destination}}");
}

TEST_F(PropertyPanesTest, SectionSummaryShiftableAndColourAreEditedAndUndone)
{
    Section().Type(CSectionPropertiesPane::Summary, QStringLiteral("The gate"));
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).summary, L"The gate");
    ExpectOneUndoRestores();
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).summary, L"");

    Section().Pick(CSectionPropertiesPane::Shiftable, QStringLiteral("Yes"));
    EXPECT_TRUE(Model().GetStoryGraph().GetSection(1).shiftable);
    ExpectOneUndoRestores();
    EXPECT_FALSE(Model().GetStoryGraph().GetSection(1).shiftable);

    script_.ThenChooseColour(QColor(0, 0, 128));
    Section().OpenEditor(CSectionPropertiesPane::BackgroundColour);
    WaitForScript();
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).backgroundColour, (CommonLib::ColourUtilities::RGBColour{0, 0, 128}));
    EXPECT_EQ(Section().Shown(CSectionPropertiesPane::BackgroundColour), QStringLiteral("#000080"));
    // The colour itself shows as a swatch beside its name.
    const QImage swatch = Section().Swatch(CSectionPropertiesPane::BackgroundColour);
    ASSERT_FALSE(swatch.isNull());
    EXPECT_EQ(swatch.pixelColor(swatch.rect().center()), QColor(0, 0, 128));
    ExpectOneUndoRestores();
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).backgroundColour, (CommonLib::ColourUtilities::RGBColour{}));
}

TEST_F(PropertyPanesTest, RenumberingCarriesTheSectionAndUndoPutsItBack)
{
    Model().CreateSection(3, L"Bridge");
    Model().AddChoiceTo(1, 3, L"Cross", false);
    SelectSection(3);
    Section().Type(CSectionPropertiesPane::Number, QStringLiteral("7"));
    const TarnViewModel::StoryGraph& graph = Model().GetStoryGraph();
    ASSERT_TRUE(graph.HasSection(7));
    EXPECT_FALSE(graph.HasSection(3));
    EXPECT_EQ(graph.GetSection(7).summary, L"Bridge");
    EXPECT_EQ(Section().Shown(CSectionPropertiesPane::Number), QStringLiteral("7"));
    Run(TarnGui::Strings::EditUndo);
    EXPECT_TRUE(graph.HasSection(3));
    EXPECT_FALSE(graph.HasSection(7));
    EXPECT_EQ(Section().Shown(CSectionPropertiesPane::Number), QStringLiteral("3"));
}

// The flowchart rings the box of the section being edited, whatever number it takes.
TEST_F(PropertyPanesTest, TheChartsSelectionRingFollowsARenumberedSection)
{
    for (std::uint32_t number = 2; number <= 29; ++number) {
        Model().CreateSection(number, L"Room " + std::to_wstring(number));
        Model().AddChoiceTo(number - 1, number, L"On", false);
    }
    const TarnGui::CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    const auto ringedLabel = [&chart] { return chart.Scene().boxes.at(chart.Ringed().value()).label.toStdWString(); };
    SelectSection(4);
    Section().Type(CSectionPropertiesPane::Number, QStringLiteral("2"));
    ASSERT_EQ(Model().GetStoryGraph().GetSection(2).summary, L"Room 4");
    EXPECT_EQ(chart.Ringed(), Frame().Selection().GetCurrentSection());
    EXPECT_EQ(ringedLabel().find(L"Room 4"), 0u) << "the ring is on another section's box";

    SelectSection(29);
    Section().Type(CSectionPropertiesPane::Number, QStringLiteral("40"));
    ASSERT_TRUE(Model().GetStoryGraph().HasSection(40));
    ASSERT_TRUE(chart.Ringed().has_value()) << "the ring went";
    EXPECT_EQ(ringedLabel().find(L"Room 29"), 0u);
}

TEST_F(PropertyPanesTest, NumbersOutsideTheBookAreRefused)
{
    const auto undoable = Model().CanUndo();
    for (const QString& typed : {QStringLiteral("0"), QStringLiteral("10001"), QStringLiteral("99999999"), QStringLiteral("4294967297"),
                                 QStringLiteral("123456789012345678901234567890")}) {
        script_.ThenAnswer(QMessageBox::Ok);
        Section().Type(CSectionPropertiesPane::Number, typed);
        WaitForScript();
        EXPECT_EQ(script_.Messages().back(), "Section number must be between 1 and 10000") << typed.toStdString();
        EXPECT_EQ(Section().Shown(CSectionPropertiesPane::Number), QStringLiteral("1"));
    }
    // Letters and signs never reach the book: the field takes digits only.
    Section().Type(CSectionPropertiesPane::Number, QStringLiteral("-x"));
    EXPECT_EQ(Model().GetStoryGraph().SectionCount(), 1U);
    EXPECT_TRUE(Model().GetStoryGraph().HasSection(1));
    EXPECT_EQ(Model().CanUndo(), undoable);
}

TEST_F(PropertyPanesTest, DescriptionAreaExplainsTheSelectedProperty)
{
    Section().OpenEditor(CSectionPropertiesPane::Shiftable);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    const QString description = Frame().SectionPropertiesPane()->Grid()->Description()->text();
    EXPECT_TRUE(description.contains(QStringLiteral("Can be auto shuffled")));
    EXPECT_TRUE(description.contains(QStringLiteral("fixed in place.  Most sections")));
}

TEST_F(PropertyPanesTest, EmptySlotPropertiesCannotBeEdited)
{
    Model().CreateSection(3, L"");
    SelectSection(2);
    EXPECT_FALSE(Frame().SectionPropertiesPane()->Grid()->isEnabled());
    EXPECT_EQ(Section().Shown(CSectionPropertiesPane::Summary), QStringLiteral("Empty Section"));
}

}  // namespace

}  // namespace TestSupport
