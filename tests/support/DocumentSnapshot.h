// SPDX-License-Identifier: MIT
#pragma once

#include "document/TarnDataModel.h"
#include "support/GraphSnapshot.h"

#include <ostream>

namespace TestSupport {

// The whole state of a document that an edit can change, for before-and-after comparisons.
struct DocumentSnapshot {
    GraphSnapshot graph;
    std::wstring title, footer, choiceFormat, filePath;
    bool newPagePerSection = false;
    std::vector<CommonLib::Font> fonts;
    std::vector<TarnViewModel::ChoiceTemplate> templates;

    bool operator==(const DocumentSnapshot&) const = default;

    static DocumentSnapshot Of(const TarnViewModel::TarnDataModel& model)
    {
        DocumentSnapshot snapshot;
        snapshot.graph = GraphSnapshot::Of(model.GetStoryGraph());
        snapshot.title = model.GetTitle();
        snapshot.footer = model.GetFooter();
        snapshot.choiceFormat = model.GetChoiceFormat();
        snapshot.filePath = model.GetFilePath();
        snapshot.newPagePerSection = model.GetNewPagePerSection();
        for (int type = 0; type < 4; ++type) {
            snapshot.fonts.push_back(model.GetFont(static_cast<CommonLib::FontType>(type)));
        }
        snapshot.templates = model.GetChoiceTemplates();
        return snapshot;
    }
};

inline std::ostream& operator<<(std::ostream& out, const DocumentSnapshot& snapshot)
{
    return out << snapshot.graph;
}

}  // namespace TestSupport
