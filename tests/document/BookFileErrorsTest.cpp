// SPDX-License-Identifier: MIT
#include "document/BookLimits.h"
#include "document/FileHandlingException.h"
#include "document/TarnDataModel.h"
#include "support/DocumentSnapshot.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <boost/property_tree/xml_parser.hpp>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using namespace TarnViewModel;
using boost::property_tree::ptree_error;
using boost::property_tree::xml_parser::xml_parser_error;
using TestSupport::DocumentSnapshot;
using TestSupport::TempFolder;
using TestSupport::WriteBytes;

const std::string Header = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

std::string Book(const std::string& sections)
{
    return Header + "<book version=\"2\"><sections>" + sections + "</sections></book>\n";
}

// An open, modified book with history and a path; every failed load must leave all of it.
class BookFileErrors : public ::testing::Test {
protected:
    BookFileErrors()
    {
        model.NewBook(L"Open book", L"");
        model.AddChoiceTo(1, 2, L"On", false);
        model.Save(folder.WidePath("open.brindle"));
        model.SetTitle(L"Modified");
        model.CreateSection(3, L"unsaved");
        before = DocumentSnapshot::Of(model);
    }

    // Loads the bytes as a file and expects a failure whose text contains the message.
    template <class Error = ptree_error>
    void ExpectRefused(const std::string& bytes, const std::string& message)
    {
        WriteBytes(folder.Path("bad.brindle"), bytes);
        ExpectRefusedPath<Error>(folder.WidePath("bad.brindle"), message);
    }

