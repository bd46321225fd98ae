// Builds a camera .m4v or .tkm recording from ffmpeg's MPEG-4 Part 2 encoder, and the raw YUV
// 4:2:0 pictures ffmpeg decodes from the encoder's own stream (the reference the tests compare
// with).
//
// usage: make_m4v_fixture OUT.m4v|OUT.tkm --size WxH --frames N [--gop G] [--q Q]
//            [--content moving|pan|pan-framed] [--motion-est zero|default] [--ref REF.yuv]
//            [--speech TEXT] [--time-base V] [--time-step V]
// Writes OUT, OUT.info (pictures, intra pictures, sound bytes, first and last time values) and,
// with --ref, the reference pictures. The sound of a .tkm is a 440 Hz tone, or with --speech the
// TEXT spoken by espeak-ng and padded with silence to the recording's length (15 pictures per
// second). Time packet values are V = time-base + picture x time-step (default 1000 and 100).
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "m4v_fixtures/stream_rewrite.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

// A word the shell passes through unchanged.
std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Intermediate files beside the output, named after it and this process. All are removed at the
// end, also when a step fails, so a failed run leaves nothing that looks like a recording.
class TempFiles {
  public:
    explicit TempFiles(const std::string& out) : base_(out + ".tmp" + std::to_string(::getpid())) {}
    ~TempFiles() {
        for (const std::string& f : names_)
            std::remove(f.c_str());
    }
    std::string Name(const std::string& suffix) {
        names_.push_back(base_ + suffix);
        return names_.back();
    }

  private:
    std::string base_;
    std::vector<std::string> names_;
};

// The data chunk of a WAV file.
std::vector<uint8_t> WavData(const std::vector<uint8_t>& wav) {
    size_t pos = 12;
    while (pos + 8 <= wav.size()) {
        uint32_t size = wav[pos + 4] | (wav[pos + 5] << 8) | (wav[pos + 6] << 16) |
                        (static_cast<uint32_t>(wav[pos + 7]) << 24);
        if (std::string(wav.begin() + pos, wav.begin() + pos + 4) == "data") {
            size_t end = std::min<size_t>(wav.size(), pos + 8 + size);
            return {wav.begin() + pos + 8, wav.begin() + end};
        }
        pos += 8 + size + (size & 1);
    }
    throw std::runtime_error("no data chunk in the sound file");
}

struct Options {
    std::string out, ref;
    int width = 320, height = 240, frames = 30, gop = 10, q = 3;
    std::string content = "moving", motion_est = "zero";
    std::string speech;  // empty: the tone
    uint32_t time_base = 1000, time_step = 100;
};

Options Parse(int argc, char** argv) {
    Options o;
    if (argc < 2) throw std::runtime_error("usage: make_m4v_fixture OUT --size WxH --frames N ...");
    o.out = argv[1];
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string k = argv[i], v = argv[i + 1];
        if (k == "--size") {
            if (std::sscanf(v.c_str(), "%dx%d", &o.width, &o.height) != 2)
                throw std::runtime_error("bad size " + v);
        } else if (k == "--frames") {
            o.frames = std::stoi(v);
        } else if (k == "--gop") {
            o.gop = std::stoi(v);
        } else if (k == "--q") {
            o.q = std::stoi(v);
        } else if (k == "--content") {
            o.content = v;
        } else if (k == "--motion-est") {
            o.motion_est = v;
        } else if (k == "--ref") {
            o.ref = v;
        } else if (k == "--speech") {
            o.speech = v;
        } else if (k == "--time-base") {
            o.time_base = static_cast<uint32_t>(std::stoul(v));
        } else if (k == "--time-step") {
            o.time_step = static_cast<uint32_t>(std::stoul(v));
        } else {
            throw std::runtime_error("unknown option " + k);
        }
    }
    return o;
}

