// The real window playing a .tkm on the silent sound device: the sound's notices reach the
// window's thread through its event loop, and the pictures follow the sound's pace.
#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

#include "audio/null_wave_out.h"
#include "audio/wave_format.h"
#include "ui/main_window.h"

class StreamWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void tkmPicturesFollowTheSoundsPace();
};

namespace {

// The value of a key in the fixture's .info file.
long InfoValue(const std::string& info, const std::string& key) {
    std::ifstream in(info);
    std::string k;
    long v = 0;
    while (in >> k >> v)
        if (k == key) return v;
    return -1;
}

}  // namespace

void StreamWindowTest::tkmPicturesFollowTheSoundsPace() {
    const std::string tkm = std::string(QV_FIXTURE_DIR) + "/m4v/pace_320x240.tkm";
    const long pictures = InfoValue(tkm + ".info", "pictures");
    const long sound_bytes = InfoValue(tkm + ".info", "sound_bytes");
    QVERIFY(pictures > 60 && sound_bytes > 0);
    qputenv("QV_AUDIO_DEVICE", "null");
    qv::ui::TfrmQVMain window({tkm}, std::string(QV_FIXTURE_DIR) + "/stream_window.ini");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.logic().play().bPlaying);
    QCOMPARE(window.windowTitle(), QString("pace_320x240.tkm"));

    // Past the start, count the pictures shown in three seconds against the sound's byte rate.
    QTest::qWait(500);
    const uint64_t first = window.logic().ui().picture_serial;
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(3000);
    const double seconds = clock.elapsed() / 1000.0;
    const double shown = static_cast<double>(window.logic().ui().picture_serial - first);
    const double bytes_per_picture = static_cast<double>(sound_bytes) / pictures;
    const double expected =
        seconds * qv::audio::NullWaveOut::ByteRate(qv::audio::TkmSoundFormat()) / bytes_per_picture;
    qInfo("%.0f pictures in %.2f s, %.1f expected at the sound's pace", shown, seconds, expected);
    QVERIFY2(std::abs(shown - expected) <= 0.05 * expected,
             qPrintable(QString("%1 pictures shown, %2 expected").arg(shown).arg(expected)));
    QVERIFY(window.logic().play().bPlaying);
    window.close();
}

QTEST_MAIN(StreamWindowTest)
#include "stream_window_test.moc"
