#include "exchange/central/service_address.h"

#include <QUrl>
#include <QUrlQuery>

namespace vn {

namespace {

QString pageName(ServicePage page) {
    switch (page) {
        case ServicePage::FormUp: return QStringLiteral("FormUp");
        case ServicePage::Exclist: return QStringLiteral("Exclist");
        case ServicePage::Direct: return QStringLiteral("direct");
        case ServicePage::DataDown: return QStringLiteral("DataDown");
        case ServicePage::FormDown: return QStringLiteral("FormDown");
        case ServicePage::DataAccess: return QStringLiteral("dataaccess");
    }
    return {};
}

QString withoutTrailingSlash(const QString& host) {
    QString trimmed = host.trimmed();
    while (trimmed.endsWith(QLatin1Char('/'))) trimmed.chop(1);
    return trimmed;
}

// QUrlQuery leaves "&", "=", "+" and "#" alone in a value it is given decoded: each value
// goes in already encoded, whole.
QString encoded(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

}  // namespace

QString serviceAddress(const QString& host, ServicePage page, const ServiceTarget& target) {
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("Param1"), pageName(page));
    query.addQueryItem(QStringLiteral("Param2"), encoded(target.state));
    query.addQueryItem(QStringLiteral("Param3"), encoded(target.office));
    query.addQueryItem(QStringLiteral("Param4"), encoded(target.list));
    return withoutTrailingSlash(host) + QStringLiteral("/cgi-bin/VNQ.dll?") + query.query(QUrl::FullyEncoded);
}

QString serviceHomePage(const QString& host) { return withoutTrailingSlash(host) + QLatin1Char('/'); }

}  // namespace vn
