#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "sound/sound_player.h"
#include "sound/sound_players.h"
#include "sound/sound_thread.h"
#include "wave_fixture.h"

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

namespace {

// The players live on the sound thread; every look at them is made there.
template <typename Look> auto onSoundThread(const myQQuickView& view, Look look) {
    SoundPlayers* players = view.sound->players();
    decltype(look(players)) result{};
    QMetaObject::invokeMethod(
        players, [&] { result = look(players); }, Qt::BlockingQueuedConnection);
    return result;
}

bool isSetUp(const myQQuickView& view) {
    return onSoundThread(view, [](SoundPlayers* players) { return players->player(0) != nullptr; });
}

bool isPlaying(const myQQuickView& view, int index) {
    return onSoundThread(
        view, [index](SoundPlayers* players) { return players->player(index)->isPlaying(); });
}

QString source(const myQQuickView& view, int index) {
    return onSoundThread(view, [index](SoundPlayers* players) {
        return players->player(index)->source().toLocalFile();
    });
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    QString previousDirectory;
    std::unique_ptr<myQQuickView> view;

    bool isPlaying(int index) const { return ::isPlaying(*view, index); }
    QString source(int index) const { return ::source(*view, index); }

private slots:
    void initTestCase() {
        previousDirectory = QDir::currentPath();
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("modules/media")));
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("modules/setting")));
        QDir::setCurrent(home.path());
        // The background track is long enough to be caught playing; the others are short.
        QVERIFY(writeSilentWave(QStringLiteral("modules/media/00.mp3"), 600));
        for (int index = 1; index <= 4; ++index)
            QVERIFY(writeSilentWave(QStringLiteral("modules/media/0%1.wav").arg(index), 150));
    }

    void cleanupTestCase() { QDir::setCurrent(previousDirectory); }

    void init() {
        view = std::make_unique<myQQuickView>();
        QTRY_VERIFY_WITH_TIMEOUT(isSetUp(*view), 10000);
    }
    void cleanup() { view.reset(); }

    void soundOffPlaysNothing() {
        view->setEnableAudio(false);
        for (uchar index = 0; index <= 4; ++index)
            view->playMedia_Index(index);
        QTest::qWait(200);
        for (int index = 0; index < SoundPlayers::mediaPlayerCount; ++index) {
            QVERIFY(!isPlaying(index));
            QVERIFY(source(index).isEmpty());
        }
    }

    void indexBeyondTheLastPlayerDoesNothing() {
        for (uchar index : {uchar(5), uchar(6), uchar(255)})
            view->playMedia_Index(index);
        QTest::qWait(100);
        for (int index = 0; index < SoundPlayers::mediaPlayerCount; ++index)
            QVERIFY(source(index).isEmpty());
    }

    void eachIndexPlaysItsOwnFile() {
        view->playMedia_Index(3);
        QTRY_VERIFY(source(3).endsWith(QStringLiteral("modules/media/03.wav")));
        QVERIFY(source(0).isEmpty());
        view->playMedia_Index(0);
        QTRY_VERIFY(source(0).endsWith(QStringLiteral("modules/media/00.mp3")));
    }

    void endOfPowerOnSoundStartsTheBackgroundTrack() {
        view->playMedia_Index(1);
        QVERIFY(source(0).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(isPlaying(0), 5000);
        QVERIFY(source(0).endsWith(QStringLiteral("00.mp3")));
    }

    void backgroundTrackLoopsUntilSoundIsSwitchedOff() {
        std::atomic<bool> reachedEnd = false;
        SoundPlayer* background =
            onSoundThread(*view, [](SoundPlayers* players) { return players->player(0); });
        connect(background, &SoundPlayer::finished, background,
                [&reachedEnd] { reachedEnd = true; });
        view->playMedia_Index(0);
        QTRY_VERIFY_WITH_TIMEOUT(reachedEnd, 5000);
        // The end of the track started it again.
        QTRY_VERIFY_WITH_TIMEOUT(isPlaying(0), 2000);

        view->setEnableAudio(false);
        view->clearAllMedia();
        QTest::qWait(1200);
        QVERIFY(!isPlaying(0));
        QVERIFY(source(0).isEmpty());
    }

    // A sound system that hangs while the players are made (as one with a stuck JACK server
    // does) keeps neither the window from showing nor the scene from running.
    void hangingSoundSetUpHoldsNothingUp() {
        cleanup();
        QSemaphore hang;
        SoundPlayers::beforeSetUp = [&hang] { hang.acquire(); };
        {
            Widget widget;
            widget.showNormal();
            widget.startUI();
            QVERIFY(QTest::qWaitForWindowExposed(&widget));
            myQQuickView& scene = *widget.controler()->view;
            QTRY_VERIFY(scene.rootObject()->isVisible());
            scene.playMedia_Index(2);
            scene.saveApConfig({1, 2});
            QCOMPARE(scene.loadApConfig(), (QVariantList{1, 2}));

            hang.release();
            QTRY_VERIFY_WITH_TIMEOUT(isSetUp(scene), 10000);
            // What was asked for meanwhile is carried out once the players exist.
            QTRY_VERIFY(::source(scene, 2).endsWith(QStringLiteral("modules/media/02.wav")));
        }
        SoundPlayers::beforeSetUp = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
