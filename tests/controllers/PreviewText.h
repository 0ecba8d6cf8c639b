// SPDX-License-Identifier: MIT
#pragma once

#include "DeferredSteps.h"
#include "controllers/IBookPreviewView.h"
#include "document/TarnDataModel.h"
#include "export/FormatChoice.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace TestSupport {

using TarnViewModel::Choice;
using TarnViewModel::IBookPreviewView;
using TarnViewModel::Section;
using TarnViewModel::StoryGraph;
using TarnViewModel::TarnDataModel;

// A preview that applies every edit to a text of its own, as the rich-text box would, and
// remembers the ranges marked as links and headings.
class TextPreview : public IBookPreviewView, public DeferredSteps {
public:
    void ReplaceText(std::size_t start, std::size_t length, const std::wstring& replacement) override
    {
        ASSERT_LE(start + length, text.size()) << "replaced range lies outside the text";
        text.replace(start, length, replacement);
        ++replacements;
        replacedCharacters += replacement.size();
    }
    void SetAllText(const std::wstring& all, const std::vector<TarnViewModel::TextRange>& ranges,
                    const std::vector<TarnViewModel::TextRange>& headingRanges) override
    {
        text.clear();
        links.clear();
        headings.clear();
        AppendText(all, ranges, headingRanges);
        ++fullRewrites;
    }
    void AppendText(const std::wstring& more, const std::vector<TarnViewModel::TextRange>& ranges,
                    const std::vector<TarnViewModel::TextRange>& headingRanges) override
    {
        text += more;
        for (const auto& range : ranges) {
            ASSERT_LE(range.start + range.length, text.size());
            links.push_back(text.substr(range.start, range.length));
        }
        for (const auto& range : headingRanges) {
            FormatRange(range.start, range.length, {});
        }
        ++appends;
    }
    void FormatRange(std::size_t start, std::size_t length, const CommonLib::Font&) override
    {
        ASSERT_LE(start + length, text.size());
        headings.push_back(text.substr(start, length));
    }
    void FormatRangeAndHome(std::size_t start, std::size_t length) override
    {
        ASSERT_LE(start + length, text.size());
        links.push_back(text.substr(start, length));
    }
    void FormatAll(const CommonLib::Font&) override {}
    void ClearPreview() override
    {
        text.clear();
        links.clear();
        headings.clear();
    }
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void ScrollToCharacter(std::size_t position) override { scrolledTo = position; }
    void RunSoon(std::function<void()> step) override { steps.push_back(std::move(step)); }

    std::wstring text;
    std::vector<std::wstring> links;
    // Every range marked as a section heading, in the order marked.
    std::vector<std::wstring> headings;
    std::size_t replacements = 0;
    std::size_t replacedCharacters = 0;
    std::size_t fullRewrites = 0;
    std::size_t appends = 0;
    std::size_t scrolledTo = 0;
};

// The whole book as the reader sees it, built straight from the document.
inline std::wstring Expected(const TarnDataModel& model)
{
    std::wstring text;
    const StoryGraph& graph = model.GetStoryGraph();
    graph.VisitSections([&](const Section& section) {
        std::wstring body = section.text;
        for (std::size_t at = body.find(L"\r\n"); at != std::wstring::npos; at = body.find(L"\r\n", at)) {
            body.erase(at, 1);
        }
        text += std::to_wstring(section.number) + L"\n" + (body.empty() ? L"" : body + L"\n");
        graph.VisitSectionChoices(section.number, false, [&](const Choice& choice) {
            if (!choice.hidden) {
                text += TarnViewModel::FormatChoice(choice.text, choice.destination, model.GetChoiceFormat()).text + L"\n";
            }
        });
    });
    return text;
}

}  // namespace TestSupport
