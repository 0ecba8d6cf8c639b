// SPDX-License-Identifier: MIT
#include "document/BookLimits.h"
#include "document/BookFileWriter.h"
#include "document/BookSize.h"
#include "document/TarnDataModel.h"
#include "document/XmlTextWriter.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/DocumentSnapshot.h"
#include "support/ExpectMessage.h"
#include "support/NearlyFullBook.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace TarnViewModel;
using TestSupport::DocumentSnapshot;
using TestSupport::ExpectThrowWithMessage;
using TestSupport::TempFolder;

// Texts the writer escapes, splits into paragraphs, replaces or marks as spaces.
const std::wstring Awkward[] = {
    L"",
    L"plain",
    L"''''\"\"\"",
    L"<&>",
    L"   ",
    L" \r\n  \r\n",
    L"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n",
    L"\x01\x1f\xfffe\xffff",
    L"caf\xe9 \x20ac \U0001F409",
    std::wstring(L"nul\0inside", 10),
};

TEST(BookSize, EncodedSizeIsExactlyWhatTheWriterWrites)
{
    for (const std::wstring& text : Awkward) {
        XmlTextWriter writer;
        const std::size_t before = writer.Text().size();
        writer.Leaf(L"a", text);
        const std::size_t markup = std::strlen(text.empty() ? "<a/>\n" : "<a></a>\n");
        EXPECT_EQ(XmlTextWriter::EncodedSize(text), writer.Text().size() - before - markup);
    }
}

// The book is measured as it changes; the measure must never fall below the file, or a book
// within the limit could be written larger than the reader takes.
TEST(BookSize, TheMeasureIsNeverBelowTheFileAndWithinTwoPerCentOfItForRealBooks)
{
    for (const std::uint32_t sections : {400u, 3000u}) {
        const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(sections));
        const std::uint64_t written = BookFileText(*model).size();
        EXPECT_GE(model->FileSize(), written);
        EXPECT_LT(model->FileSize(), written + written / 50) << sections << " sections";
    }
    TarnDataModel model;
    model.NewBook(Awkward[2], Awkward[5]);
    model.SetAuthor(Awkward[3]);
    model.SetChoiceFormat(Awkward[8]);
    model.SetHeaderFont(CommonLib::Font{Awkward[2] + Awkward[8] + std::wstring(40, L'f'), 12});
    for (std::uint32_t index = 0; index < std::size(Awkward); ++index) {
        const std::uint32_t number = TarnDataModel::HighestNumber - index;
        model.CreateSection(number, Awkward[index]);
        model.SetSectionText(number, Awkward[(index + 3) % std::size(Awkward)]);
        model.AddChoiceTo(number, TarnDataModel::HighestNumber, Awkward[(index + 5) % std::size(Awkward)], index % 2 == 0);
        model.AddChoiceTo(1, number, Awkward[index], false);
        EXPECT_GE(model.FileSize(), BookFileText(model).size()) << "after section " << number;
    }
}

// However the book came to be as it is, it is measured as the same book loaded from its file.
TEST(BookSize, EditsUndoAndRedoKeepTheMeasureOfTheBookAsLoaded)
{
    TempFolder folder;
    const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    model->SetSectionText(5, L"New words\r\nin two lines");
    model->SetSectionSummary(6, L"A summary");
    const Uuid added = model->AddChoiceTo(7, 8, L"A new way", false);
    model->EditChoice(added, 9, L"A changed way that is longer", true);
    model->DeleteSectionAndChoices(10);
    model->CreateSection(10, L"Again");
    model->SetSectionNumber(11, 12);
    model->Shuffle();
    model->SetTitle(L"Another title");
    model->SetFooter(L"A footer\r\nof two lines");
    model->SetChoiceFormat(L"{{text}}: go to {{destination}}");
    for (int step = 0; step < 4; ++step) {
        model->Undo();
    }
    model->Redo();
    model->Save(folder.WidePath("measured.brindle"));
    TarnDataModel loaded;
    loaded.Load(folder.WidePath("measured.brindle"));
    EXPECT_EQ(model->FileSize(), loaded.FileSize());
}

