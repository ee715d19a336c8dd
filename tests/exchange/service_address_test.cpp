// The central web service's addresses: one query shape for every page, values percent-encoded.
#include "exchange/central/service_address.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vn;

namespace {

TEST(ServiceAddressTest, EveryPageHasItsQuery) {
    struct Case {
        ServicePage page;
        const char* query;
    };
    const std::vector<Case> cases = {
        {ServicePage::FormUp, "Param1=FormUp&Param2=wy&Param3=alb&Param4=abc"},
        {ServicePage::Exclist, "Param1=Exclist&Param2=wy&Param3=alb&Param4=abc"},
        {ServicePage::Direct, "Param1=direct&Param2=wy&Param3=alb&Param4=abc"},
        {ServicePage::DataDown, "Param1=DataDown&Param2=wy&Param3=alb&Param4=abc"},
        {ServicePage::FormDown, "Param1=FormDown&Param2=wy&Param3=alb&Param4=abc"},
        {ServicePage::DataAccess, "Param1=dataaccess&Param2=wy&Param3=alb&Param4=abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(serviceAddress("https://central.varnedo.example", c.page, {"wy", "alb", "abc"}),
                  QString("https://central.varnedo.example/cgi-bin/VNQ.dll?") + c.query);
}

TEST(ServiceAddressTest, ValuesArePercentEncoded) {
    EXPECT_EQ(serviceAddress("http://10.0.0.5/", ServicePage::DataDown, {"wy", "wy_", "a&b c=d+e#f%g/\xC3\xA9"}),
              "http://10.0.0.5/cgi-bin/VNQ.dll?Param1=DataDown&Param2=wy&Param3=wy_&Param4=a%26b%20c%3Dd%2Be%23f%25g%2F%C3%A9");
}

TEST(ServiceAddressTest, HomePageIsTheHostWithOneSlash) {
    EXPECT_EQ(serviceHomePage("https://central.varnedo.example"), "https://central.varnedo.example/");
    EXPECT_EQ(serviceHomePage("https://central.varnedo.example/"), "https://central.varnedo.example/");
}

}  // namespace
