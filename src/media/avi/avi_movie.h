// The camera AVI reader: header fields at the camera's fixed offsets, the model tag and capture
// mode, the frame index, reading and decoding frames by number, and the current frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "media/jpeg/camera_metadata.h"
#include "media/jpeg/jpeg_context.h"
#include "media/picture/picture.h"
#include "platform/clock.h"
#include "platform/file.h"

namespace qv {

// One frame of the index: absolute file offset of the frame chunk's header and the JPEG size.
struct AviFrameEntry {
    uint32_t offset = 0;
    uint32_t size = 0;
};

// Result codes of the reader.
constexpr int kAviOk = 0;
constexpr int kAviOpenFailed = -1;  // cannot open, no "idx1", no frames, bad index entry
constexpr int kAviBadChunk = -3;    // the indexed chunk is not a "00db" frame (or unreadable)
// The header's picture size is one the player does not show (a side of 0 or above
// kMaxPictureSide). The movie is open all the same: its index, frames and camera segments read,
// but no frame decodes into a picture.
constexpr int kAviPictureSizeUnshown = -6;

// One open camera movie. The display flags, metadata, switches and diagnostics log are shared
// with the rest of the player and passed in; the reader owns its file, index, frame buffer and
// the JPEG decoder state.
class AviMovie {
  public:
    AviMovie(CameraMetadata& metadata, DisplayFlags& flags, const DecoderSwitches& switches,
             DiagnosticsLog* log = nullptr);
    ~AviMovie();
    AviMovie(const AviMovie&) = delete;
    AviMovie& operator=(const AviMovie&) = delete;

    // Closes any open movie, then opens path: header fields, "JUNK" model tag and mode,
    // frame index, buffers, frame 0's camera segments and the event list. 0 on success; -1 when
    // the file cannot be opened, has no "idx1", no frames or a bad index entry; -1 to -5 the
    // negated count of buffer allocations that failed; kAviPictureSizeUnshown when the picture
    // size is beyond what the player shows (the movie stays open for reading its frames).
    // A recording cut short (a copy that stopped early) keeps only its leading frames whose
    // chunk (header and JPEG bytes) lies wholly inside the file; when not even frame 0's does,
    // it opens as a movie without frames (-1, FrameCount() 0). An "idx1" that is itself cut
    // off by the end of the file gives the entries that are there.
    int AviOpen(const std::string& path);
    // Closes the file and frees the index, the frame buffer and the sample planes.
    void AviClose();
    bool IsOpen() const { return file_.IsOpen(); }

    // Reads frame's JPEG data into buffer (capacity bytes) and reports the entry's offset and
    // size (either may be null). 0 on success; -3 when the chunk is not "00db", the frame
    // number is out of range or the frame does not fit the buffer or the file.
    int AviReadFrame(int frame, uint8_t* buffer, size_t capacity, uint32_t* offset, uint32_t* size);
    // Same, into the movie's own frame buffer.
    int AviReadFrame(int frame, uint32_t* offset = nullptr, uint32_t* size = nullptr);

    // Adds delta to the current frame, clamped to 0 .. frame count - 1. -1 when it did not
    // change, else 0.
    int AviStepFrame(int delta);
    void AviSetFrame(int frame) { current_frame_ = frame; }
    // Current frame = frame count (one past the last); the next step by -1 lands on the last.
    void AviSeekEnd() { current_frame_ = frame_count_; }

    // Decodes size bytes of JPEG data, taken to be the current frame, into picture (allocated
    // to the movie's size when it is not). Keeps the interval and capture time it reports.
    int AviDecodeCurrent(const uint8_t* buffer, size_t size, Picture& picture);
    // Same, from the frame buffer holding the frame last read.
    int AviDecodeCurrent(Picture& picture);

    // The first event frame from first (included) towards end (excluded), or -1. Reads and
    // parses each frame it passes (the metadata follows them).
    int ScanForEvent(int first, int end);

    // Accessors.
    // Frames of the movie: those whose data is in the file. -1 when the file cannot be opened,
    // 0 for a movie without frames.
    int32_t FrameCount() const { return frame_count_; }
    // The total frame count the header declares; above FrameCount() when the recording ends
    // early. -1 when the file cannot be opened.
    int32_t DeclaredFrameCount() const { return declared_frame_count_; }
    int32_t Scale() const { return scale_; }  // capture interval in seconds
    int32_t Rate() const { return rate_; }
    // rate / scale; 0 for a scale that is not positive.
    int32_t FramesPerSecond() const { return scale_ > 0 ? rate_ / scale_ : 0; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t CurrentFrame() const { return current_frame_; }
    uint32_t FileSize() const { return file_size_; }
    platform::DosDateTime FileDateTime() const { return file_time_; }
    const DisplayFlags& Flags() const { return flags_; }
    const std::string& ModelTag() const { return model_tag_; }  // last "JUNK" tag, 6 chars
    int CaptureMode() const { return capture_mode_; }           // its mode byte, -1 when none
    bool HasCaptureClock() const { return has_capture_clock_; }
    bool EventRecording() const { return event_recording_; }
    int EventCount() const { return static_cast<int>(events_.size()); }
    const std::vector<int32_t>& EventList() const { return events_; }
    const std::vector<AviFrameEntry>& FrameIndex() const { return index_; }
    uint32_t IndexPosition() const { return index_position_; }
    uint32_t IndexBase() const { return index_base_; }
    uint32_t LastFrameSize() const { return last_frame_size_; }
    const uint8_t* FrameBuffer() const { return frame_buffer_.data(); }
    size_t FrameBufferSize() const { return frame_buffer_.size(); }
    // Outputs of the last AviDecodeCurrent.
    int32_t LastIntervalMs() const { return last_interval_ms_; }
    uint32_t LastCaptureTimeLow() const { return last_capture_low_; }

    // The clocks CameraDateTime chooses from for the frame last decoded.
    ClockSources Clocks() const;
    // Date and time texts of the frame last decoded; elapsed_seconds is its time since the
    // first frame (used only with the file clock).
    void CameraDateTime(int64_t elapsed_seconds, std::string& date, std::string& time);

    JpgContext& Jpeg() { return jpeg_; }
    const JpgContext& Jpeg() const { return jpeg_; }

  private:
    bool WalkHeaders();
    void ApplyJunk(const uint8_t* tag_and_mode);
    int AllocateBuffers();
    bool AllocateFrameBuffer();
    void FreeBuffers();
    int BuildIndex();
    void ParseFirstFrame();
    void BuildEventList();
    bool IsEventFrame(int frame);

    CameraMetadata& metadata_;
    DisplayFlags& flags_;
    JpgContext jpeg_;

    platform::File file_;
    uint32_t file_size_ = 0;
    platform::DosDateTime file_time_;
    int32_t frame_count_ = -1;
    int32_t declared_frame_count_ = -1;
    int32_t index_entries_ = 0;  // "idx1" entries inside the file, read at open
    int32_t scale_ = 0;
    int32_t rate_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    uint32_t index_position_ = 0;
    uint32_t index_base_ = 0;
    int32_t current_frame_ = 0;
    std::string model_tag_;
    int capture_mode_ = -1;
    std::vector<AviFrameEntry> index_;
    std::vector<uint8_t> frame_buffer_;
    uint32_t last_frame_size_ = 0;
    bool has_capture_clock_ = false;
    bool event_recording_ = false;
    std::vector<int32_t> events_;
    int32_t last_interval_ms_ = 0;
    uint32_t last_capture_low_ = 0;
    Calendar calendar_;  // values of the last CameraDateTime
};

}  // namespace qv
