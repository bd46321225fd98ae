// Reads the pieces of a WAVE file the sound tests compare: the format fields and the data chunk.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qv::audio::testing {

struct WavContents {
    uint16_t format_tag = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t block_align = 0;
    uint16_t samples_per_block = 0;
    uint32_t fact_samples = 0;
    std::vector<uint8_t> data;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline uint32_t Le(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b[at + i];
    return v;
}

// False when the file is not a WAVE file with "fmt " and "data" chunks.
inline bool ReadWav(const std::string& path, WavContents& out) {
    const auto b = ReadBytes(path);
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return false;
    bool fmt = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const size_t size = Le(b, at + 4, 4);
        const size_t body = at + 8;
        if (size > b.size() - body) return false;
        if (id == "fmt " && size >= 16) {
            out.format_tag = Le(b, body, 2);
            out.channels = Le(b, body + 2, 2);
            out.rate = Le(b, body + 4, 4);
            out.block_align = Le(b, body + 12, 2);
            if (size >= 20) out.samples_per_block = Le(b, body + 18, 2);
            fmt = true;
        } else if (id == "fact" && size >= 4) {
            out.fact_samples = Le(b, body, 4);
        } else if (id == "data") {
            out.data.assign(b.begin() + body, b.begin() + body + size);
            return fmt;
        }
        at = body + size + (size & 1);
    }
    return false;
}

inline std::vector<int16_t> ReadRawS16(const std::string& path) {
    const auto b = ReadBytes(path);
    std::vector<int16_t> s(b.size() / 2);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>(b[2 * i] | (b[2 * i + 1] << 8));
    return s;
}

}  // namespace qv::audio::testing
