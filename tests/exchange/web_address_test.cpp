#include "exchange/web/web_address.h"

#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace vn;

namespace {

const QString kHost = "https://central.varnedo.example";
const QString kStart = kHost + "/cgi-bin/VNQ.dll?";

struct AddressCase {
    const char* what;
    CentralPage page;
    CentralCodes codes;
    QString query;
};

TEST(CentralAddressTest, EachPageCarriesTheOfficeAndTheListEncoded) {
    const AddressCase cases[] = {
        {"data download", CentralPage::DataDownload, {"wy", "alb", "abc"}, "Param1=DataDown&Param2=wy&Param3=alb&Param4=abc"},
        {"form download", CentralPage::FormDownload, {"wy", "alb", "abc"}, "Param1=FormDown&Param2=wy&Param3=alb&Param4=abc"},
        {"state supporter", CentralPage::StateSupporterAccess, {"wy", "wy_", "abc"},
         "Param1=dataaccess&Param2=wy&Param3=wy_&Param4=abc"},
        {"state code in lower case", CentralPage::DataDownload, {"WY", "ALB", "abc"}, "Param1=DataDown&Param2=wy&Param3=ALB&Param4=abc"},
        {"no list yet", CentralPage::FormDownload, {"wy", "alb", ""}, "Param1=FormDown&Param2=wy&Param3=alb&Param4="},
        {"separators and escapes", CentralPage::DataDownload, {"wy", "a b", "a&b"}, "Param1=DataDown&Param2=wy&Param3=a%20b&Param4=a%26b"},
        {"plus, percent, equals, hash", CentralPage::DataDownload, {"wy", "+%2B", "=#"},
         "Param1=DataDown&Param2=wy&Param3=%2B%252B&Param4=%3D%23"},
        {"beyond ASCII", CentralPage::DataDownload, {"wy", "alb", "\u00e9t\u00e9"}, "Param1=DataDown&Param2=wy&Param3=alb&Param4=%C3%A9t%C3%A9"},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QString address = centralAddress(kHost, c.page, c.codes);
        EXPECT_EQ(address, kStart + c.query);
        // What a server decodes is what was meant.
        const QUrlQuery decoded(address.mid(kStart.size()));
        EXPECT_EQ(decoded.queryItemValue("Param3", QUrl::FullyDecoded), c.codes.countyCode);
        EXPECT_EQ(decoded.queryItemValue("Param4", QUrl::FullyDecoded), c.codes.listCode);
    }
}

}  // namespace
