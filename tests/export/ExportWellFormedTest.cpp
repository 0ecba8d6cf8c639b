// SPDX-License-Identifier: MIT
#include "export/JsonExporter.h"
#include "export/XmlExporter.h"
#include "support/ExportBooks.h"

#include <boost/locale/encoding_utf.hpp>
#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>
#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using namespace TarnViewModel;
using boost::property_tree::ptree;

// Texts over every control character, markup, quotes, escapes, and characters from all planes.
std::wstring RandomText(std::mt19937& random)
{
    static const std::wstring pieces[] = {L"<",      L">",      L"&",    L"\"",       L"'",     L"\\",     L"/",
                                          L"\r\n",   L"\t",     L" ",    L"]]>",      L"&amp;", L"\u00e9", L"\U0001F409",
                                          L"\uFFFE", L"\uFFFF", L"text", L"{{text}}", L"\u2028"};
    std::wstring text;
    const int count = static_cast<int>(random() % 12);
    for (int index = 0; index < count; ++index) {
        if (random() % 4 == 0) {
            text += static_cast<wchar_t>(1 + random() % 31);
        } else {
            text += pieces[random() % std::size(pieces)];
        }
    }
    return text;
}

std::string Utf8(const std::wstring& text)
{
    return boost::locale::conv::utf_to_utf<char>(text);
}

// What the XML file can hold of a text: its line breaks as LF, without forbidden characters.
std::string XmlForm(const std::wstring& text)
{
    std::wstring kept;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const wchar_t character = text[index];
        if (character == L'\r' && index + 1 < text.size() && text[index + 1] == L'\n') {
            continue;
        }
        const bool forbidden = (character < 0x20 && character != L'\t' && character != L'\n' && character != L'\r') ||
                               character == 0xFFFE || character == 0xFFFF;
        if (!forbidden) {
            kept += character;
        }
    }
    return Utf8(kept);
}

TEST(ExportWellFormed, XmlAndJsonReadBackWithRealParsersWhateverTheAuthorTyped)
{
    std::mt19937 random(42);
    for (int round = 0; round < 40; ++round) {
        TarnDataModel model;
        model.NewBook(RandomText(random), RandomText(random));
        model.SetSectionText(1, RandomText(random));
        const std::wstring choice = RandomText(random);
        model.AddChoiceTo(1, 1, choice, round % 2 == 0);

        std::stringstream xml;
        XmlExporter().Export(*model.Snapshot(), xml);
        ptree fromXml;
        ASSERT_NO_THROW(boost::property_tree::read_xml(xml, fromXml)) << xml.str();
        const std::string choiceText = fromXml.get<std::string>("book.sections.section.choices.choice.text");
        // The XML reader turns every CR into LF, as XML requires.
        std::string expected = XmlForm(choice);
        std::replace(expected.begin(), expected.end(), '\r', '\n');
        std::string read = choiceText;
        std::replace(read.begin(), read.end(), '\r', '\n');
        EXPECT_EQ(read, expected) << xml.str();

        std::stringstream json;
        JsonExporter().Export(*model.Snapshot(), json);
        ptree fromJson;
        ASSERT_NO_THROW(boost::property_tree::read_json(json, fromJson)) << json.str();
        EXPECT_EQ(fromJson.get<std::string>("book.title"), Utf8(model.GetTitle())) << json.str();
        EXPECT_EQ(fromJson.get_child("book.sections").front().second.get<std::string>("choices..hidden"),
                  round % 2 == 0 ? "true" : "false");
    }
}

// The trees the XML and JSON exports describe, built with the property-tree library.
struct LibraryTrees {
    ptree xml;
    ptree json;
};

