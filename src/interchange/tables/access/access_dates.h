#pragma once

#include <QDate>
#include <QTime>

#include <optional>

namespace vn {

struct AccessDateTime {
    QDate date;
    QTime time;
};

// An Access date: whole days from 12/30/1899 (negative before it), the fraction the time of day
// whatever the sign. Nothing for values outside the years 100 to 9999 or not numbers.
std::optional<AccessDateTime> accessDateTime(double days);

}  // namespace vn
