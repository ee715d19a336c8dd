#include "store/text/day_code.h"

namespace vn {

namespace {

constexpr int letterA = 65;
constexpr int letterZ = 90;

int intoLetterRange(int n) {
    while (n < letterA) n += 10;
    while (n > letterZ) n -= 10;
    return n;
}

}  // namespace

QString DayCode(QDate today) {
    const int month = intoLetterRange(today.month());
    const int day = intoLetterRange(today.day());
    const int year = intoLetterRange(today.year() % 100);
    const int check = (month + day + year) % 26 + letterA;
    QString code;
    for (int n : {month, day, year, check}) code += QChar(n);
    return code;
}

bool MatchesDayCode(const QString& typed, QDate today) {
    return typed.compare(DayCode(today), Qt::CaseInsensitive) == 0;
}

}  // namespace vn
