// SPDX-License-Identifier: MIT
#include "document/DocumentNotifications.h"

namespace TarnViewModel {

namespace {

// Grouped slots are called in the order of their groups, and before every slot connected
// without a group, which is where the last ones go.
template <class SignalType>
Connection ConnectIn(SignalType& signal, const typename SignalType::slot_type& slot, Turn turn)
{
    switch (turn) {
    case Turn::First:
        return signal.connect(-1, slot);
    case Turn::Ordinary:
        return signal.connect(0, slot);
    case Turn::Last:
        break;
    }
    return signal.connect(slot);
}

}  // namespace

// Out of line so that the signals' construction and destruction are compiled once.
DocumentNotifications::DocumentNotifications() = default;
DocumentNotifications::~DocumentNotifications() = default;

Connection DocumentNotifications::ConnectBookReset(const BookResetSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(bookReset_, slot, turn);
}

Connection DocumentNotifications::ConnectBookLoaded(const BookLoadedSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(bookLoaded_, slot, turn);
}

Connection DocumentNotifications::ConnectSectionAdded(const SectionAddedSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(sectionAdded_, slot, turn);
}

Connection DocumentNotifications::ConnectSectionDeleted(const SectionDeletedSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(sectionDeleted_, slot, turn);
}

Connection DocumentNotifications::ConnectSectionUpdated(const SectionUpdatedSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(sectionUpdated_, slot, turn);
}

Connection DocumentNotifications::ConnectSectionsSwapped(const SectionsSwappedSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(sectionsSwapped_, slot, turn);
}

Connection DocumentNotifications::ConnectSectionsRenumbered(const SectionsRenumberedSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(sectionsRenumbered_, slot, turn);
}

Connection DocumentNotifications::ConnectEmptySlotAdded(const EmptySlotAddedSignal::slot_type& slot)
{
    return emptySlotAdded_.connect(slot);
}

Connection DocumentNotifications::ConnectEmptySlotRemoved(const EmptySlotRemovedSignal::slot_type& slot)
{
    return emptySlotRemoved_.connect(slot);
}

Connection DocumentNotifications::ConnectCommitPendingEdits(const CommitPendingEditsSignal::slot_type& slot)
{
    return commitPendingEdits_.connect(slot);
}

Connection DocumentNotifications::ConnectChoiceAdded(const ChoiceAddedSignal::slot_type& slot)
{
    return choiceAdded_.connect(slot);
}

Connection DocumentNotifications::ConnectChoiceUpdated(const ChoiceUpdatedSignal::slot_type& slot)
{
    return choiceUpdated_.connect(slot);
}

Connection DocumentNotifications::ConnectChoiceDeleted(const ChoiceDeletedSignal::slot_type& slot)
{
    return choiceDeleted_.connect(slot);
}

Connection DocumentNotifications::ConnectUndoRedoChanged(const UndoRedoChangedSignal::slot_type& slot)
{
    return undoRedoChanged_.connect(slot);
}

Connection DocumentNotifications::ConnectTitleChanged(const TitleChangedSignal::slot_type& slot)
{
    return titleChanged_.connect(slot);
}

Connection DocumentNotifications::ConnectDetailsChanged(const DetailsChangedSignal::slot_type& slot)
{
    return detailsChanged_.connect(slot);
}

Connection DocumentNotifications::ConnectFooterChanged(const FooterChangedSignal::slot_type& slot)
{
    return footerChanged_.connect(slot);
}

Connection DocumentNotifications::ConnectNewPagePerSectionChanged(const NewPagePerSectionChangedSignal::slot_type& slot)
{
    return newPagePerSectionChanged_.connect(slot);
}

Connection DocumentNotifications::ConnectFontChanged(const FontChangedSignal::slot_type& slot)
{
    return fontChanged_.connect(slot);
}

Connection DocumentNotifications::ConnectChoiceTemplateAdded(const ChoiceTemplateAddedSignal::slot_type& slot)
{
    return choiceTemplateAdded_.connect(slot);
}

Connection DocumentNotifications::ConnectChoiceFormatChanged(const ChoiceFormatChangedSignal::slot_type& slot)
{
    return choiceFormatChanged_.connect(slot);
}

Connection DocumentNotifications::ConnectBulkChangeBegins(const BulkChangeBeginsSignal::slot_type& slot)
{
    return bulkChangeBegins_.connect(slot);
}

Connection DocumentNotifications::ConnectBulkChangeEnds(const BulkChangeEndsSignal::slot_type& slot, Turn turn)
{
    return ConnectIn(bulkChangeEnds_, slot, turn);
}

}  // namespace TarnViewModel
