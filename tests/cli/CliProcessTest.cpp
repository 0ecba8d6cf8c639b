// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"
#include "export/ExportFile.h"
#include "export/ExporterSelection.h"
#include "export/MultiPageExport.h"
#include "support/ProgramOutput.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

namespace {

using TestSupport::ReadBytes;

struct Outcome {
    int status = -1;
    std::string output;
    std::string errors;
};

class CliProcessTest : public testing::Test {
protected:
    void SetUp() override
    {
        TarnViewModel::TarnDataModel book;
        book.NewBook(L"L\u00e9gende", L"Footer");
        book.SetSectionText(1, L"The gate \u2014 shut.\r\nA dragon \U0001F409 waits.");
        book.CreateSection(2, L"Hall");
        book.SetSectionText(2, L"The end.");
        book.CreateSection(3, L"Yard");
        book.SetSectionText(3, L"Also an end.");
        book.AddChoiceTo(1, 2, L"Enter", false);
        book.AddChoiceTo(1, 3, L"Wait", false);
        book.Save(Book());
        model_.Load(Book());
    }
    std::wstring Book() const { return folder_.WidePath("book.brindle"); }
    std::string BookPath() const { return folder_.Path("book.brindle").string(); }

    // Runs the command from a shell with the arguments quoted as given, in English unless the
    // environment settings, if any, say otherwise.
    Outcome Run(const std::vector<std::string>& arguments, const std::string& environment = "")
    {
        std::string line = "LC_ALL= LC_MESSAGES= LANGUAGE= LANG=C.UTF-8 " + environment + "'" + std::string(BRINDLE_CLI) + "'";
        for (const std::string& argument : arguments) {
            line += " '" + argument + "'";
        }
        const auto out = folder_.Path("stdout.txt").string();
        const auto err = folder_.Path("stderr.txt").string();
        const int status = std::system((line + " >'" + out + "' 2>'" + err + "'").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
    }
    // The desktop program's export of the same book in the file type of the index.
    std::string DesktopExport(int fileTypeIndex)
    {
        const auto path = folder_.Path("desktop.out");
        TarnViewModel::ExportFile file(path.wstring(), TarnViewModel::ReplacingFile::Sync::OnCommit,
                                       TarnViewModel::ExportLineEnds(fileTypeIndex));
        const TarnViewModel::SharedBook book = model_.Snapshot();
        TarnViewModel::CreateBookExporter(*book, fileTypeIndex)->Export(*book, file.Stream());
        file.Close();
        return ReadBytes(path);
    }

    TestSupport::TempFolder folder_;
    TarnViewModel::TarnDataModel model_;
};

TEST_F(CliProcessTest, ExportsEveryFormatByteForByteAsTheDesktopProgram)
{
    const std::pair<const char*, int> formats[] = {{"txt", 1},  {"rtf", 2},          {"html", 3}, {"xml", 4},
                                                   {"json", 5}, {"choicescript", 6}, {"twee", 9}};
    for (const auto& [format, index] : formats) {
        const auto out = folder_.Path(std::string("book.") + format).string();
        const Outcome outcome = Run({"export", BookPath(), "--format", format, "-o", out});
        ASSERT_EQ(outcome.status, 0) << format << ": " << outcome.errors;
        const std::string bytes = ReadBytes(out);
        EXPECT_EQ(bytes, DesktopExport(index)) << format;
        // Twee's tools expect LF; every older text format has CR LF.
        EXPECT_EQ(bytes.find("\r\n") == std::string::npos, index == 9) << format;
    }
}

// An e-book is dated when it is written, so only its start is compared: the archive's bytes,
// line ends untouched, with the stored mimetype first.
TEST_F(CliProcessTest, ExportsAnEpubWhoseBytesKeepTheirLineEnds)
{
    const auto out = folder_.Path("book.epub").string();
    const Outcome outcome = Run({"export", BookPath(), "--format", "epub", "-o", out});
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    const std::string bytes = ReadBytes(out);
    ASSERT_GT(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(30, 28), "mimetypeapplication/epub+zip");
    EXPECT_EQ(bytes.find("PK\x05\x06"), bytes.size() - 22) << "the archive's end record is not where it belongs";
}

TEST_F(CliProcessTest, ExportsAPdfOnTheChosenPaperAndRefusesPaperItDoesNotKnow)
{
    const auto out = folder_.Path("book.pdf").string();
    const Outcome outcome = Run({"export", BookPath(), "--format", "pdf", "--page-size", "a5", "--margin", "15", "-o", out});
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_NE(TestSupport::RunProgram("pdfinfo '" + out + "'").text.find("Page size:       420 x 595 pts (A5)"), std::string::npos);

    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--page-size", "b5"}, "brindle: unknown page size \"b5\"; use a4, a5, letter or 6x9\n"},
        {{"--margin", "50"}, "brindle: The margin must be from 5 to 40 mm.\n"},
    };
    for (const auto& [options, message] : refused) {
        const auto other = folder_.Path("other.pdf").string();
        std::vector<std::string> arguments{"export", BookPath(), "--format", "pdf", "-o", other};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.errors.substr(0, outcome.errors.find('\n') + 1), message);
        EXPECT_FALSE(std::filesystem::exists(other));
    }
}

