// SPDX-License-Identifier: MIT
#include "controllers/BookPreviewController.h"

#include "controllers/SectionSelection.h"
#include "document/TarnDataModel.h"
#include "export/ExportText.h"
#include "export/FormatChoice.h"

#include <algorithm>
#include <sstream>

namespace TarnViewModel {

namespace {

// One stream serves every write: building a stream costs more than most entries' text.
std::wstring Written(const IElement& element)
{
    static std::wostringstream text;
    text.str(std::wstring());
    element.Write(text);
    return text.str();
}

std::unique_ptr<Container> EmptyEntry()
{
    auto entry = std::make_unique<Container>(Uuid{});
    entry->Insert(0, std::make_unique<Text>(L""));
    return entry;
}

}  // namespace

// A change of many steps, such as Replace All, rewrites the whole text once it ends, a step
// at a time, instead of each entry while the author waits.
template <class Handler>
auto BookPreviewController::Live(Handler handler)
{
    return [this, handler](auto&&... arguments) {
        if (bulkDepth_ > 0 && ++bulkChanges_ > ChangesBeforeRewrite) {
            rewriteAfterBulk_ = true;
        }
        if (!rewriteAfterBulk_) {
            handler(std::forward<decltype(arguments)>(arguments)...);
        }
    };
}

BookPreviewController::BookPreviewController(TarnDataModel& model, SectionSelection& selection, IBookPreviewView* view,
                                             std::size_t fillStep)
    : model_(model), selection_(selection), view_(view), fillStep_(fillStep)
{
    connections_.emplace_back(model_.ConnectBookReset([this] {
        entries_.clear();
        lengthsStale_ = true;
        StopFill();
        view_->ClearPreview();
    }));
    connections_.emplace_back(
        model_.ConnectBookLoaded([this](const std::vector<Section>&, const std::vector<Choice>&) { OnBookLoaded(); }));
    connections_.emplace_back(model_.ConnectSectionsRenumbered(Live([this](const NumberChanges&) { OnBookLoaded(); })));
    connections_.emplace_back(model_.ConnectSectionAdded(Live([this](const Section& section) { OnSectionAdded(section); })));
    connections_.emplace_back(model_.ConnectEmptySlotAdded(Live([this](std::uint32_t number) { OnEmptySlotAdded(number); })));
    connections_.emplace_back(selection_.ConnectSectionSelected(Live([this](const Section& section) { Show(section.number); })));
    connections_.emplace_back(selection_.ConnectSectionDeselected(Live([this](std::uint32_t number) {
        if (InList(number)) {
            Show(number);
        }
    })));
    connections_.emplace_back(model_.ConnectEmptySlotRemoved(Live([this](std::uint32_t number) { OnEmptySlotRemoved(number); })));
    connections_.emplace_back(model_.ConnectSectionDeleted(Live([this](const Section& section) {
        if (InList(section.number)) {
            Replace(section.number, EmptyEntry());
        }
    })));
    connections_.emplace_back(model_.ConnectSectionUpdated(
        Live([this](std::uint32_t, const Section& section, SectionProperty property) { OnSectionUpdated(section, property); })));
    // The choices of swapped sections are taken down before and announced again after.
    connections_.emplace_back(model_.ConnectSectionsSwapped(Live([this](const Section& a, const Section& b) {
        Replace(a.number, SectionEntry(a, false));
        Replace(b.number, SectionEntry(b, false));
        if (InList(selection_.GetCurrentSection())) {
            Show(selection_.GetCurrentSection());
        }
    })));
    connections_.emplace_back(model_.ConnectChoiceAdded(Live([this](const Choice& choice) { OnChoiceAdded(choice); })));
    connections_.emplace_back(
        model_.ConnectChoiceDeleted(Live([this](const Choice& choice, ChoiceDeleteCause) { OnChoiceDeleted(choice); })));
    connections_.emplace_back(
        model_.ConnectChoiceUpdated(Live([this](const Choice& from, const Choice& to, ChoiceProperty, ChoiceUpdateReason) {
            OnChoiceDeleted(from);
            OnChoiceAdded(to);
        })));
    connections_.emplace_back(model_.ConnectFontChanged([this](const CommonLib::Font& font, CommonLib::FontType type) {
        if (type == CommonLib::FontType::MainBook) {
            view_->FormatAll(font);
        }
    }));
    connections_.emplace_back(model_.ConnectNewPagePerSectionChanged([this](bool on) { OnNewPagePerSection(on); }));
    connections_.emplace_back(model_.ConnectBulkChangeBegins([this] {
        ++bulkDepth_;
        view_->BeginUpdate();
    }));
    connections_.emplace_back(model_.ConnectBulkChangeEnds([this] {
        if (bulkDepth_ > 0 && --bulkDepth_ == 0) {
            bulkChanges_ = 0;
            if (rewriteAfterBulk_) {
                rewriteAfterBulk_ = false;
                OnBookLoaded();
                if (!model_.GetNewPagePerSection() && InList(selection_.GetCurrentSection())) {
                    ScrollTo(selection_.GetCurrentSection());
                }
            }
        }
        view_->EndUpdate();
    }));
}

std::wstring BookPreviewController::AllText() const
{
    std::wostringstream text;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        if (entries_[index]) {
            entries_[index]->Write(text);
        } else {
            MadeEntry(static_cast<std::uint32_t>(index + 1))->Write(text);
        }
    }
    return text.str();
}

