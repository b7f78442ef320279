// Opening a recording for the lists reads its two ends only, and answers as the full index.
#include "CardRead.h"
#include "VddFileTest.h"

namespace {

enum class Form { Sidecar, OldSidecar, NoSidecar, DamagedTail, OneFrame, Empty };

struct SummaryCase {
    const char *name;
    Form form;
    uint64_t maxBytes;  // what the open may read, sidecar and recording together
};

// Frames of about 4 KB: the recording is far larger than the ends read at open.
constexpr int kFrames = 200;
constexpr size_t kScanBytes = 4000;

Recording recordingFor(Form form)
{
    Recording r;
    const int count = form == Form::OneFrame ? 1 : form == Form::Empty ? 0 : kFrames;
    for (int i = 0; i < count; ++i)
        r.addFrame(framePayload(i), kScanBytes);
    if (form == Form::DamagedTail) {
        const Bytes cut(r.pictures.back().begin(), r.pictures.back().begin() + 3000);
        append(r.vdd, cut);
    }
    return r;
}

const SummaryCase summaryCases[] = {
    {"Sidecar", Form::Sidecar, 4 * sizeof(_vexa_video_frame_header_t)},
    {"OldSidecar", Form::OldSidecar, 4 * sizeof(_vexa_video_frame_header_t)},
    {"NoSidecar", Form::NoSidecar, 2 * 32 * 1024},
    {"DamagedTail", Form::DamagedTail, 2 * 32 * 1024},
    {"OneFrame", Form::OneFrame, kScanBytes + 1024},
    {"Empty", Form::Empty, 0},
};

class Summary : public VddFileTest, public ::testing::WithParamInterface<SummaryCase> {};

} // namespace

TEST_P(Summary, ReadsOnlyTheEndsAndAnswersAsTheFullIndex)
{
    const Form form = GetParam().form;
    const Recording r = recordingFor(form);
    writeFile(vddPath(), r.vdd);
    const bool sidecar = form == Form::Sidecar || form == Form::OldSidecar;
    if (sidecar)
        writeFile(vdxPath(), sidecarBytes(sidecarHeaders(r), form == Form::Sidecar ? trailerFor(kFrames)
                                                                                   : _vexa_video_index_header_t{}));
    const std::string vdxName = sidecar ? vdxPath() : std::string();

    vexa_vdd_file full;
    ASSERT_TRUE(full.open(vddPath().c_str(), vdxName.c_str()));
    const uint64_t before = CardRead::bytes();
    ASSERT_TRUE(file.open_summary(vddPath().c_str(), vdxName.c_str()));
    EXPECT_LE(CardRead::bytes() - before, GetParam().maxBytes);

    EXPECT_EQ(file.duration_seconds(), full.duration_seconds());
    EXPECT_EQ(file.event_type(), uint64_t(full.index_header().event_type));
    EXPECT_EQ(file.frames_at_least() == 0, full.frame_count() == 0);
    const _vexa_video_frame_header_t none{};
    EXPECT_EQ(bytesOf(file.first_header()), bytesOf(full.frame_count() ? full.headers().front() : none));
    EXPECT_EQ(bytesOf(file.last_header()), bytesOf(full.frame_count() ? full.headers().back() : none));
    EXPECT_EQ(file.listed_frame_count(), uint64_t(full.index_header().frame_count));

    // The first use reads the same index the full open read.
    ASSERT_EQ(file.frame_count(), full.frame_count());
    for (uint64_t i = 0; i < full.frame_count(); ++i)
        ASSERT_EQ(bytesOf(file.header_at(i)), bytesOf(full.header_at(i))) << "frame " << i;
    EXPECT_EQ(bytesOf(file.index_header()), bytesOf(full.index_header()));
}

INSTANTIATE_TEST_SUITE_P(Open, Summary, ::testing::ValuesIn(summaryCases),
                         [](const auto &info) { return std::string(info.param.name); });