TEST_F(CliProcessTest, ImportsATwineStoryChosenByNameAndKeepsAnExistingBookUnlessForced)
{
    const std::string archive = (TestSupport::TestData() / "import/archive.html").string();
    const auto out = folder_.Path("tale.brindle").string();
    const Outcome several = Run({"import", archive, "-o", out});
    EXPECT_EQ(several.status, 2);
    EXPECT_EQ(several.errors.substr(0, several.errors.find('\n')),
              "brindle: the file holds 2 stories, \"First Tale\", \"Second Tale\"; name one with --story NAME or --story IFID");
    EXPECT_FALSE(std::filesystem::exists(out));

    const Outcome chosen = Run({"import", archive, "--story", "Second Tale", "-o", out});
    ASSERT_EQ(chosen.status, 0) << chosen.errors;
    EXPECT_EQ(chosen.errors, "brindle: warning: \"" + archive + "\", line 7: passage \"Side\" appears again; the later one is left out\n");
    const Outcome stats = Run({"stats", out});
    EXPECT_NE(stats.output.find("Sections: 2\n"), std::string::npos) << stats.output;

    const Outcome again = Run({"import", archive, "--story", "First Tale", "-o", out});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.errors, "brindle: " + out + ": the file exists; give --force to replace it\n");
    EXPECT_EQ(Run({"import", archive, "--story", "First Tale", "-o", out, "--force"}).status, 0);
    EXPECT_EQ(Run({"import", archive, "--story", "Third Tale", "-o", out, "--force"}).status, 2);
}

TEST_F(CliProcessTest, TwoStoriesOfOneNameAreToldApartByTheirIfids)
{
    const auto archive = folder_.Path("twins.html");
    std::ofstream(archive) << "<tw-storydata name=\"Twin\" ifid=\"AAAAAAAA-1111-4111-8111-111111111111\" startnode=\"1\">"
                              "<tw-passagedata pid=\"1\" name=\"Start\">First twin.</tw-passagedata></tw-storydata>\n"
                              "<tw-storydata name=\"Twin\" ifid=\"BBBBBBBB-2222-4222-8222-222222222222\" startnode=\"1\">"
                              "<tw-passagedata pid=\"1\" name=\"Start\">Second twin.</tw-passagedata></tw-storydata>\n";
    const auto out = folder_.Path("twin.brindle").string();
    const Outcome named = Run({"import", archive.string(), "--story", "Twin", "-o", out});
    EXPECT_EQ(named.status, 2);
    EXPECT_EQ(named.errors.substr(0, named.errors.find('\n')),
              "brindle: the file holds 2 stories named \"Twin\"; name one by its IFID: AAAAAAAA-1111-4111-8111-111111111111, "
              "BBBBBBBB-2222-4222-8222-222222222222");
    EXPECT_FALSE(std::filesystem::exists(out));
    ASSERT_EQ(Run({"import", archive.string(), "--story", "bbbbbbbb-2222-4222-8222-222222222222", "-o", out}).status, 0);
    TarnViewModel::TarnDataModel book;
    book.Load(std::filesystem::path(out).wstring());
    EXPECT_EQ(book.GetStoryGraph().GetSection(1).text, L"Second twin.");
}

