#include "app/myqquickview.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QMediaPlayer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A silent 16-bit mono PCM wave file of the given length.
void writeWave(const QString& path, int milliseconds) {
    const quint32 rate = 8000;
    const quint32 dataBytes = rate * milliseconds / 1000 * 2;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << rate * 2 << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    out.writeRawData(QByteArray(int(dataBytes), '\0').constData(), int(dataBytes));
}

bool reachedEnd(const QSignalSpy& statusChanges) {
    for (const QVariantList& change : statusChanges)
        if (change.at(0).value<QMediaPlayer::MediaStatus>() == QMediaPlayer::EndOfMedia)
            return true;
    return false;
}

bool isPlaying(const QMediaPlayer* player) {
    return player->playbackState() == QMediaPlayer::PlayingState;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    QString previousDirectory;
    std::unique_ptr<myQQuickView> view;

    QMediaPlayer* player(int index) const { return view->mediaPlayers[index]; }

private slots:
    void initTestCase() {
        previousDirectory = QDir::currentPath();
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("modules/media")));
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("modules/setting")));
        QDir::setCurrent(home.path());
        // The background track is long enough to be caught playing; the others are short.
        writeWave(QStringLiteral("modules/media/00.mp3"), 600);
        for (int index = 1; index <= 4; ++index)
            writeWave(QStringLiteral("modules/media/0%1.wav").arg(index), 150);
    }

    void cleanupTestCase() { QDir::setCurrent(previousDirectory); }

    void init() { view = std::make_unique<myQQuickView>(); }
    void cleanup() { view.reset(); }

    void soundOffPlaysNothing() {
        view->setEnableAudio(false);
        for (uchar index = 0; index <= 4; ++index)
            view->playMedia_Index(index);
        QTest::qWait(200);
        for (int index = 0; index < myQQuickView::mediaPlayerCount; ++index) {
            QVERIFY(!isPlaying(player(index)));
            QVERIFY(player(index)->source().isEmpty());
        }
    }

    void indexBeyondTheLastPlayerDoesNothing() {
        for (uchar index : {uchar(5), uchar(6), uchar(255)})
            view->playMedia_Index(index);
        QTest::qWait(100);
        for (int index = 0; index < myQQuickView::mediaPlayerCount; ++index)
            QVERIFY(player(index)->source().isEmpty());
    }

    void eachIndexPlaysItsOwnFile() {
        view->playMedia_Index(3);
        QVERIFY(player(3)->source().toLocalFile().endsWith(QStringLiteral("modules/media/03.wav")));
        QVERIFY(player(0)->source().isEmpty());
        view->playMedia_Index(0);
        QVERIFY(player(0)->source().toLocalFile().endsWith(QStringLiteral("modules/media/00.mp3")));
    }

    void endOfPowerOnSoundStartsTheBackgroundTrack() {
        view->playMedia_Index(1);
        QVERIFY(player(0)->source().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(isPlaying(player(0)), 5000);
        QVERIFY(player(0)->source().toLocalFile().endsWith(QStringLiteral("00.mp3")));
    }

    void backgroundTrackLoopsUntilSoundIsSwitchedOff() {
        QSignalSpy status(player(0), &QMediaPlayer::mediaStatusChanged);
        view->playMedia_Index(0);
        QTRY_VERIFY_WITH_TIMEOUT(reachedEnd(status), 5000);
        // The end of the track started it again.
        QTRY_VERIFY_WITH_TIMEOUT(isPlaying(player(0)), 2000);

        view->setEnableAudio(false);
        view->clearAllMedia();
        QTest::qWait(1200);
        QVERIFY(!isPlaying(player(0)));
        QVERIFY(player(0)->source().isEmpty());
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
