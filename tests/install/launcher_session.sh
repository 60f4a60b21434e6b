# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the tests that start an installed launcher headless, as the menu
# does. The test sets launcher and program to their installed paths and
# source_sounds to the sounds folder of the sources; fail comes from
# installed_tree.sh.
# shellcheck disable=SC2154 # launcher, program and source_sounds come from the test

# start_launcher <log> <environment assignments...>: starts the launcher in the
# background in a clean environment without a display; sets pid.
start_launcher() {
  local log=$1
  shift
  env -i PATH="$PATH" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@" \
    "$launcher" </dev/null >"$log" 2>&1 &
  pid=$!
}

# wait_for <pid> <log> <description> <command...>: waits until the command
# succeeds; fails, showing the log, if the process has ended first.
wait_for() {
  local waiting_on=$1 log=$2 description=$3
  shift 3
  for _ in $(seq 1200); do
    "$@" && return 0
    if ! kill -0 "$waiting_on" 2>/dev/null; then
      cat -- "$log" >&2
      fail "ended before $description"
    fi
    sleep 0.1
  done
  fail "gave up waiting for $description"
}

# The launcher replaces itself with the program, so the process started keeps its id.
runs_program() { [ "$(readlink -- "/proc/$1/exe")" = "$program" ]; }
# Once its window is up, the program loads the sound module installed beside it.
loads_sound_module() { grep -qF "$(dirname -- "$program")/piyota_sound.so" "/proc/$1/maps"; }

# start_program <log> <environment assignments...>: starts the launcher and
# waits until the program it starts runs with its sound module; sets pid.
start_program() {
  start_launcher "$@"
  wait_for "$pid" "$1" "starting the program" runs_program "$pid"
  wait_for "$pid" "$1" "loading the sound module" loads_sound_module "$pid"
}

stop_program() {
  kill -- "$1"
  wait "$1" || true
}

# works_in <pid> <folder>: the program's working directory is the folder.
works_in() { [ "$(readlink -- "/proc/$1/cwd")" = "$2" ]; }

# check_program_at_home <pid> <data folder>: the program runs in the data folder.
check_program_at_home() {
  local cwd
  cwd=$(readlink -- "/proc/$1/cwd")
  [ "$cwd" = "$2" ] || fail "the program runs in $cwd, not in $2"
}

# The names of our sounds, from the sources.
our_sounds() {
  local sound
  for sound in "$source_sounds"/*.wav "$source_sounds"/*.mid "$source_sounds"/*.rmi; do
    basename -- "$sound"
  done
}

# check_our_sounds <data folder> <names...>: the folder holds exact copies of
# these sounds of ours, readable by everyone who shares the folder.
check_our_sounds() {
  local data=$1 name
  shift
  for name in "$@"; do
    cmp -- "$source_sounds/$name" "$data/$name" || fail "$data/$name is not a copy of our $name"
    [ "$(stat -c %a -- "$data/$name")" = 644 ] || fail "$data/$name has mode $(stat -c %a -- "$data/$name"), not 644"
  done
}

# check_only_sounds_and <data folder> <other names...>: the folder holds our
# sounds and these files, and nothing else (no copy left half-way).
check_only_sounds_and() {
  local data=$1 found expected
  shift
  found=$(find "$data" -mindepth 1 -printf '%f\n' | LC_ALL=C sort)
  expected=$({
    our_sounds
    [ $# -eq 0 ] || printf '%s\n' "$@"
  } | LC_ALL=C sort)
  [ "$found" = "$expected" ] || fail "$data holds other files than our sounds and $*: $found"
}
