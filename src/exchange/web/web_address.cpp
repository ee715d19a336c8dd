#include "exchange/web/web_address.h"

#include "store/text/case_conversion.h"

#include <QUrl>
#include <QUrlQuery>

namespace vn {

namespace {

// The production service, until its host is a setting of its own.
const QString kWebHost = QStringLiteral("https://central.varnedo.example");

const char* operationOf(CentralPage page) {
    switch (page) {
    case CentralPage::DataDownload: return "DataDown";
    case CentralPage::FormDownload: return "FormDown";
    case CentralPage::StateSupporterAccess: return "dataaccess";
    }
    return "";
}

// QUrlQuery leaves "+" and a valid "%xx" as they are; encoded first, a value arrives whole.
void addValue(QUrlQuery& query, const char* name, const QString& value) {
    query.addQueryItem(QString::fromLatin1(name), QString::fromLatin1(QUrl::toPercentEncoding(value)));
}

}  // namespace

QString centralAddress(CentralPage page, const CentralCodes& codes) {
    QUrlQuery query;
    addValue(query, "Param1", QString::fromLatin1(operationOf(page)));
    addValue(query, "Param2", LowerCaseText(codes.stateCode));
    addValue(query, "Param3", codes.countyCode);
    addValue(query, "Param4", codes.listCode);
    return kWebHost + QStringLiteral("/cgi-bin/VNQ.dll?") + query.toString(QUrl::FullyEncoded);
}

}  // namespace vn
