#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the sound files of the course into this folder.

Regenerate them with

    python3 assets/sounds/generate_sounds.py

(Python 3 standard library only). The output is the same, byte for byte, on
every run, and the files are kept in the repository so that building the
program needs no Python. The effect sounds are synthesised in wave_synth.py
and effects.py; the tunes are composed in tunes.py with the helpers of
arrange.py and written as MIDI by smf.py.
"""

import sys

sys.dont_write_bytecode = True

from pathlib import Path  # noqa: E402

from effects import EFFECTS  # noqa: E402
from smf import rmid_bytes, smf_bytes  # noqa: E402
from tunes import RMID_TUNES, TUNES  # noqa: E402
from wave_synth import render, write_wav  # noqa: E402

HERE = Path(__file__).resolve().parent


def main():
    for name, sound in EFFECTS.items():
        write_wav(HERE / name, render(sound()))
    for name, tune in TUNES.items():
        (HERE / name).write_bytes(smf_bytes(tune()))
    for name, tune in RMID_TUNES.items():
        (HERE / name).write_bytes(rmid_bytes(smf_bytes(tune())))
    print('wrote', ', '.join([*EFFECTS, *TUNES, *RMID_TUNES]))


if __name__ == '__main__':
    main()
