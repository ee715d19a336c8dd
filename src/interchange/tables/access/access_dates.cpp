#include "interchange/tables/access/access_dates.h"

#include <cmath>

namespace vn {

std::optional<AccessDateTime> accessDateTime(double days) {
    // About the years 100 to 9999; the exact bounds are checked on the date below.
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return std::nullopt;
    double whole = std::trunc(days);
    qint64 seconds = std::llround(std::fabs(days - whole) * 86400.0);
    if (seconds >= 86400) {  // rounded up to the next midnight
        seconds = 0;
        whole += 1;
    }
    const QDate date = QDate(1899, 12, 30).addDays(qint64(whole));
    if (!date.isValid() || date.year() < 100 || date.year() > 9999) return std::nullopt;
    return AccessDateTime{date, QTime(0, 0).addSecs(int(seconds))};
}

}  // namespace vn
