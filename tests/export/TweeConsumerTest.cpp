// SPDX-License-Identifier: MIT
#include "export/TweeExporter.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/ProgramOutput.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <boost/property_tree/json_parser.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace TarnViewModel;

// Where the test command installed the npm packages: named by BRINDLE_NODE_MODULES, or
// beside the build's test programs.
std::filesystem::path NodeModules()
{
    if (const char* named = std::getenv("BRINDLE_NODE_MODULES")) {
        return named;
    }
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path().parent_path() / "npm" / "node_modules";
}

std::string Quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

// A real gamebook's Twee as extwee, a published Twee compiler, reads it: every passage
// named by its number alone, every link leading to a passage, the book's own data in a
// passage of its own.
TEST(TweeConsumer, ExtweeReadsEveryPassageAndResolvesEveryLink)
{
    const std::filesystem::path modules = NodeModules();
    if (!std::filesystem::exists(modules / "extwee" / "index.js")) {
        GTEST_SKIP() << "extwee is not installed in " << modules << "; scripts/test.sh installs it";
    }
    const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    const TestSupport::TempFolder folder;
    const std::filesystem::path twee = folder.Path("book.twee");
    {
        std::ofstream output(twee, std::ios::binary);
        TweeExporter().Export(*model->Snapshot(), output);
    }
    std::size_t choices = 0;
    model->GetStoryGraph().VisitChoices([&choices](const Choice&) { ++choices; });

    const TestSupport::ProgramOutput read =
        TestSupport::RunProgram("node " + Quoted(TestSupport::TestData().parent_path() / "export" / "consumers" / "extwee-links.mjs") +
                                " " + Quoted(modules) + " " + Quoted(twee) + " 2>&1");
    ASSERT_EQ(read.status, 0) << read.text;
    std::istringstream json(read.text);
    boost::property_tree::ptree story;
    boost::property_tree::read_json(json, story);
    EXPECT_EQ(story.get<std::string>("format"), "Harlowe");
    EXPECT_EQ(story.get<std::string>("formatVersion"), "3.3.9");
    EXPECT_EQ(story.get<std::string>("start"), "1");
    EXPECT_EQ(story.get_child("passages").size(), model->GetStoryGraph().SectionCount() + 1);
    EXPECT_EQ(story.get_child("passages").front().second.get_value<std::string>(), "1");
    EXPECT_TRUE(story.get_child("metadata").empty());
    EXPECT_EQ(story.get<std::size_t>("links"), choices);
    EXPECT_TRUE(story.get_child("unresolved").empty()) << story.get_child("unresolved").front().second.get_value<std::string>();
}

}  // namespace
