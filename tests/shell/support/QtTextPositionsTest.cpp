// SPDX-License-Identifier: MIT
#include "shell/support/QtTextPositions.h"
#include "drawing/QtText.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <random>

namespace {

using Drawing::ToQString;
using TarnGui::QtTextPositions;

// The document's own text of a range, with paragraph breaks written as "\n".
QString DocumentText(QTextDocument& document, int from, int to)
{
    QTextCursor cursor(&document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QString AsQtShowsIt(const std::wstring& text)
{
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

TEST(QtTextPositionsTest, CharactersBeyondThePlaneTakeTwoUnitsAndCrLfTakesOne)
{
    QtTextPositions positions;
    positions.Reset(L"a\U0001F409b\r\nc");
    EXPECT_EQ(positions.ToQt(0), 0);
    EXPECT_EQ(positions.ToQt(1), 1);
    EXPECT_EQ(positions.ToQt(2), 3);
    EXPECT_EQ(positions.ToQt(3), 4);
    EXPECT_EQ(positions.ToQt(5), 5);
    EXPECT_EQ(positions.ToQt(6), 6);
    EXPECT_EQ(positions.ToQt(99), 6);
}

// The position moved back off the middle of a CR LF pair, which the document holds as one break.
std::size_t WholePairs(const QtTextPositions& positions, std::size_t position)
{
    while (position > 0 && positions.ToQt(position) == positions.ToQt(position - 1)) {
        --position;
    }
    return position;
}

// Random replacements applied both to a Qt document, through the converted positions, and to
// the character count; the document must hold each inserted text where the count says.
TEST(QtTextPositionsTest, FollowsAQtDocumentThroughRandomEdits)
{
    const std::wstring pieces[] = {L"plain", L"\U0001F409", L"\r\n", L"\n", L"\u00e9t\u00e9", L"\U0001D11E\r\nx", L""};
    std::mt19937 random(7);
    QTextDocument document;
    QtTextPositions positions;
    for (int step = 0; step < 400; ++step) {
        std::wstring text;
        for (int count = random() % 4; count > 0; --count) {
            text += pieces[random() % std::size(pieces)];
        }
        const std::size_t start = WholePairs(positions, random() % (positions.Length() + 1));
        const std::size_t end = WholePairs(positions, std::min(positions.Length(), start + random() % 5));
        QTextCursor cursor(&document);
        cursor.setPosition(positions.ToQt(start));
        cursor.setPosition(positions.ToQt(end), QTextCursor::KeepAnchor);
        cursor.insertText(ToQString(text));
        positions.Replace(start, end - start, text);
        ASSERT_EQ(positions.ToQt(positions.Length()), document.characterCount() - 1) << "step " << step;
        ASSERT_EQ(DocumentText(document, positions.ToQt(start), positions.ToQt(start + text.size())), AsQtShowsIt(text)) << "step " << step;
    }
}

}  // namespace
