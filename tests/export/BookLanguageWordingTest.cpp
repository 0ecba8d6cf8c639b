// SPDX-License-Identifier: MIT
#include "document/BookWording.h"
#include "document/TarnDataModel.h"
#include "export/ExporterSelection.h"
#include "support/LocaleVariables.h"

#include <gmock/gmock.h>

#include <sstream>

namespace {

using namespace TarnViewModel;
using testing::HasSubstr;

// A new book made where the system speaks the language, with a choice without a text to 131.
std::string TextExportOfANewBook(const char* locale)
{
    const TestSupport::LocaleVariables variables(nullptr, nullptr, locale);
    TarnDataModel model;
    model.NewBook();
    model.CreateSection(131, L"");
    model.AddChoiceTo(1, 131, L"", false);
    std::ostringstream output;
    const SharedBook book = model.Snapshot();
    CreateBookExporter(*book, 1)->Export(*book, output);
    return output.str();
}

TEST(BookLanguageWording, AChoiceWithoutATextReadsInTheBooksOwnTradition)
{
    EXPECT_THAT(TextExportOfANewBook("fr_FR.UTF-8"), HasSubstr("Rendez-vous au 131."));
    EXPECT_THAT(TextExportOfANewBook("de_DE.UTF-8"), HasSubstr("Lies weiter bei 131."));
    EXPECT_THAT(TextExportOfANewBook("es_ES.UTF-8"), HasSubstr("Pasa al 131."));
    EXPECT_THAT(TextExportOfANewBook("it_IT.UTF-8"), HasSubstr("Vai al 131."));
    // English keeps the wording books have always had.
    EXPECT_THAT(TextExportOfANewBook("en_GB.UTF-8"), HasSubstr("Turn to 131\n"));
}

TEST(BookLanguageWording, ANewBookTakesItsWordsFromItsLanguageNotFromTheProgramsOwn)
{
    const TestSupport::LocaleVariables variables(nullptr, nullptr, "fr_CA.UTF-8");
    TarnDataModel model;
    model.NewBook();
    EXPECT_EQ(model.GetDetails().language, L"fr-CA");
    EXPECT_EQ(model.GetTitle(), L"Sans titre");
    EXPECT_EQ(model.GetFooter(), L"\u00c9crit avec The Brindle Story Studio");
    EXPECT_EQ(model.GetChoiceFormat(), L"{{text}}, rendez-vous au {{destination}}.");
    EXPECT_EQ(model.GetChoiceTemplateName(model.GetChoiceFormat()), L"turn to");
    // An English book opened here keeps its own format, still known by its name.
    EXPECT_EQ(model.GetChoiceTemplateName(L"{{text}}, turn to {{destination}}"), L"turn to");
}

TEST(BookLanguageWording, LanguagesWithoutWordsOfTheirOwnUseTheEnglish)
{
    EXPECT_EQ(std::wstring(BookWordingFor(L"nl-BE").turnToFormat), L"{{text}}, turn to {{destination}}");
    EXPECT_EQ(std::wstring(BookWordingFor(L"IT").untitled), L"Senza titolo");
    EXPECT_EQ(std::wstring(BookWordingFor(L"").footer), L"Written with The Brindle Story Studio");
}

}  // namespace
