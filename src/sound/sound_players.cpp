#include "sound/sound_players.h"

#include "sound/sound_player.h"

#include <QFileInfo>

namespace {

QUrl soundUrl(int index) {
    const QString path = index == 0 ? QStringLiteral("./modules/media/00.mp3")
                                    : QStringLiteral("./modules/media/0%1.wav").arg(index);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

} // namespace

std::function<void()> SoundPlayers::beforeSetUp;

SoundPlayer* SoundPlayers::player(int index) const {
    return mediaPlayers.at(index);
}

void SoundPlayers::setUp() {
    if (beforeSetUp)
        beforeSetUp();
    for (auto& mediaPlayer : mediaPlayers)
        mediaPlayer = new SoundPlayer(this);
    // The end of the power-on sound and of the background track start the background track.
    for (SoundPlayer* looping : {mediaPlayers[0], mediaPlayers[1]})
        connect(looping, &SoundPlayer::finished, this, &SoundPlayers::playBackground);
}

void SoundPlayers::play(int index) {
    if (index == 0) {
        playBackground();
        return;
    }
    if (SoundPlayer* mediaPlayer = mediaPlayers.at(index))
        mediaPlayer->play(soundUrl(index));
}

void SoundPlayers::playBackground() {
    if (SoundPlayer* mediaPlayer = mediaPlayers[0])
        mediaPlayer->play(soundUrl(0));
}

void SoundPlayers::clearAll() {
    for (SoundPlayer* mediaPlayer : mediaPlayers) {
        if (mediaPlayer)
            mediaPlayer->clear();
    }
}
