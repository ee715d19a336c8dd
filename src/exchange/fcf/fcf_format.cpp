#include "exchange/fcf/fcf_format.h"

#include "store/catalogue/slots.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kNameLength = 12;
constexpr int kStateAt = 3;
constexpr int kOfficeAt = 5;
constexpr int kExtensionAt = 8;
constexpr int kStateLength = 2;
constexpr int kOfficeLength = 3;
constexpr int kListLength = 3;

}  // namespace

const std::array<int, kFcfTableCount>& fcfTableSlots() {
    static constexpr std::array<int, kFcfTableCount> tables{kListSlot, kFdisSlot, kSelcSlot, kTdatSlot};
    return tables;
}

int fcfTableSlot(int code) { return code >= 1 && code <= kFcfTableCount ? fcfTableSlots()[std::size_t(code - 1)] : 0; }

std::optional<FcfName> parseFcfName(const QString& fileName) {
    if (fileName.size() != kNameLength ||
        LowerCaseText(fileName.mid(kExtensionAt)) != QLatin1String(".fcf"))
        return std::nullopt;
    return FcfName{fileName.left(kListLength), fileName.mid(kStateAt, kStateLength), fileName.mid(kOfficeAt, kOfficeLength)};
}

QString fcfFileName(const FcfName& name) { return LowerCaseText(name.list + name.state + name.office + QLatin1String(".fcf")); }

}  // namespace vn
