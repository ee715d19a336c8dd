#include "platform/family/family_verdict.h"

#include <array>

namespace vn {

namespace {

struct Marker {
    const char* file;
    int member;
};

constexpr std::array<Marker, 5> kMarkers = {{
    {"ProgCL.flg", 5}, {"ProgVN.flg", 4}, {"ProgPV.flg", 3}, {"ProgKV.flg", 2}, {"ProgGV.flg", 1}}};

constexpr std::array<const char*, 6> kProducts = {"[Openuser.flg]", "Grovanta", "KOVRA",
                                                  "Pavilo",         "Varnedo",  "Corvello"};

QString productName(int member) {
    const bool known = member >= 0 && member < int(kProducts.size());
    return QString::fromLatin1(kProducts[known ? member : 0]);
}

}  // namespace

int runningMember(const FlagFiles& base) {
    for (const Marker& marker : kMarkers)
        if (base.contains(QString::fromLatin1(marker.file))) return marker.member;
    return 0;
}

QString runningCopyWarning(int member) {
    const QString self = productName(kThisProduct);
    if (member == kThisProduct) return QStringLiteral("A Copy of %1 is currently running.").arg(self);
    const QString other = productName(member);
    return QStringLiteral("A Copy of %1 is running.\r\r%1 must be closed before %2 can be run.").arg(other, self);
}

FamilyVerdict judgeFamily(bool lockHeldElsewhere, const FlagFiles& base) {
    if (!lockHeldElsewhere && !base.contains(QString::fromLatin1(kOpenUserFlag))) return {};
    return {true, runningCopyWarning(runningMember(base))};
}

}  // namespace vn
