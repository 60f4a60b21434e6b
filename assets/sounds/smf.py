# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Standard MIDI File (format 1) writing, and its RIFF "RMID" wrapping."""

import struct

TICKS_PER_BEAT = 480
DRUM_CHANNEL = 9              # channel 10 as musicians count

# Events at one tick are written in this order: settings, then note-offs, then note-ons.
_SETUP, _OFF, _ON = 0, 1, 2


def _vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def _meta(kind, data):
    return b'\xff' + bytes([kind]) + _vlq(len(data)) + data


def _chunk(tag, body):
    return tag + struct.pack('>I', len(body)) + body


def _track(events, end_tick):
    body = bytearray()
    now = 0
    for tick, _, data in sorted(events, key=lambda e: (e[0], e[1])):
        body += _vlq(tick - now) + data
        now = tick
    body += _vlq(max(0, end_tick - now)) + _meta(0x2F, b'')
    return _chunk(b'MTrk', bytes(body))


def _ticks(beats):
    return int(round(beats * TICKS_PER_BEAT))


def conductor_track(tune, end_tick):
    tempo = int(round(60_000_000 / tune.bpm))
    events = [(0, _SETUP, _meta(0x03, tune.title.encode('ascii'))),
              (0, _SETUP, _meta(0x51, tempo.to_bytes(3, 'big'))),
              (0, _SETUP, _meta(0x58, bytes([tune.beats_per_bar, 2, 24, 8])))]
    return _track(events, end_tick)


def part_track(part, end_tick):
    ch = part.channel
    events = [(0, _SETUP, _meta(0x03, part.name.encode('ascii'))),
              (0, _SETUP, bytes([0xC0 | ch, part.program])),
              (0, _SETUP, bytes([0xB0 | ch, 7, part.volume])),
              (0, _SETUP, bytes([0xB0 | ch, 10, part.pan]))]
    for note in part.notes:
        on = _ticks(note.start)
        off = on + max(1, _ticks(note.length * part.gate))
        events.append((on, _ON, bytes([0x90 | ch, note.pitch, note.velocity])))
        events.append((off, _OFF, bytes([0x80 | ch, note.pitch, 64])))
    return _track(events, end_tick)


def smf_bytes(tune):
    """The tune as a format 1 file: a conductor track, then one track per part."""
    end_tick = _ticks(tune.length_beats())
    tracks = [conductor_track(tune, end_tick)] + [part_track(p, end_tick) for p in tune.parts]
    header = _chunk(b'MThd', struct.pack('>HHH', 1, len(tracks), TICKS_PER_BEAT))
    return header + b''.join(tracks)


def rmid_bytes(smf):
    """A MIDI file inside a RIFF container: "RIFF" size "RMID", then a "data" chunk."""
    data = b'data' + struct.pack('<I', len(smf)) + smf + (b'\0' if len(smf) % 2 else b'')
    return b'RIFF' + struct.pack('<I', 4 + len(data)) + b'RMID' + data
