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
    TweeExporter().Export(model, output);
    return output.str();
}

TEST(TweeExport, TheBookIsWrittenAsTheHandWrittenStory)
{
    const auto model = TestSupport::MakeTweeBook();
    const std::string twee = std::regex_replace(Twee(*model), std::regex("\"ifid\": \"[0-9A-F-]{36}\""), "\"ifid\": \"IFID\"");
    EXPECT_EQ(twee, TestSupport::ReadBytes(TestSupport::TestData() / "export/book.twee"));
}

TEST(TweeExport, StoryDataAndEveryPassagesMetadataAreJson)
{
    const std::string twee = Twee(*TestSupport::MakeTweeBook());
    const std::size_t data = twee.find(":: StoryData\n") + 13;
    std::istringstream storyData(twee.substr(data, twee.find("\n\n", data) - data));
    boost::property_tree::ptree tree;
    ASSERT_NO_THROW(boost::property_tree::read_json(storyData, tree));
    EXPECT_TRUE(std::regex_match(tree.get<std::string>("ifid"), std::regex("[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}")));
    const std::regex header(R"re(\n:: \d+ (\{.*\})\n)re");
    std::size_t headers = 0;
    for (auto match = std::sregex_iterator(twee.begin(), twee.end(), header); match != std::sregex_iterator(); ++match, ++headers) {
        std::istringstream metadata((*match)[1]);
        EXPECT_NO_THROW(boost::property_tree::read_json(metadata, tree)) << (*match)[1];
    }
    EXPECT_EQ(headers, 4u);
}

}  // namespace
