#pragma once

#include <QPointF>
#include <cmath>

namespace vn::record_grid {

// The record printout's grid in points: column c at trunc(10.4 c) + 3, row r at trunc(3.58 r),
// fractions dropped towards zero. The nudge keeps products such as 10.4 x 5 from falling just
// short of a whole number.
inline double truncated(double v) { return std::trunc(v + (v < 0 ? -1e-9 : 1e-9)); }
inline double x(double column) { return truncated(10.4 * column) + 3; }
inline double y(double row) { return truncated(3.58 * row); }
inline QPointF at(double column, double row) { return {x(column), y(row)}; }

// The base row of a page's half: 29 for the upper, 131 for the lower.
inline int baseRow(int half) { return 102 * half - 73; }

}  // namespace vn::record_grid