    template <class Error = ptree_error>
    void ExpectRefusedPath(const std::wstring& path, const std::string& message)
    {
        try {
            model.Load(path);
            ADD_FAILURE() << "the load succeeded";
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
        ExpectUnchanged();
    }

    void ExpectUnchanged()
    {
        EXPECT_EQ(DocumentSnapshot::Of(model), before);
        EXPECT_TRUE(model.IsModified());
        EXPECT_TRUE(model.CanUndo());
        EXPECT_EQ(model.GetFilePath(), folder.WidePath("open.brindle"));
    }

    TempFolder folder;
    TarnDataModel model;
    DocumentSnapshot before;
};

TEST_F(BookFileErrors, AMissingFileIsReportedAsSuchAndCanBeBeforeAnythingIsAsked)
{
    const std::string message = "Cannot open file \"" + folder.Path("nowhere.brindle").string() + "\": there is no such file";
    ExpectRefusedPath<FileHandlingException>(folder.WidePath("nowhere.brindle"), message);
    try {
        TarnDataModel::CheckFileExists(folder.WidePath("nowhere.brindle"));
        ADD_FAILURE();
    } catch (const FileHandlingException& error) {
        EXPECT_EQ(error.what(), message);
    }
    TestSupport::WriteBytes(folder.Path("here.brindle"), "");
    TarnDataModel::CheckFileExists(folder.WidePath("here.brindle"));
}

TEST_F(BookFileErrors, UnreadableFilesNameTheReadError)
{
    std::filesystem::create_directory(folder.Path("folder.brindle"));
    ExpectRefusedPath<xml_parser_error>(folder.WidePath("folder.brindle"), "read error: a folder");
    ExpectRefused<xml_parser_error>(Header + "<book>\n<title>\xff\xfe</title></book>",
                                    "bad.brindle(3): read error: the file is not UTF-8: byte 0xFF is not part of a UTF-8 character");
    ExpectRefused<xml_parser_error>(Header + "<book><title>\xc3",
                                    "bad.brindle(2): read error: the file is not UTF-8: byte 0xC3 begins a character");
    ExpectRefused<xml_parser_error>(std::string("\xff\xfe<\0b\0", 6), "bad.brindle: read error: the file is UTF-16, not UTF-8");
    ExpectRefused<xml_parser_error>(std::string("\0<\0b", 4), "read error: the file is UTF-16, not UTF-8");
}

// Opening a pipe to read would wait for a writer for good.
TEST_F(BookFileErrors, PipesAndDevicesAreRefusedWithoutWaiting)
{
    ASSERT_EQ(mkfifo(folder.Path("pipe.brindle").c_str(), 0600), 0);
    ExpectRefusedPath<xml_parser_error>(folder.WidePath("pipe.brindle"), "not a regular file");
    ExpectRefusedPath<xml_parser_error>(L"/dev/zero", "not a regular file");
}

TEST_F(BookFileErrors, MalformedXmlNamesTheReadersMessageAndLine)
{
    ExpectRefused<xml_parser_error>("no markup", "(1): expected <");
    ExpectRefused<xml_parser_error>(Header + "<book>\n<sections>\n", "unexpected end of data");
    ExpectRefused("", "No such node (book)");
}

// The reader would end the text at the NUL and drop the rest of the paragraph unseen.
TEST_F(BookFileErrors, AReferenceToTheNulCharacterIsRefusedWithItsLine)
{
    for (const std::string reference : {"&#0;", "&#x00;", "&#000;"}) {
        ExpectRefused<xml_parser_error>(
            Book("<section><number>1</number>\n<text><line order=\"0\">Before" + reference + "after</line></text></section>"),
            "(3): \"" + reference + "\" stands for the NUL character, which no text can hold");
    }
    WriteBytes(folder.Path("fine.brindle"),
               Book("<section><number>1</number><text><line order=\"0\">&#10;&#x30;&#0a;</line></text></section>"));
    EXPECT_NO_THROW(model.Load(folder.WidePath("fine.brindle")));
}

TEST_F(BookFileErrors, MissingRequiredElementsAreNamed)
{
    const std::string file = "Cannot open \"" + folder.Path("bad.brindle").string() + "\"";
    ExpectRefused(Header + "<library/>", file + ", line 1: no book in the file: No such node (book)");
    ExpectRefused(Book("<section><summary>x</summary></section>"), file + ", line 2: a section without a number: No such node (number)");
    ExpectRefused(Book("<section><number>1</number><choices>\n<choice><text/></choice></choices></section>"),
                  file + ", line 3: a choice without a destination: No such node (destination)");
}

TEST_F(BookFileErrors, NumbersThatAreNotNumbersOrOutOfRangeAreRefused)
{
    const std::string conversion = "conversion of data to type \"unsigned int\" failed";
    ExpectRefused(Book("\n<section>\n<number>-1</number></section>"), "Cannot open \"" + folder.Path("bad.brindle").string() +
                                                                          "\", line 4: Section number \"-1\" is not a number (" +
                                                                          conversion + ")");
    ExpectRefused(Book("<section><number>twelve</number></section>"), conversion);
    ExpectRefused(Book("<section><number>12a</number></section>"), conversion);
    ExpectRefused(Book("<section><number>99999999999</number></section>"), conversion);
    ExpectRefused(Book("<section><number>0</number></section>"), "Section number 0 is not between 1 and 10000");
    ExpectRefused(Book("<section><number>10001</number></section>"), "Section number 10001 is not between 1 and 10000");
    ExpectRefused(Book("<section><number>-1</number></section>"), conversion);
    ExpectRefused(Book("<section><number>1</number><choices><choice><destination>4000000000</destination>"
                       "</choice></choices></section>"),
                  "Choice destination 4000000000 is not between 1 and 10000");
}

// A file made by hand or by another program may hold more than a book may: the program
// could neither keep its choices in view nor write it back within the largest book.
TEST_F(BookFileErrors, FilesHoldingMoreThanABookMayAreRefusedNamingTheLimit)
{
    std::string choices;
    for (std::size_t choice = 0; choice <= MostChoicesInSection; ++choice) {
        choices += "<choice><destination>2</destination></choice>\n";
    }
    ExpectRefused<BookLimitException>(Book("<section><number>1</number><choices>\n" + choices + "</choices></section>"),
                                      "bad.brindle\", line 1003: section 1 has more than 1000 choices, the most a section may have.");
    // Each apostrophe is written back as six bytes.
    ExpectRefused<BookLimitException>(
        Book("<section><number>1</number><text><p order=\"1\">" + std::string(11'000'000, '\'') + "</p></text></section>"),
        "bad.brindle\": saved, the book would take 66.1 MB, more than the 64 MB a book may take.");
}

TEST_F(BookFileErrors, HugeAndDeeplyNestedFilesFailCleanly)
{
    {
        std::ofstream sparse(folder.Path("bad.brindle"), std::ios::binary);
    }
    std::filesystem::resize_file(folder.Path("bad.brindle"), LargestBookFile + 1);
    ExpectRefusedPath<BookLimitException>(folder.WidePath("bad.brindle"), "the file is larger than 64 MB, the most a book may take");

    // Quotes in element names once led a nesting guard astray, and the reader down the stack.
    std::string quoted = "<book><a\">";
    for (int level = 0; level < 100000; ++level) {
        quoted += "<i>";
    }
    ExpectRefused<xml_parser_error>(quoted + "<b\">\n", "bad.brindle(1): Error parsing start element tag");
    std::string open = Header + "<book>\n";
    for (int level = 0; level < 200000; ++level) {
        open += "<a x='>'>";
    }
    ExpectRefused<xml_parser_error>(open, "bad.brindle(3): unexpected end of data");
}

// Inputs that once brought the reader down, or nearly: each must load or fail with the
// reader's own error.
TEST_F(BookFileErrors, TheRegressionCorpusNeverCrashes)
{
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TestSupport::TestData() / "regressions")) {
        SCOPED_TRACE(entry.path().filename().string());
        try {
            TarnDataModel reader;
            reader.Load(entry.path().wstring());
        } catch (const ptree_error&) {
        }
        ++replayed;
    }
    EXPECT_GE(replayed, 4);
}

TEST_F(BookFileErrors, DeepNestingAndMarkupInCommentsLoad)
{
    std::string nested;
    for (int level = 0; level < 300000; ++level) {
        nested += "<a>";
    }
    for (int level = 0; level < 300000; ++level) {
        nested += "</a>";
    }
    std::string comment = "<!-- ";
    for (int level = 0; level < 1000; ++level) {
        comment += "<a>";
    }
    comment += " --><![CDATA[<b><b><b>]]>";
    WriteBytes(folder.Path("fine.brindle"), Header + "<book><title>Fine</title>" + nested + comment + "<empty/><e a=\"/>\"/></book>");
    model.Load(folder.WidePath("fine.brindle"));
    EXPECT_EQ(model.GetTitle(), L"Fine");
}

}  // namespace
