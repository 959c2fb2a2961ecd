#include "update/Registry.h"
#include "TempSettingsStore.h"
#include "update/RegFile.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace stoupe;
using stoupe::test::TempSettingsStore;

namespace {

const QByteArray kSample = "Windows Registry Editor Version 5.00\r\n"
                           "\r\n"
                           "; settings of the wizard\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Vellamor Ltd\\Apps\\Vellamor Stoupe]\r\n"
                           "\"GlobalTimeout\"=dword:0000001e\r\n"
                           "\"Name\"=\"quote \\\" and \\\\ back\"\r\n"
                           "\"Blob\"=hex:01,02,\\\r\n"
                           "  ff\r\n"
                           "\"Path\"=hex(2):25,00,41,00,25,00,00,00\r\n"
                           "\"Multi\"=hex(7):61,00,00,00,00,00\r\n"
                           "@=\"the default\"\r\n"
                           "\r\n"
                           "[HKEY_CLASSES_ROOT\\.zav\\shell\\open\\command]\r\n"
                           "@=\"stoupe \\\"%1\\\"\"\r\n";

} // namespace

TEST(Registry, ReadsEveryKindOfValue) {
    TempSettingsStore store;
    store.write(kSample);
    Registry reg;
    reg.RO(true);
    reg.UserKeyName("software\\vellamor ltd\\apps\\VELLAMOR STOUPE");
    EXPECT_EQ(reg.UserKeyName(), "software\\vellamor ltd\\apps\\VELLAMOR STOUPE");
    EXPECT_EQ(reg.QueryValue("globaltimeout"), RegistryValue(uint32_t(30)));
    EXPECT_EQ(reg.QueryValue("Name"), RegistryValue(QString("quote \" and \\ back")));
    EXPECT_EQ(reg.QueryValue("Blob"), RegistryValue(QByteArray("\x01\x02\xff")));
    EXPECT_EQ(reg.QueryValue("Path"), RegistryValue(QString("%A%")));
    EXPECT_TRUE(reg.QueryValue("Multi").isEmpty());
    EXPECT_TRUE(reg.QueryValue("Missing").isEmpty());
    EXPECT_EQ(reg.QueryValue(""), RegistryValue(QString("the default")));

    reg.ClassKeyName(".zav\\shell\\open\\command");
    EXPECT_EQ(reg.QueryValue(""), RegistryValue(QString("stoupe \"%1\"")));
    EXPECT_EQ(reg.UserKeyName(), "");
    EXPECT_EQ(reg.ClassKeyName(), ".zav\\shell\\open\\command");
    // A key with only sub-keys exists too.
    reg.ClassKeyName(".zav");
    EXPECT_EQ(reg.ClassKeyName(), ".zav");
}

TEST(Registry, ReadOnlyLeavesMissingKeysMissing) {
    TempSettingsStore store;
    Registry reg;
    reg.RO(true);
    reg.ClassKeyName(".xyz");
    EXPECT_EQ(reg.ClassKeyName(), "");
    EXPECT_TRUE(reg.QueryValue("").isEmpty());
    reg.SaveValueSz("a", "b");
    EXPECT_FALSE(QFile::exists(store.path()));
}

TEST(Registry, OpeningCreatesMissingKeys) {
    TempSettingsStore store;
    Registry reg;
    reg.ClassKeyName(".xyz");
    EXPECT_EQ(reg.ClassKeyName(), ".xyz");
    EXPECT_TRUE(reg.QueryValue("").isEmpty());
    const QByteArray text = store.read();
    EXPECT_TRUE(text.startsWith("Windows Registry Editor Version 5.00\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("[HKEY_CLASSES_ROOT\\.xyz]\r\n")) << text.constData();

    Registry again;
    again.RO(true);
    again.ClassKeyName(".XYZ");
    EXPECT_EQ(again.ClassKeyName(), ".XYZ");
}

TEST(Registry, SavedTextsReadBackUnchanged) {
    TempSettingsStore store;
    store.write(kSample);
    const QString texts[] = {
        "",
        "plain",
        "At 11/12/2026 10:00 = HTTP/1.1 500 Error\r\n\r\n<html>\"quoted\" \\ back\\</html>",
        QStringLiteral("caf\u00e9 \u4e2d \U0001F600 \ttab"),
        "[HKEY_CURRENT_USER\\injected]",
    };
    for (const QString& text : texts) {
        Registry writer;
        writer.UserKeyName(kProgramKey);
        writer.SaveValueSz("ServerError", text);
        Registry reader;
        reader.RO(true);
        reader.UserKeyName(kProgramKey);
        EXPECT_EQ(reader.QueryValue("SERVERERROR"), RegistryValue(text)) << text.toStdString();
        // The other values survive the rewrite.
        EXPECT_EQ(reader.QueryValue("GlobalTimeout"), RegistryValue(uint32_t(30)));
        EXPECT_EQ(reader.QueryValue("Multi").isEmpty(), true);
    }
    Registry classes;
    classes.RO(true);
    classes.ClassKeyName(".zav\\shell\\open\\command");
    EXPECT_EQ(classes.QueryValue(""), RegistryValue(QString("stoupe \"%1\"")));
    // The store is replaced whole: no temporary files are left beside it.
    EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files), QStringList{"registry.reg"});
}