std::unique_ptr<Container> BookPreviewController::MadeEntry(std::uint32_t number) const
{
    const StoryGraph& graph = model_.GetStoryGraph();
    return graph.HasSection(number) ? SectionEntry(graph.GetSection(number), true) : EmptyEntry();
}

const Container& BookPreviewController::Built(std::uint32_t number)
{
    if (!entries_[number - 1]) {
        entries_[number - 1] = MadeEntry(number);
        Changed(number);
    }
    return *entries_[number - 1];
}

// The rich-text box counts a line break as one character, so texts carry LF alone.
std::unique_ptr<Container> BookPreviewController::ChoiceElement(const Choice& choice) const
{
    auto element = std::make_unique<Container>(choice.id);
    if (!choice.hidden) {
        const auto formatted = FormatChoice(ReducedLineBreaks(choice.text), choice.destination, model_.GetChoiceFormat());
        element->Insert(0, std::make_unique<Text>(formatted.text + L"\n"));
        if (formatted.hasDestination) {
            element->link = std::make_pair(formatted.destinationPosition, formatted.destinationLength);
        }
    }
    return element;
}

std::unique_ptr<Container> BookPreviewController::SectionEntry(const Section& section, bool withChoices) const
{
    auto entry = std::make_unique<Container>(section.id);
    entry->Insert(0, std::make_unique<Text>(std::to_wstring(section.number) + L"\n"));
    entry->Insert(1, std::make_unique<Text>(section.text.empty() ? L"" : ReducedLineBreaks(section.text) + L"\n"));
    if (withChoices) {
        model_.GetStoryGraph().VisitSectionChoices(
            section.number, false, [&](const Choice& choice) { entry->Insert(entry->ChildCount(), ChoiceElement(choice)); });
    }
    return entry;
}

bool BookPreviewController::OnDisplay(std::uint32_t number) const
{
    return model_.GetNewPagePerSection() ? number == selection_.GetCurrentSection() : Shown(number);
}

std::size_t BookPreviewController::Start(std::uint32_t number)
{
    if (model_.GetNewPagePerSection()) {
        return 0;
    }
    if (lengthsStale_) {
        RebuildLengths();
    }
    std::size_t start = 0;
    for (std::size_t index = number - 1; index > 0; index -= index & (~index + 1)) {
        start += lengthTree_[index];
    }
    return start;
}

void BookPreviewController::RebuildLengths()
{
    lengths_.resize(entries_.size());
    lengthTree_.assign(entries_.size() + 1, 0);
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        lengths_[index] = LengthOf(index);
        lengthTree_[index + 1] += lengths_[index];
        const std::size_t parent = (index + 1) + ((index + 1) & (~(index + 1) + 1));
        if (parent < lengthTree_.size()) {
            lengthTree_[parent] += lengthTree_[index + 1];
        }
    }
    lengthsStale_ = false;
}

