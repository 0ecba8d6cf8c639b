// SPDX-License-Identifier: MIT
#include "export/TweeExporter.h"
#include "support/ExportBooks.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <boost/property_tree/json_parser.hpp>
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

using namespace TarnViewModel;

std::string Twee(const TarnDataModel& model)
{
    std::ostringstream output;
    TweeExporter().Export(*model.Snapshot(), output);
    return output.str();
}

TEST(TweeExport, TheBookIsWrittenAsTheHandWrittenStory)
{
    const auto model = TestSupport::MakeTweeBook();
    const std::string twee = std::regex_replace(Twee(*model), std::regex("\"ifid\": \"[0-9A-F-]{36}\""), "\"ifid\": \"IFID\"");
    EXPECT_EQ(twee, TestSupport::ReadBytes(TestSupport::TestData() / "export/book.twee"));
}

// Other Twee tools read only the metadata Twee 3 lists; the book's own data is a passage.
TEST(TweeExport, NoPassageHasMetadataAndTheBooksOwnDataIsJson)
{
    const std::string twee = Twee(*TestSupport::MakeTweeBook());
    const auto json = [&twee](const std::string& header) {
        const std::size_t start = twee.find(header) + header.size();
        std::istringstream text(twee.substr(start, twee.find("\n\n", start) - start));
        boost::property_tree::ptree tree;
        boost::property_tree::read_json(text, tree);
        return tree;
    };
    const boost::property_tree::ptree storyData = json(":: StoryData\n");
    EXPECT_TRUE(std::regex_match(storyData.get<std::string>("ifid"), std::regex("[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}")));
    EXPECT_EQ(storyData.get<std::string>("format"), "Harlowe");
    EXPECT_EQ(storyData.get<std::string>("format-version"), "3.3.9");
    EXPECT_EQ(json(":: BrindleData\n").get_child("sections").size(), 4u);
    EXPECT_FALSE(std::regex_search(twee, std::regex("\n::[^\n]*[{\\[]"))) << "a passage header holds metadata or tags";
}

}  // namespace
