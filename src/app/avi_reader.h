// What the player needs of the camera AVI reader: open and close, the current frame, reading and
// decoding a frame, and the header values and flags of the open movie. The real reader sits behind
// it in the program; tests use a scripted one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "diag/focus_score.h"
#include "export/export_source.h"
#include "media/jpeg/camera_metadata.h"
#include "media/picture/picture.h"
#include "search/search_movie.h"

namespace qv::app {

// The search's view of the movie (block planes, event frames, PIR onsets, picture size) and the
// export's (header, frames, path) are part of it.
class AviReader : public search::SearchMovie, public exports::ExportSource {
  public:
    // 0 on success, negative on failure (FrameCount() is then -1, or 0 for a movie without
    // frames).
    virtual int Open(const std::string& path) = 0;
    virtual void Close() = 0;

    int FrameCount() const override = 0;
    // Frames the recording's index lists; more than FrameCount() when the file ends early.
    virtual int DeclaredFrameCount() const { return FrameCount(); }
    virtual int CurrentFrame() const = 0;
    int Scale() const override = 0;  // capture interval in seconds
    int Rate() const override = 0;

    // Moves the current frame by delta, clamped to the movie; -1 when it did not change.
    virtual int StepFrame(int delta) = 0;
    virtual void SetFrame(int frame) = 0;
    // One past the last frame, so that a step back lands on the last one.
    virtual void SeekEnd() = 0;

    // Reads a frame's JPEG data into the reader's frame buffer; 0 or a negative code. offset
    // receives the frame chunk's file position.
    virtual int ReadFrame(int frame, uint32_t* offset) = 0;
    // Decodes the frame read last into picture; 0 or a code.
    virtual int DecodeCurrent(Picture& picture) = 0;
    // Milliseconds since the previously decoded frame, as the last decode reported.
    virtual int LastIntervalMs() const = 0;
    // Capture time of the frame decoded last, in hundredths of a second since 2004.
    virtual int64_t LastCaptureTime() const = 0;
    // The JPEG bytes of the frame read last.
    virtual const uint8_t* FrameData() const = 0;
    virtual size_t FrameSize() const = 0;

    virtual bool HasCaptureClock() const = 0;
    virtual bool EventRecording() const = 0;
    virtual const std::vector<int32_t>& EventList() const = 0;
    // Capture date and time texts of the frame decoded last.
    virtual void DateTime(int64_t elapsed_seconds, std::string& date, std::string& time) = 0;

    // State shared with the decoder: the metadata of the last parsed frame and the display flags.
    virtual const CameraMetadata& Metadata() const = 0;
    virtual const DisplayFlags& Flags() const = 0;
    // The diagnostics window's switches for the decoder (grey mode, end-of-image check, clock
    // dump) and the list the clock dumps go to.
    virtual void SetDiagnostics(const DecoderSwitches& switches, DiagnosticsLog* log) = 0;
    // The luma plane of the frame decoded last, for the focus score.
    virtual diag::LumaPlane Luma() const = 0;
};

// The camera AVI reader of the media layer behind the interface above.
std::unique_ptr<AviReader> MakeCameraAviReader();

}  // namespace qv::app
