// Every instruction-set target decodes camera frames to the plain loops' picture and result:
// scenes and noise at qualities from coarse to fine and odd sizes, damaged scans, and scans of
// random codes under random quantisation tables, whose DC terms drift past the coefficient limit
// and whose products pass the transform's limit.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "jpeg/jpeg_test_util.h"
#include "media/jpeg/jpeg_decoder.h"
#include "media/jpeg/standard_ac_tables.h"
#include "media/simd/simd_target.h"

namespace qv {
namespace {

using fixtures::Bytes;
using simd::Target;

struct Frame {
    std::string name;
    int width, height;
    Bytes jpeg;
    bool whole = false;  // decodes without error
};

// Huffman codes of a table given as code counts per length and symbols, by symbol.
struct Code {
    uint32_t bits = 0;
    int length = 0;
};
using Codes = std::array<Code, 256>;

Codes CodesOf(const uint8_t* counts, const uint8_t* symbols) {
    Codes codes;
    uint32_t code = 0;
    for (int length = 1, i = 0; length <= 16; ++length, code <<= 1)
        for (int n = 0; n < counts[length - 1]; ++n)
            codes[symbols[i++]] = {code++, length};
    return codes;
}

// Scan bits, most significant first, with a zero byte stuffed behind every 0xFF.
class ScanWriter {
  public:
    void Put(uint32_t bits, int length) {
        for (int i = length - 1; i >= 0; --i) {
            byte_ = static_cast<uint8_t>(byte_ << 1 | ((bits >> i) & 1));
            if (++count_ == 8) Flush();
        }
    }
    void Put(const Code& c) { Put(c.bits, c.length); }
    Bytes Finish() {
        while (count_ != 0)
            Put(1, 1);
        return std::move(out_);
    }

