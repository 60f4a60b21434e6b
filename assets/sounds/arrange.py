# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writing music down: note names, melodies bar by bar, chord progressions and
the accompaniment patterns that play them."""

from dataclasses import dataclass, field

from smf import DRUM_CHANNEL

_PITCH_CLASS = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}
_ACCIDENTAL = {'': 0, '#': 1, 'b': -1}


@dataclass(frozen=True)
class Note:
    start: float              # beats from the start of the tune
    length: float             # beats
    pitch: int
    velocity: int


@dataclass
class Part:
    name: str
    channel: int
    program: int              # General MIDI program, counted from 0
    notes: list
    volume: int = 100
    pan: int = 64
    gate: float = 0.92        # share of each note's length that sounds


@dataclass
class Tune:
    title: str
    bpm: float
    beats_per_bar: int
    bars: int
    parts: list = field(default_factory=list)
    ring_beats: float = 1.0   # silence after the last bar while the notes die away

    def length_beats(self):
        return self.bars * self.beats_per_bar + self.ring_beats


def _split_name(name):
    letter, rest = name[0], name[1:]
    accidental = rest[0] if rest[:1] in ('#', 'b') else ''
    return _PITCH_CLASS[letter] + _ACCIDENTAL[accidental], rest[len(accidental):]


def pitch(name):
    """MIDI note number of a name such as "C4" (60), "F#5" or "Bb3"."""
    pitch_class, octave = _split_name(name)
    return 12 * (int(octave) + 1) + pitch_class


def melody(text, beats_per_bar, velocity=96):
    """Notes from bars like "C5:1 E5:0.5 R:0.5 G5:2 | ...", "R" being a rest.
    Every bar must add up to a full bar."""
    notes = []
    for number, bar in enumerate(text.split('|')):
        bar_start = beat = number * beats_per_bar
        for token in bar.split():
            name, length = token.split(':')
            if name != 'R':
                notes.append(Note(beat, float(length), pitch(name), velocity))
            beat += float(length)
        if abs(beat - bar_start - beats_per_bar) > 1e-9:
            raise ValueError(f'bar {number + 1} of a melody lasts {beat - bar_start} beats')
    return notes


@dataclass(frozen=True)
class Chord:
    start: float              # beats
    length: float
    root: int                 # pitch class
    minor: bool

    def tone(self, degree, low):
        """The chord tone named by degree: "R", "3", "5", or an octave higher
        "O" (root), "T" (third), "F" (fifth); the root is the lowest note from `low` up."""
        root = low + (self.root - low) % 12
        third = 3 if self.minor else 4
        offset = {'R': 0, '3': third, '5': 7, 'O': 12, 'T': 12 + third, 'F': 19}[degree]
        return root + offset


def progression(text, beats_per_bar, start_bar=0):
    """Chords from bars like "C | Am | Dm G"; chords sharing a bar share it evenly."""
    chords = []
    for number, bar in enumerate(text.split('|')):
        symbols = bar.split()
        each = beats_per_bar / len(symbols)
        bar_start = (start_bar + number) * beats_per_bar
        for i, symbol in enumerate(symbols):
            root, quality = _split_name(symbol)
            chords.append(Chord(bar_start + i * each, each, root % 12, quality == 'm'))
    return chords


def realize(chords, pattern, low, strum=0.0):
    """Plays a pattern on every chord. A pattern lists (offset, length, degrees,
    velocity) from the chord's start; steps past the chord's end are left out
    and notes are cut at its end. Several degrees sound together, spread by
    `strum` beats."""
    notes = []
    for chord in chords:
        for offset, length, degrees, velocity in pattern:
            if offset >= chord.length - 1e-9:
                continue
            for i, degree in enumerate(degrees):
                notes.append(Note(chord.start + offset + i * strum,
                                  min(length, chord.length - offset),
                                  chord.tone(degree, low), velocity))
    return notes


def drums(first_bar, last_bar, beats_per_bar, pattern):
    """A drum pattern of (offset, note, velocity) repeated in bars first..last-1."""
    return [Note(bar * beats_per_bar + offset, 0.25, note, velocity)
            for bar in range(first_bar, last_bar)
            for offset, note, velocity in pattern]


def drum_part(notes, volume=90):
    return Part('Drums', DRUM_CHANNEL, 0, notes, volume=volume)
