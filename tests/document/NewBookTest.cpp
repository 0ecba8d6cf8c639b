// SPDX-License-Identifier: MIT
#include "document/TarnDataModel.h"
#include "support/NotificationRecorder.h"

#include <gtest/gtest.h>

using namespace TarnViewModel;
using CommonLib::Font;
using CommonLib::FontType;
using TestSupport::NotificationRecorder;

TEST(NewBook, ConstructionDefaults)
{
    TarnDataModel model;
    EXPECT_EQ(model.GetStoryGraph().SectionCount(), 0u);
    EXPECT_EQ(model.GetChoiceFormat(), L"{{text}} - {{destination}}");
    EXPECT_FALSE(model.IsModified());
    EXPECT_TRUE(model.GetChoiceTemplates().empty());
    EXPECT_EQ(model.GetFont(FontType::Footer), (Font{L"Cambria", 8}));
}

TEST(NewBook, HasOneFixedSectionAndTheDefaults)
{
    TarnDataModel model;
    model.NewBook(L"Untitled", L"The end");
    const StoryGraph& graph = model.GetStoryGraph();
    ASSERT_EQ(graph.SectionCount(), 1u);
    EXPECT_FALSE(graph.GetSection(1).shiftable);
    EXPECT_FALSE(model.CanUndo());
    EXPECT_FALSE(model.CanRedo());
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(model.GetTitle(), L"Untitled");
    EXPECT_EQ(model.GetFooter(), L"The end");
    EXPECT_EQ(model.GetChoiceFormat(), L"{{text}}, turn to {{destination}}");
    EXPECT_EQ(model.GetFont(FontType::MainBook), (Font{L"Cambria", 10}));
    EXPECT_EQ(model.GetFont(FontType::SectionNumber), (Font{L"Cambria", 13}));
    EXPECT_EQ(model.GetFont(FontType::Header), (Font{L"Cambria", 36}));
    EXPECT_EQ(model.GetFont(FontType::Footer), (Font{L"Consolas", 8}));
    EXPECT_FALSE(model.GetNewPagePerSection());

    std::vector<std::wstring> names;
    for (const ChoiceTemplate& t : model.GetChoiceTemplates()) {
        names.push_back(t.name);
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"dash", L"turn to", L"parenthesis", L"squares", L"custom"}));
}

TEST(NewBook, RaisesTheNewBookInOrder)
{
    TarnDataModel model;
    NotificationRecorder recorder(model);
    model.NewBook(L"Untitled", L"");
    // Typed text is handed over by whoever asks about unsaved changes, before the new book.
    const std::vector<std::string> expected{
        "FontChanged 0 Cambria 10",
        "FontChanged 1 Cambria 13",
        "UndoRedoChanged 1 0",
        "FontChanged 2 Cambria 36",
        "UndoRedoChanged 1 0",
        "FontChanged 3 Consolas 8",
        "UndoRedoChanged 1 0",
        "UndoRedoChanged 0 0",
        "BookReset",
        "ChoiceTemplateAdded dash",
        "ChoiceTemplateAdded turn to",
        "ChoiceTemplateAdded parenthesis",
        "ChoiceTemplateAdded squares",
        "ChoiceTemplateAdded custom",
        "BulkChangeBegins",
        "ChoiceFormatChanged turn to {{text}}, turn to {{destination}}",
        "BulkChangeEnds",
        "TitleChanged Untitled",
        "FooterChanged ",
        "BulkChangeBegins",
        "SectionAdded 1",
        "BulkChangeEnds",
        "UndoRedoChanged 1 0",
        "SectionUpdated 1 1 property 4",
        "UndoRedoChanged 1 0",
        "NewPagePerSectionChanged 0",
        "UndoRedoChanged 1 0",
        "UndoRedoChanged 0 0",
    };
    EXPECT_EQ(recorder.Take(), expected);
}

TEST(NewBook, ChoiceTemplateNamesAndFonts)
{
    TarnDataModel model;
    EXPECT_EQ(model.GetChoiceTemplateName(L"{{text}} [{{destination}}]"), L"squares");
    EXPECT_EQ(model.GetChoiceTemplateName(L"{{text}} {{destination}}"), L"custom");
    EXPECT_EQ(model.GetChoiceTemplateName(L"Go to {{destination}}"), L"custom");
    EXPECT_EQ(model.GetChoiceTemplateName(L"{{text}}, turn to {{destination}}"), L"turn to");

    model.NewBook(L"Untitled", L"");
    model.SetMainFont(Font{L"Georgia", 11});
    EXPECT_EQ(model.GetFont(FontType::SectionNumber), (Font{L"Georgia", 14}));
    model.Undo();
    EXPECT_EQ(model.GetFont(FontType::MainBook), (Font{L"Cambria", 10}));
    EXPECT_EQ(model.GetFont(FontType::SectionNumber), (Font{L"Cambria", 13}));
}
