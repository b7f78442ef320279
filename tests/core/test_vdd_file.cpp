#include "VddFileTest.h"

#include <filesystem>

// --- Scanning the .vdd ---------------------------------------------------------------

// Recordings a scan must index: each header as its picture's comment reads, in file order,
// stepping over the bytes around and between the pictures. End markers in the telemetry and
// a lone 0xFF at the end are among the chunk boundary cases.
class GoodScan : public VddFileTest, public ::testing::WithParamInterface<std::pair<const char *, Recording (*)()>> {};

const std::pair<const char *, Recording (*)()> goodScans[] = {
    {"PicturesEndToEnd", [] { return makeRecording(3); }},
    {"PaddingBetweenPictures", [] {
         Recording r;
         r.vdd = {0x00, 0xFF, 0x00, 0xFF, 0xD9, 0xFF};  // a stray end marker outside any picture
         r.addFrame(framePayload(0));
         append(r.vdd, Bytes(100, 0xAA));
         append(r.vdd, {0xFF, 0xFF, 0xFF});
         r.addFrame(framePayload(1));
         append(r.vdd, Bytes(7, 0x00));
         return r;
     }},
    {"PictureWithoutComment", [] {
         Recording r;
         r.addFrame(framePayload(0));
         r.vdd.insert(r.vdd.end(), {0x01, 0x02});
         append(r.vdd, makePicture(nullptr));
         r.addFrame(framePayload(2));
         return r;
     }},
    {"TruncatedLastPicture", [] {
         Recording r = makeRecording(2);
         Bytes cut = makePicture(&r.payloads[0]);
         cut.resize(cut.size() - 1);  // ends with a lone 0xFF
         append(r.vdd, cut);
         return r;
     }},
    {"FillAndRestartMarkers", [] {
         const Bytes payload = makePayload(framePayload(7));
         Bytes pic{0xFF, 0xD8, 0xFF, 0x01, 0xFF, 0xD3, 0x00, 0x12, 0xFF, 0xFE, 0x00, uint8_t(payload.size() + 2)};
         append(pic, payload);
         append(pic, {0xFF, 0xD9});
         Recording r;
         r.add(pic, payload);
         return r;
     }},
};

TEST_P(GoodScan, FindsThePicturesWithTelemetry)
{
    const Recording r = GetParam().second();
    ASSERT_TRUE(openBytes(r.vdd));
    expectScanned(r);
}

INSTANTIATE_TEST_SUITE_P(Scan, GoodScan, ::testing::ValuesIn(goodScans),
                         [](const auto &info) { return std::string(info.param.first); });

TEST_F(VddFileTest, ScanDropsPicturesCutInsideTheirHeaders)
{
    const Bytes payload = makePayload(framePayload(0));
    const Bytes whole = makePicture(&payload);
    // Every prefix of a picture, closed with an end marker, must be handled without reading past it.
    for (size_t n = 2; n < 60; ++n) {
        Bytes pic(whole.begin(), whole.begin() + long(n));
        append(pic, {0xFF, 0xD9});
        ASSERT_TRUE(openBytes(pic));
        EXPECT_EQ(file.frame_count(), 0u) << "prefix " << n;
    }
}

// Recordings in which a scan finds no picture with telemetry; add a row for each new case.
class BadPicture : public VddFileTest, public ::testing::WithParamInterface<std::pair<const char *, Bytes>> {};

std::vector<std::pair<const char *, Bytes>> badPictures()
{
    const Bytes payload = makePayload(framePayload(0));
    const uint8_t comLength = uint8_t(payload.size() + 2);
    // The COM segment sits behind SOS, so it belongs to the scan data.
    Bytes afterScan{0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x04, 0x01, 0x00, 0xFF, 0xFE, 0x00, comLength};
    Bytes lengthPastEnd{0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF, 0x00, 0xFF, 0xFE, 0x00, comLength};
    for (Bytes *b : {&afterScan, &lengthPastEnd}) {
        append(*b, payload);
        append(*b, {0xFF, 0xD9});
    }
    // A comment of 10 bytes right before the end marker: 59 bytes would run past the picture.
    Bytes shortComment{0xFF, 0xD8, 0xFF, 0xFE, 0x00, 12};
    append(shortComment, Bytes(10, 0x20));
    append(shortComment, {0xFF, 0xD9});
    return {{"CommentAfterScanStart", afterScan}, {"SegmentLengthPastTheEnd", lengthPastEnd},
            {"PayloadRunsPastThePicture", shortComment}, {"Lone0xFF", {0xFF}},
            {"CutAfterStart", {0xFF, 0xD8, 0xFF}}, {"Empty", {}}};
}

