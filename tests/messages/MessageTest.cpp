// SPDX-License-Identifier: MIT
#include "messages/Message.h"
#include "messages/MessageError.h"
#include "messages/Translator.h"

#include <gtest/gtest.h>

namespace {

using Messages::Message;

TEST(Message, ArgumentsAreFilledInOnePassSoThatOneHoldingAPlaceholderStaysAsItIs)
{
    const Message message = BRINDLE_TEXT("Test", "Cannot write \"%1\": %2.").Arg("a%2b.txt").Arg(L"the disk is full");
    EXPECT_EQ(message.English(), "Cannot write \"a%2b.txt\": the disk is full.");
    // A placeholder without its argument, and a lone "%", are left for the reader to see.
    EXPECT_EQ(BRINDLE_TEXT("Test", "%1 at 100% and %3").Arg(7).English(), "7 at 100% and %3");
    EXPECT_EQ(BRINDLE_TEXT("Test", "ends with %").English(), "ends with %");
}

TEST(Message, ACountSettlesTheEnglishPluralAndFillsTheCount)
{
    const auto choices = [](long long count) {
        return BRINDLE_COUNTED_TEXT("Test", "Section %1 has %n choice(s)").Arg(4).Count(count).English();
    };
    EXPECT_EQ(choices(1), "Section 4 has 1 choice");
    EXPECT_EQ(choices(0), "Section 4 has 0 choices");
    EXPECT_EQ(choices(12), "Section 4 has 12 choices");
    // Without a count, "%n" and "(s)" are no placeholders.
    EXPECT_EQ(BRINDLE_TEXT("Test", "%n item(s)").English(), "%n item(s)");
}

TEST(Message, AMessageInAnotherIsTranslatedWithItAndAFailureCarriesIt)
{
    const Message reason = BRINDLE_TEXT("Test", "the disk is full (%1)").Arg("No space left on device");
    const Messages::MessageError failure(BRINDLE_TEXT("Test", "Cannot write \"%1\": %2.").Arg("book.brindle").Arg(reason));
    EXPECT_STREQ(failure.what(), "Cannot write \"book.brindle\": the disk is full (No space left on device).");
    ASSERT_EQ(failure.Said().Arguments().size(), 2u);
    EXPECT_EQ(*failure.Said().Arguments()[1].message, reason);
    // A system's reason is shown as it is, in every language.
    EXPECT_EQ(Messages::Verbatim("Permission denied").English(), "Permission denied");
}

TEST(Message, WithoutATranslatorMessagesReadInEnglish)
{
    const Message message = BRINDLE_TEXT("Test", "Section %1 is an empty slot").Arg(9);
    EXPECT_EQ(Messages::Translated(message), "Section 9 is an empty slot");
    EXPECT_EQ(Messages::TranslatedWide(BRINDLE_TEXT("Test", "%1 <Empty>").Arg(L"\u00e9t\u00e9")), L"\u00e9t\u00e9 <Empty>");
}

}  // namespace