LibraryTrees BuildTrees(const TarnDataModel& model)
{
    const auto reduced = [](const std::wstring& text) {
        std::wstring result;
        for (std::size_t index = 0; index < text.size(); ++index) {
            if (!(text[index] == L'\r' && index + 1 < text.size() && text[index + 1] == L'\n')) {
                result += text[index];
            }
        }
        return Utf8(result);
    };
    const StoryGraph& graph = model.GetStoryGraph();
    LibraryTrees trees;
    ptree& xmlBook = trees.xml.add_child("book", ptree());
    ptree& jsonBook = trees.json.put_child("book", ptree());
    for (ptree* book : {&xmlBook, &jsonBook}) {
        book->put("version", 2);
        book->put("title", Utf8(model.GetTitle()));
        book->put_child("sections", ptree());
    }
    graph.VisitSections([&](const Section& section) {
        ptree& xmlSection = xmlBook.get_child("sections").add_child("section", ptree());
        xmlSection.put("<xmlattr>.number", section.number);
        xmlSection.put("text", reduced(section.text));
        ptree jsonSection;
        jsonSection.put("number", section.number);
        jsonSection.put("text", reduced(section.text));
        if (graph.HasChoices(section.number, true)) {
            ptree& xmlChoices = xmlSection.add_child("choices", ptree());
            ptree& jsonChoices = jsonSection.put_child("choices", ptree());
            graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
                ptree node;
                node.put("text", reduced(choice.text));
                node.put("destination", choice.destination);
                node.put("hidden", choice.hidden ? "true" : "false");
                xmlChoices.add_child("choice", node);
                jsonChoices.push_back({"", node});
            });
        }
        jsonBook.get_child("sections").push_back({"", jsonSection});
    });
    xmlBook.put("footer", reduced(model.GetFooter()));
    jsonBook.put("footer", reduced(model.GetFooter()));
    return trees;
}

// Without control characters, where the JSON escapes of the file differ from the library's
// (tab as \u0009, lower-case hexadecimal), both files are what the library writes.
TEST(ExportWellFormed, XmlAndJsonMatchThePropertyTreeWritersForOrdinaryText)
{
    std::mt19937 random(5);
    const std::wstring words[] = {L"<b>", L"&", L"\"", L"'", L"\\", L"/", L"\r\n", L"  ", L"\u00e9", L"\U0001F409", L"go"};
    const auto text = [&] {
        std::wstring result;
        for (std::size_t count = random() % 6; count > 0; --count) {
            result += words[random() % std::size(words)];
        }
        return result;
    };
    for (int round = 0; round < 30; ++round) {
        TarnDataModel model;
        model.NewBook(text(), text());
        for (std::uint32_t number = 2; number < 6; ++number) {
            model.CreateSection(number, L"");
        }
        for (std::uint32_t number = 1; number < 6; ++number) {
            model.SetSectionText(number, text());
            for (std::size_t choices = random() % 3; choices > 0; --choices) {
                model.AddChoiceTo(number, 1 + random() % 5, text(), random() % 2 == 0);
            }
        }
        const LibraryTrees trees = BuildTrees(model);
        std::ostringstream ours;
        XmlExporter().Export(*model.Snapshot(), ours);
        std::ostringstream library;
        boost::property_tree::write_xml(library, trees.xml, boost::property_tree::xml_writer_make_settings<std::string>(' ', 2, "utf-8"));
        EXPECT_EQ(ours.str(), library.str());

        std::ostringstream oursJson;
        JsonExporter().Export(*model.Snapshot(), oursJson);
        std::ostringstream libraryJson;
        boost::property_tree::write_json(libraryJson, trees.json, true);
        EXPECT_EQ(oursJson.str(), libraryJson.str());
    }
}

TEST(ExportWellFormed, JsonEscapesControlCharactersAsTheFormatDescribes)
{
    TarnDataModel model;
    model.NewBook(L"a\tb\x01\x1f\x7f\b\f/", L"");
    std::ostringstream json;
    JsonExporter().Export(*model.Snapshot(), json);
    EXPECT_NE(json.str().find("\"title\": \"a\\u0009b\\u0001\\u001f\x7f\\b\\f\\/\","), std::string::npos) << json.str();
}

}  // namespace
