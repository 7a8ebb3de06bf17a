#include "app/sound_players.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>

namespace {

QUrl soundUrl(int index) {
    const QString path = index == 0 ? QStringLiteral("./modules/media/00.mp3")
                                    : QStringLiteral("./modules/media/0%1.wav").arg(index);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

void clearPlayer(QMediaPlayer* player) {
    player->stop();
    player->setSource(QUrl());
}

} // namespace

std::function<void()> SoundPlayers::beforeSetUp;

QMediaPlayer* SoundPlayers::player(int index) const {
    return mediaPlayers.at(index);
}

void SoundPlayers::setUp() {
    if (beforeSetUp)
        beforeSetUp();
    for (auto& mediaPlayer : mediaPlayers) {
        mediaPlayer = new QMediaPlayer(this);
        mediaPlayer->setAudioOutput(new QAudioOutput(this));
    }
    // The end of the power-on sound and of the background track start the background track.
    for (QMediaPlayer* looping : {mediaPlayers[0], mediaPlayers[1]}) {
        connect(looping, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia)
                        playBackground();
                });
    }
}

void SoundPlayers::play(int index) {
    if (index == 0) {
        playBackground();
        return;
    }
    QMediaPlayer* mediaPlayer = mediaPlayers.at(index);
    if (!mediaPlayer)
        return;
    clearPlayer(mediaPlayer);
    mediaPlayer->setSource(soundUrl(index));
    mediaPlayer->play();
}

void SoundPlayers::playBackground() {
    QMediaPlayer* mediaPlayer = mediaPlayers[0];
    if (!mediaPlayer)
        return;
    mediaPlayer->setSource(soundUrl(0));
    // Setting the same source again does not rewind, so start over explicitly.
    mediaPlayer->setPosition(0);
    mediaPlayer->play();
}

void SoundPlayers::clearAll() {
    for (QMediaPlayer* mediaPlayer : mediaPlayers) {
        if (mediaPlayer)
            clearPlayer(mediaPlayer);
    }
}
