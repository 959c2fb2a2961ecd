#include "transfer/clsReturnedData.h"

#include <gtest/gtest.h>

using namespace stoupe;

namespace {

// The flags a parse set, as one comparable text.
std::string flags(const clsReturnedData& d) {
    std::string s;
    auto add = [&](bool on, const char* name) {
        if (on)
            s += std::string(s.empty() ? "" : " ") + name;
    };
    add(d.bInValidPost, "InValidPost");
    add(d.bCRCError, "CRCError");
    add(d.bNotEnoughCredits, "NotEnoughCredits");
    add(d.bDecodeError, "DecodeError");
    add(d.bNotNew, "NotNew");
    add(d.bNotExisting, "NotExisting");
    add(d.bCouldntDelete, "CouldntDelete");
    add(d.bCouldntAdd, "CouldntAdd");
    return s;
}

QString answer(const QString& items) {
    return QStringLiteral("HTTP/1.1 200 OK\r\n\r\n###RETURNED DATA###") + items +
           QStringLiteral("###DATA TRANSFER COMPLETE###");
}

} // namespace

TEST(ReturnedData, ParsesTheBlock) {
    const struct {
        QString items;
        std::string flags;
        int responseType;
        QStringList aliases;
        int maxAliases;
    } cases[] = {
        {"###STA:User Checked###;###ALI:first###;###ALI:second###;###MAX:3###;",
         "",
         0,
         {"first", "second"},
         3},
        {"###ERR:User already exists###;", "NotNew", 0, {}, 0},
        {"###ERR:Username and password didn't match###;", "NotExisting", 0, {}, 0},
        {"###ERR:Zav Upload Failed###;", "CouldntAdd", 0, {}, 0},
        {"###ERR:No data sent to server###;", "InValidPost", 0, {}, 0},
        {"###ERR:User Email, password or alias missing###;", "InValidPost", 0, {}, 0},
        {"###ERR:Unable to delete vellamor on server###;", "CouldntDelete", 0, {}, 0},
        {"###ERR:CRC Check failed###;", "CRCError", 0, {}, 0},
        {"###ERR:Insufficient Credits###;", "NotEnoughCredits", 0, {}, 0},
        {"###STA:Vellamor Deleted###;", "", 1, {}, 0},
        {"###STA:Zav uploaded###;###STA:Vellamor Deleted###;", "", 1, {}, 0},
        {"###ERR:User already exists###;###RST:x###;###STA:Zav uploaded###;", "", 2, {}, 0},
        {"junk before###ALI:a b###;###NUM:1###;###XYZ:anything###;", "", 0, {"a b"}, 0},
        {"###ALI:###;###MAX: 7 ###;", "", 0, {""}, 7},
        // Failures: the items before the failing one stay applied.
        {"###ALI:kept###;###ERR:Insufficient credits###;", "DecodeError", 0, {"kept"}, 0},
        {"###STA:user checked###;", "DecodeError", 0, {}, 0},
        {"###RST###;", "DecodeError", 0, {}, 0},
        {"abc###;", "DecodeError", 0, {}, 0},
        {"###MAX:three###;", "DecodeError", 0, {}, 0},
        {"###MAX:70000###;", "DecodeError", 0, {}, 0},
    };
    for (const auto& c : cases) {
        clsReturnedData d;
        d.Parse(answer(c.items));
        SCOPED_TRACE(c.items.toStdString());
        EXPECT_EQ(flags(d), c.flags);
        EXPECT_EQ(d.nResponseType, c.responseType);
        EXPECT_EQ(d.colAliases, c.aliases);
        EXPECT_EQ(d.intMaxAliases, c.maxAliases);
        EXPECT_EQ(d.strReturnedData, answer(c.items));
        EXPECT_EQ(d.strDataError.isEmpty(), !d.bDecodeError);
    }
}

TEST(ReturnedData, DecodeErrorKeepsTheRestFromTheFailingItem) {
    clsReturnedData d;
    d.Parse(answer("###ALI:a###;###ERR:nope###;###ALI:b###;"));
    EXPECT_TRUE(d.bDecodeError);
    EXPECT_EQ(d.strDataError, "###ERR:nope###;###ALI:b###;###DATA TRANSFER COMPLETE###");
    EXPECT_EQ(d.colAliases, QStringList{"a"});
}

TEST(ReturnedData, MissingMarkerOrEmptyText) {
    for (const QString& text : {QString(), QStringLiteral("HTTP/1.1 200 OK\r\n\r\n###ALI:a###;")}) {
        clsReturnedData d;
        d.Parse(text);
        EXPECT_TRUE(d.bDecodeError);
        EXPECT_TRUE(d.colAliases.isEmpty());
    }
}

TEST(ReturnedData, LongAnswersParseQuickly) {
    QString items;
    for (int i = 0; i < 60000; ++i)
        items += QStringLiteral("###ALI:h%1###;").arg(i);
    clsReturnedData d;
    d.Parse(answer(items));
    EXPECT_FALSE(d.bDecodeError);
    EXPECT_EQ(d.colAliases.size(), 60000);
}
