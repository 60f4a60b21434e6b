# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The three tunes of the course, composed for it: a melody over a chord
progression, with accompaniment patterns and drums."""

from arrange import Part, Tune, drum_part, drums, melody, progression, realize

KICK, SNARE, CLOSED_HAT, CRASH = 36, 38, 42, 49
SOFT_KICK, TAMBOURINE, OPEN_TRIANGLE = 35, 54, 81
HIGH_WOOD_BLOCK, LOW_WOOD_BLOCK = 76, 77

# General MIDI programs, counted from 0.
CELESTA, XYLOPHONE, STEEL_GUITAR, ACOUSTIC_BASS, FINGERED_BASS = 8, 13, 25, 32, 33
ORCHESTRAL_HARP, STRINGS, FLUTE = 46, 48, 73


def passport():
    """Setting off on the trip: a bouncy C major tune for flute and guitar."""
    bpb = 4
    tune = Tune('Passport', 120, bpb, 13)
    tune.parts.append(Part('Flute', 0, FLUTE, melody(
        'G4:0.5 C5:0.5 E5:1 D5:0.5 E5:0.5 G5:1 | A5:1.5 G5:0.5 E5:1 C5:1 |'
        'F5:0.5 E5:0.5 D5:0.5 C5:0.5 A4:1 C5:1 | D5:1.5 B4:0.5 G4:2 |'
        'G4:0.5 C5:0.5 E5:1 D5:0.5 E5:0.5 G5:1 | C6:1.5 B5:0.5 A5:1 E5:1 |'
        'F5:1 A5:1 G5:1 B4:1 | C5:3 R:1 |'
        'A5:0.5 A5:0.5 C6:1 A5:0.5 G5:0.5 F5:1 | G5:0.5 G5:0.5 B5:1 G5:0.5 F5:0.5 D5:1 |'
        'E5:1 G5:1 A5:1 C6:1 | D6:1 C6:0.5 A5:0.5 B5:1 G5:1 | C6:3 R:1', bpb), volume=110))
    chords = progression('C | Am | F | G | C | Am | Dm G | C | F | G | Em Am | Dm G', bpb)
    ending = progression('C', bpb, start_bar=12)
    strum = [(0, 0.9, 'R35O', 72), (1, 0.4, '35O', 56), (1.5, 0.9, 'R35O', 66),
             (2.5, 0.4, '35O', 56), (3, 0.9, 'R35O', 66)]
    held = [(0, 3.5, 'R35O', 76)]
    tune.parts.append(Part('Guitar', 1, STEEL_GUITAR,
                           realize(chords, strum, 52, strum=0.03)
                           + realize(ending, held, 52, strum=0.06), volume=85, pan=44))
    walk = [(0, 1, 'R', 92), (1, 1, '5', 76), (2, 1, 'O', 86), (3, 1, '5', 76)]
    tune.parts.append(Part('Bass', 2, ACOUSTIC_BASS,
                           realize(chords, walk, 36) + realize(ending, [(0, 3.5, 'R', 92)], 36),
                           volume=100, pan=80))
    beat = [(0, KICK, 100), (1, SNARE, 84), (2, KICK, 94), (2.5, KICK, 70), (3, SNARE, 88)]
    hats = [(step / 2, CLOSED_HAT, 70 if step % 2 == 0 else 50) for step in range(8)]
    tune.parts.append(drum_part(drums(0, 12, bpb, beat + hats)
                                + drums(0, 1, bpb, [(0, CRASH, 90)])
                                + drums(8, 9, bpb, [(0, CRASH, 80)])
                                + drums(12, 13, bpb, [(0, KICK, 104), (0, CRASH, 100)])))
    return tune


def canyon():
    """The bonus roulette: a galloping A minor tune for xylophone."""
    bpb = 4
    tune = Tune('Canyon', 152, bpb, 16)
    tune.parts.append(Part('Xylophone', 0, XYLOPHONE, melody(
        'A4:0.5 C5:0.5 E5:0.5 A5:0.5 G5:0.5 E5:0.5 C5:0.5 E5:0.5 |'
        'D5:0.5 G5:0.5 B5:1 A5:0.5 G5:0.5 D5:1 |'
        'C5:0.5 F5:0.5 A5:1 G5:0.5 F5:0.5 C5:1 | B4:0.5 E5:0.5 G#5:1 B5:1.5 R:0.5 |'
        'A5:0.5 A5:0.5 E5:0.5 C5:0.5 A4:1 C5:0.5 E5:0.5 |'
        'D5:0.5 D5:0.5 B4:0.5 G4:0.5 B4:1 D5:0.5 G5:0.5 |'
        'F5:0.5 E5:0.5 F5:0.5 A5:0.5 C6:1 A5:0.5 F5:0.5 | E5:1 G#5:1 B5:1 E6:1 |'
        'F5:0.75 E5:0.25 D5:0.5 A4:0.5 D5:1 F5:1 | E5:0.75 D5:0.25 C5:0.5 A4:0.5 C5:1 E5:1 |'
        'D5:0.5 F5:0.5 A5:0.5 D6:0.5 C6:0.5 A5:0.5 F5:1 | G#5:0.5 A5:0.5 B5:1 E5:1 R:1 |'
        'A4:0.5 C5:0.5 E5:0.5 A5:0.5 G5:0.5 E5:0.5 C5:0.5 E5:0.5 |'
        'D5:0.5 G5:0.5 B5:1 A5:0.5 G5:0.5 D5:1 |'
        'C6:0.5 A5:0.5 F5:1 B5:0.5 G#5:0.5 E5:1 | A5:3 R:1', bpb, velocity=104), volume=112))
    chords = progression('Am | G | F | E | Am | G | F | E | Dm | Am | Dm | E | Am | G | F E', bpb)
    ending = progression('Am', bpb, start_bar=15)
    gallop = [(b + offset, 0.2 if offset else 0.45, 'R35', 80 if offset == 0 else 58)
              for b in range(bpb) for offset in (0, 0.5, 0.75)]
    tune.parts.append(Part('Guitar', 1, STEEL_GUITAR,
                           realize(chords, gallop, 52, strum=0.02)
                           + realize(ending, [(0, 2, 'R35O', 96)], 52, strum=0.04),
                           volume=80, pan=40))
    run = [(0, 0.5, 'R', 94), (0.5, 0.5, 'R', 70), (1, 0.5, '5', 90), (1.5, 0.5, 'R', 70),
           (2, 0.5, 'O', 94), (2.5, 0.5, 'R', 70), (3, 0.5, '5', 90), (3.5, 0.5, '3', 74)]
    tune.parts.append(Part('Bass', 2, FINGERED_BASS,
                           realize(chords, run, 33) + realize(ending, [(0, 2, 'R', 100)], 33),
                           volume=100, pan=84))
    beat = [(0, KICK, 100), (1, SNARE, 82), (2, KICK, 96), (3, SNARE, 88)]
    hooves = [(b + offset, HIGH_WOOD_BLOCK if offset == 0 else LOW_WOOD_BLOCK,
               72 if offset == 0 else 54) for b in range(bpb) for offset in (0, 0.5, 0.75)]
    tune.parts.append(drum_part(drums(0, 15, bpb, beat + hooves)
                                + drums(0, 1, bpb, [(0, CRASH, 92)])
                                + drums(8, 9, bpb, [(0, CRASH, 84)])
                                + drums(15, 16, bpb, [(0, KICK, 110), (0, CRASH, 104)])))
    return tune


def bahha():
    """The history board: a calm F major waltz for celesta, flute, harp and strings."""
    bpb = 3
    tune = Tune('Bahha', 96, bpb, 13, ring_beats=2.0)
    tune_melody = (
        'C5:1 F5:1 A5:1 | A5:1.5 G5:0.5 F5:1 | F5:1 D5:1 Bb4:1 | C5:1.5 D5:0.5 E5:1 |'
        'F5:1 A5:1 C6:1 | C6:1.5 A5:0.5 E5:1 | D5:1 F5:0.5 G5:1 E5:0.5 | F5:3 |'
        'D6:1 C6:1 Bb5:1 | A5:1.5 G5:0.5 F5:1 | Bb5:1 A5:0.5 G5:1 E5:0.5 |'
        'C6:1.5 A5:0.5 F5:1 | F5:3')
    tune.parts.append(Part('Celesta', 0, CELESTA, melody(tune_melody, bpb, velocity=92), volume=110))
    tune.parts.append(Part('Flute', 3, FLUTE, melody(tune_melody, bpb, velocity=60),
                           volume=70, pan=72))
    chords = progression('F | Dm | Bb | C | F | Am | Bb C | F | Bb | F | Gm C | F', bpb)
    ending = progression('F', bpb, start_bar=12)
    arpeggio = [(step / 2, 0.5, 'R5OTO5'[step], 62 if step == 0 else 50) for step in range(6)]
    tune.parts.append(Part('Harp', 1, ORCHESTRAL_HARP,
                           realize(chords, arpeggio, 48)
                           + realize(ending, [(0, 4.5, 'R5OTF', 64)], 48, strum=0.12),
                           volume=90, pan=40))
    tune.parts.append(Part('Strings', 2, STRINGS,
                           realize(chords + ending, [(0, 3, '35O', 52)], 53),
                           volume=75, pan=88, gate=1.0))
    tune.parts.append(Part('Bass', 4, ACOUSTIC_BASS,
                           realize(chords, [(0, 2, 'R', 84), (2, 1, '5', 64)], 36)
                           + realize(ending, [(0, 3, 'R', 84)], 36), volume=95))
    sway = [(0, SOFT_KICK, 56), (1, TAMBOURINE, 36), (2, TAMBOURINE, 40)]
    triangle = [note for bar in (0, 4, 8, 12)
                for note in drums(bar, bar + 1, bpb, [(0, OPEN_TRIANGLE, 64)])]
    tune.parts.append(drum_part(drums(0, 12, bpb, sway) + triangle, volume=70))
    return tune


TUNES = {
    'passport.mid': passport,
    'Canyon.mid': canyon,
}
RMID_TUNES = {
    'bahha.rmi': bahha,
}
