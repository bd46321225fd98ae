// The media layer's MPEG-4 decoder behind the player's stream interface.
#include "app/stream_media.h"
#include "media/mpeg4/stream_decoder.h"

namespace qv::app {
namespace {

class Mpeg4StreamMedia final : public StreamMedia {
  public:
    int32_t OpenStreamFile(const std::string& path) override {
        return decoder_.OpenStreamFile(path);
    }
    bool CloseStreamFile() override { return decoder_.CloseStreamFile(); }
    int32_t Width() const override { return decoder_.Width(); }
    int32_t Height() const override { return decoder_.Height(); }
    bool RewindToFirstVop() override { return decoder_.RewindToFirstVop(); }
    int32_t DecodeNextFrame(Picture* picture, int32_t* audio_bytes, bool audio_header,
                            audio::AudioSink* feed, uint32_t* time_value,
                            int32_t* quantiser) override {
        return decoder_.DecodeNextFrame(picture, audio_bytes, audio_header, feed, time_value,
                                        quantiser);
    }
    int32_t SeekToIntraVop(int32_t unit_index, int32_t unit_kb, int32_t direction) override {
        return decoder_.SeekToIntraVop(unit_index, unit_kb, direction);
    }
    void SetDeblockMethod(int method) override { decoder_.deblock_method = method; }
    void SetForceGrey(bool on) override { decoder_.SetForceGrey(on); }
    int32_t DefaultFilterCount() const override { return decoder_.deblock_counters.default_mode; }
    int32_t DcFilterCount() const override { return decoder_.deblock_counters.dc_offset_mode; }
    void ResetFilterCounts() override { decoder_.deblock_counters = {}; }

  private:
    mpeg4::StreamDecoder decoder_;
};

}  // namespace

std::unique_ptr<StreamMedia> MakeStreamMedia() {
    return std::make_unique<Mpeg4StreamMedia>();
}

}  // namespace qv::app