void BookPreviewController::Changed(std::uint32_t number)
{
    if (lengthsStale_) {
        return;
    }
    const std::size_t length = LengthOf(number - 1);
    const std::size_t old = lengths_[number - 1];
    lengths_[number - 1] = length;
    for (std::size_t index = number; index < lengthTree_.size(); index += index & (~index + 1)) {
        lengthTree_[index] = lengthTree_[index] + length - old;
    }
}

void BookPreviewController::CollectLinks(const Container& entry, std::size_t start, std::vector<TextRange>& links)
{
    for (std::size_t index = 0; index < entry.ChildCount(); ++index) {
        const IElement& child = entry.Child(index);
        if (!child.IsContainer()) {
            continue;
        }
        const auto& choice = static_cast<const Container&>(child);
        if (choice.link) {
            links.push_back({start + entry.OffsetOf(index) + choice.link->first, choice.link->second});
        }
    }
}

TextRange BookPreviewController::Heading(const Container& entry, std::size_t start)
{
    return {start, entry.ChildCount() > 0 && entry.Child(0).Length() > 0 ? entry.Child(0).Length() - 1 : 0};
}

void BookPreviewController::MarkLinks(const Container& entry, std::size_t start)
{
    const TextRange heading = Heading(entry, start);
    if (heading.length > 0) {
        view_->FormatRange(heading.start, heading.length, model_.GetFont(CommonLib::FontType::MainBook));
    }
    std::vector<TextRange> links;
    CollectLinks(entry, start, links);
    for (const TextRange& link : links) {
        view_->FormatRangeAndHome(link.start, link.length);
    }
}

void BookPreviewController::Replace(std::uint32_t number, std::unique_ptr<Container> entry)
{
    Grow(number);
    const std::size_t start = Start(number);
    const std::size_t oldLength = LengthOf(number - 1);
    entries_[number - 1] = std::move(entry);
    Changed(number);
    if (OnDisplay(number)) {
        const Container& shown = *entries_[number - 1];
        view_->ReplaceText(start, oldLength, Written(shown));
        MarkLinks(shown, start);
    }
}

void BookPreviewController::Grow(std::uint32_t highest)
{
    while (entries_.size() < highest) {
        entries_.push_back(EmptyEntry());
        lengthsStale_ = true;
    }
}

// A renumbering or a shuffle changes the whole text as a load does.
void BookPreviewController::OnBookLoaded()
{
    // Freeing ten thousand entries waits for a later turn, as the rest of the fill does.
    view_->RunSoon([old = std::make_shared<std::vector<std::unique_ptr<Container>>>(std::move(entries_))] {});
    entries_.clear();
    entries_.resize(model_.GetStoryGraph().LastSectionNumber());
    lengthsStale_ = true;
    view_->BeginUpdate();
    view_->ClearPreview();
    if (model_.GetNewPagePerSection()) {
        StopFill();
        if (InList(selection_.GetCurrentSection())) {
            Show(selection_.GetCurrentSection());
        }
    } else {
        ShowWholeBook();
    }
    view_->EndUpdate();
}

void BookPreviewController::OnSectionAdded(const Section& section)
{
    Replace(section.number, SectionEntry(section, false));
}

void BookPreviewController::OnEmptySlotAdded(std::uint32_t number)
{
    if (InList(number)) {
        Replace(number, EmptyEntry());
    } else {
        Grow(number);
    }
}

void BookPreviewController::OnEmptySlotRemoved(std::uint32_t number)
{
    if (!InList(number)) {
        return;
    }
    const std::size_t start = Start(number);
    const std::size_t length = LengthOf(number - 1);
    if (length > 0 && OnDisplay(number)) {
        view_->ReplaceText(start, length, L"");
    }
    if (filling_ && number <= filled_) {
        --filled_;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(number - 1));
    lengthsStale_ = true;
}

void BookPreviewController::OnSectionUpdated(const Section& section, SectionProperty property)
{
    if (property == SectionProperty::Number) {
        // Its choices were taken down first and come back one by one afterwards.
        Replace(section.number, SectionEntry(section, false));
        if (section.number == selection_.GetCurrentSection()) {
            Show(section.number);
        }
    } else if (property == SectionProperty::Text && InList(section.number)) {
        Replace(section.number, SectionEntry(section, true));
    }
}

