#pragma once

#include <QIODevice>

class PcmSound;

// Hands a sound's samples to an audio output that pulls them, from the beginning to the end.
class PcmReader : public QIODevice {
    Q_OBJECT

public:
    using QIODevice::QIODevice;

    // Opens the reader at the beginning of `sound` (which must outlive the reading).
    void start(PcmSound* sound);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxBytes) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    PcmSound* sound = nullptr;
    qint64 position = 0;
};
