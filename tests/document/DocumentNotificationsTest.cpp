// SPDX-License-Identifier: MIT
#include "document/DocumentNotifications.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/signals2/shared_connection_block.hpp>

using namespace TarnViewModel;
using CommonLib::Font;
using CommonLib::FontType;

namespace {

// Stands in for the document, which is the only raiser of the notifications.
class Raiser : public DocumentNotifications {
public:
    using DocumentNotifications::bookLoaded_;
    using DocumentNotifications::choiceDeleted_;
    using DocumentNotifications::choiceUpdated_;
    using DocumentNotifications::fontChanged_;
    using DocumentNotifications::sectionAdded_;
    using DocumentNotifications::sectionUpdated_;
    using DocumentNotifications::undoRedoChanged_;
};

}  // namespace

TEST(DocumentNotifications, EnumerationValues)
{
    EXPECT_EQ(static_cast<int>(SectionProperty::Number), 1);
    EXPECT_EQ(static_cast<int>(SectionProperty::Summary), 2);
    EXPECT_EQ(static_cast<int>(SectionProperty::Text), 3);
    EXPECT_EQ(static_cast<int>(SectionProperty::Shiftable), 4);
    EXPECT_EQ(static_cast<int>(SectionProperty::BackgroundColour), 5);
    EXPECT_EQ(static_cast<int>(ChoiceProperty::Any), 1);
    EXPECT_EQ(static_cast<int>(ChoiceUpdateReason::ChoiceChanged), 0);
    EXPECT_EQ(static_cast<int>(ChoiceUpdateReason::FormatChanged), 2);
    EXPECT_EQ(static_cast<int>(ChoiceDeleteCause::AddUndone), 0);
    EXPECT_EQ(static_cast<int>(ChoiceDeleteCause::Deleted), 1);
    EXPECT_EQ(static_cast<int>(FontType::MainBook), 0);
    EXPECT_EQ(static_cast<int>(FontType::SectionNumber), 1);
    EXPECT_EQ(static_cast<int>(FontType::Header), 2);
    EXPECT_EQ(static_cast<int>(FontType::Footer), 3);
}

TEST(DocumentNotifications, SlotsRunInConnectionOrderWithThePayload)
{
    Raiser raiser;
    std::vector<std::string> calls;
    Section section;
    section.number = 4;
    section.summary = L"Cave";
    auto first = raiser.ConnectSectionUpdated([&](std::uint32_t before, const Section& after, SectionProperty p) {
        EXPECT_EQ(before, 3u);
        EXPECT_EQ(after, section);
        EXPECT_EQ(p, SectionProperty::Number);
        calls.push_back("first");
    });
    auto second = raiser.ConnectSectionUpdated([&](std::uint32_t, const Section&, SectionProperty) { calls.push_back("second"); });
    raiser.sectionUpdated_(3, section, SectionProperty::Number);
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second"}));
}

TEST(DocumentNotifications, ConnectionsDisconnect)
{
    Raiser raiser;
    int added = 0;
    Connection plain = raiser.ConnectSectionAdded([&](const Section&) { ++added; });
    {
        boost::signals2::scoped_connection scoped = raiser.ConnectSectionAdded([&](const Section&) { added += 10; });
        raiser.sectionAdded_(Section());
        EXPECT_EQ(added, 11);
    }
    raiser.sectionAdded_(Section());
    EXPECT_EQ(added, 12) << "a scoped connection disconnects when it goes";
    plain.disconnect();
    raiser.sectionAdded_(Section());
    EXPECT_EQ(added, 12);
}

TEST(DocumentNotifications, PayloadsOfTheChoiceAndBookNotifications)
{
    Raiser raiser;
    Choice before, after;
    after.id = before.id;
    after.text = L"Fight";
    testing::MockFunction<void(const Choice&, const Choice&, ChoiceProperty, ChoiceUpdateReason)> updated;
    testing::MockFunction<void(const Choice&, ChoiceDeleteCause)> deleted;
    testing::MockFunction<void(const std::vector<Section>&, const std::vector<Choice>&)> loaded;
    testing::MockFunction<void(const Font&, FontType)> font;
    testing::MockFunction<void(bool, bool)> undoRedo;
    auto c1 = raiser.ConnectChoiceUpdated(updated.AsStdFunction());
    auto c2 = raiser.ConnectChoiceDeleted(deleted.AsStdFunction());
    auto c3 = raiser.ConnectBookLoaded(loaded.AsStdFunction());
    auto c4 = raiser.ConnectFontChanged(font.AsStdFunction());
    auto c5 = raiser.ConnectUndoRedoChanged(undoRedo.AsStdFunction());

    const std::vector<Section> sections(2);
    const std::vector<Choice> choices{before};
    EXPECT_CALL(updated, Call(before, after, ChoiceProperty::Any, ChoiceUpdateReason::ChoiceChanged));
    EXPECT_CALL(deleted, Call(before, ChoiceDeleteCause::AddUndone));
    EXPECT_CALL(loaded, Call(sections, choices));
    EXPECT_CALL(font, Call(Font{L"Cambria", 13}, FontType::SectionNumber));
    EXPECT_CALL(undoRedo, Call(true, false));

    raiser.choiceUpdated_(before, after, ChoiceProperty::Any, ChoiceUpdateReason::ChoiceChanged);
    raiser.choiceDeleted_(before, ChoiceDeleteCause::AddUndone);
    raiser.bookLoaded_(sections, choices);
    raiser.fontChanged_(Font{L"Cambria", 13}, FontType::SectionNumber);
    raiser.undoRedoChanged_(true, false);
}
