// The skin descriptor and image container readers on hand-made and broken files.
#include "SkinDescriptor.h"
#include "TestFiles.h"
#include "vexa_chk_file.h"
#include "vexa_dsc_file.h"

#include <gtest/gtest.h>

namespace {

bool loadBytes(vexa_dsc_file &dsc, const Bytes &b)
{
    return dsc.load(b.data(), b.size());
}

// A BMP-shaped blob: "BM", total size, then filler bytes up to that size.
Bytes bmpBlob(uint32_t size, uint8_t fill)
{
    Bytes b = {'B', 'M'};
    putLe32(b, size);
    b.insert(b.end(), 8, 0);
    b.resize(size, fill);
    return b;
}

// Two pictures of 40 and 60 bytes.
Bytes twoBmps()
{
    Bytes b = bmpBlob(40, 0x11);
    append(b, bmpBlob(60, 0x22));
    return b;
}

} // namespace

// The count field says one less than the items, and the size must match it exactly.
TEST(SkinDescriptor, CountFieldMustMatchTheSize)
{
    const Bytes three = skinDescriptorBytes({{1, 1, 0, 0, 1, 1}, {2, 2, 0, 0, 1, 1}, {3, 3, 0, 0, 1, 1}});
    ASSERT_EQ(three.size(), 148u);
    vexa_dsc_file dsc;
    EXPECT_TRUE(loadBytes(dsc, three));
    EXPECT_EQ(dsc.items().size(), 3u);

    Bytes longer = three;
    longer.push_back(0);
    EXPECT_FALSE(loadBytes(dsc, longer));
    EXPECT_TRUE(dsc.items().empty());  // a failed load leaves no stale items
    Bytes shorter = three;
    shorter.pop_back();
    EXPECT_FALSE(loadBytes(dsc, shorter));
    EXPECT_FALSE(dsc.load(nullptr, 0));
    EXPECT_FALSE(loadBytes(dsc, Bytes{0, 0, 0, 0}));          // one item announced, none there
    EXPECT_FALSE(loadBytes(dsc, Bytes(25, 0)));               // below the 26-byte minimum
    Bytes wrapped = {0xFF, 0xFF, 0xFF, 0xFF};                 // count would wrap to zero
    append(wrapped, skinItemBytes({1, 1, 0, 0, 1, 1}));
    EXPECT_FALSE(loadBytes(dsc, wrapped));
    EXPECT_TRUE(loadBytes(dsc, skinDescriptorBytes({{7, 1, 0, 0, 1, 1}})));  // count field 0: one item
}

TEST(SkinDescriptor, DecodesEveryFieldLittleEndian)
{
    vexa_dsc_file dsc;
    ASSERT_TRUE(loadBytes(dsc, skinDescriptorBytes({{-5, 3, -10, 20, 110, 70, 0x01020304, 0}})));
    const _vexa_skin_item_t item = dsc.item(-5);
    EXPECT_EQ(item.key, -5);
    EXPECT_EQ(item.kind, 3);
    EXPECT_EQ(item.left, -10);
    EXPECT_EQ(item.top, 20);
    EXPECT_EQ(item.right, 110);
    EXPECT_EQ(item.bottom, 70);
    EXPECT_EQ(item.bmp_offset, 0x01020304u);
    EXPECT_EQ(item.visible, 0);
    EXPECT_TRUE(dsc.contains(-5));
}

TEST(SkinDescriptor, LaterRecordOfAKeyWinsAndUnknownKeysAreZero)
{
    vexa_dsc_file dsc;
    ASSERT_TRUE(loadBytes(dsc, skinDescriptorBytes({{4, 2, 1, 1, 2, 2}, {9, 1, 0, 0, 5, 5}, {4, 3, 10, 20, 30, 40}})));
    EXPECT_EQ(dsc.items().size(), 2u);
    EXPECT_EQ(dsc.item(4).kind, 3);
    EXPECT_EQ(dsc.item(4).right, 30);
    EXPECT_FALSE(dsc.contains(123));
    EXPECT_EQ(bytesOf(dsc.item(123)), Bytes(sizeof(_vexa_skin_item_t), 0));
}

