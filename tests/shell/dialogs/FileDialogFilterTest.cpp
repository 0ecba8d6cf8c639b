// SPDX-License-Identifier: MIT
#include "shell/dialogs/FileDialogFilter.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnGui;

const std::vector<FileFilter> BookFilters{{"Text Files", "*.txt"},  {"Rich Text Files", "*.rtf"},
                                          {"HTML Files", "*.html"}, {"XML Files", "*.xml"},
                                          {"JSON Files", "*.json"}, {"ChoiceScript (Choice of Games)", "*.txt"}};

TEST(FileDialogFilterTest, FiltersSharingAPatternMapBackToTheirOwnIndex)
{
    const QStringList filters = QtFilters(BookFilters);
    ASSERT_EQ(filters.size(), 6);
    EXPECT_EQ(filters[0], "Text Files (*.txt)");
    EXPECT_EQ(ChosenFilterIndex(BookFilters, filters[0]), 1);
    EXPECT_EQ(ChosenFilterIndex(BookFilters, filters[5]), 6);
    EXPECT_EQ(ChosenFilterIndex(BookFilters, "Something else (*.txt)"), 0);
}

TEST(FileDialogFilterTest, LabelsThatNameTheirPatternAreNotRepeated)
{
    const std::vector<FileFilter> filters{{"Brindle Story Files (*.brindle)", "*.brindle"}, {"All Files (*.*)", "*.*"}};
    EXPECT_EQ(QtFilters(filters), QStringList({"Brindle Story Files (*.brindle)", "All Files (*.*)"}));
    EXPECT_EQ(ChosenFilterIndex(filters, "All Files (*.*)"), 2);
}

TEST(FileDialogFilterTest, ANameTypedWithAnotherTypesExtensionTakesThatType)
{
    const std::vector<FileFilter> filters{
        {"Text Files", "*.txt"}, {"HTML Files", "*.html"}, {"ChoiceScript", "*.txt"}, {"PDF documents", "*.pdf"}};
    EXPECT_EQ(FilterForName(filters, 2, "/home/me/book.pdf"), 4);
    EXPECT_EQ(FilterForName(filters, 2, "/home/me/book.PDF"), 4);
    EXPECT_EQ(FilterForName(filters, 2, "/home/me/book.html"), 2);
    // ChoiceScript shares text's extension and stays chosen.
    EXPECT_EQ(FilterForName(filters, 3, "/home/me/game.txt"), 3);
    EXPECT_EQ(FilterForName(filters, 2, "/home/me/notes.txt"), 1);
    // A name in no type's extension keeps the chosen type.
    EXPECT_EQ(FilterForName(filters, 2, "/home/me/book.htm"), 2);
    EXPECT_EQ(FilterForName(filters, 2, "/home/me/pdf"), 2);
}

TEST(FileDialogFilterTest, ProposedNamesDropTheExtensionOrSayUntitled)
{
    EXPECT_EQ(ProposedBaseName("/home/me/quest.brindle"), "/home/me/quest");
    EXPECT_EQ(ProposedBaseName("/home/me.d/quest"), "/home/me.d/quest");
    EXPECT_EQ(ProposedBaseName(""), "Untitled");
}

}  // namespace
