#include "media/avi/avi_movie.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <stdexcept>

#include "media/jpeg/jpeg_decoder.h"
#include "media/jpeg/jpeg_parser.h"

namespace qv {

namespace {

// Fixed places of the header fields in the camera's layout.
constexpr int64_t kTotalFramesAt = 48;
constexpr int64_t kScaleAt = 128;
constexpr int64_t kRateAt = 132;
constexpr int64_t kWidthAt = 184;
constexpr int64_t kHeightAt = 188;
constexpr int64_t kFirstChunkAt = 220;
constexpr int32_t kOneDayScale = 65535;
constexpr size_t kIndexEntrySize = 16;

uint32_t Le32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool ReadLe32(const platform::File& f, int64_t at, uint32_t& out) {
    uint8_t b[4];
    if (!f.ReadAt(at, b, 4)) return false;
    out = Le32(b);
    return true;
}

template <typename T>
bool TryAssign(std::vector<T>& v, size_t n) {
    try {
        v.assign(n, T{});
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    v = {};
    return false;
}

// scale x 10 for the rate rules, limited to the 32-bit rate (a damaged scale would overflow it).
int32_t TenTimes(int32_t scale) {
    int64_t v = static_cast<int64_t>(scale) * 10;
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

bool TagIs(const std::string& tag, const char* name) {
    return tag == name;
}

bool PictureSizeShown(int32_t width, int32_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

}  // namespace

AviMovie::AviMovie(CameraMetadata& metadata, DisplayFlags& flags, const DecoderSwitches& switches,
                   DiagnosticsLog* log)
    : metadata_(metadata), flags_(flags), jpeg_(metadata, flags, switches, log) {}

AviMovie::~AviMovie() {
    AviClose();
}

void AviMovie::AviClose() {
    file_.Close();
    index_ = {};
    frame_buffer_ = {};
    events_ = {};
    jpeg_.FreePlanes();
    last_frame_size_ = 0;
}

void AviMovie::ApplyJunk(const uint8_t* body) {
    model_tag_.assign(reinterpret_cast<const char*>(body), 6);
    int mode = body[6];
    capture_mode_ = mode;
    DisplayFlags& f = flags_;
    if (TagIs(model_tag_, "KMX310") || TagIs(model_tag_, "KMXPLS") || TagIs(model_tag_, "VELKA0") ||
        TagIs(model_tag_, "KMX130")) {
        switch (mode) {
            case 0:
                f.ShowCaptureInterval = true, f.ShowElapsedTime = true;
                break;
            case 1:
                f.ShowCaptureInterval = false, f.ShowElapsedTime = true;
                break;
            case 2:
                f.ShowCaptureInterval = false, f.ShowElapsedTime = false;
                break;
            case 3:
                f.ShowCaptureInterval = true, f.ShowElapsedTime = true, f.IntervalAsap = true;
                // Fast capture plays at no less than 10 frames per second.
                if (TagIs(model_tag_, "KMXPLS") && scale_ > 0 && rate_ / scale_ < 10)
                    rate_ = TenTimes(scale_);
                break;
            default:
                break;
        }
    } else if (TagIs(model_tag_, "WDX310")) {
        f.WdxCaptureMode = mode;
        f.ShowElapsedTime = true;
        f.ShowCaptureInterval = (mode == 1 || mode == 3 || mode > 3);
        f.IntervalAsap = (mode == 3);
    }
}

bool AviMovie::WalkHeaders() {
    uint32_t frames = 0, scale = 0, rate = 0, width = 0, height = 0;
    // A file too short for the header fields reads them as zero and fails on the frame count.
    ReadLe32(file_, kTotalFramesAt, frames);
    ReadLe32(file_, kScaleAt, scale);
    ReadLe32(file_, kRateAt, rate);
    ReadLe32(file_, kWidthAt, width);
    ReadLe32(file_, kHeightAt, height);
    frame_count_ = static_cast<int32_t>(frames);
    declared_frame_count_ = frame_count_;
    scale_ = static_cast<int32_t>(scale);
    if (scale_ == kOneDayScale) scale_ = 86400;
    rate_ = static_cast<int32_t>(rate);
    if (rate_ < 0) rate_ = TenTimes(scale_);
    width_ = static_cast<int32_t>(width);
    height_ = static_cast<int32_t>(height);

    // Chunk walk; positions are 64-bit so that a huge chunk size cannot wrap the walk around.
    int64_t pos = kFirstChunkAt;
    index_base_ = 0;
    bool found_index = false;
    uint32_t index_size = 0;
    while (pos < static_cast<int64_t>(file_size_)) {
        uint8_t head[12];
        if (!file_.ReadAt(pos, head, 8)) break;
        if (std::memcmp(head, "idx1", 4) == 0) {
            found_index = true;
            index_size = Le32(head + 4);
            break;
        }
        uint32_t size = Le32(head + 4);
        int64_t chunk = pos;
        pos += static_cast<int64_t>(size) + 8;
        if (std::memcmp(head, "LIST", 4) == 0) {
            if (file_.ReadAt(chunk + 8, head + 8, 4) && std::memcmp(head + 8, "movi", 4) == 0)
                index_base_ = static_cast<uint32_t>(chunk + 12);
        } else if (std::memcmp(head, "JUNK", 4) == 0) {
            flags_.IntervalAsap = false;
            uint8_t body[8];
            if (file_.ReadAt(chunk + 8, body, 8)) ApplyJunk(body);
        }
    }
    if (!found_index || frame_count_ <= 0) return false;
    index_position_ = static_cast<uint32_t>(pos + 8);
    // Every frame needs its 16-byte entry inside the file; a count the file cannot hold would
    // otherwise drive the index allocation. The one exception is an index whose own size runs
    // past the end of the file: the copy stopped inside it, and the entries that made it are
    // read and checked as usual (frames written before the index may all be there).
    int64_t room = (static_cast<int64_t>(file_size_) - index_position_) /
                   static_cast<int64_t>(kIndexEntrySize);
    index_entries_ = frame_count_;
    if (frame_count_ > room) {
        if (static_cast<int64_t>(index_position_) + index_size <= file_size_) return false;
        index_entries_ = static_cast<int32_t>(room);
    }
    current_frame_ = 0;
    return true;
}

// Sample planes (only for a size the player shows) and the index; the frame buffer follows once
// the index says how large the frames in the file are.
int AviMovie::AllocateBuffers() {
    int failed = PictureSizeShown(width_, height_) ? jpeg_.AllocatePlanes(width_, height_) : 0;
    if (!TryAssign(index_, static_cast<size_t>(index_entries_))) ++failed;
    if (failed) FreeBuffers();
    return failed;
}

// The frame buffer holds the largest frame the file holds, no more: a header that claims a huge
// picture in a small file costs no large allocation. A frame larger than width x height x 3 is
// outside the format and stays unreadable, as it does not fit.
bool AviMovie::AllocateFrameBuffer() {
    uint64_t limit = UINT32_MAX;
    if (PictureSizeShown(width_, height_)) limit = static_cast<uint64_t>(width_) * height_ * 3;
    uint32_t largest = 0;
    for (const AviFrameEntry& e : index_)
        if (e.size <= limit) largest = std::max(largest, e.size);
    // At least one byte, so that a movie of empty frames still has a buffer to read them into.
    return TryAssign(frame_buffer_, std::max<uint32_t>(largest, 1));
}

void AviMovie::FreeBuffers() {
    jpeg_.FreePlanes();
    frame_buffer_ = {};
    index_ = {};
}

int AviMovie::BuildIndex() {
    // One read for the whole index; entries are checked one by one as the camera wrote them.
    std::vector<uint8_t> raw;
    if (!TryAssign(raw, static_cast<size_t>(index_entries_) * kIndexEntrySize)) return -1;
    if (!file_.ReadAt(index_position_, raw.data(), raw.size())) return -1;
    // The camera writes the frames in index order, so a copy that stopped early holds a leading
    // run of them. The movie is that run: frames whose chunk header and JPEG bytes are all in
    // the file. Offsets are summed in 64 bits so that one past 4 GiB counts as outside.
    int32_t present = 0;
    bool whole = true;
    for (int32_t i = 0; i < index_entries_; ++i) {
        const uint8_t* e = raw.data() + static_cast<size_t>(i) * kIndexEntrySize;
        if (std::memcmp(e, "00db", 4) != 0) return -1;
        int64_t offset = static_cast<int64_t>(Le32(e + 8)) + index_base_;
        uint32_t size = Le32(e + 12);
        index_[i] = {static_cast<uint32_t>(offset), size};
        whole = whole && offset + 8 + size <= static_cast<int64_t>(file_size_);
        if (whole) ++present;
    }
    index_.resize(static_cast<size_t>(present));
    frame_count_ = present;
    return 0;
}

void AviMovie::ParseFirstFrame() {
    has_capture_clock_ = false;
    event_recording_ = false;
    uint32_t size = 0;
    if (AviReadFrame(0, nullptr, &size) != 0) return;
    int64_t t = 0;
    const uint8_t* event = nullptr;
    JpgParseHeaders(jpeg_, frame_buffer_.data(), std::min<size_t>(size, kJpgHeaderLimit), false,
                    false, &t, &event);
    has_capture_clock_ = t != 0;
    jpeg_.SetPreviousCaptureTime(t);
    event_recording_ = event && (event[0] & 1);
}

bool AviMovie::IsEventFrame(int frame) {
    uint32_t size = 0;
    if (AviReadFrame(frame, nullptr, &size) != 0) return false;
    const uint8_t* event = nullptr;
    JpgParseHeaders(jpeg_, frame_buffer_.data(), std::min<size_t>(size, kJpgHeaderLimit), false,
                    false, nullptr, &event);
    return event && (event[0] & 0x80);
}

int AviMovie::ScanForEvent(int first, int end) {
    // Frames outside the movie hold no events; keeping the walk inside it bounds its length.
    first = std::clamp(first, -1, frame_count_);
    end = std::clamp(end, -1, frame_count_);
    if (first == end) return -1;
    int d = first < end ? 1 : -1;
    for (int f = first; f != end; f += d)
        if (IsEventFrame(f)) return f;
    return -1;
}

void AviMovie::BuildEventList() {
    events_.clear();
    // One pass that records every event frame gives the same ascending list as counting first
    // and filling afterwards, with half the reads.
    for (int f = ScanForEvent(0, frame_count_); f >= 0; f = ScanForEvent(f + 1, frame_count_))
        events_.push_back(f);
}

int AviMovie::AviOpen(const std::string& path) {
    if (IsOpen()) AviClose();
    platform::DosDateTime stamp;
    if (platform::LastWriteDosDateTime(path, stamp)) file_time_ = stamp;
    if (!file_.OpenRead(path)) {
        frame_count_ = -1;
        return kAviOpenFailed;
    }
    int64_t size = file_.Size();
    file_size_ = size < 0 ? 0 : size > 0xFFFFFFFFll ? 0xFFFFFFFFu : static_cast<uint32_t>(size);
    if (!WalkHeaders()) return kAviOpenFailed;
    int failed = AllocateBuffers();
    if (failed) return -failed;
    // The standard AC tables are built on first use and kept; the colour tables were rebuilt
    // with the planes.
    int result = BuildIndex();
    if (result != 0) return result;
    if (frame_count_ == 0) {
        // Not even frame 0 made it into the file: a movie without frames, as when the header
        // counts none.
        FreeBuffers();
        return kAviOpenFailed;
    }
    if (!AllocateFrameBuffer()) {
        FreeBuffers();
        return -1;
    }
    ParseFirstFrame();
    if (event_recording_) BuildEventList();
    return PictureSizeShown(width_, height_) ? kAviOk : kAviPictureSizeUnshown;
}

int AviMovie::AviReadFrame(int frame, uint8_t* buffer, size_t capacity, uint32_t* offset,
                           uint32_t* size) {
    if (frame < 0 || frame >= static_cast<int>(index_.size()) || !buffer) return kAviBadChunk;
    const AviFrameEntry& e = index_[frame];
    if (offset) *offset = e.offset;
    uint8_t head[8];
    if (!file_.ReadAt(e.offset, head, 8) || std::memcmp(head, "00db", 4) != 0) return kAviBadChunk;
    // A frame larger than the buffer is unreadable. The movie's frames lie wholly inside the
    // file (see BuildIndex); the read is kept inside it all the same.
    if (e.size > capacity) return kAviBadChunk;
    int64_t data_at = static_cast<int64_t>(e.offset) + 8;
    int64_t avail = static_cast<int64_t>(file_size_) - data_at;
    uint32_t n = static_cast<uint32_t>(std::clamp<int64_t>(avail, 0, e.size));
    if (n > 0 && !file_.ReadAt(data_at, buffer, n)) return kAviBadChunk;
    if (size) *size = n;
    last_frame_size_ = n;
    return kAviOk;
}

int AviMovie::AviReadFrame(int frame, uint32_t* offset, uint32_t* size) {
    return AviReadFrame(frame, frame_buffer_.data(), frame_buffer_.size(), offset, size);
}

int AviMovie::AviStepFrame(int delta) {
    int64_t next = static_cast<int64_t>(current_frame_) + delta;
    next = std::clamp<int64_t>(next, 0, std::max(frame_count_ - 1, 0));
    if (next == current_frame_) return -1;
    current_frame_ = static_cast<int32_t>(next);
    return 0;
}

int AviMovie::AviDecodeCurrent(const uint8_t* buffer, size_t size, Picture& picture) {
    return JpgDecodeFrame(jpeg_, buffer, size, picture, &last_interval_ms_, &last_capture_low_);
}

int AviMovie::AviDecodeCurrent(Picture& picture) {
    return AviDecodeCurrent(frame_buffer_.data(), last_frame_size_, picture);
}

ClockSources AviMovie::Clocks() const {
    ClockSources s;
    s.has_capture_clock = has_capture_clock_;
    s.capture_time = jpeg_.LastCaptureTime();
    s.metadata = &metadata_;
    s.file_clock = file_time_;
    return s;
}

void AviMovie::CameraDateTime(int64_t elapsed_seconds, std::string& date, std::string& time) {
    qv::CameraDateTime(Clocks(), calendar_, elapsed_seconds, date, time);
}

}  // namespace qv