TEST(SkinDescriptor, FileAndMemoryAgree)
{
    TempDir dir;
    const Bytes bytes = skinDescriptorBytes({{0, 2, 0, 0, 1024, 768}, {1, 1, 15, 88, 655, 568}});
    writeFile(dir.file("brumoset.dsc"), bytes);
    vexa_dsc_file dsc;
    ASSERT_TRUE(dsc.load(dir.file("brumoset.dsc").c_str()));
    EXPECT_EQ(dsc.item(1).bottom, 568);
    EXPECT_FALSE(dsc.load(dir.file("missing.dsc").c_str()));
    EXPECT_FALSE(dsc.load(nullptr));
    Bytes broken = bytes;
    broken.resize(bytes.size() - 48);
    writeFile(dir.file("broken.dsc"), broken);
    EXPECT_FALSE(dsc.load(dir.file("broken.dsc").c_str()));
}

TEST(SkinContainer, ReadsEachBmpByItsOwnSizeOrNothing)
{
    const Bytes container = twoBmps();
    vexa_chk_file chk;
    ASSERT_TRUE(chk.open(container));
    EXPECT_EQ(chk.file_size(), 100);
    const Bytes first = chk.read_bmp_data(0);
    ASSERT_EQ(first.size(), 40u);
    EXPECT_EQ(first, Bytes(container.begin(), container.begin() + 40));
    const Bytes second = chk.read_bmp_data(40);
    ASSERT_EQ(second.size(), 60u);
    EXPECT_EQ(second.back(), 0x22);

    // Broken offsets and sizes give no image.
    EXPECT_TRUE(chk.read_bmp_data(14).empty());     // not at "BM"
    EXPECT_TRUE(chk.read_bmp_data(100).empty());    // at the end
    EXPECT_TRUE(chk.read_bmp_data(0xFFFFFFFFu).empty());
    EXPECT_TRUE(chk.read_bmp_data(90).empty());     // fewer than 14 bytes left

    // Size fields one byte past the container, absurd, smaller than the header, just the header.
    for (const auto &[size, got] : {std::pair<uint32_t, size_t>{41, 0}, {0xFF0000FF, 0}, {13, 0}, {14, 14}}) {
        Bytes blob = bmpBlob(40, 0x11);
        for (int i = 0; i < 4; ++i)
            blob[size_t(2 + i)] = uint8_t(size >> (8 * i));
        ASSERT_TRUE(chk.open(blob));
        EXPECT_EQ(chk.read_bmp_data(0).size(), got) << size;
    }

    vexa_chk_file closed;
    EXPECT_TRUE(closed.read_bmp_data(0).empty());
}

TEST(SkinContainer, FileFormReadsOnDemandAndSavesUnchanged)
{
    TempDir dir;
    const Bytes container = twoBmps();
    writeFile(dir.file("brumoset.chk"), container);
    vexa_chk_file chk;
    EXPECT_FALSE(chk.open(dir.file("missing.chk").c_str()));
    ASSERT_TRUE(chk.open(dir.file("brumoset.chk").c_str()));
    EXPECT_EQ(chk.file_size(), 100);
    EXPECT_TRUE(chk.read_bmp_data(7).empty());
    // a rejected header leaves the container usable
    ASSERT_TRUE(chk.save_bmp_file(40, dir.file("out.bmp").c_str()));
    EXPECT_EQ(readFile(dir.file("out.bmp")), Bytes(container.begin() + 40, container.end()));
    EXPECT_FALSE(chk.save_bmp_file(40, nullptr));
    EXPECT_FALSE(chk.save_bmp_file(3, dir.file("none.bmp").c_str()));
    chk.close();
    EXPECT_FALSE(chk.is_open());
    EXPECT_TRUE(chk.read_bmp_data(0).empty());
}
