#include "ExportBook.h"
#include "export/JsonExporter.h"
#include "export/XmlExporter.h"

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
    static const std::wstring pieces[] = {L"<",     L">",   L"&",     L"\"",     L"'",      L"\\",     L"/",
                                          L"\r\n",  L"\t",  L" ",     L"]]>",    L"&amp;",  L"\u00e9", L"\U0001F409",
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
        XmlExporter().Export(model, xml);
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
        JsonExporter().Export(model, json);
        ptree fromJson;
        ASSERT_NO_THROW(boost::property_tree::read_json(json, fromJson)) << json.str();
        EXPECT_EQ(fromJson.get<std::string>("book.title"), Utf8(model.GetTitle())) << json.str();
        EXPECT_EQ(fromJson.get_child("book.sections").front().second.get<std::string>("choices..hidden"),
                  round % 2 == 0 ? "true" : "false");
    }
}

}  // namespace