TEST(Registry, DamagedFileReadsAsFarAsItIsSound) {
    TempSettingsStore store;
    QByteArray damaged = kSample;
    damaged.insert(damaged.indexOf("\"Name\""),
                   "\"Broken=\r\n\"Bad\"=dword:xyz\r\n\x00\xff\xfe garbage\r\n");
    damaged += "[HKEY_CURRENT_USER\\Half]\r\n\"Cut\"=\"no end";
    store.write(damaged);
    Registry reg;
    reg.UserKeyName(kProgramKey);
    EXPECT_EQ(reg.QueryValue("GlobalTimeout"), RegistryValue(uint32_t(30)));
    EXPECT_EQ(reg.QueryValue("Name"), RegistryValue(QString("quote \" and \\ back")));
    EXPECT_TRUE(reg.QueryValue("Bad").isEmpty());
    reg.UserKeyName("Half");
    EXPECT_EQ(reg.UserKeyName(), "Half");
    EXPECT_TRUE(reg.QueryValue("Cut").isEmpty());
    reg.SaveValueSz("Cut", "mended");
    EXPECT_EQ(reg.QueryValue("Cut"), RegistryValue(QString("mended")));
}

TEST(Registry, HostileFilesNeverCrash) {
    const QByteArray files[] = {
        QByteArray(),
        "\xff\xfe",
        QByteArray("\xff\xfe[\0H\0", 6),
        "[",
        "]\r\n[HKEY_CURRENT_USER]\r\n\"a\"=hex:",
        "[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex:1,\\",
        "[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex:100,zz\r\n\"w\"=dword:123456789\r\n@",
        "[HKEY_CURRENT_USER\\a]\r\n\"\\",
        QByteArray(5000, '\\'),
        QByteArray(5000, '['),
        "[HKEY_CURRENT_USER\\a \\]\r\n\"v\"=\"x\"",
    };
    for (const QByteArray& file : files) {
        // What was read is written and read again unchanged.
        const QByteArray written = SerializeRegText(ParseRegText(file));
        EXPECT_EQ(SerializeRegText(ParseRegText(written)), written) << file.constData();
    }
}

TEST(Registry, UnicodeFileAsRegeditWritesIt) {
    TempSettingsStore store;
    const QString text = "Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Vellamor Ltd\\Apps\\Vellamor Stoupe]\r\n"
                         "\"GlobalTimeout\"=\"20\"\r\n";
    QByteArray utf16("\xff\xfe");
    for (QChar c : text)
        utf16 += QByteArray(reinterpret_cast<const char*>(&c), 2);
    store.write(utf16);
    EXPECT_EQ(GlobalTimeout(), 20);
}

TEST(Registry, GlobalTimeout) {
    const struct {
        QByteArray value;
        int seconds;
    } cases[] = {
        {"", 30},
        {"\"GlobalTimeout\"=dword:00000014\r\n", 20},
        {"\"GlobalTimeout\"=dword:00000000\r\n", 30},
        {"\"GlobalTimeout\"=\"-5\"\r\n", 30},
        {"\"GlobalTimeout\"=\"12\"\r\n", 12},
        {"\"GlobalTimeout\"=\"soon\"\r\n", 30},
        {"\"GlobalTimeout\"=dword:00010000\r\n", 30},
        {"\"GlobalTimeout\"=hex:14,00\r\n", 30},
    };
    for (const auto& c : cases) {
        TempSettingsStore store;
        store.write("Windows Registry Editor Version 5.00\r\n\r\n"
                    "[HKEY_CURRENT_USER\\Software\\Vellamor Ltd\\Apps\\Vellamor Stoupe]\r\n" +
                    c.value);
        EXPECT_EQ(GlobalTimeout(), c.seconds) << c.value.constData();
    }
}

TEST(Registry, InternetSettingsFromTheEnvironment) {
    TempSettingsStore store;
    qputenv("http_proxy", "http://proxy.example:3128");
    qputenv("no_proxy", "localhost,.example.org");
    Registry reg;
    reg.RO(true);
    reg.UserKeyName(kInternetSettingsKey);
    EXPECT_EQ(reg.QueryValue("ProxyEnable"), RegistryValue(uint32_t(1)));
    EXPECT_EQ(reg.QueryValue("ProxyServer"), RegistryValue(QString("proxy.example:3128")));
    EXPECT_EQ(reg.QueryValue("ProxyOverride"), RegistryValue(QString("localhost;.example.org")));

    qunsetenv("http_proxy");
    qunsetenv("no_proxy");
    Registry none;
    none.RO(true);
    none.UserKeyName(kInternetSettingsKey);
    EXPECT_EQ(none.UserKeyName(), "");
}
