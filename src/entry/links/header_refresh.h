#pragma once

#include <QString>

namespace vn {

class LinkedValueResolver;
class RecordAccess;

// Takes the header of the record `key` afresh from the sibling record it is linked to (Head 16
// and 17), writing only the values that differ, in one transaction. A source or record that
// cannot be read leaves the header as stored. Returns how many fields changed.
int refreshLinkedHeader(RecordAccess& access, const QString& key, LinkedValueResolver& resolver);

}  // namespace vn
