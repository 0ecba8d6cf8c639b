// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"
#include "support/BookContent.h"
#include "support/TempFolder.h"

#include <boost/locale/generator.hpp>
#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>
#include <boost/uuid/uuid_io.hpp>
#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace {

using namespace TarnViewModel;
using CommonLib::Font;
using TestSupport::BookContent;
using TestSupport::ReadBytes;
using TestSupport::TempFolder;

// Random texts over the characters a file must escape or encode. Lines made only of
// whitespace other than spaces are left out: the XML reader drops whitespace-only text.
class RandomText {
public:
    explicit RandomText(std::mt19937& random) : random_(random) {}

    std::wstring Line()
    {
        static const std::vector<std::wstring> words{L"turn",   L"&",    L"<b>",  L"\"quoted\"", L"it's",    L"caf\u00e9",
                                                     L"\u2603", L"a\rb", L"c\nd", L"tab\there",  L"{{text}}"};
        switch (random_() % 6) {
        case 0:
            return L"";
        case 1:
            return std::wstring(1 + random_() % 3, L' ');
        default:
            break;
        }
        std::wstring line = random_() % 4 == 0 ? L"  " : L"";
        const int count = 1 + static_cast<int>(random_() % 6);
        for (int word = 0; word < count; ++word) {
            line += (word > 0 ? L" " : L"") + words[random_() % words.size()];
        }
        return line;
    }

    std::wstring Text()
    {
        std::wstring text;
        const int lines = static_cast<int>(random_() % 4);
        for (int line = 0; line < lines; ++line) {
            text += (line > 0 ? L"\r\n" : L"") + Line();
        }
        return text;
    }

private:
    std::mt19937& random_;
};

void FillRandomBook(TarnDataModel& model, std::mt19937& random)
{
    RandomText text(random);
    model.NewBook(text.Line(), text.Text());
    model.SetAuthor(text.Line());
    const int sections = 1 + static_cast<int>(random() % 40);
    std::vector<std::uint32_t> numbers{1};
    for (int index = 0; index < sections; ++index) {
        const std::uint32_t number = 1 + random() % TarnDataModel::HighestNumber;
        if (!model.GetStoryGraph().HasSection(number)) {
            model.CreateSection(number, text.Line());
            numbers.push_back(number);
        }
    }
    for (std::uint32_t number : numbers) {
        model.SetSectionText(number, text.Text());
        model.SetSectionShiftable(number, random() % 2 == 0);
        model.SetSectionBackgroundColour(
            number, {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())});
        const int choices = static_cast<int>(random() % 4);
        for (int choice = 0; choice < choices; ++choice) {
            model.AddChoiceTo(number, numbers[random() % numbers.size()], text.Text(), random() % 3 == 0);
        }
    }
    model.SetChoiceFormat(text.Line() + L"{{destination}}");
    model.SetNewPagePerSection(random() % 2 == 0);
    model.SetMainFont(Font{L"Main " + text.Line(), 1 + static_cast<std::int32_t>(random() % 72)});
    model.SetHeaderFont(Font{L"Header", 1 + static_cast<std::int32_t>(random() % 72)});
    model.SetFooterFont(Font{L"Footer & Co", 1 + static_cast<std::int32_t>(random() % 72)});
}

TEST(BookFileRoundTrip, RandomBooksComeBackUnchangedAndSaveIdentically)
{
    TempFolder folder;
    std::mt19937 random(20261206);
    for (int book = 0; book < 60; ++book) {
        TarnDataModel original;
        FillRandomBook(original, random);
        original.Save(folder.WidePath("first.brindle"));

        TarnDataModel loaded;
        loaded.Load(folder.WidePath("first.brindle"));
        ASSERT_EQ(BookContent::Of(loaded), BookContent::Of(original)) << "book " << book;
        EXPECT_FALSE(loaded.IsModified());
        loaded.Save(folder.WidePath("second.brindle"));
        ASSERT_EQ(ReadBytes(folder.Path("second.brindle")), ReadBytes(folder.Path("first.brindle"))) << "book " << book;
    }
}

