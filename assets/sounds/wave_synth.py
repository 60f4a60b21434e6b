# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Additive synthesis of short effect sounds, written as 16-bit mono WAV."""

import math
import struct
import wave
from dataclasses import dataclass

RATE = 22050
PEAK = 10 ** (-3 / 20)        # -3 dBFS
TAIL_SILENCE = 0.3            # seconds of zeros closing every file
RELEASE = 0.04                # every tone fades to zero over its last 40 ms


@dataclass(frozen=True)
class Partial:
    ratio: float              # frequency relative to the tone's fundamental
    level: float
    decay: float              # seconds for the partial to fall to 1/e


@dataclass(frozen=True)
class Tone:
    start: float              # seconds
    length: float             # seconds, release included
    frequency: float
    partials: tuple
    attack: float = 0.005


def bell(decay):
    """A struck metal bar: a strong fundamental and quickly fading overtones."""
    return (Partial(1.0, 1.0, decay), Partial(2.0, 0.35, decay * 0.5),
            Partial(2.76, 0.25, decay * 0.3), Partial(5.4, 0.1, decay * 0.15))


def buzz(decay, harmonics=24):
    """A band-limited sawtooth."""
    return tuple(Partial(float(k), 1.0 / k, decay) for k in range(1, harmonics + 1))


def _envelope(t, tone):
    rise = 0.5 - 0.5 * math.cos(math.pi * t / tone.attack) if t < tone.attack else 1.0
    left = tone.length - t
    fall = 0.5 - 0.5 * math.cos(math.pi * left / RELEASE) if left < RELEASE else 1.0
    return rise * fall


def _frames(seconds):
    return int(round(seconds * RATE))


def _mix(tones):
    samples = [0.0] * max(_frames(t.start) + _frames(t.length) for t in tones)
    for tone in tones:
        first = _frames(tone.start)
        for i in range(_frames(tone.length)):
            t = i / RATE
            value = sum(p.level * math.exp(-t / p.decay)
                        * math.sin(2 * math.pi * tone.frequency * p.ratio * t)
                        for p in tone.partials if tone.frequency * p.ratio < RATE / 2)
            samples[first + i] += value * _envelope(t, tone)
    return samples


def render(tones):
    """The tones mixed, scaled to the peak level, followed by the silent tail."""
    samples = _mix(tones)
    scale = PEAK * 32767 / max(abs(s) for s in samples)
    pcm = [int(round(s * scale)) for s in samples]
    return pcm + [0] * _frames(TAIL_SILENCE)


def write_wav(path, pcm):
    with wave.open(str(path), 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack('<%dh' % len(pcm), *pcm))
