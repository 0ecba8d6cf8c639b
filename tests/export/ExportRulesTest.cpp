// SPDX-License-Identifier: MIT
#include "export/CogExporter.h"
#include "export/ExporterSelection.h"
#include "export/FormatChoice.h"
#include "export/HtmlExporter.h"
#include "export/HtmlMultiPageExporter.h"
#include "export/RtfExporter.h"
#include "export/TxtExporter.h"
#include "support/ExportBooks.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace TarnViewModel;
using CommonLib::Font;

std::string Exported(const TarnDataModel& model, int fileTypeIndex)
{
    std::ostringstream output;
    const TarnViewModel::SharedBook book = model.Snapshot();
    CreateBookExporter(*book, fileTypeIndex)->Export(*book, output);
    return output.str();
}

TEST(FormatChoice, ReplacesTextFirstThenEveryDestination)
{
    const auto turnTo = FormatChoice(L"Open", 57, L"{{text}}, turn to {{destination}}");
    EXPECT_EQ(turnTo.text, L"Open, turn to 57");
    EXPECT_TRUE(turnTo.hasDestination);
    EXPECT_EQ(turnTo.destinationPosition, 14u);
    EXPECT_EQ(turnTo.destinationLength, 2u);

    const auto twice = FormatChoice(L"go to {{destination}}", 7, L"{{destination}}: {{text}}");
    EXPECT_EQ(twice.text, L"7: go to 7");
    EXPECT_EQ(twice.destinationPosition, 0u);

    const auto none = FormatChoice(L"Run", 3, L"[{{text}}] {{Destination}}");
    EXPECT_EQ(none.text, L"[Run] {{Destination}}");
    EXPECT_FALSE(none.hasDestination);
    EXPECT_EQ(none.destinationLength, 0u);
}

TEST(FormatChoice, AChoiceWithoutTextStartsWithTheRestOfTheFormatCapitalised)
{
    const auto turnTo = FormatChoice(L"", 131, L"{{text}}, turn to {{destination}}");
    EXPECT_EQ(turnTo.text, L"Turn to 131");
    EXPECT_EQ(turnTo.destinationPosition, 8u);
    EXPECT_EQ(turnTo.destinationLength, 3u);
    EXPECT_EQ(FormatChoice(L"", 131, L"{{text}} - {{destination}}").text, L"131");
    EXPECT_EQ(FormatChoice(L"", 131, L"{{text}} ({{destination}})").text, L"(131)");
    EXPECT_EQ(FormatChoice(L"", 131, L"{{text}} [{{destination}}]").text, L"[131]");
    EXPECT_EQ(FormatChoice(L"", 131, L"{{text}} {{destination}}").text, L"131");
    EXPECT_EQ(FormatChoice(L"", 9, L"{{text}} \u2014 \u00e9tape {{destination}}").text, L"\u00c9tape 9");
    EXPECT_EQ(FormatChoice(L"", 9, L"{{text}}: {{text}} go {{destination}}").text, L"Go 9");

    // With nothing after the text, or no text in the format, the format is used as it is.
    EXPECT_EQ(FormatChoice(L"", 7, L"{{destination}}: {{text}}").text, L"7: ");
    EXPECT_EQ(FormatChoice(L"", 7, L"go to {{destination}}").text, L"go to 7");
    EXPECT_EQ(FormatChoice(L" ", 7, L"{{text}}, turn to {{destination}}").text, L" , turn to 7");
}

TEST(ExportRules, EmptyBooksKeepEachFormatsFrame)
{
    const auto model = TestSupport::MakeEmptyBook(L"");
    EXPECT_EQ(Exported(*model, 1), "Empty\n\n\n");
    EXPECT_EQ(Exported(*model, 6), "*title Empty\n\n");
    EXPECT_EQ(Exported(*model, 4), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<book>\n  <version>2</version>\n  <title>Empty</title>\n"
                                   "  <sections/>\n  <footer/>\n</book>\n");
    EXPECT_EQ(Exported(*model, 5),
              "{\n    \"book\": {\n        \"version\": \"2\",\n        \"title\": \"Empty\",\n        \"sections\": [],\n"
              "        \"footer\": \"\"\n    }\n}\n");
    const std::string rtf = Exported(*model, 2);
    EXPECT_NE(rtf.find("\\qc\\b\\f2\\fs72 Empty\\b0\\par\n{\\footer\n\\pard\\qc\\f3\\fs16 \n}\n}\n"), std::string::npos) << rtf;
    const std::string html = Exported(*model, 3);
    EXPECT_NE(html.find("  <h1>Empty</h1>\n  <div class=\"footer\">\n    <p></p>\n  </div>\n</div>\n</body>\n</html>"), std::string::npos)
        << html;
}

