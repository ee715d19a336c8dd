#pragma once

namespace vn {

// Where a record keeps its links to the sibling sources in Head.
namespace head_link {
inline constexpr int kKind = 16;      // the header link's source kind: 0 none, 1, 2, 5 or 7
inline constexpr int kKey = 17;       // the key of the record the header is taken from
inline constexpr int kKeyWidth = 8;   // what fields 18-25 hold of a source key
// The key of the record chosen for linked text fields of source 1..8.
constexpr int sourceKeyField(int source) { return kKey + source; }
}  // namespace head_link

}  // namespace vn
