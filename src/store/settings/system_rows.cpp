#include "store/settings/system_rows.h"

#include "store/access/record_access.h"
#include "store/settings/table_date_time.h"

namespace vn {

namespace {

constexpr int kSlot = TableCatalogue::kSystemSlot;
constexpr int kValue = 1;
constexpr int kWritten = 2;
constexpr int kDone = 4;
const QString kDoneFlag = QStringLiteral("T");

}  // namespace

void writeSystemRow(RecordAccess& access, const QString& key, const SystemRow& row) {
    access.EnsureRecord(kSlot, key);
    access.SetFieldText(kSlot, kValue, row.value);
    access.SetFieldText(kSlot, kWritten, row.written.isValid() ? formatTableDateTime(row.written) : QString());
    access.SetFieldText(kSlot, kDone, row.done ? kDoneFlag : QString());
}

std::optional<SystemRow> readSystemRow(RecordAccess& access, const QString& key) {
    if (!access.FindRecord(kSlot, key)) return std::nullopt;
    return SystemRow{access.GetFieldText(kSlot, kValue), parseTableDateTime(access.GetFieldText(kSlot, kWritten)),
                     access.GetFieldText(kSlot, kDone) == kDoneFlag};
}

}  // namespace vn
