// Damaged libraries, made by cutting and patching a library compiled by the
// real resource compiler.
#include "resources/ExternalResources.h"

#include "TestLibraries.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace stoupe;

namespace {

struct EntryAt {
    qsizetype start;
    quint32 dataSize;
    quint32 headerSize;
    quint16 type; // ordinal types and names only: the test libraries use no others
    quint16 name;
};

// Walks a sound library's headers.
std::vector<EntryAt> walk(const QByteArray& b) {
    std::vector<EntryAt> out;
    qsizetype at = 0;
    while (at + 16 <= b.size()) {
        const auto* p = reinterpret_cast<const uchar*>(b.constData()) + at;
        EntryAt e{at, qFromLittleEndian<quint32>(p), qFromLittleEndian<quint32>(p + 4),
                  qFromLittleEndian<quint16>(p + 10), qFromLittleEndian<quint16>(p + 14)};
        out.push_back(e);
        at = (at + e.headerSize + e.dataSize + 3) & ~qsizetype(3);
    }
    return out;
}

const EntryAt& entryOf(const std::vector<EntryAt>& entries, quint16 type, quint16 name) {
    for (const auto& e : entries) {
        if (e.type == type && e.name == name)
            return e;
    }
    throw std::runtime_error("entry not in test library");
}

void putU32(QByteArray& b, qsizetype at, quint32 value) {
    qToLittleEndian(value, reinterpret_cast<uchar*>(b.data()) + at);
}

class HostileLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        bytes = testLibraryBytes("Texts");
        ASSERT_FALSE(bytes.isEmpty());
        entries = walk(bytes);
        ASSERT_GT(entries.size(), 4u);
    }
    QByteArray bytes;
    std::vector<EntryAt> entries;
};

TEST_F(HostileLibrary, ATruncatedLibraryIsRefusedUnlessCutBetweenEntries) {
    std::set<qsizetype> boundaries;
    for (const auto& e : entries) {
        // Anywhere from the end of the data to the end of its padding.
        for (qsizetype end = e.start + e.headerSize + e.dataSize; end % 4 != 0; ++end)
            boundaries.insert(end);
        boundaries.insert(e.start);
    }
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        ExternalResources res;
        const bool opened = res.openBytes(bytes.left(length));
        EXPECT_EQ(opened, length > 0 && boundaries.count(length) > 0) << "length " << length;
        qint32 luid = 0;
        do {
            res.EnumerateString(luid);
        } while (luid > 0);
    }
}

TEST_F(HostileLibrary, BrokenHeadersAreRefused) {
    const EntryAt& block = entryOf(entries, 6, 1);
    const struct {
        const char* what;
        qsizetype at;
        quint32 value;
    } patches[] = {
        {"data size past the end", block.start, 0xFFFFFFF0u},
        {"data size one word too long", block.start, block.dataSize + 4},
        {"zero header size", block.start + 4, 0},
        {"header size too small", block.start + 4, 28},
        {"misaligned header size", block.start + 4, block.headerSize + 2},
        {"header size past the end", block.start + 4, 0x7FFFFFFFu},
        {"not a 32-bit resource file", 4, 0x40},
        {"first entry with data", 0, 4},
    };
    for (const auto& p : patches) {
        QByteArray damaged = bytes;
        putU32(damaged, p.at, p.value);
        ExternalResources res;
        EXPECT_FALSE(res.openBytes(damaged)) << p.what;
    }
}

TEST_F(HostileLibrary, ADamagedStringBlockIsMissingAndTheRestStillReads) {
    const EntryAt& block = entryOf(entries, 6, 1); // strings 0 to 15
    QByteArray damaged = bytes;
    // The length of string 0 now runs far past the block's data.
    damaged[block.start + block.headerSize] = char(0xFF);
    damaged[block.start + block.headerSize + 1] = char(0x7F);

    ExternalResources res;
    ASSERT_TRUE(res.openBytes(damaged));
    EXPECT_EQ(res.LoadText(10), "");
    EXPECT_EQ(res.LoadText(40000), "Forty thousand");
    std::vector<qint32> numbers;
    qint32 luid = 0;
    for (res.EnumerateString(luid); luid > 0; res.EnumerateString(luid))
        numbers.push_back(luid);
    EXPECT_EQ(numbers, (std::vector<qint32>{20, 21, 40000, 40002}));
}

TEST_F(HostileLibrary, ADamagedVersionBlockGivesNoVersion) {
    const EntryAt& version = entryOf(entries, 16, 1);
    for (const qsizetype offset : {qsizetype(6), qsizetype(40)}) { // key, then signature
        QByteArray damaged = bytes;
        damaged[version.start + version.headerSize + offset] ^= 0x55;
        ExternalResources res;
        ASSERT_TRUE(res.openBytes(damaged));
        EXPECT_FALSE(res.Version().has_value()) << offset;
        EXPECT_EQ(res.LoadText(10), "Ten");
    }
}

} // namespace
