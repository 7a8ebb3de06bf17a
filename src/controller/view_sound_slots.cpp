// The controller's sound slots: the switch, and the requests that the sound thread carries out.
#include "controller/myqquickview.h"

#include "sound/sound_players.h"
#include "sound/sound_thread.h"

void myQQuickView::setEnableAudio(bool isEnable) {
    isAudioEnabled = isEnable;
}

void myQQuickView::playMedia_Index(uchar index) {
    if (!isAudioEnabled || index >= SoundPlayers::mediaPlayerCount)
        return;
    sound->play(index);
}

void myQQuickView::playMedia_Background() {
    sound->playBackground();
}

void myQQuickView::clearAllMedia() {
    sound->clearAll();
}
