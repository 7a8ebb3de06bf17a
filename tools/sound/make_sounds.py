#!/usr/bin/python3
"""Synthesises the tool's sounds into modules/media (or the directory given):

    00.mp3  background track, 8 bars in A minor that loop seamlessly
    01.wav  power-on: a rising sweep that opens onto a chord
    02.wav  page switch: a short airy swipe with a blip
    03.wav  logo: a two-note chime
    04.wav  click: a crisp tick

Needs `lame` for the mp3 (scripts/setup installs it).
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from synth import (PAD, PLUCK, RATE, SINE, Mix, bell, exp_decay, highpass, lowpass,  # noqa: E402
                   noise, note_hz, shape, sweep, swell, tone)

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# ---- background track --------------------------------------------------------------------

BPM = 84
BEAT = 60 / BPM
BAR = 4 * BEAT

# (pad voicing, bass note, arpeggio notes), two bars each.
CHORDS = [
    (["A3", "C4", "E4", "B4"], "A2", ["A4", "C5", "E5", "B5"]),
    (["F3", "A3", "C4", "E4"], "F2", ["F4", "A4", "C5", "E5"]),
    (["G3", "C4", "E4", "B4"], "C3", ["G4", "C5", "E5", "G5"]),
    (["G3", "B3", "D4", "A4"], "G2", ["G4", "B4", "D5", "A5"]),
]
BARS_PER_CHORD = 2
# Which arpeggio note plays on each eighth of a bar; the second bar answers the first.
ARP_PATTERN = [[0, 2, 1, 3, 2, 1, 2, 3], [0, 2, 1, 2, 3, 2, 1, 2]]


def background_track():
    loop = len(CHORDS) * BARS_PER_CHORD * BAR
    mix = Mix(loop, circular=True)
    arps = Mix(loop, circular=True)
    for c, (pad, bass, arp) in enumerate(CHORDS):
        start = c * BARS_PER_CHORD * BAR
        held = BARS_PER_CHORD * BAR
        _pad_chord(mix, start, held, pad)
        _bass(mix, start, held, bass)
        for bar in range(BARS_PER_CHORD):
            for e, idx in enumerate(ARP_PATTERN[bar]):
                t = start + bar * BAR + e * BEAT / 2
                accent = 1.0 if e % 2 == 0 else 0.72
                notes = tone(PLUCK, note_hz(arp[idx]), 1.3, exp_decay(0.004, 0.22))
                arps.add(int(t * RATE), lowpass(notes, 5200), 0.075 * accent, pan=-0.25 if e % 2 else 0.25)
            _thump(mix, start + bar * BAR)
            for beat in range(4):
                _shaker(mix, start + bar * BAR + (beat + 0.5) * BEAT, seed=c * 8 + bar * 4 + beat)
    arps.echo(delay_s=3 * BEAT / 2, feedback=0.38, wet=0.42)
    for i in range(mix.length):
        mix.left[i] += arps.left[i]
        mix.right[i] += arps.right[i]
    # Quieter than the effects, which play over it.
    mix.normalise(0.55)
    return mix


def _pad_chord(mix, start, held, notes):
    release = 1.6
    for n, name in enumerate(notes):
        for detune, pan in ((-6, -0.45), (6, 0.45)):
            voice = tone(PAD, note_hz(name), held + release, swell(1.4, release, held),
                         detune_cents=detune, vibrato=(0.17 + 0.05 * n, 4))
            mix.add(int(start * RATE), lowpass(voice, 1800), 0.055, pan=pan)


def _bass(mix, start, held, name):
    voice = tone(SINE, note_hz(name), held + 0.8, swell(0.25, 0.8, held - 0.2))
    mix.add(int(start * RATE), voice, 0.16)


def _thump(mix, start):
    """A soft, low heartbeat on the first beat of the bar."""
    body = sweep(SINE, 110, 48, 0.35, exp_decay(0.003, 0.07))
    mix.add(int(start * RATE), body, 0.16)


def _shaker(mix, start, seed):
    """A faint, airy tick on the off-beat."""
    grain = highpass(noise(0.09, seed=100 + seed), 6500)
    mix.add(int(start * RATE), shape(grain, exp_decay(0.004, 0.018)), 0.035, pan=0.3)


# ---- effects -----------------------------------------------------------------------------


def power_on():
    mix = Mix(2.3, stereo=False)
    rise = sweep(PAD, 70, 440, 0.95, swell(0.6, 0.25, 0.75))
    mix.add(0, lowpass(rise, 2200), 0.32)
    air = noise(1.0, seed=1)
    air = lowpass(highpass(air, 400), lambda t: 300 + 3200 * (t / 1.0) ** 2, poles=2)
    mix.add(0, shape(air, swell(0.8, 0.2, 0.8)), 0.2)
    hit = int(0.9 * RATE)
    for name, gain in (("A3", 0.16), ("E4", 0.12), ("A4", 0.11), ("C5", 0.09), ("E5", 0.08)):
        voice = tone(PAD, note_hz(name), 1.4, exp_decay(0.01, 0.24), vibrato=(5, 3))
        mix.add(hit, lowpass(voice, 3000), gain)
    mix.add(hit, bell(note_hz("E6"), 1.4, 0.22), 0.10)
    mix.fade_out(0.15)
    mix.normalise(0.85)
    return mix


def page_switch():
    mix = Mix(0.3, stereo=False)
    air = noise(0.3, seed=2)
    air = lowpass(highpass(air, 300), lambda t: 600 + 3400 * t / 0.3, poles=2)
    mix.add(0, shape(air, swell(0.12, 0.16, 0.12)), 0.6)
    blip = sweep(SINE, 1100, 1650, 0.12, exp_decay(0.003, 0.025))
    mix.add(int(0.06 * RATE), blip, 0.3)
    mix.fade_out(0.03)
    mix.normalise(0.7)
    return mix


def logo_chime():
    mix = Mix(1.1, stereo=False)
    mix.add(0, bell(note_hz("E6"), 1.1, 0.14), 0.5)
    mix.add(int(0.085 * RATE), bell(note_hz("B6"), 1.0, 0.12), 0.4)
    mix.fade_out(0.12)
    mix.normalise(0.75)
    return mix


def click():
    mix = Mix(0.045, stereo=False)
    mix.add(0, tone(SINE, 2300, 0.045, exp_decay(0.0005, 0.005)), 0.6)
    snap = highpass(noise(0.01, seed=3), 3000)
    mix.add(0, shape(snap, exp_decay(0.0002, 0.0015)), 0.5)
    mix.add(0, tone(SINE, 700, 0.045, exp_decay(0.001, 0.006)), 0.3)
    mix.fade_out(0.01)
    mix.normalise(0.6)
    return mix


def encode_mp3(mix, path):
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "track.wav")
        mix.write_wav(wav)
        subprocess.run(["lame", "--quiet", "-m", "j", "-b", "96", "--resample", "44.1", wav, path],
                       check=True)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "modules", "media")
    os.makedirs(out, exist_ok=True)
    effects = {"01.wav": power_on, "02.wav": page_switch, "03.wav": logo_chime, "04.wav": click}
    for name, make in effects.items():
        make().write_wav(os.path.join(out, name))
    encode_mp3(background_track(), os.path.join(out, "00.mp3"))
    print(f"5 sounds in {out}")


if __name__ == "__main__":
    main()
