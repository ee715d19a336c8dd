#include "requests/stored/label_stock.h"

#include "requests/stored/stored_requests.h"
#include "store/access/record_access.h"
#include "store/engine/store_error.h"

namespace vn {

LabelStockReading readLabelStocks(RecordAccess& access) {
    LabelStockReading reading;
    access.BeginScan(kLabeSlot);
    while (access.GetNextRec(kLabeSlot)) {
        const RowFields row = readCurrentRow(access, kLabeSlot);
        try {
            reading.stocks << labelStockFromRow(row);
        } catch (const StoreError& refused) {
            reading.refusals << refused.message();
        }
    }
    return reading;
}

std::optional<LabelStock> findLabelStock(RecordAccess& access, const QString& name) {
    if (!access.FindRecord(kLabeSlot, name)) return std::nullopt;
    return labelStockFromRow(readCurrentRow(access, kLabeSlot));
}

}  // namespace vn
