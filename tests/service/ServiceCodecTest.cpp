// Decoding of request bodies and the integrity check of uploaded acquisitions.

#include "service/RequestFields.h"
#include "service/ServiceBase64.h"
#include "service/VariantEncoding.h"
#include "service/ZavCheck.h"

#include <gtest/gtest.h>

#include <random>

using namespace stoupe::service;
using stoupe::service::fixtures::Acquisition;
using stoupe::service::fixtures::EncodeVariant;

TEST(ServiceBase64, DecodesTheVariantAlphabetAndPadding) {
    EXPECT_EQ(DecodeVariantBase64("YWJj"), "abc");
    EXPECT_EQ(DecodeVariantBase64("_/8$"), "\xFB\xFF");
    EXPECT_EQ(DecodeVariantBase64("AA$$"), std::string(1, '\0'));
    EXPECT_EQ(DecodeVariantBase64(""), "");
    EXPECT_EQ(DecodeVariantBase64("A"), ""); // a single value left over gives no byte
}

TEST(ServiceBase64, RoundTripsEveryLengthAcrossLineBreaks) {
    std::mt19937 random(7);
    std::string bytes;
    for (size_t n = 0; n < 300; ++n) {
        EXPECT_EQ(DecodeVariantBase64(EncodeVariant(bytes)), bytes) << "length " << n;
        bytes += static_cast<char>(random());
    }
}

TEST(ServiceRequestFields, SplitsMarkedFieldsInOrder) {
    using Fields = std::vector<std::string>;
    EXPECT_EQ(SplitFieldText("???1???a@b.c???2???False???3???pw", 3),
              (Fields{"a@b.c", "False", "pw"}));
    EXPECT_EQ(SplitFieldText("???1???u???2???al???3???pw???4???True???5???", 5),
              (Fields{"u", "al", "pw", "True", ""}));
    EXPECT_FALSE(SplitFieldText("???1???u???3???x???2???y", 3));
    EXPECT_FALSE(SplitFieldText("u???2???x???3???y", 3));
    EXPECT_FALSE(SplitFieldText("???1???u???2???x", 3));
    EXPECT_FALSE(SplitFieldText("", 1));
}

TEST(ServiceRequestFields, DecodesTheThreeBodies) {
    using fixtures::CheckBody;
    using fixtures::DeleteBody;
    using fixtures::UploadBody;

    const auto check = DecodeCheckBody(CheckBody("a@b.c", "pw", false));
    ASSERT_EQ(check.status, BodyStatus::Ok);
    EXPECT_EQ(check.request.account.user, "a@b.c");
    EXPECT_EQ(check.request.account.password, "pw");
    EXPECT_FALSE(check.request.account.newUser);

    const auto del = DecodeDeleteBody(DeleteBody("a@b.c", "pw", "Old-1", true));
    ASSERT_EQ(del.status, BodyStatus::Ok);
    EXPECT_EQ(del.request.alias, "Old-1");
    EXPECT_TRUE(del.request.account.newUser);

    const std::string data = Acquisition(5000, 'x');
    const auto upload = DecodeUploadBody(UploadBody("a@b.c", "pw", "new_1", false, data, "r@s.t"));
    ASSERT_EQ(upload.status, BodyStatus::Ok);
    EXPECT_EQ(upload.request.alias, "new_1");
    EXPECT_EQ(upload.request.referrer, "r@s.t");
    EXPECT_EQ(upload.request.data, data);
}

TEST(ServiceRequestFields, RefusesEmptyAndIncompleteBodies) {
    struct Case {
        const char* name;
        std::string body;
        BodyStatus check, upload;
    };
    const std::string fields = "???1???u???2???a???3???p???4???True???5???";
    const std::vector<Case> cases = {
        {"empty", "", BodyStatus::Empty, BodyStatus::Empty},
        {"only a line break", "\r\n", BodyStatus::Empty, BodyStatus::Empty},
        {"no markers", EncodeVariant("hello"), BodyStatus::FieldsMissing, BodyStatus::Empty},
        {"upload without data", EncodeVariant(fields) + "***", BodyStatus::FieldsMissing,
         BodyStatus::Empty},
        {"flag neither True nor False",
         EncodeVariant("???1???u???2???maybe???3???p") + "***" + EncodeVariant("data"),
         BodyStatus::FieldsMissing, BodyStatus::FieldsMissing},
        {"empty password", EncodeVariant("???1???u???2???True???3???"), BodyStatus::FieldsMissing,
         BodyStatus::Empty},
        {"not the variant at all", "\x01\xff***\x80", BodyStatus::FieldsMissing,
         BodyStatus::FieldsMissing},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeCheckBody(c.body).status, c.check) << c.name;
        EXPECT_EQ(DecodeUploadBody(c.body).status, c.upload) << c.name;
    }
}

TEST(ServiceZavCheck, WordSumMatchesAPlainSumAtEveryAlignment) {
    EXPECT_EQ(WordSum("abc"), 0x62C4);
    EXPECT_EQ(WordSum(""), 0);
    // All-ones bytes make the fast path's lanes carry as much as they can;
    // the size crosses its internal block boundary.
    const std::string ones(8 * 65536 * 2 + 13, '\xFF');
    for (size_t size : {size_t{1}, size_t{7}, size_t{9}, size_t{8 * 65536}, ones.size()}) {
        const std::string_view bytes(ones.data(), size);
        uint64_t plain = 0;
        for (size_t i = 0; i < size; i += 2)
            plain += 0xFF + (i + 1 < size ? 0xFF00 : 0);
        EXPECT_EQ(WordSum(bytes), static_cast<uint16_t>(plain)) << size;
    }
}

TEST(ServiceZavCheck, AcceptsOnlyIntactAcquisitions) {
    const std::string good = Acquisition(6000, '\x5A');
    EXPECT_EQ(CheckAcquisition(good), AcquisitionCheck::Intact);
    EXPECT_EQ(CheckAcquisition(Acquisition()), AcquisitionCheck::Intact);

    const auto changed = [&](size_t at, char value) {
        std::string bytes = good;
        bytes[at] = value;
        return bytes;
    };
    EXPECT_EQ(CheckAcquisition(good.substr(0, 1352)), AcquisitionCheck::TooShort);
    EXPECT_EQ(CheckAcquisition(changed(4, 'X')), AcquisitionCheck::WrongSignature);
    EXPECT_EQ(CheckAcquisition(changed(1350, 'X')), AcquisitionCheck::WrongSecondSignature);
    EXPECT_EQ(CheckAcquisition(changed(8, 2)), AcquisitionCheck::WrongHeader);
    EXPECT_EQ(CheckAcquisition(changed(10, 0)), AcquisitionCheck::WrongHeader);
    EXPECT_EQ(CheckAcquisition(changed(5999, 'a')), AcquisitionCheck::WrongWordSum);
    EXPECT_EQ(CheckAcquisition(changed(2000, 0)), AcquisitionCheck::WrongWordSum);
}
