// What the player needs of the MPEG-4 stream reader for .m4v and .tkm recordings: open and close,
// rewind, decode picture by picture with the sound and time packets in front of each picture,
// seek to intra pictures by file position, and the deblocking method with its counters. The
// media layer's decoder sits behind it in the program; tests use a scripted one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "audio/audio_sink.h"
#include "media/picture/picture.h"

namespace qv::app {

class StreamMedia {
  public:
    virtual ~StreamMedia() = default;

    // The file size in KiB (> 0) when the file was mapped and its headers parsed; <= 0 otherwise.
    // Closes a previous stream first.
    virtual int32_t OpenStreamFile(const std::string& path) = 0;
    virtual bool CloseStreamFile() = 0;
    // Picture size of the open stream.
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;

    // Puts the reader on the first picture; false when no stream is open.
    virtual bool RewindToFirstVop() = 0;
    // Decodes the next picture into the top rows of picture (which may be taller than the
    // stream's pictures: the rows below stay as they are). Sound bytes go to feed when given.
    // Returns the position in KiB after the picture, <= 0 at the end of the stream or on failure.
    virtual int32_t DecodeNextFrame(Picture* picture, int32_t* audio_bytes, bool audio_header,
                                    audio::AudioSink* feed, uint32_t* time_value,
                                    int32_t* quantiser) = 0;
    // The next (+1) or previous (-1) intra picture from unit_index x unit_kb KiB; the position
    // where reading resumes in those units, <= 0 when none was found.
    virtual int32_t SeekToIntraVop(int32_t unit_index, int32_t unit_kb, int32_t direction) = 0;

    // 0 none, 1 low-pass, 2 block edges.
    virtual void SetDeblockMethod(int method) = 0;
    // The diagnostics window's grey mode: pictures are reconstructed without colour.
    virtual void SetForceGrey(bool on) = 0;
    // Edges changed by the block-edge filter in its default and DC offset modes since the last
    // reset.
    virtual int32_t DefaultFilterCount() const = 0;
    virtual int32_t DcFilterCount() const = 0;
    virtual void ResetFilterCounts() = 0;
};

// The media layer's MPEG-4 decoder behind the interface above.
std::unique_ptr<StreamMedia> MakeStreamMedia();

}  // namespace qv::app
