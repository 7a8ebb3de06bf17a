// Sounds against a private PulseAudio server with a null sink: what is played reaches the sink,
// a sound shorter than the stream's buffer plays too, and a stream is let go once its sound has
// played or when it is stopped.
#include "sound/sound_player.h"
#include "wave_fixture.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

constexpr int hangGuardMs = 60000;
constexpr int rate = 8000;

// A 16-bit mono sine tone at a quarter of full scale.
QByteArray tone(int milliseconds) {
    QByteArray samples;
    for (int n = 0; n < rate * milliseconds / 1000; ++n) {
        const auto value = qint16(8192 * std::sin(2 * M_PI * 440 * n / rate));
        char bytes[2];
        qToLittleEndian(value, bytes);
        samples.append(bytes, 2);
    }
    return samples;
}

} // namespace

class TestPulseOutput : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QProcess server;

    QString runPulse(const QStringList& arguments) {
        QProcess tool;
        tool.start(arguments.first(), arguments.mid(1));
        tool.waitForFinished(hangGuardMs);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    int playbackStreams() {
        return int(runPulse({"pactl", "list", "short", "sink-inputs"})
                       .split('\n', Qt::SkipEmptyParts)
                       .size());
    }

    QUrl writeWave(const QString& name, const QByteArray& samples) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(waveBytes(rate, 1, 16, samples)) < 0)
            return {};
        return QUrl::fromLocalFile(path);
    }

    // The loudest sample the sink puts out over `milliseconds` while `play` runs.
    int loudestWhile(int milliseconds, const std::function<void()>& play) {
        QProcess recorder;
        recorder.start("parec", {"-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                                 "--rate=8000", "--latency-msec=20"});
        if (!recorder.waitForStarted(hangGuardMs))
            return -1;
        QTest::qWait(300);
        play();
        QTest::qWait(milliseconds);
        recorder.terminate();
        recorder.waitForFinished(hangGuardMs);
        const QByteArray recorded = recorder.readAllStandardOutput();
        int loudest = 0;
        for (qsizetype n = 0; n + 1 < recorded.size(); n += 2)
            loudest = qMax(loudest, qAbs(int(qFromLittleEndian<qint16>(recorded.constData() + n))));
        return loudest;
    }

private slots:
    void initTestCase() {
        const QString socket = dir.filePath("pulse.socket");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", dir.path());
        environment.insert("XDG_RUNTIME_DIR", dir.path());
        server.setProcessEnvironment(environment);
        server.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
                      "module-null-sink", "-L",
                      "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QVERIFY2(server.waitForStarted(hangGuardMs), "pulseaudio is not installed");
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        QTRY_VERIFY_WITH_TIMEOUT(runPulse({"pactl", "info"}).contains("Server Name"), hangGuardMs);
    }

    void cleanupTestCase() {
        server.terminate();
        server.waitForFinished(hangGuardMs);
    }

    void soundReachesTheSink_data() {
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("short") << 150;
        QTest::newRow("longer than the buffer") << 1200;
    }

    void soundReachesTheSink() {
        QFETCH(int, milliseconds);
        SoundPlayer player;
        QSignalSpy finished(&player, &SoundPlayer::finished);
        const QUrl url = writeWave("tone.wav", tone(milliseconds));
        const int loudest = loudestWhile(milliseconds + 2000, [&] { player.play(url); });
        QVERIFY2(loudest > 4000, QByteArray::number(loudest));
        QVERIFY(finished.count() == 1 || finished.wait(hangGuardMs));
        // Played out, the stream is let go.
        QTRY_COMPARE_WITH_TIMEOUT(playbackStreams(), 0, hangGuardMs);
    }

    void silenceIsSilent() {
        SoundPlayer player;
        const QUrl url = writeWave("silence.wav", QByteArray(rate * 2 / 2, '\0'));
        QCOMPARE(loudestWhile(800, [&] { player.play(url); }), 0);
    }

    void clearedSoundStopsAtOnce() {
        SoundPlayer player;
        player.play(writeWave("long.wav", tone(10000)));
        QTRY_COMPARE_WITH_TIMEOUT(playbackStreams(), 1, hangGuardMs);
        player.clear();
        QCOMPARE(playbackStreams(), 0);
        QCOMPARE(loudestWhile(500, [] {}), 0);
    }

    void playingAgainReplacesTheStream() {
        SoundPlayer player;
        const QUrl url = writeWave("again.wav", tone(10000));
        player.play(url);
        player.play(url);
        QTRY_COMPARE_WITH_TIMEOUT(playbackStreams(), 1, hangGuardMs);
        QTest::qWait(200);
        QCOMPARE(playbackStreams(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPulseOutput)
#include "test_pulse_output.moc"
