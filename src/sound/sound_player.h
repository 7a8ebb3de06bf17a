#pragma once

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>

class PcmSound;
class PulseOutput;

// One logical player: plays one sound file at a time from its beginning as PCM on the default
// audio output, and reports the end of the sound when its length has been played. Without an
// audio output the sound plays silently for the same length, so what follows its end still
// happens.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    QUrl source() const { return currentSource; }
    bool isPlaying() const { return endTimer.isActive(); }

    // Plays the file from its beginning, cutting short what this player was playing. A file that
    // cannot be read gives silence and no end.
    void play(const QUrl& source);
    // Stops and drops the source; no end is reported.
    void clear();

signals:
    // The sound has played to its end.
    void finished();

private:
    void load(const QString& path);
    void startOutput();
    void stopOutput();

    QUrl currentSource;
    QString loadedPath;
    std::unique_ptr<PcmSound> sound;
    std::unique_ptr<PulseOutput> output;
    QTimer endTimer;
};
