#include "sound/sound_thread.h"

#include "sound/sound_players.h"

#include <QThread>

namespace {

constexpr unsigned long stopWaitMs = 2000;

} // namespace

SoundThread::SoundThread(QObject* parent)
    : QObject(parent), thread(new QThread), soundPlayers(new SoundPlayers) {
    thread->setObjectName(QStringLiteral("sound"));
    soundPlayers->moveToThread(thread);
    connect(thread, &QThread::started, soundPlayers, &SoundPlayers::setUp);
    // The players end on their own thread, as it stops.
    connect(thread, &QThread::finished, soundPlayers, &QObject::deleteLater);
    thread->start();
}

SoundThread::~SoundThread() {
    thread->quit();
    if (thread->wait(stopWaitMs)) {
        delete thread;
        return;
    }
    // Stuck in the sound system: such a thread cannot be stopped, so it is left to the end of
    // the program rather than destroyed while it runs.
}

void SoundThread::play(int index) {
    QMetaObject::invokeMethod(
        soundPlayers, [players = soundPlayers, index] { players->play(index); },
        Qt::QueuedConnection);
}

void SoundThread::playBackground() {
    QMetaObject::invokeMethod(soundPlayers, &SoundPlayers::playBackground, Qt::QueuedConnection);
}

void SoundThread::clearAll() {
    QMetaObject::invokeMethod(soundPlayers, &SoundPlayers::clearAll, Qt::QueuedConnection);
}
