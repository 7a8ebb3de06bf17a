#include "app/sound_player.h"

#include "app/pcm_reader.h"
#include "app/pcm_sound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent), reader(new PcmReader(this)) {
    endTimer.setSingleShot(true);
    endTimer.setTimerType(Qt::PreciseTimer);
    connect(&endTimer, &QTimer::timeout, this, &SoundPlayer::finished);
}

SoundPlayer::~SoundPlayer() {
    stopOutput();
}

void SoundPlayer::play(const QUrl& source) {
    clear();
    currentSource = source;
    load(source.toLocalFile());
    if (!sound)
        return;
    endTimer.start(int(sound->durationMs()));
    startOutput();
}

void SoundPlayer::clear() {
    endTimer.stop();
    stopOutput();
    currentSource.clear();
}

void SoundPlayer::load(const QString& path) {
    // Each file is decoded once; a file that could not be read is tried again next time.
    if (sound && path == loadedPath)
        return;
    sound = PcmSound::open(path);
    loadedPath = path;
}

void SoundPlayer::startOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    if (sink && sink->format() != sound->format()) {
        delete sink;
        sink = nullptr;
    }
    if (!sink) {
        sink = new QAudioSink(device, sound->format(), this);
        // Once the samples have run out the stream is let go, so a finished sound costs nothing.
        connect(sink, &QAudioSink::stateChanged, this, &SoundPlayer::releaseIdleOutput,
                Qt::QueuedConnection);
    }
    reader->start(sound.get());
    sink->start(reader);
}

void SoundPlayer::stopOutput() {
    if (sink)
        sink->stop();
    reader->close();
}

void SoundPlayer::releaseIdleOutput() {
    if (sink && sink->state() == QAudio::IdleState)
        stopOutput();
}
