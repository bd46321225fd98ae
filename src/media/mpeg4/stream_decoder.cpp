#include "media/mpeg4/stream_decoder.h"

#include <algorithm>
#include <cstring>

#include "media/mpeg4/deblock_bands.h"
#include "media/mpeg4/yuv_rgb.h"

namespace qv::mpeg4 {

namespace {

constexpr int32_t kUserDataCode = 0x1B2;
constexpr int32_t kGovCode = 0x1B3;
constexpr int32_t kVopCode = 0x1B6;
constexpr uint8_t kTimePacketType = 0x82;
constexpr uint32_t kTimePayloadLength = 6;
// The first seven bytes of every time packet: start code, length 6, type 0x82.
constexpr uint8_t kTimePacketPrefix[7] = {0x00, 0x00, 0x01, 0xB2, 0x06, 0x00, 0x82};

}  // namespace

uint32_t TimePacketValue(uint32_t value, uint32_t shift) {
    uint64_t product = static_cast<uint64_t>(value) * 249u;
    uint32_t t = static_cast<uint32_t>((product >> 7) / 162u);
    if (shift == 0) return t;
    return shift >= 32 ? 0u : t << shift;
}

int32_t StreamDecoder::OpenStreamFile(const std::string& path) {
    if (!CloseStreamFile()) return 0;
    auto source = std::make_unique<MappedFileSource>();
    if (!source->Open(path, error_)) return 0;
    uint32_t granule = granule_ ? granule_ : StreamReader::DefaultGranule();
    if (!reader_.Open(std::move(source), granule)) {
        // The movie stays closed; the caller reports the reason.
        error_ = path + ": " + reader_.LastError();
        return 0;
    }
    return FinishOpen();
}

int32_t StreamDecoder::OpenStreamMemory(const uint8_t* data, uint64_t size) {
    if (!CloseStreamFile()) return 0;
    uint32_t granule = granule_ ? granule_ : StreamReader::DefaultGranule();
    if (!reader_.Open(std::make_unique<MemorySource>(data, size), granule)) {
        error_ = reader_.LastError();
        return 0;
    }
    return FinishOpen();
}

int32_t StreamDecoder::FinishOpen() {
    layer_ = LayerParams{};
    vop_ = VopParams{};
    if (!ParseStreamHeaders(reader_, layer_, log)) {
        error_ = "the stream headers are not those of a camera recording";
        return 0;
    }
    // Buffers are only held for sizes the decoder can decode; other sizes open but give no
    // pictures.
    if (!frames_.Allocate(layer_.width, layer_.height)) frames_.Free();
    macroblocks_.Allocate(layer_);
    // A recording of less than 1 KiB still opens: 0 would read as a failure.
    return static_cast<int32_t>(std::max<uint64_t>(reader_.FileSize() / 1024, 1));
}

bool StreamDecoder::CloseStreamFile() {
    return reader_.Close();
}

bool StreamDecoder::RewindToFirstVop() {
    if (!reader_.IsOpen() || reader_.header_end == 0) return false;
    if (reader_.WindowOffset() != 0 && reader_.MapWindowAt(0) < 0) return false;
    if (!reader_.SeekTo(0) || !reader_.SkipBytes(static_cast<uint64_t>(reader_.header_end)))
        return false;
    reader_.SetByteAligned();
    return true;
}

bool StreamDecoder::FeedPayload(audio::AudioSink& sink, uint32_t count) {
    while (count > 0) {
        uint32_t n = std::min(count, reader_.BytesLeftInWindow());
        sink.FeedAudioBytes(reader_.CurrentPointer(), static_cast<int32_t>(n));
        count -= n;
        if (!reader_.SkipBytes(n)) return false;
    }
    return true;
}

bool StreamDecoder::ReadPackets(int32_t* audio_bytes, bool audio_header, audio::AudioSink* feed,
                                uint32_t* time_value) {
    StreamReader& r = reader_;
    while (r.NextStartCode() == kUserDataCode) {
        uint16_t length;
        if (!r.SkipBytes(4) || !r.ReadUInt16LE(length)) return false;
        uint8_t type = r.CurrentByte();
        if (!r.AdvanceByte()) return false;
        if (type < 0x80) {
            // A header longer than the packet cannot be: the packet then has no sound.
            uint32_t header = audio_header ? std::min<uint32_t>(r.CurrentByte(), length) : 0;
            uint32_t samples = length - header;
            if (audio_bytes) *audio_bytes = static_cast<int32_t>(samples);
            if (!r.AdvanceByte()) return false;
            if (feed) {
                if (!r.SkipBytes(header) || !FeedPayload(*feed, samples)) return false;
            } else if (!r.SkipBytes(length)) {
                return false;
            }
        } else if (type == kTimePacketType) {
            uint32_t shift = r.CurrentByte();
            uint32_t value;
            if (!r.AdvanceByte() || !r.SkipBytes(2) || !r.ReadUInt32LE(value)) return false;
            if (time_value) *time_value = TimePacketValue(value, shift);
            if (length > kTimePayloadLength && !r.SkipBytes(length - kTimePayloadLength))
                return false;
        } else if (!r.SkipBytes(static_cast<uint64_t>(length) + 1)) {
            return false;
        }
    }
    return true;
}

int32_t StreamDecoder::DecodeNextFrame(Picture* picture, int32_t* audio_bytes, bool audio_header,
                                       audio::AudioSink* feed, uint32_t* time_value,
                                       int32_t* quantiser) {
    if (time_value) *time_value = 0;
    if (!reader_.IsOpen() || reader_.header_end == 0) return -1;
    if (!ReadPackets(audio_bytes, audio_header, feed, time_value)) return -1;
    int32_t code = reader_.NextStartCode();
    if (code == kGovCode) {
        if (!ParseGovHeader(reader_)) return -1;
        code = reader_.NextStartCode();
    }
    if (code != kVopCode) return -1;
    VopParams vop = vop_;
    if (!ParseVopHeader(reader_, layer_, vop, log)) return -1;
    vop_ = vop;
    if (!vop.coded) return -1;
    frames_.SwapRoles();
    if (!macroblocks_.DecodeMacroblocks(reader_, layer_, vop_, frames_)) return -1;
    int32_t result = static_cast<int32_t>(reader_.Position() / 1024);
    if (quantiser) *quantiser = vop_.quantiser;
    // Every decoded picture is shown, also one that ends in the first KiB of the file.
    if (picture) Output(*picture, vop_.quantiser);
    return result;
}

void StreamDecoder::Output(Picture& picture, int32_t qp) {
    const int32_t w = frames_.Width(), h = frames_.Height();
    // A picture taller than the stream's keeps its extra rows below the image (the player's band
    // for the capture time); any other size is made to fit.
    if (picture.width != w || picture.height < h) picture.Allocate(w, h);
    YuvPicture* shown = &frames_.Current();
    if (deblock_method == kDeblockEdges &&
        DeblockAndConvert(*shown, frames_.FilterCopy(), w, h, frames_.LumaStride(),
                          frames_.ChromaStride(), qp, &deblock_counters, picture))
        return;
    if (deblock_method == kDeblockLowPass || deblock_method == kDeblockEdges) {
        YuvPicture& copy = frames_.FilterCopy();
        std::memcpy(copy.y.data(), shown->y.data(), shown->y.size());
        std::memcpy(copy.u.data(), shown->u.data(), shown->u.size());
        std::memcpy(copy.v.data(), shown->v.data(), shown->v.size());
        DeblockPicture(deblock_method, copy.y.data(), copy.u.data(), copy.v.data(), w, h,
                       frames_.LumaStride(), frames_.ChromaStride(), qp, &deblock_counters);
        shown = &copy;
    }
    ConvertToRgb(shown->y.data(), frames_.LumaStride(), shown->u.data(), shown->v.data(),
                 frames_.ChromaStride(), w, h, picture);
}

int32_t StreamDecoder::SeekToIntraVop(int32_t unit_index, int32_t unit_kb, int32_t direction) {
    if (!reader_.IsOpen()) return -1;
    StreamReader& r = reader_;
    // Positions are 64-bit so that recordings over 2 GiB seek correctly.
    const int64_t unit = static_cast<int64_t>(std::max(unit_kb, 1)) * 1024;
    uint64_t p = static_cast<uint64_t>(std::max(unit_index, 0)) * static_cast<uint64_t>(unit);
    const uint64_t size = r.FileSize();
    // From past the end, a backward search starts at the last place a start code fits.
    if (p + 5 > size) {
        if (direction >= 0 || size < 5) return 0;
        p = size - 5;
    }
    const uint64_t base = p - p % r.Granule();
    if (base != r.WindowOffset() && r.MapWindowAt(base) < 0) return -1;
    if (!r.SeekTo(base + ((p - base) & ~uint64_t{3}))) return -1;
    while (true) {
        uint8_t b[7];
        if (!r.PeekBytes(b, 5)) return 0;
        if (b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0xB6 && (b[4] & 0xC0) == 0) {
            const uint64_t vop = r.Position();
            bool back = true;
            for (int i = 0; i < 14 && back; ++i)
                back = r.StepBackByte();
            if (!back || !r.PeekBytes(b, 7) ||
                std::memcmp(b, kTimePacketPrefix, sizeof kTimePacketPrefix) != 0) {
                if (!r.SeekTo(vop)) return -1;
            }
            r.SetByteAligned();
            return static_cast<int32_t>(r.Position() / static_cast<uint64_t>(unit));
        }
        if (!(direction >= 0 ? r.AdvanceByte() : r.StepBackByte())) return 0;
    }
}

}  // namespace qv::mpeg4