// As scripts and CI run it: a UTF-8 locale, names that are not ASCII, no XDG_RUNTIME_DIR.
TEST_F(CliProcessTest, EveryCommandTakesNamesThatAreNotAsciiAndPrintsOnlyItsOwnMessages)
{
    const std::string environment = "env -u XDG_RUNTIME_DIR LC_ALL=C.UTF-8 ";
    const std::string book = folder_.Path("caf\u00e9.brindle").string();
    std::filesystem::copy_file(BookPath(), book);
    const std::vector<std::vector<std::string>> commands = {
        {"check", book},
        {"export", book, "--format", "html", "-o", folder_.Path("\u00e9.html").string()},
        {"export", book, "--format", "html-pages", "-o", folder_.Path("pages-\u00e9").string()},
        {"export", book, "--format", "twee", "-o", folder_.Path("\u00e9.twee").string()},
        {"import", folder_.Path("\u00e9.twee").string(), "-o", folder_.Path("\u00fc.brindle").string()},
        {"graph", book, "-o", folder_.Path("\u00e9.png").string()},
    };
    for (const std::vector<std::string>& command : commands) {
        const Outcome outcome = Run(command, environment);
        EXPECT_EQ(outcome.status, 0) << command[0] << ": " << outcome.errors;
        EXPECT_EQ(outcome.errors, "") << command[0];
    }
    EXPECT_TRUE(std::filesystem::exists(folder_.Path("\u00fc.brindle")));
    EXPECT_GT(std::filesystem::file_size(folder_.Path("\u00e9.png")), 0u);
}

TEST_F(CliProcessTest, TheFlowchartImageIsNeverWrittenOverTheBook)
{
    const std::string before = ReadBytes(BookPath());
    const auto link = folder_.Path("link.png");
    std::filesystem::create_symlink(BookPath(), link);
    const Outcome outcome = Run({"graph", BookPath(), "-o", link.string()});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("Cannot export over the book itself"), std::string::npos) << outcome.errors;
    EXPECT_EQ(ReadBytes(BookPath()), before);
}

// Nothing reads the pipe: the command says so at once instead of waiting for ever.
TEST_F(CliProcessTest, APipeThatNoProgramReadsIsRefusedAtOnce)
{
    const auto pipe = folder_.Path("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const Outcome exported = Run({"export", BookPath(), "--format", "txt", "-o", pipe.string(), "--force"});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.errors,
              "brindle: Cannot create the file \"" + pipe.string() + "\": no program is reading from it (No such device or address).\n");
    ASSERT_EQ(Run({"export", BookPath(), "--format", "twee", "-o", folder_.Path("story.twee").string()}).status, 0);
    const Outcome imported = Run({"import", folder_.Path("story.twee").string(), "-o", pipe.string(), "--force"});
    EXPECT_EQ(imported.status, 1);
    EXPECT_NE(imported.errors.find("no program is reading from it"), std::string::npos) << imported.errors;
}

