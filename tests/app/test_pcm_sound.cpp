#include "sound/pcm_sound.h"
#include "sound/sound_player.h"
#include "wave_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(PcmSound& sound) {
    QByteArray all;
    char piece[4096];
    sound.rewind();
    for (qint64 count; (count = sound.read(piece, sizeof piece)) > 0;)
        all.append(piece, count);
    return all;
}

} // namespace

class TestPcmSound : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

private slots:
    void waveFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("sampleFormat");
        QTest::addColumn<QByteArray>("samples");
        const QByteArray stereo16("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
        QTest::newRow("16-bit stereo") << waveBytes(44100, 2, 16, stereo16) << true << 44100 << 2
                                       << int(PcmFormat::Int16) << stereo16;
        QTest::newRow("8-bit mono") << waveBytes(8000, 1, 8, "\x80\x81\x7f") << true << 8000 << 1
                                    << int(PcmFormat::UInt8) << QByteArray("\x80\x81\x7f");
        QTest::newRow("chunk before the samples")
            << waveBytes(22050, 1, 16, "\x10\x20", true) << true << 22050 << 1
            << int(PcmFormat::Int16) << QByteArray("\x10\x20");
        // A torn last frame is left out rather than played as noise.
        QTest::newRow("half a frame at the end")
            << waveBytes(8000, 2, 16, QByteArray("\x01\x02\x03\x04\x05\x06", 6)) << true << 8000
            << 2 << int(PcmFormat::Int16) << QByteArray("\x01\x02\x03\x04");
        QTest::newRow("floating point samples")
            << waveBytes(8000, 1, 32, QByteArray(8, '\0'), false, 3) << false << 0 << 0 << 0
            << QByteArray();
        QTest::newRow("24-bit samples")
            << waveBytes(8000, 1, 24, QByteArray(6, '\0')) << false << 0 << 0 << 0 << QByteArray();
        QTest::newRow("cut off in the header")
            << waveBytes(8000, 1, 16, "ab").left(30) << false << 0 << 0 << 0 << QByteArray();
        QTest::newRow("empty file") << QByteArray() << false << 0 << 0 << 0 << QByteArray();
        QTest::newRow("text") << QByteArray("not a sound at all\n") << false << 0 << 0 << 0
                              << QByteArray();
    }

    void waveFiles() {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        const std::unique_ptr<PcmSound> sound = PcmSound::open(write("sound.wav", file));
        QCOMPARE(bool(sound), readable);
        if (!readable)
            return;
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, sampleFormat);
        QFETCH(QByteArray, samples);
        QCOMPARE(sound->format().sampleRate, rate);
        QCOMPARE(sound->format().channelCount, channels);
        QCOMPARE(int(sound->format().sampleFormat), sampleFormat);
        QCOMPARE(readAll(*sound), samples);
    }

    void missingFileGivesNoSound() { QVERIFY(!PcmSound::open(dir.filePath("none.mp3"))); }

    // The shipped background track: decoded piece by piece to its whole length, and the same
    // samples again when it is played once more.
    void mp3TrackDecodesWhole() {
        const std::unique_ptr<PcmSound> sound =
            PcmSound::open(QStringLiteral("modules/media/00.mp3"));
        QVERIFY(sound);
        QCOMPARE(sound->format().sampleRate, 44100);
        QCOMPARE(sound->format().channelCount, 2);
        QCOMPARE(sound->format().sampleFormat, PcmFormat::Int16);
        const qint64 durationMs = sound->durationMs();
        QVERIFY2(durationMs > 10000 && durationMs < 60000, QByteArray::number(durationMs));

        const QByteArray first = readAll(*sound);
        const qint64 decodedMs = sound->format().msForBytes(first.size());
        QVERIFY2(qAbs(decodedMs - durationMs) <= 30, QByteArray::number(decodedMs));
        QVERIFY(first.count('\0') < first.size() / 2);
        QCOMPARE(readAll(*sound), first);
    }

    void playerReportsTheEndAfterTheSoundsLength() {
        SoundPlayer player;
        QSignalSpy finished(&player, &SoundPlayer::finished);
        const QUrl url =
            QUrl::fromLocalFile(write("short.wav", waveBytes(8000, 1, 16, QByteArray(4000, 0))));
        QElapsedTimer clock;
        clock.start();
        player.play(url);
        QVERIFY(player.isPlaying());
        QCOMPARE(player.source(), url);
        QVERIFY(finished.wait(60000));
        QVERIFY2(clock.elapsed() >= 240, QByteArray::number(clock.elapsed()));
        QVERIFY(!player.isPlaying());
        QCOMPARE(finished.count(), 1);
    }

    void unreadableFileIsSilentWithoutEnd() {
        SoundPlayer player;
        QSignalSpy finished(&player, &SoundPlayer::finished);
        const QUrl url = QUrl::fromLocalFile(write("broken.wav", "RIFF....WAVEjunk"));
        player.play(url);
        QCOMPARE(player.source(), url);
        QVERIFY(!player.isPlaying());
        QTest::qWait(300);
        QCOMPARE(finished.count(), 0);
    }

    void clearedPlayerReportsNoEnd() {
        SoundPlayer player;
        QSignalSpy finished(&player, &SoundPlayer::finished);
        player.play(
            QUrl::fromLocalFile(write("clip.wav", waveBytes(8000, 1, 16, QByteArray(800, 0)))));
        player.clear();
        QVERIFY(!player.isPlaying());
        QVERIFY(player.source().isEmpty());
        QTest::qWait(200);
        QCOMPARE(finished.count(), 0);
    }
};

QTEST_MAIN(TestPcmSound)
#include "test_pcm_sound.moc"
