#include "media/jpeg/camera_metadata.h"

#include <gtest/gtest.h>

#include "fixtures/capture_clock.h"
#include "jpeg/jpeg_test_util.h"
#include "media/jpeg/jpeg_parser.h"

namespace qv {
namespace {

using fixtures::Bytes;
using test::Decoder;

ClockRecord Clock(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    ClockRecord c;
    c.year = static_cast<uint16_t>(y);
    c.month = static_cast<uint8_t>(mo);
    c.day = static_cast<uint8_t>(d);
    c.hour = static_cast<uint8_t>(h);
    c.minute = static_cast<uint8_t>(mi);
    c.second = static_cast<uint8_t>(s);
    return c;
}

int Parse(Decoder& d, const Bytes& jpeg, int64_t* t = nullptr, const uint8_t** ev = nullptr) {
    return JpgParseHeaders(d.ctx, jpeg.data(), std::min(jpeg.size(), kJpgHeaderLimit), false, false,
                           t, ev);
}

Bytes FrameWith(const fixtures::FrameSegments& s) {
    return fixtures::CameraFrame(fixtures::UniformPicture(16, 16, 90, 90, 90), s);
}

Bytes FrameWithSettings(const fixtures::CameraSettings& cs) {
    fixtures::FrameSegments s;
    s.settings = cs;
    return FrameWith(s);
}

TEST(CaptureClock, FirstOfMarch2012AndBack) {
    EXPECT_EQ(CaptureTimeFromClock(Clock(2012, 3, 1)), 2982LL * 8640000);
    EXPECT_EQ(CaptureTimeFromClock(Clock(2012, 3, 1)), 25764480000LL);
    Calendar c;
    ASSERT_TRUE(CalendarFromCaptureTime(25764480000LL, c));
    EXPECT_EQ(c.year, 2012);
    EXPECT_EQ(c.month, 3);
    EXPECT_EQ(c.day, 1);
    EXPECT_EQ(c.hour + c.minute + c.second, 0);
}

TEST(CaptureClock, CalendarRoundTripsAgreeWithAnIndependentFormula) {
    // December 31 in leap and common years, the first instant and a few odd moments.
    for (auto [y, mo, d, h, mi, s] : std::vector<std::array<int, 6>>{{2012, 12, 31, 23, 59, 59},
                                                                     {2013, 12, 31, 0, 0, 0},
                                                                     {2004, 12, 31, 12, 0, 1},
                                                                     {2095, 12, 31, 5, 6, 7},
                                                                     {2008, 2, 29, 1, 2, 3},
                                                                     {2004, 1, 1, 0, 0, 0}}) {
        fixtures::ClockRecord ref{y, mo, d, h, mi, s};
        int64_t t = static_cast<int64_t>(fixtures::CaptureTimeOf(ref, 42));
        EXPECT_EQ(CaptureTimeFromClock(Clock(y, mo, d, h, mi, s)), t - 42);
        Calendar c;
        ASSERT_TRUE(CalendarFromCaptureTime(t, c));
        using Fields = std::array<int, 6>;
        Fields got{c.year, c.month, c.day, c.hour, c.minute, c.second};
        Fields want{y, mo, d, h, mi, s};
        EXPECT_EQ(got, want);
        EXPECT_EQ(c.hundredths, 42);
    }
    Calendar zero;
    ASSERT_TRUE(CalendarFromCaptureTime(0, zero));
    std::string date, time;
    ClockSources src;
    src.has_capture_clock = true;
    CameraDateTime(src, zero, 0, date, time);
    EXPECT_EQ(date, "2004/01/01");
    EXPECT_EQ(time, "00:00:00");
}

TEST(CaptureClock, OutOfRangeTimesAndDamagedRecordsAreHarmless) {
    Calendar c{2010, 5, 6, 7, 8, 9, 0};
    EXPECT_FALSE(CalendarFromCaptureTime(35041LL * 8640000, c));
    EXPECT_FALSE(CalendarFromCaptureTime(-1, c));
    EXPECT_EQ(c.year, 2010) << "the previous calendar stays";
    EXPECT_TRUE(CalendarFromCaptureTime(35040LL * 8640000, c));
    // Month 0 and 13 would index past the month table; they count no month and the whole year.
    EXPECT_EQ(CaptureTimeFromClock(Clock(2012, 0, 1)), CaptureTimeFromClock(Clock(2012, 1, 1)));
    EXPECT_EQ(CaptureTimeFromClock(Clock(2012, 13, 1)), CaptureTimeFromClock(Clock(2013, 1, 1)));
}

TEST(CameraDateTime, ChoosesCaptureClockThenClockRecordThenFileClock) {
    CameraMetadata m;
    ClockSources src;
    src.metadata = &m;
    // File clock 2011-12-31 23:59:58 (DOS words), plus elapsed seconds carried into the year.
    src.file_clock.date = static_cast<uint16_t>(((2011 - 1980) << 9) | (12 << 5) | 31);
    src.file_clock.time = static_cast<uint16_t>((23 << 11) | (59 << 5) | (58 / 2));
    Calendar cal;
    std::string date, time;
    CameraDateTime(src, cal, 3, date, time);
    EXPECT_EQ(date, "2012/01/01");
    EXPECT_EQ(time, "00:00:01");
    CameraDateTime(src, cal, 2 + 59 * 86400, date, time);
    EXPECT_EQ(date, "2012/02/29") << "leap day";

    m.clock_seen = true;
    m.clock = Clock(2013, 7, 4, 9, 30, 5);
    CameraDateTime(src, cal, 1000, date, time);
    EXPECT_EQ(date, "2013/07/04");
    EXPECT_EQ(time, "09:30:05");
    m.clock.month = 13;
    CameraDateTime(src, cal, 0, date, time);
    EXPECT_EQ(date, "2011/12/31") << "a damaged clock record falls back to the file clock";
    m.clock.month = 0;
    CameraDateTime(src, cal, 0, date, time);
    EXPECT_EQ(date, "2011/12/31");

    src.has_capture_clock = true;
    src.capture_time = CaptureTimeFromClock(Clock(2015, 10, 21, 16, 29, 0));
    CameraDateTime(src, cal, 0, date, time);
    EXPECT_EQ(date, "2015/10/21");
    EXPECT_EQ(time, "16:29:00");
    src.capture_time = 40000LL * 8640000;
    CameraDateTime(src, cal, 0, date, time);
    EXPECT_EQ(date, "2015/10/21") << "a capture time out of range keeps the last calendar";
}

TEST(SettingsSegment, FillsMetadataAndTheCaptureTime) {
    Decoder d;
    fixtures::CameraSettings cs;
    cs.clock = {2012, 3, 1, 0, 0, 0};
    cs.model = 2;
    cs.quality = 3;
    cs.flicker = 2;
    cs.scene = 4;
    cs.timer_start = 33;
    cs.timer_stop = 80;
    cs.led = true;
    cs.low_light = true;
    cs.time_stamp = false;
    cs.contrast = 6;
    cs.temp = -12;
    int64_t t = -1;
    ASSERT_GT(Parse(d, FrameWithSettings(cs), &t), 0);
    const CameraMetadata& m = d.metadata;
    EXPECT_EQ(t, 25764480000LL);
    EXPECT_TRUE(m.clock_seen);
    EXPECT_EQ(m.nModel, 2);
    EXPECT_EQ(m.nQuality, 3);
    EXPECT_EQ(m.nFlicker, 2);
    EXPECT_EQ(m.nScene, 4);
    EXPECT_EQ(m.nTimerStart, 33);
    EXPECT_EQ(m.nTimerStop, 80);
    EXPECT_EQ(m.bTimeStamp, 0);
    EXPECT_EQ(m.bLED, 1);
    EXPECT_EQ(m.bLowLight, 1);
    EXPECT_EQ(m.nContrast, 6);
    EXPECT_EQ(m.nTemp, -12);
    EXPECT_EQ(m.nTempUnit & 0xFF, 'C');
    EXPECT_EQ(m.szFWRev, cs.fw_rev);
    EXPECT_EQ(m.nFPGARev, cs.fpga_rev);
    EXPECT_EQ(m.nPhysExpo, static_cast<int32_t>(cs.phys_expo));
    EXPECT_EQ(m.nRawExpo, static_cast<int32_t>(cs.raw_expo));
    EXPECT_EQ(m.nRGBAvg[2], cs.rgb_avg[2]);

    // Without "ts" the segment is not the camera's: nothing changes.
    Decoder d2;
    cs.ts_marker = false;
    Parse(d2, FrameWithSettings(cs), &t);
    EXPECT_EQ(t, 0);
    EXPECT_FALSE(d2.metadata.clock_seen);
    EXPECT_EQ(d2.metadata.szFWRev, "n/a");
    EXPECT_EQ(d2.metadata.nLuma, -1);
}

TEST(SettingsSegment, ModelZeroKeepsTheSettingsAndShortSegmentsReadOnlyWhatIsThere) {
    Decoder d;
    fixtures::CameraSettings cs;
    cs.model = 4;
    cs.scene = 5;
    Parse(d, FrameWithSettings(cs));
    cs.model = 0;
    cs.scene = 1;
    cs.fw_rev = "FW 9.99";
    cs.fpga_rev = 0x7777;
    cs.luma = 55;
    Parse(d, FrameWithSettings(cs));
    EXPECT_EQ(d.metadata.nModel, 4);
    EXPECT_EQ(d.metadata.nScene, 5);
    EXPECT_EQ(d.metadata.szFWRev, "FW 9.99");
    EXPECT_EQ(d.metadata.nFPGARev, 0x7777);
    EXPECT_EQ(d.metadata.nLuma, 55);

    // A settings segment cut behind the clock record: the clock is read, later fields are not.
    Bytes payload = fixtures::SettingsPayload(cs);
    payload.resize(45);
    payload[3] = 77;
    Bytes jpeg = FrameWith({});
    fixtures::InsertSegment(jpeg, fixtures::MakeSegment(fixtures::kAPP15, payload));
    Parse(d, jpeg);
    EXPECT_EQ(d.metadata.nLuma, 77);
    EXPECT_EQ(d.metadata.szFWRev, "FW 9.99");
    // A length field shorter than the payload: the handler stops at the segment's end.
    Bytes cut = FrameWithSettings(cs);
    fixtures::SetLengthField(cut, fixtures::kAPP15, 2 + 20);
    EXPECT_EQ(Parse(d, cut), 0) << "the walk then lands inside the payload";
}

TEST(SettingsSegment, PirOnsetFollowsTheTriggerFromFrameToFrame) {
    Decoder d;
    fixtures::CameraSettings cs;
    cs.model = 3;
    const bool pir[] = {false, true, true, false, true};
    const int onset[] = {0, 1, 0, 0, 1};
    for (int i = 0; i < 5; ++i) {
        cs.pir = pir[i];
        Parse(d, FrameWithSettings(cs));
        EXPECT_EQ(d.metadata.bPIR, pir[i] ? 1 : 0) << "frame " << i;
        EXPECT_EQ(d.metadata.bPIROnset, onset[i]) << "frame " << i;
    }
}

TEST(CommentSegment, FamilyTextCaptureTimeAndClockDump) {
    Decoder d;
    d.flags.ShowCaptureInterval = true;
    fixtures::FrameSegments s;
    s.family_text = "Tarkon WDX310";
    s.capture_time = 0x123456789ALL;
    std::array<uint8_t, 32> dump{};
    for (int i = 0; i < 32; ++i)
        dump[i] = static_cast<uint8_t>(i * 9);
    s.rtc_dump = dump;
    Bytes jpeg = FrameWith(s);
    int64_t t = 0;
    Parse(d, jpeg, &t);
    EXPECT_EQ(t, 0x123456789ALL);
    EXPECT_FALSE(d.flags.ShowCaptureInterval);
    EXPECT_TRUE(d.flags.ShowElapsedTime);
    EXPECT_TRUE(d.log.lines.empty()) << "the dump switch is off";

    d.switches.cbDumpRTCData = true;
    Parse(d, jpeg, &t);
    ASSERT_EQ(d.log.lines.size(), 2u);
    EXPECT_EQ(d.log.lines[0], "00 09 12 1B 24 2D 36 3F 48 51 5A 63 6C 75 7E 87 ");
    EXPECT_EQ(d.log.lines[1].substr(0, 6), "90 99 ");

    s.family_text = "Tarkon KMX310";
    s.capture_time.reset();
    d.flags.ShowElapsedTime = false;
    Parse(d, FrameWith(s), &t);
    EXPECT_TRUE(d.flags.ShowCaptureInterval);
    EXPECT_TRUE(d.flags.ShowElapsedTime);
    EXPECT_EQ(t, 0) << "a family text that starts with 'T' is not a capture time";

    // The family text starts at the low byte of the length field: a length of 0x54 ('T') in
    // front of "arkon WDX" names the family too.
    std::string text = "arkon WDX";
    Bytes payload(0x54 - 2, 0);
    std::copy(text.begin(), text.end(), payload.begin());
    Bytes jpeg2 = FrameWith({});
    fixtures::InsertSegment(jpeg2, fixtures::MakeSegment(fixtures::kCOM, payload));
    d.flags.ShowCaptureInterval = true;
    Parse(d, jpeg2, &t);
    EXPECT_FALSE(d.flags.ShowCaptureInterval);
}

TEST(EventAndDiagnosticsSegments, ArePassedOnAndStored) {
    Decoder d;
    fixtures::FrameSegments s;
    s.event_byte = 0x81;
    s.diagnostics = fixtures::DiagnosticsBlock{};
    const uint8_t* ev = nullptr;
    Bytes jpeg = FrameWith(s);
    Parse(d, jpeg, nullptr, &ev);
    ASSERT_NE(ev, nullptr);
    EXPECT_EQ(ev[0], 0x81);
    EXPECT_TRUE(d.metadata.diag_present);
    EXPECT_EQ(d.metadata.diag_block[8] | (d.metadata.diag_block[9] << 8), 416) << "Vsyncs";
    Parse(d, FrameWith({}), nullptr, &ev);
    EXPECT_EQ(ev, nullptr);
    EXPECT_FALSE(d.metadata.diag_present) << "every parse clears the presence flag";
}

}  // namespace
}  // namespace qv
