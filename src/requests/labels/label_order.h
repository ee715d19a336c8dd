#pragma once

#include "requests/labels/label_text.h"
#include "requests/request.h"

namespace vn {

class RecordAccess;

// The Head fields of one record as a label reads them; nullopt when the record has no Head row.
std::optional<HeadFields> readHeadFields(RecordAccess& access, const QString& key);

// One key per family (Last, Address 1, City, Zip) or per address (Address 1, City, Zip): of equal
// fields (compared whole and one by one, case counts) the first in the matches' order stays. The
// result is in ascending order of those fields; keys without a Head row are dropped. Modes Record
// and None keep the matches as they are.
MatchList removeDuplicates(RecordAccess& access, const MatchList& matches, DuplicateMode mode);

// The matches in label order (by Zip and Title, or by Last, First and Zip; 103 characters
// compared, equal texts in the reverse of their order in the matches); keys without a Head row
// are dropped.
MatchList labelOrder(RecordAccess& access, const MatchList& matches, LabelSort sort);

}  // namespace vn