TEST_P(BadPicture, GivesNoFrame)
{
    ASSERT_TRUE(openBytes(GetParam().second));
    EXPECT_EQ(file.frame_count(), 0u);
    EXPECT_EQ(+file.index_header().magic, VEXA_INDEX_MAGIC);
    EXPECT_EQ(file.duration_seconds(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Scan, BadPicture, ::testing::ValuesIn(badPictures()),
                         [](const auto &info) { return std::string(info.param.first); });

// --- Sidecar index ------------------------------------------------------------------

TEST_F(VddFileTest, SidecarWithTrailerIsUsed)
{
    const Recording r = makeRecording(3);
    auto hs = sidecarHeaders(r);
    for (auto &h : hs)
        h.speed = 200;  // proves the headers come from the sidecar
    ASSERT_TRUE(openWithSidecar(r.vdd, sidecarBytes(hs, trailerFor(3, 16))));
    ASSERT_EQ(file.frame_count(), 3u);
    EXPECT_EQ(+file.header_at(2).speed, 200);
    EXPECT_EQ(+file.index_header().event_type, 16);
    EXPECT_EQ(+file.index_header().frame_count, 3u);

    // Without its magic the trailer is no trailer: the file reads as the older form.
    auto unmarked = trailerFor(3, 16);
    unmarked.magic = 0;
    Bytes vdx = sidecarBytes(hs);
    append(vdx, bytesOf(unmarked));
    ASSERT_TRUE(openWithSidecar(r.vdd, vdx));
    EXPECT_EQ(+file.index_header().event_type, 1);
}

TEST_F(VddFileTest, OldSidecarIgnoresTrailingPartialRecord)
{
    const Recording r = makeRecording(2);
    auto hs = sidecarHeaders(r);
    hs[0].event_type = 0x0108;
    hs[0].speed = 201;
    Bytes vdx = sidecarBytes(hs);
    append(vdx, Bytes(30, 0x77));
    ASSERT_TRUE(openWithSidecar(r.vdd, vdx));
    ASSERT_EQ(file.frame_count(), 2u);
    EXPECT_EQ(+file.header_at(0).speed, 201);
    const auto trailer = trailerFor(2, 0x08);  // low byte of the first header's trigger
    EXPECT_EQ(std::memcmp(&file.index_header(), &trailer, sizeof trailer), 0);
}

// Sidecars the reader must not trust: it scans the recording instead. Each row turns the
// three true headers (their speed changed to 200) into the sidecar's bytes.
using SidecarMaker = Bytes (*)(std::vector<_vexa_video_frame_header_t>);
class BadSidecar : public VddFileTest, public ::testing::WithParamInterface<std::pair<const char *, SidecarMaker>> {};

const std::pair<const char *, SidecarMaker> badSidecars[] = {
    {"ZeroYearRecord", [](auto hs) { hs[2].time.year = 0; return sidecarBytes(hs, trailerFor(3)); }},
    {"TrailerCountsMoreThanItHolds", [](auto hs) { hs.pop_back(); return sidecarBytes(hs, trailerFor(3)); }},
    {"TrailerCountsEverything", [](auto hs) { auto t = trailerFor(3); t.frame_count = 0xFFFFFFFF; return sidecarBytes(hs, t); }},
    {"TrailerCountsNothing", [](auto) { return bytesOf(trailerFor(0)); }},
    {"InvalidTrailerWithoutFrames", [](auto) { auto t = trailerFor(3); t.index_valid = 0; return bytesOf(t); }},
    {"OldFormWithoutAWholeRecord", [](auto hs) { Bytes b = sidecarBytes(hs); b.resize(40); return b; }},
    {"TooShort", [](auto) { return Bytes(25, 0xA1); }},
    {"Unrecognised", [](auto) { return Bytes(200, 0x33); }},
    {"Empty", [](auto) { return Bytes{}; }},
};

TEST_P(BadSidecar, FallsBackToTheScan)
{
    const Recording r = makeRecording(3);
    auto hs = sidecarHeaders(r);
    for (auto &h : hs)
        h.speed = 200;
    ASSERT_TRUE(openWithSidecar(r.vdd, GetParam().second(hs)));
    expectScanned(r);
    EXPECT_EQ(+file.header_at(0).speed, 50);
}

INSTANTIATE_TEST_SUITE_P(Sidecar, BadSidecar, ::testing::ValuesIn(badSidecars),
                         [](const auto &info) { return std::string(info.param.first); });

TEST_F(VddFileTest, SidecarWithoutFramesAndNoSidecar)
{
    ASSERT_TRUE(openWithSidecar(Bytes(64, 0), bytesOf(trailerFor(0))));
    EXPECT_EQ(file.frame_count(), 0u);
    EXPECT_EQ(+file.index_header().frame_count, 0u);

    const Recording r = makeRecording(2);  // a missing or empty sidecar path scans
    writeFile(vddPath(), r.vdd);
    ASSERT_TRUE(file.open(vddPath().c_str(), dir.file("nothing.vdx").c_str()));
    expectScanned(r);
    ASSERT_TRUE(file.open(vddPath().c_str(), ""));
    expectScanned(r);
}

// --- Frame access -------------------------------------------------------------------

// Frame data is the picture as stored, or nothing for a bad request.
TEST_F(VddFileTest, FrameDataIsThePictureAsStored)
{
    Recording r = makeRecording(2);
    append(r.vdd, Bytes(5, 0));
    ASSERT_TRUE(openBytes(r.vdd));
    for (size_t i = 0; i < 2; ++i) {
        Bytes buf(r.pictures[i].size() + 10, 0xCC);
        ASSERT_TRUE(file.get_frame_data(i, buf.data(), buf.size()));
        EXPECT_EQ(Bytes(buf.begin(), buf.begin() + long(r.pictures[i].size())), r.pictures[i]);
        EXPECT_EQ(buf.back(), 0xCC);
    }
    EXPECT_TRUE(isZero(file.header_at(2)));
    EXPECT_TRUE(isZero(file.header_at(UINT64_MAX)));
    Bytes buf(r.pictures[0].size(), 0xCC);
    EXPECT_FALSE(file.get_frame_data(0, buf.data(), buf.size() - 1));  // too small
    EXPECT_FALSE(file.get_frame_data(2, buf.data(), buf.size()));      // out of range
    EXPECT_FALSE(file.get_frame_data(0, nullptr, buf.size()));
    EXPECT_FALSE(file.get_frame_data(0, buf.data(), 0));
    EXPECT_EQ(buf, Bytes(buf.size(), 0xCC));

    file.close();
    EXPECT_FALSE(file.get_frame_data(0, buf.data(), buf.size()));
    EXPECT_EQ(file.frame_count(), 2u);  // the index outlives the stream
    EXPECT_EQ(+file.header_at(0).length, r.pictures[0].size());

    vexa_vdd_file never_opened;
    EXPECT_FALSE(never_opened.get_frame_data(0, buf.data(), buf.size()));
    EXPECT_TRUE(isZero(never_opened.header_at(0)));
}

TEST_F(VddFileTest, SidecarPointingPastTheFileReadsNothing)
{
    const Recording r = makeRecording(1);
    auto hs = sidecarHeaders(r);
    hs[0].offset = uint32_t(r.vdd.size() - 10);
    ASSERT_TRUE(openWithSidecar(r.vdd, sidecarBytes(hs, trailerFor(1))));
    Bytes buf(hs[0].length);
    EXPECT_FALSE(file.get_frame_data(0, buf.data(), buf.size()));
    uint8_t comment[VEXA_COMMENT_SIZE];
    EXPECT_FALSE(file.get_jpeg_comment(0, comment));
    EXPECT_FALSE(file.save_jpeg_file(0, dir.file("out.jpg").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.jpg")));

    // A length far beyond the file is refused before any buffer is sized by it.
    hs[0].offset = 0;
    hs[0].length = 0xFFFFFFF0u;
    ASSERT_TRUE(openWithSidecar(r.vdd, sidecarBytes(hs, trailerFor(1))));
    EXPECT_FALSE(file.save_jpeg_file(0, dir.file("out.jpg").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.jpg")));
}

TEST_F(VddFileTest, CommentIsTheRawPayload)
{
    const Recording r = makeRecording(3);
    ASSERT_TRUE(openBytes(r.vdd));
    uint8_t comment[VEXA_COMMENT_SIZE];
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(file.get_jpeg_comment(i, comment));
        EXPECT_EQ(Bytes(comment, comment + VEXA_COMMENT_SIZE), r.payloads[i]);
    }
    EXPECT_FALSE(file.get_jpeg_comment(3, comment));

    // A sidecar pointing one byte too far: the bytes read are no longer a picture.
    auto hs = sidecarHeaders(r);
    hs[1].offset += 1;
    hs[1].length -= 1;
    ASSERT_TRUE(openWithSidecar(r.vdd, sidecarBytes(hs, trailerFor(3))));
    EXPECT_TRUE(file.get_jpeg_comment(0, comment));
    EXPECT_FALSE(file.get_jpeg_comment(1, comment));
}

TEST_F(VddFileTest, CommentOfPictureAboveTheWorkingBufferFails)
{
    Recording r;
    r.addFrame(framePayload(0), 512000);  // picture larger than 512000 bytes
    r.addFrame(framePayload(1), 511000);
    ASSERT_GT(r.pictures[0].size(), 512000u);
    ASSERT_LE(r.pictures[1].size(), 512000u);
    ASSERT_TRUE(openBytes(r.vdd));
    ASSERT_EQ(file.frame_count(), 2u);
    uint8_t comment[VEXA_COMMENT_SIZE];
    EXPECT_FALSE(file.get_jpeg_comment(0, comment));
    EXPECT_TRUE(file.get_jpeg_comment(1, comment));
    Bytes buf(r.pictures[0].size());
    EXPECT_TRUE(file.get_frame_data(0, buf.data(), buf.size()));
}

TEST_F(VddFileTest, SaveJpegWritesTheExactBytesOrNothing)
{
    const Recording r = makeRecording(2);
    ASSERT_TRUE(openBytes(r.vdd));
    const std::string out = dir.file("still.jpg");
    writeFile(out, Bytes(5000, 0x55));  // an older, longer file is replaced
    ASSERT_TRUE(file.save_jpeg_file(1, out.c_str()));
    EXPECT_EQ(readFile(out), r.pictures[1]);

    // Failures write nothing.
    const std::string none = dir.file("none.jpg");
    EXPECT_FALSE(file.save_jpeg_file(2, none.c_str()));
    EXPECT_FALSE(file.save_jpeg_file(0, nullptr));
    EXPECT_FALSE(file.save_jpeg_file(0, dir.file("no/such/folder.jpg").c_str()));
    file.close();
    EXPECT_FALSE(file.save_jpeg_file(0, none.c_str()));
    EXPECT_FALSE(std::filesystem::exists(none));
}

// --- Duration and reopening -------------------------------------------

TEST_F(VddFileTest, DurationCountsWholeSeconds)
{
    ASSERT_TRUE(openBytes(makeRecording(1).vdd));
    EXPECT_EQ(file.duration_seconds(), 1u);

    ASSERT_TRUE(openBytes(makeRecording(25).vdd));  // seconds 0..2
    EXPECT_EQ(file.duration_seconds(), 3u);

    Recording midnight;
    Payload p;
    p.day = 31; p.month = 12; p.hour = 23; p.minute = 59; p.second = 59;
    midnight.addFrame(p);
    p.year += 1; p.day = 1; p.month = 1; p.hour = 0; p.minute = 1; p.second = 0;
    midnight.addFrame(p);
    ASSERT_TRUE(openBytes(midnight.vdd));
    EXPECT_EQ(file.duration_seconds(), 62u);

    Recording backward;  // a clock set back gives no duration, not a huge one
    backward.addFrame(p);
    p.minute = 0;
    backward.addFrame(p);
    ASSERT_TRUE(openBytes(backward.vdd));
    EXPECT_EQ(file.duration_seconds(), 0u);
}

TEST_F(VddFileTest, ReopenReplacesTheIndex)
{
    ASSERT_TRUE(openBytes(makeRecording(3).vdd));
    const std::string other = dir.file("9_N.vdd");
    writeFile(other, makeRecording(1).vdd);
    ASSERT_TRUE(file.open(other.c_str(), nullptr));
    EXPECT_EQ(file.frame_count(), 1u);
    EXPECT_EQ(+file.index_header().frame_count, 1u);
    EXPECT_EQ(file.sequence_number(), 9);  // the name's leading digits
    EXPECT_EQ(file.path(), other);

    EXPECT_FALSE(file.open(dir.file("gone.vdd").c_str(), nullptr));
    EXPECT_EQ(file.frame_count(), 0u);
    EXPECT_TRUE(file.path().empty());
    EXPECT_FALSE(file.open(nullptr, nullptr));
}
