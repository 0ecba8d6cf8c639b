#pragma once

#include "controllers/IBookPreviewView.h"
#include "controllers/PreviewElements.h"
#include "document/DocumentNotifications.h"

#include <memory>
#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Keeps the preview showing the book as the reader sees it: the whole book, or only the
// current section when every section starts a new page. Each change rewrites only the
// range of the number it touches.
class BookPreviewController {
public:
    BookPreviewController(TarnDataModel& model, IBookPreviewView* view);
    BookPreviewController(const BookPreviewController&) = delete;
    BookPreviewController& operator=(const BookPreviewController&) = delete;

    // The preview's whole text, as the view was last given it in whole-book mode.
    std::wstring AllText() const;

private:
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

    TarnDataModel& model_;
    IBookPreviewView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
    std::vector<std::unique_ptr<Container>> entries_;
    // The entries' lengths, and a Fenwick tree over them for the start of any range. Both
    // are rebuilt when entries come or go, and updated in place when one changes.
    std::vector<std::size_t> lengths_;
    std::vector<std::size_t> lengthTree_;
    bool lengthsStale_ = true;
};

}  // namespace TarnViewModel
