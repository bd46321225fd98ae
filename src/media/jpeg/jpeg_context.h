// The state of the JPEG decoder for one open movie: tables, sample planes, the capture times
// between frames, and references to the state it shares with the rest of the player.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "media/jpeg/camera_metadata.h"
#include "media/jpeg/jpeg_tables.h"

namespace qv {

// The camera's colour factors (x 2048): red from Cr, green from Cb and Cr, blue from Cb.
constexpr int32_t kCrToRed = 2871;
constexpr int32_t kCbToGreen = -705;
constexpr int32_t kCrToGreen = -1463;
constexpr int32_t kCbToBlue = 3629;

// Colour products (i - 128) x factor for i = 0..255.
struct ColourTables {
    std::array<int32_t, 256> cr_r{};
    std::array<int32_t, 256> cb_g{};
    std::array<int32_t, 256> cr_g{};
    std::array<int32_t, 256> cb_b{};
    void Build();
};

// Limits -1024..1535 to 0..255; index with value + kSaturateOffset.
constexpr int kSaturateOffset = 1024;
extern const std::array<uint8_t, 2560> kSaturate;

// Largest picture side a movie may announce; larger headers are refused before any allocation.
constexpr int kMaxPictureSide = 4096;

class JpgContext {
  public:
    JpgContext(CameraMetadata& metadata, DisplayFlags& flags, const DecoderSwitches& switches,
               DiagnosticsLog* log = nullptr);

    // Sizes the sample planes for a picture (padded to multiples of 16, zero-filled) and
    // rebuilds the colour tables. Returns the number of allocations that failed (0 to 3; a side
    // of 0 or above kMaxPictureSide fails all three); on failure every plane is freed. Called
    // once per open.
    int AllocatePlanes(int width, int height);
    void FreePlanes();
    bool HasPlanes() const { return !luma_.empty(); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int PaddedWidth() const { return w16_; }
    int PaddedHeight() const { return h16_; }

    // Luma plane of the last decoded frame, row stride PaddedWidth() (read by the focus measure).
    const uint8_t* LumaPlane() const { return luma_.data(); }

    // Capture time bookkeeping between frames (hundredths of a second).
    void SetPreviousCaptureTime(int64_t t) { previous_capture_time_ = t; }
    int64_t PreviousCaptureTime() const { return previous_capture_time_; }
    // Full capture time of the frame last decoded by JpgDecodeFrame.
    int64_t LastCaptureTime() const { return last_capture_time_; }
    // First byte of the event segment of the frame last decoded by JpgDecodeFrame, -1 without.
    int LastEventByte() const { return last_event_byte_; }
    void SetLastEventByte(int b) { last_event_byte_ = b; }

    JpgTables tables;
    // Where decoder faults are reported ("Error in GetBits"); silent when null. This is the
    // developer's trace, not the diagnostics window's list.
    DiagnosticsLog* debug_output = nullptr;
    CameraMetadata& metadata;
    DisplayFlags& flags;
    const DecoderSwitches& switches;
    DiagnosticsLog* log;

    // Planes and scratch for the decoder and the parser's frame-to-frame state.
    uint8_t* MutableLuma() { return luma_.data(); }
    int16_t* MutableCb() { return cb_.data(); }
    int16_t* MutableCr() { return cr_.data(); }
    // Colour conversion scratch: three int16 offset rows and three byte rows of padded width.
    int16_t* ConvertScratch() { return convert_scratch_.data(); }
    // One row of macroblocks of samples (sixteen luma rows, eight rows of each chroma plane, each
    // of the planes' width), where the decoder puts them before they go to the picture and into
    // the planes.
    uint8_t* StripLuma() { return strip_luma_.data(); }
    int16_t* StripCb() { return strip_chroma_.data(); }
    int16_t* StripCr() { return strip_chroma_.data() + static_cast<size_t>(w16_) * 4; }
    const ColourTables& Colour() const { return colour_; }
    void SetLastCaptureTime(int64_t t) { last_capture_time_ = t; }
    bool& PreviousFrameHadPir() { return had_pir_; }

  private:
    int width_ = 0, height_ = 0, w16_ = 0, h16_ = 0;
    std::vector<uint8_t> luma_;  // w16 x h16, 0-255
    std::vector<int16_t> cb_;    // w16/2 x h16/2, centred on 0
    std::vector<int16_t> cr_;
    std::vector<int16_t> convert_scratch_;
    std::vector<uint8_t> strip_luma_;    // w16 x 16
    std::vector<int16_t> strip_chroma_;  // Cb then Cr, w16/2 x 8 each
    ColourTables colour_;
    int64_t previous_capture_time_ = 0;
    int64_t last_capture_time_ = 0;
    int last_event_byte_ = -1;
    bool had_pir_ = false;  // bPIR of the previously parsed frame
};

}  // namespace qv
