// SPDX-License-Identifier: MIT
#include "export/ExportFile.h"
#include "export/ExporterSelection.h"
#include "export/MultiPageExport.h"
#include "support/ExportBooks.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace TarnViewModel;
using TestSupport::ReadBytes;
using TestSupport::TempFolder;

const std::filesystem::path Golden = TestSupport::TestData() / "export";

std::string ExportedFile(const TarnDataModel& model, int fileTypeIndex)
{
    TempFolder folder;
    ExportFile file(folder.WidePath("out"));
    const TarnViewModel::SharedBook book = model.Snapshot();
    CreateBookExporter(*book, fileTypeIndex)->Export(*book, file.Stream());
    file.Close();
    return ReadBytes(folder.Path("out"));
}

TEST(ExportGolden, EveryFileTypeWritesTheExpectedBytes)
{
    const auto model = TestSupport::MakeExportBook();
    const std::pair<int, const char*> expected[] = {
        {1, "book.txt"}, {2, "book.rtf"}, {3, "book.html"}, {4, "book.xml"}, {5, "book.json"}, {6, "book-choicescript.txt"},
        {0, "book.txt"}, {8, "book.txt"}, {-1, "book.txt"},
    };
    for (const auto& [index, name] : expected) {
        EXPECT_EQ(ExportedFile(*model, index), ReadBytes(Golden / name)) << "file type " << index << ", " << name;
    }
}

TEST(ExportGolden, ChoiceScriptShowsEveryTextAsTypedAndGivesEveryOptionAText)
{
    const auto model = TestSupport::MakeHostileChoiceScriptBook();
    EXPECT_EQ(ExportedFile(*model, 6), ReadBytes(Golden / "hostile-choicescript.txt"));
}

TEST(ExportGolden, MultiPageExportWritesOnePagePerSectionAndTheStyleSheet)
{
    const auto model = TestSupport::MakeExportBook();
    TempFolder folder;
    ExportPages(*model->Snapshot(), folder.Root().wstring());

    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Root())) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"1.html", "3.html", "5.html", "styles.css"}));
    for (const char* name : {"1.html", "5.html", "styles.css"}) {
        EXPECT_EQ(ReadBytes(folder.Path(name)), ReadBytes(Golden / name)) << name;
    }
}

}  // namespace
