// An open .m4v or .tkm movie: the mapped stream, its headers, the frame buffers and the picture
// decoder. This is what the player, the command-line tool and the sound path use.
//
// Layout of a recording: the four stream headers once, then for every picture any number of
// user-data packets (start code 00 00 01 B2), at most one group-of-VOPs header and the VOP. A
// .tkm carries its sound and clock in those packets; a .m4v has none:
//
//   offset 0  4 bytes  00 00 01 B2
//          4  2 bytes  payload length L (little-endian)
//          6  1 byte   type T: below 0x80 sound, 0x82 time, anything else skipped
//          7  1 byte   extra byte X: for sound, the length H of a header at the start of the
//                      payload when the caller says sound packets carry one; for time, a shift S
//          8  L bytes  payload: sound = H header bytes then L - H bytes of IMA ADPCM (mono,
//                      16 kHz, 128-byte blocks of 249 samples); time = 2 unused bytes and a
//                      32-bit value V, giving the time value (((V * 249) >> 7) / 162) << S
//
// Sound and time for the audio path: DecodeNextFrame(picture or nullptr, &sound_bytes,
// header_flag, &sink, &time_value, nullptr) consumes the packets in front of the next picture,
// hands every sound packet's L - H sample bytes to sink.FeedAudioBytes in stream order (in one or
// more calls; never a pointer that outlives the call), sets sound_bytes to the L - H of the last
// sound packet and time_value to the value of the last time packet (0 when none), then decodes the
// picture. Pass nullptr as the sink to skip the sound by length.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "audio/audio_sink.h"
#include "media/mpeg4/deblock.h"
#include "media/mpeg4/debug_log.h"
#include "media/mpeg4/frame_buffers.h"
#include "media/mpeg4/macroblocks.h"
#include "media/mpeg4/stream_headers.h"
#include "media/mpeg4/stream_reader.h"
#include "media/picture/picture.h"

namespace qv::mpeg4 {

// Time value of a time packet from its shift and 32-bit value.
uint32_t TimePacketValue(uint32_t value, uint32_t shift);

class StreamDecoder {
  public:
    // granule: window size of the mapped reader (0: the system default of about 1 MiB).
    explicit StreamDecoder(uint32_t granule = 0) : granule_(granule) {}

    // Closes any open movie, maps the file, parses its headers and allocates the frame buffers.
    // Returns the file size in KiB (truncated), or 0 on any failure with the reason in
    // LastError(); a file whose first window cannot be mapped stays closed.
    int32_t OpenStreamFile(const std::string& path);
    // The same over bytes in memory that the caller keeps alive while the movie is open.
    int32_t OpenStreamMemory(const uint8_t* data, uint64_t size);
    // True if nothing was open or everything was released.
    bool CloseStreamFile();
    bool IsOpen() const { return reader_.IsOpen(); }

    // Puts the reader on the first picture; false when no stream headers are known.
    bool RewindToFirstVop();

    // Decodes the next picture (see the top of this file for the packets in front of it). picture:
    // filled with the 24-bit picture (sized by the caller to Width() x Height(), or taller: the
    // rows below the image are left alone), or nullptr to decode only. Returns the file position
    // after the picture in KiB, or -1 when no picture was decoded (no VOP after the packets, a
    // header or data error, or a VOP with vop_coded 0).
    int32_t DecodeNextFrame(Picture* picture, int32_t* audio_bytes, bool audio_header,
                            audio::AudioSink* feed, uint32_t* time_value, int32_t* quantiser);

    // Places the reader on the next (direction >= 0) or previous intra picture from byte position
    // unit_index x unit_kb x 1024: on the time packet right in front of it if there is one, else
    // on its VOP start code. Returns that position / (unit_kb x 1024); 0 when the end or start of
    // the file came first; -1 when a window could not be mapped.
    int32_t SeekToIntraVop(int32_t unit_index, int32_t unit_kb, int32_t direction);

    int32_t Width() const { return layer_.width; }
    int32_t Height() const { return layer_.height; }
    const LayerParams& Layer() const { return layer_; }
    // Header of the last VOP read (its type, quantiser, time increment).
    const VopParams& LastVop() const { return vop_; }
    // Macroblock statistics of the last picture decoded.
    const MacroblockDecoder::Stats& LastStats() const { return macroblocks_.stats; }
    StreamReader& Reader() { return reader_; }
    FrameBuffers& Frames() { return frames_; }
    const std::string& LastError() const { return error_; }

    // 0 none, 1 whole-picture low-pass, 2 block-edge filter (DeblockMethod).
    int32_t deblock_method = kDeblockNone;
    DeblockCounters deblock_counters;
    DebugLog log;
    // Writes the chroma of every macroblock as 128 (a diagnostics switch).
    void SetForceGrey(bool on) { macroblocks_.force_grey = on; }

  private:
    int32_t FinishOpen();
    bool ReadPackets(int32_t* audio_bytes, bool audio_header, audio::AudioSink* feed,
                     uint32_t* time_value);
    bool FeedPayload(audio::AudioSink& sink, uint32_t count);
    void Output(Picture& picture, int32_t quantiser);

    uint32_t granule_;
    StreamReader reader_;
    LayerParams layer_;
    VopParams vop_;
    FrameBuffers frames_;
    MacroblockDecoder macroblocks_;
    std::string error_;
};

}  // namespace qv::mpeg4