  private:
    void Flush() {
        out_.push_back(byte_);
        if (byte_ == 0xFF) out_.push_back(0);
        byte_ = 0;
        count_ = 0;
    }
    Bytes out_;
    uint8_t byte_ = 0;
    int count_ = 0;
};

// One block of random codes: a DC difference of any size, then coefficients of random runs and
// sizes (runs of sixteen zeros among them) up to an end of block or position 63.
void RandomBlock(ScanWriter& w, std::mt19937& rng, const Codes& dc, const Codes& ac) {
    const int dc_size = static_cast<int>(rng() % 12);
    w.Put(dc[dc_size]);
    w.Put(rng(), dc_size);
    for (int k = 1; k < 64;) {
        if (rng() % 10 == 0) {
            w.Put(ac[0x00]);
            return;
        }
        if (rng() % 12 == 0 && k + 16 < 64) {
            w.Put(ac[0xF0]);
            k += 16;
            continue;
        }
        const int run = std::min(static_cast<int>(rng() % 16), 63 - k);
        const int size = 1 + static_cast<int>(rng() % 10);
        w.Put(ac[run << 4 | size]);
        w.Put(rng(), size);
        k += run + 1;
    }
}

// The frame's header with random quantisation tables and a scan of random blocks.
Bytes RandomScanFrame(const Bytes& frame, int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes jpeg(frame.begin(), frame.begin() + fixtures::ScanDataOffset(frame));
    for (int t = 0; t < 2; ++t) {
        // Small DC factors keep the dequantised DC term inside the transform's limit, so that
        // the coefficient limit shows.
        auto dqt = fixtures::FindSegment(jpeg, fixtures::kDQT, t);
        jpeg[dqt->payload_offset + 1] = static_cast<uint8_t>(1 + rng() % 4);
        for (int i = 2; i <= 64; ++i)
            jpeg[dqt->payload_offset + i] = static_cast<uint8_t>(1 + rng() % 255);
    }
    Codes dc[2];
    for (int t = 0; t < 2; ++t) {
        // One table per segment: DC luma, AC luma, DC chroma, AC chroma.
        auto dht = fixtures::FindSegment(jpeg, fixtures::kDHT, 2 * t);
        dc[t] = CodesOf(&jpeg[dht->payload_offset + 1], &jpeg[dht->payload_offset + 17]);
    }
    const Codes ac[2] = {
        CodesOf(kStdAcLuminance.counts.data(), kStdAcLuminance.symbols.data()),
        CodesOf(kStdAcChrominance.counts.data(), kStdAcChrominance.symbols.data())};
    ScanWriter w;
    for (int mcu = 0; mcu < (width + 15) / 16 * ((height + 15) / 16); ++mcu)
        for (int b = 0; b < 6; ++b)
            RandomBlock(w, rng, dc[b < 4 ? 0 : 1], ac[b < 4 ? 0 : 1]);
    Bytes scan = w.Finish();
    jpeg.insert(jpeg.end(), scan.begin(), scan.end());
    jpeg.push_back(0xFF);
    jpeg.push_back(0xD9);
    return jpeg;
}

std::vector<Frame> Frames() {
    std::vector<Frame> frames;
    fixtures::EncodeOptions e;
    for (int q : {3, 50, 100}) {
        e.quality = q;
        const int sizes[][2] = {{176, 144}, {33, 17}, {640, 480}};
        for (const auto& s : sizes) {
            const std::string size = std::to_string(s[0]) + "x" + std::to_string(s[1]);
            frames.push_back({"scene " + size + " q" + std::to_string(q), s[0], s[1],
                              test::SceneFrame(s[0], s[1], 40, {}, q)});
        }
        frames.push_back({"noise q" + std::to_string(q), 96, 64,
                          fixtures::CameraFrame(fixtures::NoisePicture(96, 64, 7), {}, e)});
    }
    // Damage: random bytes (no markers) over parts of the scan.
    std::mt19937 rng(11);
    const size_t count = frames.size();
    for (size_t i = 0; i < count; ++i) {
        Frame f = frames[i];
        const size_t scan = fixtures::ScanDataOffset(f.jpeg);
        for (int hit = 0; hit < 6; ++hit) {
            const size_t at = scan + rng() % (f.jpeg.size() - scan - 2);
            for (size_t j = at; j < std::min(at + 24, f.jpeg.size() - 2); ++j)
                f.jpeg[j] = static_cast<uint8_t>(rng() % 255);
        }
        f.name += " damaged";
        frames.push_back(std::move(f));
    }
    const Bytes base = test::SceneFrame(64, 48);
    for (uint32_t seed = 1; seed <= 4; ++seed)
        frames.push_back({"random codes " + std::to_string(seed), 64, 48,
                          RandomScanFrame(base, 64, 48, seed), true});
    return frames;
}

struct Result {
    int code;
    Picture picture;
};

Result Decode(const Frame& f, Target t) {
    EXPECT_TRUE(simd::ForceTarget(t));
    test::Decoder d(f.width, f.height);
    Result r;
    r.code = JpgDecodeFrame(d.ctx, f.jpeg.data(), f.jpeg.size(), r.picture, nullptr, nullptr);
    return r;
}

TEST(JpegSimdTargets, EveryTargetDecodesThePlainPicture) {
    for (const Frame& f : Frames()) {
        const Result plain = Decode(f, Target::kPlain);
        if (f.whole) {
            EXPECT_EQ(plain.code, 0) << f.name;
        }
        for (Target t : {Target::kSse2, Target::kAvx2}) {
            if (!simd::Supported(t)) continue;
            const Result lanes = Decode(f, t);
            EXPECT_EQ(plain.code, lanes.code) << simd::TargetName(t) << " " << f.name;
            EXPECT_TRUE(plain.picture.pixels == lanes.picture.pixels)
                << simd::TargetName(t) << " " << f.name;
        }
    }
    simd::ForceTarget(simd::BestTarget());
}

}  // namespace
}  // namespace qv
