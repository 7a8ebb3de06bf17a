// The controller's sound slots: five players, one per sound index, and the looping background.
#include "app/myqquickview.h"

#include <QFileInfo>
#include <QMediaPlayer>

namespace {

QUrl soundUrl(uchar index) {
    const QString path = index == 0 ? QStringLiteral("./modules/media/00.mp3")
                                    : QStringLiteral("./modules/media/0%1.wav").arg(index);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

void clearPlayer(QMediaPlayer* player) {
    player->stop();
    player->setSource(QUrl());
}

} // namespace

void myQQuickView::setEnableAudio(bool isEnable) {
    isAudioEnabled = isEnable;
}

void myQQuickView::playMedia_Index(uchar index) {
    if (!isAudioEnabled || index >= mediaPlayerCount)
        return;
    if (index == 0) {
        playMedia_Background();
        return;
    }
    QMediaPlayer* player = mediaPlayers[index];
    clearPlayer(player);
    player->setSource(soundUrl(index));
    player->play();
}

void myQQuickView::playMedia_Background() {
    QMediaPlayer* player = mediaPlayers[0];
    player->setSource(soundUrl(0));
    // Setting the same source again does not rewind, so start over explicitly.
    player->setPosition(0);
    player->play();
}

void myQQuickView::clearAllMedia() {
    for (QMediaPlayer* player : mediaPlayers)
        clearPlayer(player);
}
