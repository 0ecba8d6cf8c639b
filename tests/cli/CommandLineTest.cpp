// SPDX-License-Identifier: MIT
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using namespace BrindleCli;

TEST(CommandLine, ReadsEachCommandsOptions)
{
    const Options exported = ParseCommandLine({"export", "book.brindle", "--format", "html", "-o", "out.html"});
    EXPECT_EQ(exported.command, Command::Export);
    EXPECT_EQ(exported.book, "book.brindle");
    EXPECT_EQ(exported.format, "html");
    EXPECT_EQ(exported.output, "out.html");
    EXPECT_FALSE(exported.force);
    EXPECT_TRUE(ParseCommandLine({"export", "-f", "html-pages", "-o", "site", "--force", "b.brindle"}).force);
    const Options pdf = ParseCommandLine({"export", "b.brindle", "-f", "pdf", "-o", "b.pdf", "--page-size", "6x9", "--margin", "12.5"});
    EXPECT_EQ(pdf.pageSize, "6x9");
    EXPECT_EQ(pdf.margin, 12.5);
    EXPECT_EQ(ParseCommandLine({"export", "b.brindle", "-f", "pdf", "-o", "b.pdf"}).pageSize, "a4");
    EXPECT_EQ(ParseCommandLine({"graph", "b.brindle", "-o", "g.png", "--zoom", "40"}).zoom, 40);
    EXPECT_EQ(ParseCommandLine({"graph", "b.brindle", "-o", "g.png"}).zoom, 100);
    EXPECT_TRUE(ParseCommandLine({"check", "b.brindle", "--json"}).json);
    EXPECT_EQ(ParseCommandLine({"stats", "b.brindle"}).command, Command::Stats);
    EXPECT_EQ(ParseCommandLine({"--help"}).command, Command::Help);
    EXPECT_EQ(ParseCommandLine({"check", "--help"}).command, Command::Help);
}

TEST(CommandLine, RefusesWhatMakesNoCommand)
{
    const std::vector<std::vector<std::string>> refused{
        {},
        {"draw", "b.brindle"},
        {"check"},
        {"check", "a.brindle", "b.brindle"},
        {"export", "b.brindle", "-o", "x"},
        {"export", "b.brindle", "--format", "txt"},
        {"graph", "b.brindle", "-o", "g.png", "--zoom", "5"},
        {"graph", "b.brindle", "-o", "g.png", "--zoom", "many"},
        {"stats", "b.brindle", "--verbose"},
        {"export", "b.brindle", "--format", "txt", "-o", "b.txt", "--page-size", "a5"},
        {"export", "b.brindle", "--format", "pdf", "-o", "b.pdf", "--margin", "wide"},
    };
    for (const auto& arguments : refused) {
        EXPECT_THROW(ParseCommandLine(arguments), UsageError) << testing::PrintToString(arguments);
    }
}

}  // namespace
