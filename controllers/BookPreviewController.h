// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IBookPreviewView.h"
#include "controllers/PreviewElements.h"
#include "document/DocumentNotifications.h"

#include <memory>
#include <vector>

namespace TarnViewModel {

class SectionSelection;
class TarnDataModel;

// Keeps the preview showing the book as the reader sees it: the whole book, or only the
// current section when every section starts a new page. Each change rewrites only the
// range of the number it touches.
class BookPreviewController {
public:
    // A whole book is shown a step at a time, each step at least `fillStep` characters.
    static constexpr std::size_t DefaultFillStep = 200'000;
    // More changes than this in one bulk change are taken in by rewriting the whole text.
    static constexpr std::size_t ChangesBeforeRewrite = 64;

    BookPreviewController(TarnDataModel& model, SectionSelection& selection, IBookPreviewView* view,
                          std::size_t fillStep = DefaultFillStep);
    BookPreviewController(const BookPreviewController&) = delete;
    BookPreviewController& operator=(const BookPreviewController&) = delete;

    // The preview's whole text in whole-book mode, once every step of the fill has run.
    std::wstring AllText() const;
    bool Filling() const { return filling_; }

private:
    // The handler, run unless the bulk change under way has grown too big to follow.
    template <class Handler>
    auto Live(Handler handler);
    void OnBookLoaded();
    void OnSectionAdded(const Section& section);
    void OnEmptySlotAdded(std::uint32_t number);
    void OnEmptySlotRemoved(std::uint32_t number);
    void OnSectionUpdated(const Section& section, SectionProperty property);
    void OnChoiceAdded(const Choice& choice);
    void OnChoiceDeleted(const Choice& choice);
    void OnNewPagePerSection(bool on);
    void Show(std::uint32_t number);
    void ShowWholeBook();
    // Adds entries to the view until `step` characters have gone in.
    void FillMore(std::size_t step);
    // Leaves any step still to come idle.
    void StopFill();
    void ScrollTo(std::uint32_t number);
    // The entry of the number, made from the book if the fill has not reached it yet.
    const Container& Built(std::uint32_t number);
    std::unique_ptr<Container> MadeEntry(std::uint32_t number) const;
    std::size_t LengthOf(std::size_t index) const { return entries_[index] ? entries_[index]->Length() : 0; }
    bool Shown(std::uint32_t number) const { return !filling_ || number <= filled_; }

    std::unique_ptr<Container> SectionEntry(const Section& section, bool withChoices) const;
    std::unique_ptr<Container> ChoiceElement(const Choice& choice) const;
    // Puts a new entry in the list and rewrites its range when it is on display.
    void Replace(std::uint32_t number, std::unique_ptr<Container> entry);
    void Grow(std::uint32_t highest);
    bool OnDisplay(std::uint32_t number) const;
    bool InList(std::uint32_t number) const { return number >= 1 && number <= entries_.size(); }
    std::size_t Start(std::uint32_t number);
    void Changed(std::uint32_t number);
    void RebuildLengths();
    void MarkLinks(const Container& entry, std::size_t start);
    static void CollectLinks(const Container& entry, std::size_t start, std::vector<TextRange>& links);
    // The entry's section number, without the line break after it.
    static TextRange Heading(const Container& entry, std::size_t start);

    TarnDataModel& model_;
    SectionSelection& selection_;
    IBookPreviewView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
    // One entry per number up to the highest section; an entry is made when first needed,
    // so that a whole book opens without making ten thousand of them at once.
    std::vector<std::unique_ptr<Container>> entries_;
    const std::size_t fillStep_;
    // While a whole book is being filled, the view holds the first `filled_` entries.
    bool filling_ = false;
    std::size_t filled_ = 0;
    // Tells a step of an abandoned fill, or one outliving the controller, to do nothing.
    std::shared_ptr<unsigned> fill_ = std::make_shared<unsigned>(0);
    std::uint32_t scrollPending_ = 0;
    // The entries' lengths, and a Fenwick tree over them for the start of any range. Both
    // are rebuilt when entries come or go, and updated in place when one changes.
    std::vector<std::size_t> lengths_;
    std::vector<std::size_t> lengthTree_;
    bool lengthsStale_ = true;
    int bulkDepth_ = 0;
    std::size_t bulkChanges_ = 0;
    bool rewriteAfterBulk_ = false;
};

}  // namespace TarnViewModel