// A book a kilobyte short of the largest there may be.
class BookLimits : public ::testing::Test {
protected:
    BookLimits()
    {
        model.NewBook(L"Full book", L"");
        model.AddChoiceTo(1, 2, L"On", false);
        TestSupport::FillToNearlyFull(model, 2);
    }

    // Every growing edit is refused with the same message, before anything changes.
    template <class Edit>
    void ExpectRefused(Edit edit)
    {
        const DocumentSnapshot before = DocumentSnapshot::Of(model);
        const bool modified = model.IsModified();
        const std::uint64_t size = model.FileSize();
        try {
            edit();
            ADD_FAILURE() << "the edit was made";
        } catch (const BookLimitException& error) {
            EXPECT_STREQ(error.what(), "This change would make the book take more than the 64 MB a book may take. Nothing was changed.");
        }
        EXPECT_EQ(DocumentSnapshot::Of(model), before);
        EXPECT_EQ(model.IsModified(), modified);
        EXPECT_EQ(model.FileSize(), size);
    }

    TarnDataModel model;
    const std::wstring more = std::wstring(2000, L'x');
};

TEST_F(BookLimits, EveryEditThatWouldPassTheLargestBookIsRefusedAndChangesNothing)
{
    ASSERT_LE(model.FileSize(), LargestBookFile);
    ASSERT_GT(model.FileSize(), LargestBookFile - 2000);
    ExpectRefused([&] { model.SetSectionText(1, more); });
    ExpectRefused([&] { model.SetSectionSummary(1, more); });
    ExpectRefused([&] { model.AddChoiceTo(1, 2, more, false); });
    ExpectRefused([&] { model.CreateSection(3, more); });
    ExpectRefused([&] { model.SetTitle(more); });
    ExpectRefused([&] { model.SetFooter(more); });
    ExpectRefused([&] { model.SetChoiceFormat(more + L"{{destination}}"); });
    ExpectRefused([&] { model.SetMainFont(CommonLib::Font{more, 10}); });
    // A choice's text grows when the author edits it.
    const Uuid choice = model.GetStoryGraph().AllChoices().at(0).id;
    ExpectRefused([&] { model.EditChoice(choice, 2, more, false); });
    EXPECT_TRUE(model.CanUndo());

    // Room is made by shrinking, which always passes.
    model.SetSectionText(2, L"");
    model.SetSectionText(1, more);
    EXPECT_EQ(model.GetStoryGraph().GetSection(1).text, more);
}

// No book the program writes may be one it refuses.
TEST_F(BookLimits, ABookAtTheLimitIsSavedAndOpensAgain)
{
    TempFolder folder;
    model.Save(folder.WidePath("full.brindle"));
    TarnDataModel loaded;
    loaded.Load(folder.WidePath("full.brindle"));
    EXPECT_EQ(loaded.GetStoryGraph().GetSection(2).text, model.GetStoryGraph().GetSection(2).text);
    EXPECT_EQ(loaded.FileSize(), model.FileSize());
}

TEST(SectionChoices, ASectionTakesAThousandChoicesAndNoMore)
{
    TarnDataModel model;
    model.NewBook(L"Many ways", L"");
    for (std::size_t choice = 0; choice < MostChoicesInSection; ++choice) {
        model.AddChoiceTo(1, 2, L"", false);
    }
    ExpectThrowWithMessage<BookLimitException>([&] { model.AddChoiceTo(1, 2, L"", false); },
                                               "Section 1 already has 1000 choices, the most a section may have.");
    EXPECT_EQ(model.GetStoryGraph().ChoiceCount(1), MostChoicesInSection);
}

}  // namespace
