// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookDetails.h"
#include "document/ChoiceTemplate.h"
#include "document/Font.h"
#include "graph/Choice.h"
#include "graph/NotificationTypes.h"
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
using Signal = typename boost::signals2::signal_type<Signature, boost::signals2::keywords::mutex_type<boost::signals2::dummy_mutex>>::type;

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
using ChoiceAddedSignal = Signal<void(const Choice&)>;
using ChoiceUpdatedSignal = Signal<void(const Choice&, const Choice&, ChoiceProperty, ChoiceUpdateReason)>;
using ChoiceDeletedSignal = Signal<void(const Choice&, ChoiceDeleteCause)>;
using UndoRedoChangedSignal = Signal<void(bool, bool)>;
using TitleChangedSignal = Signal<void(const std::wstring&)>;
using DetailsChangedSignal = Signal<void(const BookDetails&)>;
using FooterChangedSignal = Signal<void(const std::wstring&)>;
using NewPagePerSectionChangedSignal = Signal<void(bool)>;
using FontChangedSignal = Signal<void(const CommonLib::Font&, CommonLib::FontType)>;
using ChoiceTemplateAddedSignal = Signal<void(const ChoiceTemplate&)>;
using ChoiceFormatChangedSignal = Signal<void(const ChoiceTemplate&)>;
using BulkChangeBeginsSignal = Signal<void()>;
using BulkChangeEndsSignal = Signal<void()>;

// When a listener hears a change, among all listeners of that notification. Listeners of
// one turn hear it in the order they connected.
enum class Turn {
    First,
    Ordinary,
    // After every ordinary listener, such as the selection following a section to its new number.
    Last,
};

// The document's change notifications. Listeners connect through the accessors and keep
// the returned connection (a scoped_connection disconnects when it goes); only the
// document raises them. The accessors are out of line, so that the signals' templates are
// compiled here once rather than in every source that includes the document.
class DocumentNotifications {
public:
    DocumentNotifications();
    DocumentNotifications(const DocumentNotifications&) = delete;
    DocumentNotifications& operator=(const DocumentNotifications&) = delete;
    ~DocumentNotifications();

    Connection ConnectBookReset(const BookResetSignal::slot_type& slot, Turn turn = Turn::Ordinary);
    Connection ConnectBookLoaded(const BookLoadedSignal::slot_type& slot, Turn turn = Turn::Ordinary);
    Connection ConnectSectionAdded(const SectionAddedSignal::slot_type& slot, Turn turn = Turn::Ordinary);
    Connection ConnectSectionDeleted(const SectionDeletedSignal::slot_type& slot, Turn turn = Turn::Ordinary);
    Connection ConnectSectionUpdated(const SectionUpdatedSignal::slot_type& slot, Turn turn = Turn::Ordinary);
    Connection ConnectSectionsSwapped(const SectionsSwappedSignal::slot_type& slot, Turn turn = Turn::Ordinary);
    // Many sections at once took new numbers, their choices following; nothing else changed.
    Connection ConnectSectionsRenumbered(const SectionsRenumberedSignal::slot_type& slot, Turn turn = Turn::Ordinary);
    Connection ConnectEmptySlotAdded(const EmptySlotAddedSignal::slot_type& slot);
    Connection ConnectEmptySlotRemoved(const EmptySlotRemovedSignal::slot_type& slot);
    Connection ConnectCommitPendingEdits(const CommitPendingEditsSignal::slot_type& slot);
    Connection ConnectChoiceAdded(const ChoiceAddedSignal::slot_type& slot);
    Connection ConnectChoiceUpdated(const ChoiceUpdatedSignal::slot_type& slot);
    Connection ConnectChoiceDeleted(const ChoiceDeletedSignal::slot_type& slot);
    Connection ConnectUndoRedoChanged(const UndoRedoChangedSignal::slot_type& slot);
    Connection ConnectTitleChanged(const TitleChangedSignal::slot_type& slot);
    Connection ConnectDetailsChanged(const DetailsChangedSignal::slot_type& slot);
    Connection ConnectFooterChanged(const FooterChangedSignal::slot_type& slot);
    Connection ConnectNewPagePerSectionChanged(const NewPagePerSectionChangedSignal::slot_type& slot);
    Connection ConnectFontChanged(const FontChangedSignal::slot_type& slot);
    Connection ConnectChoiceTemplateAdded(const ChoiceTemplateAddedSignal::slot_type& slot);
    Connection ConnectChoiceFormatChanged(const ChoiceFormatChangedSignal::slot_type& slot);
    Connection ConnectBulkChangeBegins(const BulkChangeBeginsSignal::slot_type& slot);
    Connection ConnectBulkChangeEnds(const BulkChangeEndsSignal::slot_type& slot, Turn turn = Turn::Ordinary);

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
    ChoiceAddedSignal choiceAdded_;
    ChoiceUpdatedSignal choiceUpdated_;
    ChoiceDeletedSignal choiceDeleted_;
    UndoRedoChangedSignal undoRedoChanged_;
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
