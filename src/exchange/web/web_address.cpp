#include "exchange/web/web_address.h"

#include "exchange/central/service_address.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

ServicePage servicePage(CentralPage page) {
    switch (page) {
    case CentralPage::DataDownload: return ServicePage::DataDown;
    case CentralPage::FormDownload: return ServicePage::FormDown;
    case CentralPage::StateSupporterAccess: return ServicePage::DataAccess;
    }
    return ServicePage::DataDown;
}

}  // namespace

QString centralAddress(const QString& host, CentralPage page, const CentralCodes& codes) {
    return serviceAddress(host, servicePage(page), {LowerCaseText(codes.stateCode), codes.countyCode, codes.listCode});
}

}  // namespace vn