std::string Source(const Options& o) {
    const std::string size = std::to_string(o.width) + "x" + std::to_string(o.height);
    if (o.content == "pan") {
        // A still picture seen through a window that moves by whole pixels every picture.
        const int big_w = o.width + 2 * o.frames, big_h = o.height + o.frames;
        return "-f lavfi -i testsrc2=size=" + std::to_string(big_w) + "x" + std::to_string(big_h) +
               ":rate=15 -vf \"select=eq(n\\,0),loop=loop=-1:size=1:start=0,setpts=N/15/TB,crop=" +
               std::to_string(o.width) + ":" + std::to_string(o.height) + ":2*n:n\"";
    }
    if (o.content == "pan-framed") {
        // The same inside a still 16-sample grey frame: the macroblocks along the picture's edges
        // look the same wherever their vectors point, so the edge rule of the camera's decoder
        // (outward vector components of edge macroblocks dropped) changes nothing there.
        const int iw = o.width - 32, ih = o.height - 32;
        const int big_w = iw + 2 * o.frames, big_h = ih + o.frames;
        return "-f lavfi -i testsrc2=size=" + std::to_string(big_w) + "x" + std::to_string(big_h) +
               ":rate=15 -vf \"select=eq(n\\,0),loop=loop=-1:size=1:start=0,setpts=N/15/TB,crop=" +
               std::to_string(iw) + ":" + std::to_string(ih) +
               ":2*n:n,pad=" + std::to_string(o.width) + ":" + std::to_string(o.height) +
               ":16:16:gray\"";
    }
    return "-f lavfi -i testsrc2=size=" + size + ":rate=15";
}

// The sound of a .tkm as the camera records it: mono 16 kHz IMA ADPCM in 128-byte blocks, as long
// as the pictures last.
std::vector<uint8_t> Sound(const Options& o, TempFiles& temps) {
    const std::string seconds = std::to_string(o.frames / 15.0);
    const std::string wav = temps.Name(".wav");
    std::string input = "-f lavfi -i sine=frequency=440:sample_rate=16000:duration=" + seconds;
    if (!o.speech.empty()) {
        // The text goes through a file so that no word of it is read as an option.
        const std::string spoken = temps.Name(".speech.wav"), text = temps.Name(".speech.txt");
        std::ofstream(text) << o.speech << "\n";
        Run("espeak-ng -w " + Quote(spoken) + " -f " + Quote(text));
        input = "-i " + Quote(spoken) + " -af apad -t " + seconds + " -ar 16000";
    }
    Run("ffmpeg -hide_banner -loglevel error -y " + input +
        " -ac 1 -c:a adpcm_ima_wav -block_size 128 -flags +bitexact -fflags +bitexact " +
        Quote(wav));
    return WavData(ReadFile(wav));
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Options o = Parse(argc, argv);
        const bool tkm = o.out.size() > 4 && o.out.compare(o.out.size() - 4, 4, ".tkm") == 0;
        if (!o.speech.empty() && !tkm) throw std::runtime_error("--speech needs a .tkm output");
        TempFiles temps(o.out);
        const std::string encoded = temps.Name(".orig.m4v");
        std::string cmd = "ffmpeg -hide_banner -loglevel error -y " + Source(o) + " -frames:v " +
                          std::to_string(o.frames) +
                          " -threads 1 -c:v mpeg4 -mpeg_quant 1 -bf 0 -g " + std::to_string(o.gop) +
                          " -q:v " + std::to_string(o.q) +
                          (o.motion_est == "zero" ? " -motion_est zero" : "") +
                          " -flags +bitexact -fflags +bitexact -f m4v " + Quote(encoded);
        Run(cmd);
        if (!o.ref.empty())
            Run("ffmpeg -hide_banner -loglevel error -y -threads 1 -i " + Quote(encoded) +
                " -f rawvideo -pix_fmt yuv420p " + Quote(o.ref));
        qv::fixtures::CameraStreamOptions cso;
        cso.tkm = tkm;
        cso.time_base = o.time_base;
        cso.time_step = o.time_step;
        if (tkm) cso.sound = Sound(o, temps);
        qv::fixtures::CameraStream cs = qv::fixtures::MakeCameraStream(ReadFile(encoded), cso);
        WriteFile(o.out, cs.bytes);
        std::ofstream info(o.out + ".info");
        info << "pictures " << cs.pictures << "\nintra_pictures " << cs.intra_pictures
             << "\nsound_bytes " << cs.sound_bytes << "\n";
        if (!cs.time_values.empty())
            info << "first_time " << cs.time_values.front() << "\nlast_time "
                 << cs.time_values.back() << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_m4v_fixture: %s\n", e.what());
        return 1;
    }
}
