#pragma once

#include "requests/request.h"
#include "store/catalogue/slots.h"

#include <QStringList>

namespace vn {

// One table row as text, indexed by field number from 0 (the key): how the stored rows are read
// from their tables, and how an exchange file carries them (fields 0 to Delta - 1).
using RowFields = QStringList;

}  // namespace vn

// Field numbers of the stored request tables and the label sheet table (their slots:
// store/catalogue/slots.h). Queu, Pinf and Sinf rows of one stored request share the key
// list code + two spaces + request name.
namespace vn::request_tables {

// Queu: the kind, the display text and the conditions of a stored request. Condition i
// (1-30) takes eight fields from 8i - 1: condition 1 fields 7 to 14, condition 30 239 to 246.
namespace queu {
inline constexpr int kKey = 0;
inline constexpr int kFirstDisplayPart = 2;  // display text parts 1 to 3 in fields 2 to 4
inline constexpr int kKind = 5;
inline constexpr int kConditionCount = 6;
inline constexpr int displayPart(int part) { return kFirstDisplayPart + part - 1; }
inline constexpr int openParentheses(int i) { return 8 * i - 1; }
inline constexpr int page(int i) { return 8 * i; }
inline constexpr int fieldNumber(int i) { return 8 * i + 1; }
inline constexpr int identifier(int i) { return 8 * i + 2; }
inline constexpr int compareOp(int i) { return 8 * i + 3; }
inline constexpr int target(int i) { return 8 * i + 4; }
inline constexpr int closeParentheses(int i) { return 8 * i + 5; }
inline constexpr int connector(int i) { return 8 * i + 6; }
inline constexpr int kFieldCount = connector(SqlRequest::kMaxConditions) + 1;  // 247
}  // namespace queu

// Pinf: the print fields of a Report or MailMerge request; print field j (1-111) takes four
// fields from 4j - 2.
namespace pinf {
inline constexpr int kCount = 1;
inline constexpr int page(int j) { return 4 * j - 2; }
inline constexpr int fieldNumber(int j) { return 4 * j - 1; }
inline constexpr int printOrder(int j) { return 4 * j; }
inline constexpr int definitionPosition(int j) { return 4 * j + 1; }
inline constexpr int kFieldCount = definitionPosition(SqlRequest::kMaxPrintFields) + 1;
}  // namespace pinf

// Sinf: the sort fields of a Report or MailMerge request; sort field k (1-111) takes three
// fields from 3k - 1.
namespace sinf {
inline constexpr int kCount = 1;
inline constexpr int page(int k) { return 3 * k - 1; }
inline constexpr int fieldNumber(int k) { return 3 * k; }
inline constexpr int sortOrder(int k) { return 3 * k + 1; }
inline constexpr int kFieldCount = sortOrder(SqlRequest::kMaxSortFields) + 1;
}  // namespace sinf

// Labe: one label sheet type, keyed by its name; field 1 is not read.
namespace labe {
inline constexpr int kName = 0;
inline constexpr int kPerSheet = 2;
inline constexpr int kAcross = 3;
inline constexpr int kDown = 4;
inline constexpr int kWidth = 5;
inline constexpr int kHeight = 6;
inline constexpr int kPreviewSize = 7;
inline constexpr int kPrintFontSize = 8;
inline constexpr int kScreenFontSize = 9;
inline constexpr int kFieldCount = kScreenFontSize + 1;
}  // namespace labe

}  // namespace vn::request_tables
