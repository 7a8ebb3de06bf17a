#pragma once

#include <QObject>

class QThread;
class SoundPlayers;

// Runs the sound players on a thread of their own and hands them the requests of the GUI
// thread, which therefore never waits for the sound system: while the players are being set up
// (or if that never ends) requests wait in the sound thread's queue and the window goes on.
class SoundThread : public QObject {
    Q_OBJECT

public:
    explicit SoundThread(QObject* parent = nullptr);
    // Waits briefly for the sound thread; one that hangs in the sound system is left behind.
    ~SoundThread() override;

    void play(int index);
    void playBackground();
    void clearAll();

    SoundPlayers* players() const { return soundPlayers; }

private:
    QThread* thread;
    SoundPlayers* soundPlayers;
};
