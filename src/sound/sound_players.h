#pragma once

#include <QObject>

#include <array>
#include <functional>

class SoundPlayer;

// The five sound players, one per sound index, and the looping background track. It lives on a
// thread of its own: the first sound played connects to the sound system, which may hang.
class SoundPlayers : public QObject {
    Q_OBJECT

public:
    static constexpr int mediaPlayerCount = 5;

    // Runs on the sound thread before the players are made; tests block it to stand in for a
    // sound system that hangs.
    static std::function<void()> beforeSetUp;

    // The player of an index once set up, else null; to be used on the sound thread only.
    SoundPlayer* player(int index) const;

public slots:
    void setUp();
    // Index 1 … 4: start that sound from its beginning. Index 0: the background track.
    void play(int index);
    void playBackground();
    void clearAll();

private:
    std::array<SoundPlayer*, mediaPlayerCount> mediaPlayers{};
};
