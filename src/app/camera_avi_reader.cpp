// The media layer's camera AVI reader behind the player's reader interface.
#include "app/avi_reader.h"
#include "media/avi/avi_movie.h"

namespace qv::app {
namespace {

class CameraAviReader final : public AviReader {
  public:
    CameraAviReader() : movie_(metadata_, flags_, switches_) {}

    int Open(const std::string& path) override { return movie_.AviOpen(path); }
    void Close() override { movie_.AviClose(); }
    int FrameCount() const override { return movie_.FrameCount(); }
    int DeclaredFrameCount() const override { return movie_.DeclaredFrameCount(); }
    int CurrentFrame() const override { return movie_.CurrentFrame(); }
    int Scale() const override { return movie_.Scale(); }
    int Rate() const override { return movie_.Rate(); }
    int Width() const override { return movie_.Width(); }
    int Height() const override { return movie_.Height(); }
    int StepFrame(int delta) override { return movie_.AviStepFrame(delta); }
    void SetFrame(int frame) override { movie_.AviSetFrame(frame); }
    void SeekEnd() override { movie_.AviSeekEnd(); }
    int ReadFrame(int frame, uint32_t* offset) override {
        if (frame < 0 || frame >= movie_.FrameCount()) return kAviBadChunk;
        return movie_.AviReadFrame(frame, offset, nullptr);
    }
    int DecodeCurrent(Picture& picture) override { return movie_.AviDecodeCurrent(picture); }
    int LastIntervalMs() const override { return movie_.LastIntervalMs(); }
    int64_t LastCaptureTime() const override { return movie_.Jpeg().LastCaptureTime(); }
    const uint8_t* FrameData() const override { return movie_.FrameBuffer(); }
    size_t FrameSize() const override { return movie_.LastFrameSize(); }
    bool HasCaptureClock() const override { return movie_.HasCaptureClock(); }
    bool EventRecording() const override { return movie_.EventRecording(); }
    const std::vector<int32_t>& EventList() const override { return movie_.EventList(); }
    void DateTime(int64_t elapsed, std::string& date, std::string& time) override {
        movie_.CameraDateTime(elapsed, date, time);
    }
    const CameraMetadata& Metadata() const override { return metadata_; }
    const DisplayFlags& Flags() const override { return flags_; }

  private:
    CameraMetadata metadata_;
    DisplayFlags flags_;
    DecoderSwitches switches_;
    AviMovie movie_;
};

}  // namespace

std::unique_ptr<AviReader> MakeCameraAviReader() {
    return std::make_unique<CameraAviReader>();
}

}  // namespace qv::app
