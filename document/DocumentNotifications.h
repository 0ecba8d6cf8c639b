#pragma once

#include "document/BookDetails.h"
#include "document/ChoiceTemplate.h"
#include "document/Font.h"
#include "graph/NotificationTypes.h"
#include "document/UiConfig.h"
#include "graph/Choice.h"
#include "graph/Numbering.h"
#include "graph/Section.h"

#include <boost/signals2/dummy_mutex.hpp>
#include <boost/signals2/signal.hpp>
#include <boost/signals2/signal_type.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace TarnViewModel {

// Everything runs on the user-interface thread, so the signals need no locking.
template <class Signature>
using Signal = typename boost::signals2::signal_type<
    Signature, boost::signals2::keywords::mutex_type<boost::signals2::dummy_mutex>>::type;

using Connection = boost::signals2::connection;

using BookResetSignal = Signal<void()>;
using BookLoadedSignal = Signal<void(const std::vector<Section>&, const std::vector<Choice>&)>;
using SectionAddedSignal = Signal<void(const Section&)>;
using SectionDeletedSignal = Signal<void(const Section&)>;
using SectionUpdatedSignal = Signal<void(std::uint32_t, const Section&, SectionProperty)>;
using SectionsSwappedSignal = Signal<void(const Section&, const Section&)>;
using SectionsRenumberedSignal = Signal<void(const NumberChanges&)>;
using EmptySlotAddedSignal = Signal<void(std::uint32_t)>;
using EmptySlotRemovedSignal = Signal<void(std::uint32_t)>;
using CommitPendingEditsSignal = Signal<void()>;
using SectionSelectedSignal = Signal<void(const Section&)>;
using SectionDeselectedSignal = Signal<void(std::uint32_t)>;
using ChoiceAddedSignal = Signal<void(const Choice&)>;
using ChoiceUpdatedSignal = Signal<void(const Choice&, const Choice&, ChoiceProperty, ChoiceUpdateReason)>;
using ChoiceDeletedSignal = Signal<void(const Choice&, ChoiceDeleteCause)>;
using UiConfigChangedSignal = Signal<void(const UiConfig&)>;
using UndoRedoChangedSignal = Signal<void(bool, bool)>;
using DiscardChangesQuerySignal = Signal<void(bool&)>;
using TitleChangedSignal = Signal<void(const std::wstring&)>;
using DetailsChangedSignal = Signal<void(const BookDetails&)>;
using FooterChangedSignal = Signal<void(const std::wstring&)>;
using NewPagePerSectionChangedSignal = Signal<void(bool)>;
using FontChangedSignal = Signal<void(const CommonLib::Font&, CommonLib::FontType)>;
using ChoiceTemplateAddedSignal = Signal<void(const ChoiceTemplate&)>;
using ChoiceFormatChangedSignal = Signal<void(const ChoiceTemplate&)>;
using BulkChangeBeginsSignal = Signal<void()>;
using BulkChangeEndsSignal = Signal<void()>;

// The document's change notifications. Listeners connect through the accessors and keep
// the returned connection (a scoped_connection disconnects when it goes); only the
// document raises them.
class DocumentNotifications {
public:
    DocumentNotifications();
    DocumentNotifications(const DocumentNotifications&) = delete;
    DocumentNotifications& operator=(const DocumentNotifications&) = delete;
    ~DocumentNotifications();

