// SPDX-License-Identifier: MIT
#include "support/NotificationRecorder.h"

#include <boost/locale/encoding_utf.hpp>

namespace TestSupport {

using namespace TarnViewModel;

namespace {

std::string Narrow(const std::wstring& text)
{
    return boost::locale::conv::utf_to_utf<char>(text);
}

}  // namespace

std::string NotificationRecorder::Describe(const Choice& choice)
{
    std::ostringstream line;
    line << choice.source << "->" << choice.destination << " #" << choice.order << " '" << Narrow(choice.text) << "'"
         << (choice.hidden ? " hidden" : "");
    return line.str();
}

NotificationRecorder::NotificationRecorder(TarnDataModel& model)
{
    auto& c = connections_;
    c.emplace_back(model.ConnectBookReset([this] { Write("BookReset"); }));
    c.emplace_back(model.ConnectBookLoaded([this](const std::vector<Section>& s, const std::vector<Choice>& ch) {
        Write("BookLoaded ", s.size(), " sections ", ch.size(), " choices");
    }));
    connections_.emplace_back(model.ConnectSectionsRenumbered(
        [this](const TarnViewModel::NumberChanges& changes) { Write("SectionsRenumbered ", changes.size()); }));
    c.emplace_back(model.ConnectSectionAdded([this](const Section& s) { Write("SectionAdded ", s.number); }));
    c.emplace_back(model.ConnectSectionDeleted([this](const Section& s) { Write("SectionDeleted ", s.number); }));
    c.emplace_back(model.ConnectSectionUpdated([this](std::uint32_t before, const Section& s, SectionProperty p) {
        Write("SectionUpdated ", before, " ", s.number, " property ", static_cast<int>(p));
    }));
    c.emplace_back(model.ConnectSectionsSwapped(
        [this](const Section& moved, const Section& other) { Write("SectionsSwapped ", moved.number, " ", other.number); }));
    c.emplace_back(model.ConnectEmptySlotAdded([this](std::uint32_t n) { Write("EmptySlotAdded ", n); }));
    c.emplace_back(model.ConnectEmptySlotRemoved([this](std::uint32_t n) { Write("EmptySlotRemoved ", n); }));
    c.emplace_back(model.ConnectCommitPendingEdits([this] { Write("CommitPendingEdits"); }));
    c.emplace_back(model.ConnectChoiceAdded([this](const Choice& ch) { Write("ChoiceAdded ", Describe(ch)); }));
    c.emplace_back(model.ConnectChoiceUpdated([this](const Choice& before, const Choice& after, ChoiceProperty p, ChoiceUpdateReason r) {
        Write("ChoiceUpdated ", Describe(before), " => ", Describe(after), " property ", static_cast<int>(p), " reason ",
              static_cast<int>(r));
    }));
    c.emplace_back(model.ConnectChoiceDeleted(
        [this](const Choice& ch, ChoiceDeleteCause cause) { Write("ChoiceDeleted ", Describe(ch), " cause ", static_cast<int>(cause)); }));
    c.emplace_back(model.ConnectUndoRedoChanged([this](bool undo, bool redo) { Write("UndoRedoChanged ", undo, " ", redo); }));
    c.emplace_back(model.ConnectTitleChanged([this](const std::wstring& t) { Write("TitleChanged ", Narrow(t)); }));
    c.emplace_back(model.ConnectFooterChanged([this](const std::wstring& t) { Write("FooterChanged ", Narrow(t)); }));
    c.emplace_back(model.ConnectNewPagePerSectionChanged([this](bool b) { Write("NewPagePerSectionChanged ", b); }));
    c.emplace_back(model.ConnectFontChanged([this](const CommonLib::Font& f, CommonLib::FontType t) {
        Write("FontChanged ", static_cast<int>(t), " ", Narrow(f.faceName), " ", f.size);
    }));
    c.emplace_back(model.ConnectChoiceTemplateAdded([this](const ChoiceTemplate& t) { Write("ChoiceTemplateAdded ", Narrow(t.name)); }));
    c.emplace_back(model.ConnectChoiceFormatChanged(
        [this](const ChoiceTemplate& t) { Write("ChoiceFormatChanged ", Narrow(t.name), " ", Narrow(t.format)); }));
    c.emplace_back(model.ConnectBulkChangeBegins([this] { Write("BulkChangeBegins"); }));
    c.emplace_back(model.ConnectBulkChangeEnds([this] { Write("BulkChangeEnds"); }));
}

}  // namespace TestSupport