TEST_F(CliProcessTest, AnImportNeverReplacesItsOwnStory)
{
    const auto story = folder_.Path("story.twee");
    ASSERT_EQ(Run({"export", BookPath(), "--format", "twee", "-o", story.string()}).status, 0);
    const std::string before = ReadBytes(story);
    const Outcome outcome = Run({"import", story.string(), "-o", story.string(), "--force"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, "brindle: " + story.string() + ": the book would replace the story it is made from; name another file\n");
    EXPECT_EQ(ReadBytes(story), before);
}

TEST_F(CliProcessTest, PagesGoIntoAnEmptyFolderOrOneThatIsForced)
{
    const auto site = folder_.Path("site");
    ASSERT_EQ(Run({"export", BookPath(), "--format", "html-pages", "-o", site.string()}).status, 0);
    const auto desktop = folder_.Path("desktop-site");
    std::filesystem::create_directory(desktop);
    TarnViewModel::ExportPages(*model_.Snapshot(), desktop.wstring());
    for (const char* page : {"1.html", "2.html", "3.html", "styles.css"}) {
        EXPECT_EQ(ReadBytes(site / page), ReadBytes(desktop / page)) << page;
    }

    const Outcome refused = Run({"export", BookPath(), "--format", "html-pages", "-o", site.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("not empty"), std::string::npos) << refused.errors;
    EXPECT_EQ(Run({"export", BookPath(), "--format", "html-pages", "-o", site.string(), "--force"}).status, 0);
}

TEST_F(CliProcessTest, CheckSaysWhetherAnythingIsWrong)
{
    const Outcome clean = Run({"check", BookPath()});
    EXPECT_EQ(clean.status, 0) << clean.output;
    EXPECT_EQ(clean.output, "Endings to confirm (sections without choices): 2, 3\nNo problems found.\n");

    TarnViewModel::TarnDataModel book;
    book.Load(Book());
    book.CreateSection(5, L"Lost");
    book.Save(Book());
    const Outcome problems = Run({"check", BookPath(), "--json"});
    EXPECT_EQ(problems.status, 1);
    EXPECT_EQ(problems.output, "{\"unreachable\":[5],\"emptySlots\":[4],\"choicesToEmptySlots\":[],\"emptyText\":[5],"
                               "\"duplicateChoices\":[],\"endings\":[2,3,5],\"ok\":false}\n");
}

TEST_F(CliProcessTest, StatsCountTheBook)
{
    const Outcome stats = Run({"stats", BookPath(), "--json"});
    EXPECT_EQ(stats.status, 0) << stats.errors;
    EXPECT_EQ(stats.output, "{\"sections\":3,\"choices\":2,\"hiddenChoices\":0,\"words\":13,\"shortestPath\":1,"
                            "\"longestPath\":1,\"longestPathIgnoresLoops\":false}\n");
    EXPECT_NE(Run({"stats", BookPath()}).output.find("Words: 13\n"), std::string::npos);
}

TEST_F(CliProcessTest, ResultsThatCannotBeWrittenAreAFailure)
{
    const std::string line = "'" + std::string(BRINDLE_CLI) + "' stats '" + BookPath() + "' >/dev/full 2>/dev/null";
    const int status = std::system(line.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST_F(CliProcessTest, AnExportOverTheBookItselfIsRefusedAndTheBookKept)
{
    const std::string saved = ReadBytes(folder_.Path("book.brindle"));
    std::filesystem::create_symlink(folder_.Path("book.brindle"), folder_.Path("link.txt"));
    for (const std::string& output : {BookPath(), folder_.Path("link.txt").string()}) {
        const Outcome refused = Run({"export", BookPath(), "--format", "txt", "-o", output});
        EXPECT_NE(refused.status, 0) << output;
        EXPECT_NE(refused.errors.find("Cannot export over the book itself"), std::string::npos) << refused.errors;
        EXPECT_EQ(ReadBytes(folder_.Path("book.brindle")), saved);
    }
}

TEST_F(CliProcessTest, DrawsTheFlowchartWithoutADisplay)
{
    const auto image = folder_.Path("chart.png").string();
    const Outcome outcome = Run({"graph", BookPath(), "-o", image, "--zoom", "50"});
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(ReadBytes(image).substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(Run({"graph", BookPath(), "-o", folder_.Path("chart.tiff").string()}).status, 2);
}

TEST_F(CliProcessTest, BooksThatCannotBeReadGiveStatusTwoAndTheReason)
{
    {
        std::ofstream garbage(folder_.Path("garbage.brindle"));
        garbage << "this is not a book";
    }
    const struct {
        std::string path;
        std::string says;
    } unreadable[] = {
        {folder_.Path("missing.brindle").string(), "Cannot open file \"" + folder_.Path("missing.brindle").string() + "\""},
        {folder_.Root().string(), folder_.Root().string() + ": read error: a folder, not a book"},
        {folder_.Path("garbage.brindle").string(), folder_.Path("garbage.brindle").string() + "(1): "},
    };
    for (const auto& [path, says] : unreadable) {
        for (const char* command : {"check", "stats"}) {
            const Outcome outcome = Run({command, path});
            EXPECT_EQ(outcome.status, 2) << command << " " << path;
            EXPECT_NE(outcome.errors.find("brindle: "), std::string::npos) << outcome.errors;
            EXPECT_NE(outcome.errors.find(says), std::string::npos) << outcome.errors;
            EXPECT_TRUE(outcome.output.empty());
        }
    }
    EXPECT_EQ(Run({"export", folder_.Path("missing.brindle").string(), "--format", "txt", "-o", "x.txt"}).status, 2);
}

// A section of more choices than a book may hold once made the drawing overflow its stack;
// such a book is refused as it is read, and a story that would make one is never imported.
TEST_F(CliProcessTest, BooksAndStoriesBeyondWhatABookMayHoldAreRefusedAsTheyAreRead)
{
    {
        std::ofstream many(folder_.Path("many.brindle"));
        many << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<book version=\"2\"><sections><section><number>1</number><choices>\n";
        for (int choice = 0; choice <= 1000; ++choice) {
            many << "<choice><destination>" << 2 + choice % 7 << "</destination></choice>\n";
        }
        many << "</choices></section></sections></book>\n";
        std::ofstream story(folder_.Path("many.twee"));
        story << ":: Start\n";
        for (int link = 0; link <= 1000; ++link) {
            story << "[[" << link << "]]";
        }
    }
    const std::string says =
        folder_.Path("many.brindle").string() + "\", line 1003: section 1 has more than 1000 choices, the most a section may have.";
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"graph", folder_.Path("many.brindle").string(), "-o", folder_.Path("many.png").string()},
          {"export", folder_.Path("many.brindle").string(), "--format", "txt", "-o", folder_.Path("many.txt").string()}}) {
        const Outcome outcome = Run(command);
        EXPECT_EQ(outcome.status, 2) << command[0];
        EXPECT_NE(outcome.errors.find(says), std::string::npos) << outcome.errors;
    }
    const Outcome imported = Run({"import", folder_.Path("many.twee").string(), "-o", folder_.Path("story.brindle").string()});
    EXPECT_NE(imported.status, 0);
    EXPECT_NE(imported.errors.find("passage \"Start\" has more than 1000 links; a section may have at most 1000 choices"),
              std::string::npos)
        << imported.errors;
    for (const char* written : {"many.png", "many.txt", "story.brindle"}) {
        EXPECT_FALSE(std::filesystem::exists(folder_.Path(written))) << written;
    }
}

TEST_F(CliProcessTest, BadArgumentsShowTheUsage)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"frobnicate"}, {"check"}, {"export", BookPath(), "--format", "docx", "-o", "x"}}) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2) << testing::PrintToString(arguments);
        EXPECT_NE(outcome.errors.find("Usage:"), std::string::npos) << outcome.errors;
    }
    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("Usage:", 0), 0U);
}

TEST_F(CliProcessTest, SpeaksTheSystemsLanguageWhileItsJsonStaysTheSame)
{
    const Outcome french = Run({"stats", BookPath()}, "LANG=fr_FR.UTF-8 ");
    EXPECT_EQ(french.status, 0);
    EXPECT_NE(french.output.find("Paragraphes : 3\n"), std::string::npos) << french.output;
    EXPECT_NE(french.output.find("Chemin le plus court du paragraphe 1 \u00e0 une fin : 1 choix\n"), std::string::npos) << french.output;
    const Outcome german = Run({"export", BookPath(), "--format", "nope", "-o", "x"}, "LANG=de_DE.UTF-8 ");
    EXPECT_EQ(german.status, 2);
    EXPECT_EQ(german.errors.rfind("brindle: unbekanntes Format \u201enope\u201c", 0), 0u) << german.errors;
    EXPECT_NE(german.errors.find("Aufruf:"), std::string::npos);
    // What scripts read is no language at all.
    EXPECT_EQ(Run({"stats", BookPath(), "--json"}, "LANG=it_IT.UTF-8 ").output, Run({"stats", BookPath(), "--json"}).output);
}

}  // namespace
