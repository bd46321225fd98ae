// Pictures decoded here against ffmpeg's own decode of the same encoder output (before the header
// rewrite), at the four picture sizes the cameras record.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/mpeg4/stream_decoder.h"
#include "media/mpeg4/vlc_reader.h"

namespace {

using qv::mpeg4::StreamDecoder;

std::string Fixture(const std::string& name) {
    return std::string(QV_FIXTURE_DIR) + "/m4v/" + name;
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// PSNR of the decoder's current picture against reference picture `index` (all three planes).
double PicturePsnr(StreamDecoder& d, const std::vector<uint8_t>& ref, int index) {
    const int w = d.Width(), h = d.Height();
    const size_t frame = static_cast<size_t>(w) * h * 3 / 2;
    const uint8_t* r = ref.data() + frame * index;
    auto& cur = d.Frames().Current();
    double sse = 0;
    auto plane = [&](const uint8_t* ours, int stride, const uint8_t* theirs, int pw, int ph) {
        for (int y = 0; y < ph; ++y)
            for (int x = 0; x < pw; ++x) {
                double e = double(ours[y * stride + x]) - theirs[y * pw + x];
                sse += e * e;
            }
    };
    plane(cur.y.data(), d.Frames().LumaStride(), r, w, h);
    plane(cur.u.data(), d.Frames().ChromaStride(), r + w * h, w / 2, h / 2);
    plane(cur.v.data(), d.Frames().ChromaStride(), r + w * h * 5 / 4, w / 2, h / 2);
    double mse = sse / double(frame);
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

struct Psnr {
    int pictures = 0;
    double min_intra = 99, min_all = 99, mean = 0;
    std::vector<double> per_picture;
    std::vector<int> types;
    std::vector<int> half, edge, inter;  // per picture: half-sample and edge-cut vectors
};

Psnr Compare(const std::string& name, const std::string& ref_name) {
    Psnr p;
    StreamDecoder d;
    EXPECT_GT(d.OpenStreamFile(Fixture(name)), 0) << name;
    std::vector<uint8_t> ref = ReadAll(Fixture(ref_name));
    const size_t frame = static_cast<size_t>(d.Width()) * d.Height() * 3 / 2;
    if (frame == 0) return p;
    const int expected = static_cast<int>(ref.size() / frame);
    while (d.DecodeNextFrame(nullptr, nullptr, false, nullptr, nullptr, nullptr) >= 0 &&
           p.pictures < expected) {
        double v = PicturePsnr(d, ref, p.pictures);
        p.per_picture.push_back(v);
        p.types.push_back(d.LastVop().vop_type);
        const auto& st = d.LastStats();
        p.half.push_back(st.half_sample_vectors);
        p.edge.push_back(st.edge_cut_vectors);
        p.inter.push_back(st.inter);
        if (d.LastVop().vop_type == qv::mpeg4::kVopI) p.min_intra = std::min(p.min_intra, v);
        p.min_all = std::min(p.min_all, v);
        p.mean += v;
        ++p.pictures;
    }
    EXPECT_EQ(p.pictures, expected) << name << ": every picture decodes";
    if (p.pictures) p.mean /= p.pictures;
    std::printf("%-22s pictures %d  intra min %.2f dB  all min %.2f dB  mean %.2f dB\n",
                name.c_str(), p.pictures, p.min_intra, p.min_all, p.mean);
    return p;
}

class ZeroMotion : public ::testing::TestWithParam<const char*> {};

TEST_P(ZeroMotion, IntraAndPredictedPicturesMatchFfmpeg) {
    std::string size = GetParam();
    Psnr p = Compare("zero_" + size + ".m4v", "zero_" + size + ".yuv");
    EXPECT_EQ(p.pictures, 60);
    EXPECT_GE(p.min_intra, 40.0);
    EXPECT_GE(p.min_all, 38.0);
}

class WholePixelPan : public ::testing::TestWithParam<const char*> {};

TEST_P(WholePixelPan, RealMotionStaysWithinReach) {
    std::string size = GetParam();
    Psnr p = Compare("pan_" + size + ".m4v", "pan_" + size + ".yuv");
    EXPECT_EQ(p.pictures, 30);
    EXPECT_GE(p.min_intra, 40.0);
    for (int i = 0; i < p.pictures; ++i) {
        if (p.per_picture[i] >= 30.0) continue;
        std::printf("  picture %2d  %.2f dB  inter %d  half-sample %d  edge-cut %d\n", i,
                    p.per_picture[i], p.inter[i], p.half[i], p.edge[i]);
        ADD_FAILURE() << "picture " << i << " below 30 dB";
    }
}

// The same pan without the still frame: ffmpeg's vectors point out of the picture at its right
// and bottom edges, which the camera's decoder drops; the difference then drifts inward with the
// motion until the next intra picture. Every picture that falls short follows such vectors in
// its group of pictures.
TEST(EdgePan, ShortfallFollowsVectorsTheEdgeRuleCut) {
    Psnr p = Compare("edgepan_176x144.m4v", "edgepan_176x144.yuv");
    ASSERT_EQ(p.pictures, 30);
    EXPECT_GE(p.min_intra, 40.0);
    int cut_in_gop = 0, half_in_gop = 0;
    for (int i = 0; i < p.pictures; ++i) {
        if (p.types[i] == qv::mpeg4::kVopI) cut_in_gop = half_in_gop = 0;
        cut_in_gop += p.edge[i];
        half_in_gop += p.half[i];
        if (p.per_picture[i] < 30.0) {
            std::printf("  picture %2d  %.2f dB after %d edge-cut and %d half-sample vectors\n", i,
                        p.per_picture[i], cut_in_gop, half_in_gop);
            EXPECT_GT(cut_in_gop + half_in_gop, 0) << "picture " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ZeroMotion,
                         ::testing::Values("176x144", "320x240", "640x480", "1280x1024"));
INSTANTIATE_TEST_SUITE_P(Sizes, WholePixelPan,
                         ::testing::Values("176x144", "320x240", "640x480", "1280x1024"));

}  // namespace