// An entry not made yet will be made from the book, this choice included.
void BookPreviewController::OnChoiceAdded(const Choice& choice)
{
    if (!InList(choice.source) || !entries_[choice.source - 1]) {
        return;
    }
    Container& entry = *entries_[choice.source - 1];
    if (entry.Holds(choice.id)) {
        return;
    }
    // Choice n sits after the number and the text, at child n + 1; a choice announced before
    // those ahead of it goes to the end instead of past it.
    const std::size_t index = std::min<std::size_t>(static_cast<std::size_t>(std::max(choice.order, 1)) + 1, entry.ChildCount());
    const std::size_t start = Start(choice.source);
    entry.Insert(index, ChoiceElement(choice));
    Changed(choice.source);
    const auto& element = static_cast<const Container&>(entry.Child(index));
    if (!choice.hidden && OnDisplay(choice.source)) {
        const std::size_t at = start + entry.OffsetOf(index);
        view_->ReplaceText(at, 0, Written(element));
        if (element.link) {
            view_->FormatRangeAndHome(at + element.link->first, element.link->second);
        }
    }
}

void BookPreviewController::OnChoiceDeleted(const Choice& choice)
{
    if (!InList(choice.source) || !entries_[choice.source - 1] || !entries_[choice.source - 1]->Holds(choice.id)) {
        return;
    }
    Container& entry = *entries_[choice.source - 1];
    const std::size_t index = entry.IndexOf(choice.id);
    const std::size_t start = Start(choice.source) + entry.OffsetOf(index);
    const auto removed = entry.Remove(index);
    Changed(choice.source);
    if (removed->Length() > 0 && OnDisplay(choice.source)) {
        view_->ReplaceText(start, removed->Length(), L"");
    }
}

void BookPreviewController::Show(std::uint32_t number)
{
    if (!InList(number)) {
        return;
    }
    if (model_.GetNewPagePerSection()) {
        const Container& entry = Built(number);
        std::vector<TextRange> links;
        CollectLinks(entry, 0, links);
        view_->SetAllText(Written(entry), links, {Heading(entry, 0)});
    } else {
        ScrollTo(number);
    }
}

void BookPreviewController::ScrollTo(std::uint32_t number)
{
    if (Shown(number)) {
        scrollPending_ = 0;
        view_->ScrollToCharacter(Start(number));
    } else {
        scrollPending_ = number;
    }
}

// The first step runs at once, so the top of the book shows with the change that caused it;
// it is kept to a few screens, as everything else that change does waits on it.
void BookPreviewController::ShowWholeBook()
{
    filling_ = true;
    filled_ = 0;
    scrollPending_ = 0;
    ++*fill_;
    FillMore(std::max<std::size_t>(fillStep_ / 8, 1));
}

void BookPreviewController::StopFill()
{
    filling_ = false;
    ++*fill_;
}

void BookPreviewController::FillMore(std::size_t step)
{
    std::wstring text;
    std::vector<TextRange> links;
    std::vector<TextRange> headings;
    std::size_t start = Start(static_cast<std::uint32_t>(filled_ + 1));
    while (filled_ < entries_.size() && text.size() < step) {
        const Container& entry = Built(static_cast<std::uint32_t>(filled_ + 1));
        CollectLinks(entry, start, links);
        if (const TextRange heading = Heading(entry, start); heading.length > 0) {
            headings.push_back(heading);
        }
        text += Written(entry);
        start += entry.Length();
        ++filled_;
    }
    view_->AppendText(text, links, headings);
    if (filled_ == entries_.size()) {
        filling_ = false;
    }
    if (scrollPending_ != 0 && Shown(scrollPending_)) {
        ScrollTo(scrollPending_);
    }
    if (filling_) {
        view_->RunSoon([this, fill = std::weak_ptr<unsigned>(fill_), step = *fill_] {
            const auto current = fill.lock();
            if (current && *current == step && filling_) {
                FillMore(fillStep_);
            }
        });
    }
}

void BookPreviewController::OnNewPagePerSection(bool on)
{
    view_->BeginUpdate();
    view_->ClearPreview();
    const std::uint32_t current = selection_.GetCurrentSection();
    if (!on) {
        ShowWholeBook();
        if (InList(current)) {
            ScrollTo(current);
        }
    } else {
        StopFill();
        if (InList(current)) {
            Show(current);
        }
    }
    view_->EndUpdate();
}

}  // namespace TarnViewModel
