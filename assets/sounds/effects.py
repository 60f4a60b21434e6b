# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The four effect sounds: door chimes, the correct-answer arpeggio, the wrong-answer buzz."""

from wave_synth import Partial, Tone, bell, buzz

C5, E5, G5, C6, E6, G6, C7 = 523.25, 659.26, 783.99, 1046.50, 1318.51, 1567.98, 2093.00


def pinpon():
    """A bright chime falling a major third: "pin" then "pon"."""
    return [Tone(0.0, 0.22, E6, bell(0.25)),
            Tone(0.17, 0.33, C6, bell(0.3))]


def endpinpon():
    """A lower, longer chime falling a fifth, for leaving."""
    return [Tone(0.0, 0.27, G5, bell(0.3)),
            Tone(0.22, 0.38, C5, bell(0.35))]


def chimes():
    """A rising C major arpeggio of four bells."""
    notes = (C6, E6, G6, C7)
    return [Tone(0.11 * i, 0.8 - 0.11 * i, f, bell(0.35)) for i, f in enumerate(notes)]


def chimes2():
    """Two low saws a semitone apart, then a bell with a tritone overtone."""
    bong = (Partial(1.0, 1.0, 0.3), Partial(1.414, 0.5, 0.2), Partial(2.0, 0.3, 0.12))
    return [Tone(0.0, 0.3, 98.0, buzz(1.0), attack=0.01),
            Tone(0.0, 0.3, 103.83, buzz(1.0), attack=0.01),
            Tone(0.26, 0.44, 155.56, bong)]


EFFECTS = {
    'pinpon.wav': pinpon,
    'endpinpon.wav': endpinpon,
    'Chimes.wav': chimes,
    'Chimes2.wav': chimes2,
}
