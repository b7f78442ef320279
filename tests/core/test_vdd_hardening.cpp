// Recordings that shrink, vanish or were crafted, and the descriptors the readers hold.
#include "FileLimit.h"
#include "VddFileTest.h"
#include "VddScanner.h"

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

// The scanner's defaults with reads of the given size.
VddScanOptions readsOf(size_t chunk)
{
    VddScanOptions options;
    options.chunkSize = chunk;
    return options;
}

size_t openDescriptors()
{
    return size_t(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

} // namespace

// Pictures, end markers in telemetry and padding cut at every chunk boundary give the same frames.
TEST_F(VddFileTest, ScanFindsPicturesSplitAcrossChunks)
{
    Payload marker = framePayload(1);
    marker.gx = int16_t(0xFF00);
    marker.gy = 0x01D9;
    Recording r;
    r.vdd = {0xFF, 0xD9, 0xFF};
    for (int i = 0; i < 6; ++i) {
        r.addFrame(i % 2 ? marker : framePayload(i), 5 + size_t(i) * 7);
        r.vdd.push_back(0xFF);
    }
    for (size_t chunk : {1, 2, 3, 5, 61, 64, 1000}) {
        file.set_scan_options(readsOf(chunk));
        ASSERT_TRUE(openBytes(r.vdd)) << chunk;
        expectScanned(r);
    }
}

// End markers inside the comment are decided by one marker walk per picture, not one per pair.
TEST_F(VddFileTest, EndMarkersInTheCommentCostOneWalkPerPicture)
{
    Bytes payload = makePayload(framePayload(0));
    for (int i = 0; i < 30000; ++i)
        append(payload, {0xFF, 0xD9});
    Recording r;
    for (int i = 0; i < 8; ++i)
        r.add(makePicture(&payload), payload);
    uint64_t walks = 0;
    VddScanOptions counted;
    counted.markerWalks = &walks;
    file.set_scan_options(counted);
    ASSERT_TRUE(openBytes(r.vdd));
    expectScanned(r);
    EXPECT_EQ(walks, 8u);
}

TEST_F(VddFileTest, FileShrinkingDuringTheScanFailsTheRecording)
{
    Recording r;
    for (int i = 0; i < 40; ++i)
        r.addFrame(framePayload(i), 1000);
    writeFile(vddPath(), r.vdd);
    const std::string path = vddPath();
    VddScanOptions shrinking = readsOf(4096);
    shrinking.afterRead = [&path](uint64_t) { ASSERT_EQ(truncate(path.c_str(), 5000), 0); };
    file.set_scan_options(shrinking);
    EXPECT_FALSE(file.open(vddPath().c_str(), nullptr));
    EXPECT_NE(file.error_string().find("read failed"), std::string::npos) << file.error_string();
    EXPECT_EQ(file.frame_count(), 0u);
}

TEST_F(VddFileTest, FileShrinkingAfterIndexingFailsEveryRead)
{
    const Recording r = makeRecording(3);
    ASSERT_TRUE(openBytes(r.vdd));
    const std::string still = dir.file("still.jpg");
    writeFile(still, Bytes(3, 0x55));
    ASSERT_EQ(truncate(vddPath().c_str(), off_t(r.offsets[1] + 10)), 0);
    Bytes buf(r.pictures[2].size());
    uint8_t comment[VEXA_COMMENT_SIZE];
    EXPECT_TRUE(file.get_jpeg_comment(0, comment));
    EXPECT_FALSE(file.get_frame_data(2, buf.data(), buf.size()));
    EXPECT_FALSE(file.get_jpeg_comment(1, comment));
    EXPECT_FALSE(file.save_jpeg_file(2, still.c_str()));
    EXPECT_EQ(readFile(still), Bytes(3, 0x55));
}

// Recordings hold no descriptor of their own: a few are cached, closing releases them.
TEST_F(VddFileTest, ManyRecordingsShareAFewDescriptors)
{
    const size_t before = openDescriptors();
    const Recording r = makeRecording(1);
    std::vector<std::unique_ptr<vexa_vdd_file>> readers;
    uint8_t comment[VEXA_COMMENT_SIZE];
    for (int i = 0; i < 40; ++i) {
        const std::string path = dir.file(std::to_string(i) + ".vdd");
        writeFile(path, r.vdd);
        readers.push_back(std::make_unique<vexa_vdd_file>());
        ASSERT_TRUE(readers.back()->open(path.c_str(), nullptr));
        ASSERT_TRUE(readers.back()->get_jpeg_comment(0, comment));
    }
    EXPECT_LE(openDescriptors(), before + 16);
    readers.clear();
    EXPECT_EQ(openDescriptors(), before);
}

// A write that fails half-way leaves the still that was there before.
TEST_F(VddFileTest, FailedSaveKeepsTheExistingFile)
{
    const Recording r = makeRecording(1);
    ASSERT_TRUE(openBytes(r.vdd));
    const std::string still = dir.file("still.jpg");
    writeFile(still, Bytes(3, 0x55));
    EXPECT_FALSE(withFileLimit(50, [&] { return file.save_jpeg_file(0, still.c_str()); }));
    EXPECT_EQ(readFile(still), Bytes(3, 0x55));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}
