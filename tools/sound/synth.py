"""A tiny additive synthesiser on the standard library: wavetable voices, envelopes, one-pole
filters and a circular stereo mix buffer, written out as 16-bit PCM.

Everything is deterministic (noise comes from a seeded generator), so regenerating gives the
same files.
"""

import array
import math
import random
import wave

RATE = 44100
TABLE_SIZE = 4096


def note_hz(name):
    """Frequency of a note name such as "A4", "C#5" or "Bb3" (equal temperament, A4 = 440)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest[0] == "#":
        semis, rest = semis + 1, rest[1:]
    elif rest[0] == "b":
        semis, rest = semis - 1, rest[1:]
    return 440.0 * 2 ** ((semis + 12 * (int(rest) - 4)) / 12)


def wavetable(harmonics):
    """One cycle of a waveform from (harmonic number, amplitude) pairs, peak-normalised."""
    table = [sum(a * math.sin(2 * math.pi * n * i / TABLE_SIZE) for n, a in harmonics)
             for i in range(TABLE_SIZE)]
    peak = max(abs(v) for v in table) or 1.0
    return [v / peak for v in table]


SINE = wavetable([(1, 1.0)])
# Soft, warm: odd and even partials falling off fast.
PAD = wavetable([(1, 1.0), (2, 0.42), (3, 0.22), (4, 0.12), (5, 0.07), (6, 0.04)])
# Round and hollow, for plucks.
PLUCK = wavetable([(1, 1.0), (3, 0.28), (5, 0.09), (2, 0.12)])
# Bell-like: inharmonic partials.
BELL = [(1.0, 1.0), (2.76, 0.36), (5.40, 0.18), (8.93, 0.07)]


class Mix:
    """A buffer of floats, stereo or mono (mono keeps everything in `left` and ignores pan).
    With `circular` set, writes past the end wrap to the start, so tails of the last notes
    sound over the first ones and the buffer loops seamlessly."""

    def __init__(self, seconds, circular=False, stereo=True):
        self.length = int(round(seconds * RATE))
        self.left = array.array("d", bytes(8 * self.length))
        self.right = array.array("d", bytes(8 * self.length))
        self.circular = circular
        self.stereo = stereo

    def add(self, start, samples, gain=1.0, pan=0.0):
        """Add mono samples at start (in samples), panned -1 (left) .. 1 (right)."""
        if self.stereo:
            gl = gain * math.cos((pan + 1) * math.pi / 4)
            gr = gain * math.sin((pan + 1) * math.pi / 4)
        else:
            gl, gr = gain, 0.0
        n = self.length
        left, right = self.left, self.right
        for i, v in enumerate(samples):
            j = start + i
            if j >= n:
                if not self.circular:
                    break
                j %= n
            left[j] += v * gl
            right[j] += v * gr

    def echo(self, delay_s, feedback, wet):
        """A ping-pong feedback delay. On a circular buffer the delay line runs round three
        times, so the echoes of the end land on the start as they would in an endless loop."""
        d = int(delay_s * RATE)
        n = self.length
        line_l = array.array("d", bytes(8 * n))
        line_r = array.array("d", bytes(8 * n))
        for _ in range(3 if self.circular else 1):
            for i in range(n):
                if i >= d or self.circular:
                    prev_l, prev_r = line_l[i - d], line_r[i - d]  # negative indexes wrap
                else:
                    prev_l = prev_r = 0.0
                line_l[i] = self.right[i] + feedback * prev_r
                line_r[i] = self.left[i] + feedback * prev_l
        for i in range(n):
            if i >= d or self.circular:
                self.left[i] += wet * line_l[i - d]
                self.right[i] += wet * line_r[i - d]

    def fade_out(self, seconds):
        """A raised-cosine fade over the last `seconds`, so a sound never ends on a cut."""
        n = min(int(seconds * RATE), self.length)
        for k in range(n):
            g = 0.5 + 0.5 * math.cos(math.pi * (k + 1) / n)
            i = self.length - n + k
            self.left[i] *= g
            self.right[i] *= g

    def normalise(self, peak=0.89):
        top = max(max(abs(v) for v in self.left), max(abs(v) for v in self.right)) or 1.0
        k = peak / top
        for buf in (self.left, self.right):
            for i in range(self.length):
                buf[i] *= k

    def write_wav(self, path):
        frames = array.array("h")
        for i in range(self.length):
            frames.append(_pcm(self.left[i]))
            if self.stereo:
                frames.append(_pcm(self.right[i]))
        with wave.open(path, "wb") as w:
            w.setnchannels(2 if self.stereo else 1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(frames.tobytes())


def _pcm(v):
    return max(-32767, min(32767, int(round(v * 32767))))


def tone(table, hz, seconds, env, detune_cents=0.0, vibrato=(0.0, 0.0)):
    """A wavetable voice: frequency hz, an envelope function of time (s) -> gain, optional
    vibrato (rate Hz, depth cents)."""
    n = int(seconds * RATE)
    step = hz * 2 ** (detune_cents / 1200) * TABLE_SIZE / RATE
    vib_rate, vib_depth = vibrato
    phase = 0.0
    out = array.array("d", bytes(8 * n))
    mask = TABLE_SIZE - 1
    for i in range(n):
        t = i / RATE
        out[i] = table[int(phase) & mask] * env(t)
        if vib_depth:
            phase += step * 2 ** (vib_depth * math.sin(2 * math.pi * vib_rate * t) / 1200)
        else:
            phase += step
    return out


def sweep(table, hz0, hz1, seconds, env):
    """A voice gliding exponentially from hz0 to hz1."""
    n = int(seconds * RATE)
    phase = 0.0
    out = array.array("d", bytes(8 * n))
    mask = TABLE_SIZE - 1
    for i in range(n):
        t = i / RATE
        hz = hz0 * (hz1 / hz0) ** (t / seconds)
        out[i] = table[int(phase) & mask] * env(t)
        phase += hz * TABLE_SIZE / RATE
    return out


def bell(hz, seconds, decay):
    """Inharmonic partials, higher ones dying faster."""
    n = int(seconds * RATE)
    out = array.array("d", bytes(8 * n))
    for ratio, amp in BELL:
        part = tone(SINE, hz * ratio, seconds, exp_decay(0.002, decay / (ratio ** 0.7)))
        for i in range(n):
            out[i] += part[i] * amp
    return out


def noise(seconds, seed):
    rng = random.Random(seed)
    return array.array("d", (rng.uniform(-1, 1) for _ in range(int(seconds * RATE))))


def lowpass(samples, cutoff_hz, poles=1):
    """Low-pass of `poles` cascaded one-pole stages; cutoff may be a function of time."""
    for _ in range(poles - 1):
        samples = lowpass(samples, cutoff_hz)
    out = array.array("d", bytes(8 * len(samples)))
    y = 0.0
    for i, x in enumerate(samples):
        fc = cutoff_hz(i / RATE) if callable(cutoff_hz) else cutoff_hz
        a = 1 - math.exp(-2 * math.pi * fc / RATE)
        y += a * (x - y)
        out[i] = y
    return out


def highpass(samples, cutoff_hz):
    low = lowpass(samples, cutoff_hz)
    return array.array("d", (x - l for x, l in zip(samples, low)))


def shape(samples, env):
    return array.array("d", (v * env(i / RATE) for i, v in enumerate(samples)))


# ---- envelopes (functions of time in seconds) ----------------------------------------------


def exp_decay(attack, half_life):
    """A fast linear attack, then an exponential fall with the given half-life."""
    k = math.log(2) / half_life

    def env(t):
        if t < attack:
            return t / attack
        return math.exp(-k * (t - attack))
    return env


def swell(attack, release, length):
    """Smooth (raised-cosine) rise and fall, for pads."""
    def env(t):
        if t < attack:
            return 0.5 - 0.5 * math.cos(math.pi * t / attack)
        if t < length:
            return 1.0
        if t < length + release:
            return 0.5 + 0.5 * math.cos(math.pi * (t - length) / release)
        return 0.0
    return env
