#include "m4v_fixtures/stream_rewrite.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "m4v_fixtures/bit_writer.h"

namespace qv::fixtures {

namespace {

// Bits of a header unit after its start code, up to (not including) its final stuffing.
size_t MeaningfulBits(const std::vector<uint8_t>& unit) {
    size_t bits = (unit.size() - 4) * 8;
    const uint8_t* d = unit.data() + 4;
    auto bit = [&](size_t i) { return (d[i >> 3] >> (7 - (i & 7))) & 1u; };
    while (bits > 0 && bit(bits - 1) == 1)
        --bits;
    if (bits == 0) throw std::runtime_error("header without stuffing");
    return bits - 1;
}

void CopyBits(BitCursor& in, BitWriter& out, size_t n) {
    for (size_t i = 0; i < n; ++i)
        out.PutBit(in.Get(1));
}

BitWriter StartUnit(const std::vector<uint8_t>& unit) {
    BitWriter w;
    w.StartCode(unit[3]);
    return w;
}

}  // namespace

std::vector<Unit> SplitUnits(const std::vector<uint8_t>& s) {
    std::vector<Unit> units;
    size_t start = std::string::npos;
    for (size_t i = 0; i + 3 < s.size(); ++i) {
        if (s[i] == 0 && s[i + 1] == 0 && s[i + 2] == 1) {
            if (start != std::string::npos)
                units.push_back({s[start + 3], {s.begin() + start, s.begin() + i}});
            start = i;
            i += 2;
        }
    }
    if (start != std::string::npos) units.push_back({s[start + 3], {s.begin() + start, s.end()}});
    return units;
}

std::vector<uint8_t> RewriteVisualObject(const std::vector<uint8_t>& unit) {
    size_t bits = MeaningfulBits(unit);
    BitCursor in(unit.data() + 4, bits);
    BitWriter out = StartUnit(unit);
    if (in.Get(1) == 1) in.Get(7);  // verid and priority dropped
    out.PutBit(0);
    CopyBits(in, out, bits - in.Position());
    out.Stuff();
    return out.Bytes();
}

std::vector<uint8_t> RewriteVol(const std::vector<uint8_t>& unit) {
    size_t bits = MeaningfulBits(unit);
    BitCursor in(unit.data() + 4, bits);
    BitWriter out = StartUnit(unit);
    auto copy = [&](int n) {
        uint32_t v = in.Get(n);
        out.Put(v, n);
        return v;
    };
    copy(1);        // random_accessible_vol
    copy(8);        // video_object_type_indication
    if (copy(1)) {  // is_object_layer_identifier: verid and priority
        if (copy(4) != 1) throw std::runtime_error("layer verid other than 1");
        copy(3);
    }
    if (copy(4) == 15) copy(16);  // aspect ratio, extended PAR
    if (copy(1)) {                // vol_control_parameters
        copy(3);
        if (copy(1))
            for (int n : {15, 1, 15, 1, 15, 1, 3, 11, 1, 15, 1})
                copy(n);
    }
    if (copy(2) != 0) throw std::runtime_error("shape is not rectangular");
    copy(1);
    copy(16);  // vop_time_increment_resolution
    copy(1);
    if (copy(1)) throw std::runtime_error("fixed_vop_rate set");
    copy(1);
    copy(13);
    copy(1);
    copy(13);
    copy(1);
    copy(1);               // interlaced
    copy(1);               // obmc_disable
    copy(1);               // sprite_enable
    copy(1);               // not_8_bit
    if (in.Get(1) == 1) {  // quant_type: the two matrix flags go with it
        if (in.Get(1) != 0 || in.Get(1) != 0) throw std::runtime_error("own quant matrices");
    }
    out.PutBit(0);
    CopyBits(in, out, bits - in.Position());
    out.Stuff();
    return out.Bytes();
}

std::vector<uint8_t> TimePacket(uint32_t value, uint8_t shift) {
    return {0x00,
            0x00,
            0x01,
            0xB2,
            0x06,
            0x00,
            0x82,
            shift,
            0x00,
            0x00,
            static_cast<uint8_t>(value),
            static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

std::vector<uint8_t> SoundPacket(const std::vector<uint8_t>& samples, uint8_t type,
                                 const std::vector<uint8_t>& header, bool header_length_in_x) {
    size_t length = header.size() + samples.size();
    if (length > 0xFFFF) throw std::runtime_error("sound packet too long");
    // Sized once for the 8 fixed bytes and the payload, then filled in place.
    std::vector<uint8_t> p(8 + length);
    p[0] = 0x00;
    p[1] = 0x00;
    p[2] = 0x01;
    p[3] = 0xB2;
    p[4] = static_cast<uint8_t>(length);
    p[5] = static_cast<uint8_t>(length >> 8);
    p[6] = type;
    p[7] = static_cast<uint8_t>(header_length_in_x ? header.size() : 0);
    std::copy(samples.begin(), samples.end(),
              std::copy(header.begin(), header.end(), p.begin() + 8));
    return p;
}

CameraStream MakeCameraStream(const std::vector<uint8_t>& encoded, const CameraStreamOptions& o) {
    std::vector<Unit> units = SplitUnits(encoded);
    CameraStream cs;
    bool have_vos = false, have_vo = false, have_video_object = false, have_vol = false;
    int vop_count = 0;
    for (const Unit& u : units)
        if (u.code == 0xB6) ++vop_count;
    for (const Unit& u : units) {
        const uint8_t c = u.code;
        std::vector<uint8_t> out;
        if (c == 0xB0) {
            if (have_vos) continue;
            have_vos = true;
            out = u.bytes;
        } else if (c == 0xB5) {
            if (have_vo) continue;
            have_vo = true;
            out = RewriteVisualObject(u.bytes);
        } else if (c <= 0x1F) {
            if (have_video_object) continue;
            have_video_object = true;
            out = u.bytes;
        } else if (c >= 0x20 && c <= 0x2F) {
            if (have_vol) continue;
            have_vol = true;
            out = RewriteVol(u.bytes);
        } else if (c == 0xB3) {
            // The camera puts its time packet right before an intra picture, where seeking looks
            // for it; a .tkm therefore has no GOV headers.
            if (o.tkm) continue;
            out = u.bytes;
        } else if (c == 0xB6) {
            if (o.tkm) {
                size_t n = o.sound.size();
                size_t a = n * cs.pictures / vop_count, b = n * (cs.pictures + 1) / vop_count;
                std::vector<uint8_t> samples(o.sound.begin() + a, o.sound.begin() + b);
                auto sp = SoundPacket(samples, 0x01, {}, false);
                uint32_t v = o.time_base + o.time_step * cs.pictures;
                auto tp = TimePacket(v, 0);
                cs.bytes.insert(cs.bytes.end(), sp.begin(), sp.end());
                cs.bytes.insert(cs.bytes.end(), tp.begin(), tp.end());
                cs.sound_bytes += samples.size();
                cs.time_values.push_back(v);
            }
            if (u.bytes.size() > 4 && (u.bytes[4] >> 6) == 0) ++cs.intra_pictures;
            ++cs.pictures;
            out = u.bytes;
        } else {
            continue;  // sequence end codes, user data
        }
        cs.bytes.insert(cs.bytes.end(), out.begin(), out.end());
    }
    if (!have_vol) throw std::runtime_error("no layer header in the encoded stream");
    return cs;
}

}  // namespace qv::fixtures
