#include "audio/wav_writer.h"

#include <cstdio>
#include <limits>

#include "audio/ima_adpcm.h"

namespace qv::audio {

namespace {

// The header is built in a fixed buffer, little-endian as RIFF requires.
struct HeaderBytes {
    uint8_t b[64] = {};
    size_t n = 0;
    void Tag(const char* t) {
        for (int i = 0; i < 4; ++i)
            b[n++] = static_cast<uint8_t>(t[i]);
    }
    void U16(uint32_t v) {
        b[n++] = static_cast<uint8_t>(v);
        b[n++] = static_cast<uint8_t>(v >> 8);
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
};

// The largest data chunk whose RIFF size still fits 32 bits.
constexpr uint64_t kMaxDataBytes = std::numeric_limits<uint32_t>::max() - 64;

}  // namespace

WavWriter::~WavWriter() {
    if (open_) Abandon();
}

bool WavWriter::Fail(const std::string& what) {
    error_ = what;
    return false;
}

bool WavWriter::Create(const std::string& path, const WaveFormat& format) {
    if (open_) Abandon();
    if (format.format_tag != kFormatPcm && format.format_tag != kFormatImaAdpcm)
        return Fail("only PCM and IMA ADPCM sound can be written");
    if (format.channels == 0 || format.block_align == 0) return Fail("invalid sound format");
    if (!file_.Create(path)) return Fail(file_.LastError());
    path_ = path;
    format_ = format;
    data_bytes_ = 0;
    open_ = true;

    const bool ima = format.format_tag == kFormatImaAdpcm;
    HeaderBytes h;
    h.Tag("RIFF");
    riff_size_at_ = static_cast<int64_t>(h.n);
    h.U32(0);
    h.Tag("WAVE");
    h.Tag("fmt ");
    h.U32(ima ? 20 : 16);
    h.U16(format.format_tag);
    h.U16(format.channels);
    h.U32(format.samples_per_sec);
    h.U32(format.avg_bytes_per_sec);
    h.U16(format.block_align);
    h.U16(format.bits_per_sample);
    if (ima) {
        h.U16(2);  // extra bytes that follow
        h.U16(format.samples_per_block);
        h.Tag("fact");
        h.U32(4);
        fact_at_ = static_cast<int64_t>(h.n);
        h.U32(0);
    } else {
        fact_at_ = -1;
    }
    h.Tag("data");
    data_size_at_ = static_cast<int64_t>(h.n);
    h.U32(0);
    if (!file_.Write(h.b, h.n)) {
        Fail(file_.LastError());
        Abandon();
        return false;
    }
    return true;
}

bool WavWriter::Write(const void* bytes, size_t count) {
    if (!open_) return Fail("no file is open");
    if (count > kMaxDataBytes - data_bytes_) return Fail("sound too long for a WAVE file");
    if (count > 0 && !file_.Write(bytes, count)) return Fail(file_.LastError());
    data_bytes_ += count;
    return true;
}

uint64_t WavWriter::SampleFrames() const {
    if (format_.format_tag != kFormatImaAdpcm) return data_bytes_ / format_.block_align;
    const uint64_t whole = data_bytes_ / format_.block_align;
    const uint64_t rest = data_bytes_ % format_.block_align;
    return whole * format_.samples_per_block + ImaSamplesPerBlock(rest / format_.channels);
}

bool WavWriter::PatchU32(int64_t offset, uint32_t value) {
    const uint8_t b[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    return file_.Seek(offset) && file_.Write(b, 4);
}

bool WavWriter::Finish() {
    if (!open_) return Fail("no file is open");
    bool ok = true;
    // RIFF chunks are word aligned: an odd data chunk gets a pad byte that its size leaves out.
    if (data_bytes_ & 1) {
        const uint8_t pad = 0;
        ok = file_.Write(&pad, 1);
    }
    const int64_t end = file_.Tell();
    ok = ok && end > 8 && PatchU32(riff_size_at_, static_cast<uint32_t>(end - 8)) &&
         PatchU32(data_size_at_, static_cast<uint32_t>(data_bytes_));
    if (ok && fact_at_ >= 0)
        ok = PatchU32(fact_at_, static_cast<uint32_t>(std::min<uint64_t>(
                                    SampleFrames(), std::numeric_limits<uint32_t>::max())));
    if (!ok) {
        Fail(file_.LastError().empty() ? "cannot complete the WAVE header of " + path_
                                       : file_.LastError());
        Abandon();
        return false;
    }
    file_.Close();
    open_ = false;
    return true;
}

void WavWriter::Abandon() {
    file_.Close();
    if (open_ && !path_.empty()) std::remove(path_.c_str());
    open_ = false;
}

}  // namespace qv::audio