    Connection ConnectBookReset(const BookResetSignal::slot_type& slot) { return bookReset_.connect(slot); }
    Connection ConnectBookLoaded(const BookLoadedSignal::slot_type& slot) { return bookLoaded_.connect(slot); }
    Connection ConnectSectionAdded(const SectionAddedSignal::slot_type& slot) { return sectionAdded_.connect(slot); }
    Connection ConnectSectionDeleted(const SectionDeletedSignal::slot_type& slot) { return sectionDeleted_.connect(slot); }
    Connection ConnectSectionUpdated(const SectionUpdatedSignal::slot_type& slot) { return sectionUpdated_.connect(slot); }
    Connection ConnectSectionsSwapped(const SectionsSwappedSignal::slot_type& slot) { return sectionsSwapped_.connect(slot); }
    // Many sections at once took new numbers, their choices following; nothing else changed.
    Connection ConnectSectionsRenumbered(const SectionsRenumberedSignal::slot_type& slot) { return sectionsRenumbered_.connect(slot); }
    Connection ConnectEmptySlotAdded(const EmptySlotAddedSignal::slot_type& slot) { return emptySlotAdded_.connect(slot); }
    Connection ConnectEmptySlotRemoved(const EmptySlotRemovedSignal::slot_type& slot) { return emptySlotRemoved_.connect(slot); }
    Connection ConnectCommitPendingEdits(const CommitPendingEditsSignal::slot_type& slot) { return commitPendingEdits_.connect(slot); }
    Connection ConnectSectionSelected(const SectionSelectedSignal::slot_type& slot) { return sectionSelected_.connect(slot); }
    Connection ConnectSectionDeselected(const SectionDeselectedSignal::slot_type& slot) { return sectionDeselected_.connect(slot); }
    Connection ConnectChoiceAdded(const ChoiceAddedSignal::slot_type& slot) { return choiceAdded_.connect(slot); }
    Connection ConnectChoiceUpdated(const ChoiceUpdatedSignal::slot_type& slot) { return choiceUpdated_.connect(slot); }
    Connection ConnectChoiceDeleted(const ChoiceDeletedSignal::slot_type& slot) { return choiceDeleted_.connect(slot); }
    Connection ConnectUiConfigChanged(const UiConfigChangedSignal::slot_type& slot) { return uiConfigChanged_.connect(slot); }
    Connection ConnectUndoRedoChanged(const UndoRedoChangedSignal::slot_type& slot) { return undoRedoChanged_.connect(slot); }
    Connection ConnectDiscardChangesQuery(const DiscardChangesQuerySignal::slot_type& slot) { return discardChangesQuery_.connect(slot); }
    Connection ConnectTitleChanged(const TitleChangedSignal::slot_type& slot) { return titleChanged_.connect(slot); }
    Connection ConnectDetailsChanged(const DetailsChangedSignal::slot_type& slot) { return detailsChanged_.connect(slot); }
    Connection ConnectFooterChanged(const FooterChangedSignal::slot_type& slot) { return footerChanged_.connect(slot); }
    Connection ConnectNewPagePerSectionChanged(const NewPagePerSectionChangedSignal::slot_type& slot) { return newPagePerSectionChanged_.connect(slot); }
    Connection ConnectFontChanged(const FontChangedSignal::slot_type& slot) { return fontChanged_.connect(slot); }
    Connection ConnectChoiceTemplateAdded(const ChoiceTemplateAddedSignal::slot_type& slot) { return choiceTemplateAdded_.connect(slot); }
    Connection ConnectChoiceFormatChanged(const ChoiceFormatChangedSignal::slot_type& slot) { return choiceFormatChanged_.connect(slot); }
    Connection ConnectBulkChangeBegins(const BulkChangeBeginsSignal::slot_type& slot) { return bulkChangeBegins_.connect(slot); }
    Connection ConnectBulkChangeEnds(const BulkChangeEndsSignal::slot_type& slot) { return bulkChangeEnds_.connect(slot); }

protected:
    BookResetSignal bookReset_;
    BookLoadedSignal bookLoaded_;
    SectionAddedSignal sectionAdded_;
    SectionDeletedSignal sectionDeleted_;
    SectionUpdatedSignal sectionUpdated_;
    SectionsSwappedSignal sectionsSwapped_;
    SectionsRenumberedSignal sectionsRenumbered_;
    EmptySlotAddedSignal emptySlotAdded_;
    EmptySlotRemovedSignal emptySlotRemoved_;
    CommitPendingEditsSignal commitPendingEdits_;
    SectionSelectedSignal sectionSelected_;
    SectionDeselectedSignal sectionDeselected_;
    ChoiceAddedSignal choiceAdded_;
    ChoiceUpdatedSignal choiceUpdated_;
    ChoiceDeletedSignal choiceDeleted_;
    UiConfigChangedSignal uiConfigChanged_;
    UndoRedoChangedSignal undoRedoChanged_;
    DiscardChangesQuerySignal discardChangesQuery_;
    TitleChangedSignal titleChanged_;
    DetailsChangedSignal detailsChanged_;
    FooterChangedSignal footerChanged_;
    NewPagePerSectionChangedSignal newPagePerSectionChanged_;
    FontChangedSignal fontChanged_;
    ChoiceTemplateAddedSignal choiceTemplateAdded_;
    ChoiceFormatChangedSignal choiceFormatChanged_;
    BulkChangeBeginsSignal bulkChangeBegins_;
    BulkChangeEndsSignal bulkChangeEnds_;
};

}  // namespace TarnViewModel