// The tree the book file describes, built with the property-tree library.
boost::property_tree::wptree LibraryTree(const TarnDataModel& model)
{
    using boost::property_tree::wptree;
    const auto paragraphs = [](const std::wstring& text) {
        wptree container;
        if (text.empty()) {
            return container;
        }
        std::size_t start = 0;
        for (int order = 1;; ++order) {
            const std::size_t end = text.find(L"\r\n", start);
            wptree& paragraph = container.add(L"p", text.substr(start, end - start));
            paragraph.put(L"<xmlattr>.order", order);
            if (end == std::wstring::npos) {
                return container;
            }
            start = end + 2;
        }
    };
    const auto boolean = [](bool value) { return value ? L"true" : L"false"; };
    wptree root;
    wptree& book = root.add(L"book", L"");
    book.put(L"<xmlattr>.version", 2);
    book.put(L"title", model.GetTitle());
    book.put(L"author", model.GetDetails().author);
    book.put(L"language", model.GetDetails().language);
    book.put(L"identifier", boost::uuids::to_wstring(model.GetDetails().identifier));
    wptree& sections = book.put_child(L"sections", wptree());
    model.GetStoryGraph().VisitSections([&](const Section& section) {
        wptree& node = sections.add(L"section", L"");
        node.put(L"number", section.number);
        node.put(L"shiftable", boolean(section.shiftable));
        node.put(L"summary", section.summary);
        node.put_child(L"text", paragraphs(section.text));
        node.put(L"backgroundcolour", CommonLib::ColourUtilities::ToString(section.backgroundColour));
        wptree& choices = node.put_child(L"choices", wptree());
        model.GetStoryGraph().VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            wptree& choiceNode = choices.add(L"choice", L"");
            choiceNode.put_child(L"text", paragraphs(choice.text));
            choiceNode.put(L"destination", choice.destination);
            choiceNode.put(L"hidden", boolean(choice.hidden));
        });
    });
    book.put_child(L"footer", paragraphs(model.GetFooter()));
    book.put(L"formats.choice", model.GetChoiceFormat());
    book.put(L"options.newpagepersection", boolean(model.GetNewPagePerSection()));
    wptree& styles = book.put_child(L"styles", wptree());
    for (const auto& [name, type] : {std::pair{L"text", CommonLib::FontType::MainBook}, std::pair{L"header", CommonLib::FontType::Header},
                                     std::pair{L"footer", CommonLib::FontType::Footer}}) {
        wptree& style = styles.add(L"style", L"");
        style.put(L"<xmlattr>.name", name);
        style.put(L"font.name", model.GetFont(type).faceName);
        style.put(L"font.size", model.GetFont(type).size);
    }
    return root;
}

// The file holds exactly what the property-tree library's own XML writer writes for the
// book's tree through a wide stream in a generated UTF-8 locale.
TEST(BookFileRoundTrip, FilesMatchThePropertyTreeLibrarysOwnWriter)
{
    namespace xml = boost::property_tree::xml_parser;
    const std::locale utf8 = boost::locale::generator()("en_GB.UTF-8");
    TempFolder folder;
    std::mt19937 random(7);
    for (int book = 0; book < 20; ++book) {
        TarnDataModel model;
        FillRandomBook(model, random);
        model.Save(folder.WidePath("ours.brindle"));

        std::wofstream output;
        output.imbue(utf8);
        output.open(folder.Path("library.brindle"), std::ios::binary);
        xml::write_xml(output, LibraryTree(model), xml::xml_writer_make_settings<std::wstring>(L'\t', 1, L"utf-8"));
        output.close();
        ASSERT_EQ(ReadBytes(folder.Path("ours.brindle")), ReadBytes(folder.Path("library.brindle"))) << "book " << book;
    }
}

}  // namespace
