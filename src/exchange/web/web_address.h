#pragma once

#include <QString>

namespace vn {

// The pages of the central web service this office opens.
enum class CentralPage { DataDownload, FormDownload, StateSupporterAccess };

// Whom a page is opened for.
struct CentralCodes {
    QString stateCode;
    QString countyCode;  // at the state level the state's code and "_"
    QString listCode;    // the current data list
};

// The page's address on the service's host ("WebHost"): "/cgi-bin/VNQ.dll?" and the page's query,
// the state code in lower case, every value percent-encoded.
QString centralAddress(const QString& host, CentralPage page, const CentralCodes& codes);

}  // namespace vn