TEST(ExportRules, AFormatWithoutDestinationGivesChoicesWithoutNumbersOrLinks)
{
    auto model = TestSupport::MakeExportBook();
    model->SetChoiceFormat(L"[{{text}}]");
    EXPECT_NE(Exported(*model, 1).find("\n[Go <b>north</b>]\n"), std::string::npos);
    EXPECT_NE(Exported(*model, 2).find("\n[Go <b>north</b>]\\par\n"), std::string::npos);
    EXPECT_NE(Exported(*model, 3).find("<li class=\"choice\">[Go <b>north</b>]</li>"), std::string::npos);
    std::ostringstream page;
    HtmlMultiPageExporter().WriteSectionPage(model->GetStoryGraph().GetSection(1), *model->Snapshot(), L"", page);
    EXPECT_NE(page.str().find("<li class=\"choice\">[Go <b>north</b>]</li>"), std::string::npos);
    // The data formats write the raw choice text whatever the format.
    EXPECT_NE(Exported(*model, 6).find("    #Go <b>north</b>\n"), std::string::npos);
}

TEST(ExportRules, RichTextPageBreaksFontsAndReservedCharacters)
{
    auto model = TestSupport::MakeExportBook();
    model->SetNewPagePerSection(true);
    model->SetFooter(L"\u20ac {x}\\");
    model->SetFont(CommonLib::FontType::Footer, Font{L"Caf\u00e9 {Bold}", -4});
    model->SetFont(CommonLib::FontType::Header, Font{L"Huge", 2000000000});
    const std::string rtf = Exported(*model, 2);
    EXPECT_EQ(rtf.find("\\f1\\fs26\\pard\\par\n"), std::string::npos);
    EXPECT_NE(rtf.find("\\f1\\fs26\\pard\\page\\par\n\\b 1\\b0"), std::string::npos);
    EXPECT_NE(rtf.find("{\\f3\\fnil Caf\\u233\\'3f \\{Bold\\}; } }"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\qc\\b\\f2\\fs4000000000 "), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\qc\\f3\\fs0 \\u8364\\'3f \\{x\\}\\\\\n"), std::string::npos) << rtf;
}

TEST(ExportRules, ChoiceScriptOptionsStayOnOneLineAndTextsDropBlankLines)
{
    auto model = TestSupport::MakeEmptyBook(L"\r\n\r\nOne\rTwo\nThree\r\n");
    model->CreateSection(2, L"");
    model->SetSectionText(2, L"\n\nA\r\rB");
    model->AddChoiceTo(2, 2, L"a\rb\nc\r\nd\r\n\r\ne", false);
    EXPECT_EQ(Exported(*model, 6), "*title Empty\n\n*label 2\nA\n\nB\n\n*choice\n    #a b c d  e\n        *goto 2\n\n"
                                   "*comment One\n*comment Two\n*comment Three\n");
}

TEST(ExportRules, PagesLinkThroughThePrefixAndTheTitlePageHasTheBookTitle)
{
    const auto model = TestSupport::MakeExportBook();
    std::ostringstream page;
    HtmlMultiPageExporter().WriteSectionPage(model->GetStoryGraph().GetSection(1), *model->Snapshot(), L"book/", page);
    EXPECT_NE(page.str().find("turn to <a href=\"book/3.html\">3</a></li>\n"), std::string::npos);
    std::ostringstream title;
    HtmlMultiPageExporter().WriteTitlePage(L"Quest & Co", title);
    EXPECT_EQ(title.str(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<html>\n<head>\n"
                           "  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />\n"
                           "  <link rel=\"stylesheet\" href=\"styles.css\" />\n  <title>Quest & Co</title>\n</head>\n"
                           "<body>\n<div class=\"book\">\n  <h1>Quest & Co</h1>\n</div>\n</body>\n</html>\n");
}

}  // namespace
