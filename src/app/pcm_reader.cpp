#include "app/pcm_reader.h"

#include "app/pcm_sound.h"

void PcmReader::start(PcmSound* played) {
    close();
    sound = played;
    position = 0;
    open(QIODevice::ReadOnly);
}

qint64 PcmReader::readData(char* data, qint64 maxBytes) {
    if (!sound)
        return 0;
    const qint64 count = sound->read(position, data, maxBytes);
    position += count;
    return count;
}
