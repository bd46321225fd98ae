// The media layer's camera AVI reader behind the player's reader interface.
#include "app/avi_reader.h"
#include "export/avi_export_source.h"
#include "media/avi/avi_movie.h"
#include "search/avi_search_movie.h"

namespace qv::app {
namespace {

class CameraAviReader final : public AviReader {
  public:
    CameraAviReader() : movie_(metadata_, flags_, switches_), search_(movie_), export_(movie_) {}

    int Open(const std::string& path) override {
        const int r = movie_.AviOpen(path);
        if (r == 0) {
            search_.Attach(path);
            export_.Attach(path);
        }
        return r;
    }
    void Close() override {
        search_.Detach();
        export_.Detach();
        movie_.AviClose();
    }
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
    void LoadBlocks(int frame, const search::BlockPlanes& planes) override {
        search_.LoadBlocks(frame, planes);
    }
    int ScanForEvent(int first, int end) override { return movie_.ScanForEvent(first, end); }
    bool ParseForPirOnset(int frame) override { return search_.ParseForPirOnset(frame); }
    bool GreyMode() const override { return switches_.cbForceBW; }
    const std::string& SourcePath() const override { return export_.SourcePath(); }
    uint32_t HeaderLength() const override { return export_.HeaderLength(); }
    bool ReadHead(uint8_t* out, size_t n) override { return export_.ReadHead(out, n); }
    uint32_t IndexedFrameSize(int frame) const override { return export_.IndexedFrameSize(frame); }
    bool ReadFrameBytes(int frame, const uint8_t*& data, uint32_t& size) override {
        return export_.ReadFrameBytes(frame, data, size);
    }
    const CameraMetadata& Metadata() const override { return metadata_; }
    const DisplayFlags& Flags() const override { return flags_; }
    void SetDiagnostics(const DecoderSwitches& switches, DiagnosticsLog* log) override {
        switches_ = switches;
        movie_.Jpeg().log = log;
    }
    diag::LumaPlane Luma() const override {
        const JpgContext& j = movie_.Jpeg();
        if (!j.HasPlanes()) return {};
        return {j.LumaPlane(), j.PaddedWidth(), j.PaddedHeight()};
    }

  private:
    CameraMetadata metadata_;
    DisplayFlags flags_;
    DecoderSwitches switches_;
    AviMovie movie_;
    search::AviSearchMovie search_;
    exports::AviExportSource export_;
};

}  // namespace

std::unique_ptr<AviReader> MakeCameraAviReader() {
    return std::make_unique<CameraAviReader>();
}

}  // namespace qv::app
