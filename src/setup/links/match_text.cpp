#include "setup/links/match_text.h"

#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

#include <algorithm>

namespace vn {

namespace {

namespace head_field {
constexpr int kFirst = 2, kLast = 4, kHomePhone = 6, kAddress1 = 11, kCity = 13;
}

bool isIgnored(QChar c) {
    static const QString ignored = QStringLiteral(" !\"#$%&'()*+-./:;<=>?@[]^_`{}~");
    return ignored.contains(c);
}

}  // namespace

QStringList matchConditionCaptions() {
    return {QStringLiteral("Last and first name"), QStringLiteral("Above plus phone"),
            QStringLiteral("Above plus address"), QStringLiteral("Above plus city")};
}

QList<int> matchFields(int condition) {
    using namespace head_field;
    const QList<int> all{kLast, kFirst, kHomePhone, kAddress1, kCity};
    if (condition < 1 || condition > kMatchConditionCount) return {};
    return all.first(condition + 1);
}

QString normaliseMatchText(const QString& text) {
    QString kept;
    kept.reserve(kMatchTextLength);
    for (QChar c : text) {
        if (isIgnored(c)) continue;
        kept += (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - ('a' - 'A')) : c;
        if (kept.size() == kMatchTextLength) break;
    }
    return kept.leftJustified(kMatchTextLength, QLatin1Char(' '));
}

// Spaces never survive normalising, so a space can only be padding.
bool isBlankMatchText(const QString& normalised) {
    return std::all_of(normalised.cbegin(), normalised.cend(), [](QChar c) { return c == QLatin1Char(' '); });
}

QString currentMatchText(RecordAccess& access, const QList<int>& fields) {
    QString joined;
    for (int field : fields) joined += access.GetFieldText(kHeadSlot, field);
    return normaliseMatchText(joined);
}

}  // namespace vn
