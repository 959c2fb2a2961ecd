// vellamor-service's command line and the targets it routes.

#include "service/ServiceOptions.h"
#include "service/PagePath.h"
#include "service/VellamorService.h"

#include <gtest/gtest.h>

using namespace stoupe::service;

TEST(ServiceOptions, ReadsEveryOptionInBothForms) {
    ServiceOptions options;
    std::string error;
    ASSERT_TRUE(ParseServiceOptions({"--address", "0.0.0.0", "--port=0", "--database", "a.db",
                                     "--max-heads", "5", "--credits=0"},
                                    options, error))
        << error;
    EXPECT_EQ(options.address, "0.0.0.0");
    EXPECT_EQ(options.port, 0);
    EXPECT_EQ(options.database, "a.db");
    EXPECT_EQ(options.settings.maxHeads, 5);
    EXPECT_EQ(options.settings.startingCredits, 0);

    ServiceOptions defaults;
    ASSERT_TRUE(ParseServiceOptions({}, defaults, error));
    EXPECT_EQ(defaults.address, "127.0.0.1");
    EXPECT_EQ(defaults.port, 8642);
    EXPECT_EQ(defaults.database, ":memory:");
    EXPECT_EQ(defaults.settings.maxHeads, 3);
}

TEST(ServiceOptions, RefusesBadArguments) {
    const std::vector<std::vector<std::string>> bad = {
        {"--port", "65536"}, {"--port", "8x"}, {"--port"},     {"--max-heads", "0"},
        {"--credits", "-1"}, {"--verbose"},    {"--address="}, {"stray"},
    };
    for (const auto& args : bad) {
        ServiceOptions options;
        std::string error;
        EXPECT_FALSE(ParseServiceOptions(args, options, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(ServicePagePath, DropsSchemeAuthorityAndQuery) {
    EXPECT_EQ(PagePath("/Upload/CheckPassword.asp"), "/Upload/CheckPassword.asp");
    EXPECT_EQ(PagePath("http://127.0.0.1:8642/Upload/UploadZAV.asp"), "/Upload/UploadZAV.asp");
    EXPECT_EQ(PagePath("HTTP://host/start/_mem/forgotpass.asp?flash=ok&cn=a%40b"),
              "/start/_mem/forgotpass.asp");
    EXPECT_EQ(PagePath("http://host"), "/");
    EXPECT_EQ(TargetQuery("/a.asp?x=1&y"), "x=1&y");
    EXPECT_EQ(TargetQuery("/a.asp"), "");
}

TEST(ServicePagePath, QueryTextDecodesPercentAndFormPlus) {
    const auto query = ParseQueryText("cn=a%40b.c&x=1+2&bad=%zz%4&=v&novalue", false);
    EXPECT_EQ(query.at("cn"), "a@b.c");
    EXPECT_EQ(query.at("x"), "1+2");
    EXPECT_EQ(query.at("bad"), "%zz%4");
    EXPECT_EQ(query.at(""), "v");
    EXPECT_EQ(query.at("novalue"), "");
    EXPECT_EQ(ParseQueryText("x=1+2", true).at("x"), "1 2");
    EXPECT_EQ(ParseQueryText("a=1&b=2&c=3", false, 2).size(), 2u);
}
