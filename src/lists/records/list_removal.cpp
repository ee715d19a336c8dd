#include "lists/records/list_removal.h"

#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kListCodeLength = 3;
// Definitions and stored requests, all keyed by the list code first.
constexpr int kListKeyedSlots[] = {kFdisSlot, kTdatSlot, kSelcSlot, kHelpSlot, kQueuSlot, kPinfSlot, kSinfSlot};

}  // namespace

void DeleteWholeList(RecordAccess& access, const QString& listCode) {
    const QString code = LowerCaseText(listCode);
    Transaction tx(access.database(kListSlot));
    access.DeleteRecord(kListSlot, code);
    for (int slot : kListKeyedSlots) access.DeleteKeysWithPrefix(slot, code, kListCodeLength);
    access.DeleteKeysWithPrefix(kHeadSlot, code, kListCodeLength);
    for (int slot : kPageSlots) access.DeleteKeysWithPrefix(slot, code, kListCodeLength);
    access.DeleteKeysWithPrefix(kLinkSlot, code, kListCodeLength);
    access.DeleteRecord(kParmSlot, code);
    tx.commit();
}

}  // namespace vn
