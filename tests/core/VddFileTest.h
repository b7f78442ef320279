// Recordings built picture by picture and the fixture the recording reader's tests share.
#pragma once

#include "TestFiles.h"
#include "vexa_telemetry.h"
#include "vexa_vdd_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

inline Payload framePayload(int i)
{
    Payload p;
    p.second = i / 10;
    p.frame = i % 10;
    p.speed = 50 + i;
    p.event_type = 1;
    p.phase = 2;
    return p;
}

// A .vdd of count pictures laid end to end, each with its own payload.
struct Recording {
    Bytes vdd;
    std::vector<Bytes> pictures;
    std::vector<uint32_t> offsets;
    std::vector<Bytes> payloads;

    void add(const Bytes &picture, const Bytes &payload = {})
    {
        offsets.push_back(uint32_t(vdd.size()));
        pictures.push_back(picture);
        payloads.push_back(payload);
        append(vdd, picture);
    }
    void addFrame(const Payload &p, size_t scanBytes = 32)
    {
        const Bytes payload = makePayload(p);
        add(makePicture(&payload, scanBytes), payload);
    }
};

inline Recording makeRecording(int count)
{
    Recording r;
    for (int i = 0; i < count; ++i)
        r.addFrame(framePayload(i));
    return r;
}

// The headers the camera would store in a sidecar for this recording.
inline std::vector<_vexa_video_frame_header_t> sidecarHeaders(const Recording &r)
{
    std::vector<_vexa_video_frame_header_t> hs;
    for (size_t i = 0; i < r.pictures.size(); ++i)
        hs.push_back(decode_frame_comment(r.payloads[i].data(), r.offsets[i], uint32_t(r.pictures[i].size())));
    return hs;
}

inline _vexa_video_index_header_t trailerFor(size_t count, uint8_t eventType = 1)
{
    _vexa_video_index_header_t ih{};
    ih.magic = VEXA_INDEX_MAGIC;
    ih.version = 1;
    ih.event_type = eventType;
    ih.index_valid = 1;
    ih.index_flag = 1;
    ih.frame_count = uint32_t(count);
    return ih;
}

// The sidecar's records, followed by trailer t unless its magic is unset.
inline Bytes sidecarBytes(const std::vector<_vexa_video_frame_header_t> &hs,
                          const _vexa_video_index_header_t &t = {})
{
    Bytes b;
    for (const auto &h : hs)
        append(b, bytesOf(h));
    if (t.magic)
        append(b, bytesOf(t));
    return b;
}

inline bool isZero(const _vexa_video_frame_header_t &h)
{
    return bytesOf(h) == Bytes(sizeof h, 0);
}

class VddFileTest : public ::testing::Test {
protected:
    TempDir dir;
    vexa_vdd_file file;

    std::string vddPath() const { return dir.file("0000000042_E.vdd"); }
    std::string vdxPath() const { return dir.file("0000000042_E.vdx"); }

    bool openBytes(const Bytes &vdd)
    {
        writeFile(vddPath(), vdd);
        return file.open(vddPath().c_str(), nullptr);
    }
    bool openWithSidecar(const Bytes &vdd, const Bytes &vdx)
    {
        writeFile(vddPath(), vdd);
        writeFile(vdxPath(), vdx);
        return file.open(vddPath().c_str(), vdxPath().c_str());
    }
    // The headers the reader holds must be the recording's pictures, found by scanning.
    void expectScanned(const Recording &r)
    {
        ASSERT_EQ(file.frame_count(), r.pictures.size());
        const auto trailer = trailerFor(r.pictures.size());
        EXPECT_EQ(std::memcmp(&file.index_header(), &trailer, sizeof trailer), 0);
        EXPECT_EQ(file.file_size(), int64_t(r.vdd.size()));
        for (size_t i = 0; i < r.pictures.size(); ++i) {
            EXPECT_EQ(+file.header_at(i).offset, r.offsets[i]) << "frame " << i;
            EXPECT_EQ(+file.header_at(i).length, r.pictures[i].size()) << "frame " << i;
            const auto told = decode_frame_comment(r.payloads[i].data(), r.offsets[i], uint32_t(r.pictures[i].size()));
            EXPECT_EQ(std::memcmp(&file.header_at(i), &told, sizeof told), 0) << "frame " << i;
        }
    }
};
