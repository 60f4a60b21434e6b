#!/usr/bin/env bash
# Installs the program into a temporary prefix and starts the installed
# launcher headless, as the menu does: once for a student starting for the
# first time, once for a student coming back to a data folder holding progress.
# Arguments: <cmake> <build dir> <bindir> <libexecdir> <datadir> <sounds folder of the sources>
set -euo pipefail
# shellcheck source=installed_tree.sh
source "$(dirname -- "$0")/installed_tree.sh"
install_into_temporary_prefix "${@:1:5}"
source_sounds=$6

launcher=$bindir/piyota
program=$libexecdir/piyota/piyota
sounds=()
for sound in "$source_sounds"/*.wav "$source_sounds"/*.mid "$source_sounds"/*.rmi; do
  sounds+=("$(basename -- "$sound")")
done

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
runs_program() { [ "$(readlink -- "/proc/$pid/exe")" = "$program" ]; }
# Once its window is up, the program loads the sound module installed beside it.
loads_sound_module() { grep -qF "$libexecdir/piyota/piyota_sound.so" "/proc/$pid/maps"; }

stop_program() {
  kill -- "$pid"
  wait "$pid" || true
}

# check_program_at_home <data folder>: the program runs in the data folder.
check_program_at_home() {
  local cwd
  cwd=$(readlink -- "/proc/$pid/cwd")
  [ "$cwd" = "$1" ] || fail "the program runs in $cwd, not in $1"
}

# check_our_sounds <data folder> <names...>: the folder holds exact copies of these sounds of ours.
check_our_sounds() {
  local data=$1 name
  shift
  for name in "$@"; do
    cmp -- "$source_sounds/$name" "$data/$name" || fail "$data/$name is not a copy of our $name"
  done
}

# check_untouched <file> <copy of it made with cp -p before the start>
check_untouched() {
  cmp -- "$2" "$1" || fail "$1 was changed"
  [ "$(stat -c %Y -- "$1")" = "$(stat -c %Y -- "$2")" ] || fail "$1 was rewritten"
}

# A student's first start: the data folder under HOME is made and holds the
# sounds, and nothing else.
home=$scratch/first-home
mkdir -p -- "$home"
start_launcher "$scratch/first.log" HOME="$home"
wait_for "$pid" "$scratch/first.log" "starting the program" runs_program
wait_for "$pid" "$scratch/first.log" "loading the sound module" loads_sound_module
data=$home/.local/share/$app_id
check_program_at_home "$data"
stop_program
check_our_sounds "$data" "${sounds[@]}"
found=$(find "$data" -mindepth 1 -printf '%f\n' | LC_ALL=C sort)
[ "$found" = "$(printf '%s\n' "${sounds[@]}" | LC_ALL=C sort)" ] || fail "$data holds other files than our sounds: $found"

# A student coming back to a folder under XDG_DATA_HOME: the progress file and
# a sound of the student's own stay as they are; the missing sounds are added.
data=$scratch/data-home/$app_id
own_sound=${sounds[0]}
mkdir -p -- "$data"
printf 'progress of the student zq\r\n3\r\n' >"$data/zq.ucd"
printf 'a sound of the student' >"$data/$own_sound"
touch -d '2001-02-03 04:05:06' -- "$data/zq.ucd" "$data/$own_sound"
cp -p -- "$data/zq.ucd" "$scratch/zq.ucd.before"
cp -p -- "$data/$own_sound" "$scratch/own-sound.before"

# The program reading a sound from the data folder (the title screen's music
# at the latest) tells that it has come up: the launcher only writes there.
inotifywait --monitor --event close_nowrite --format %f -- "$data" \
  >"$scratch/reads.log" 2>"$scratch/inotify.log" &
watching() { grep -q 'Watches established' -- "$scratch/inotify.log"; }
wait_for "$!" "$scratch/inotify.log" "watching $data" watching

start_launcher "$scratch/again.log" HOME="$scratch/second-home" XDG_DATA_HOME="$scratch/data-home"
wait_for "$pid" "$scratch/again.log" "starting the program" runs_program
check_program_at_home "$data"
read_a_sound() { grep -qE '\.(wav|mid|rmi)$' -- "$scratch/reads.log"; }
wait_for "$pid" "$scratch/again.log" "reading a sound from $data" read_a_sound
stop_program

check_untouched "$data/zq.ucd" "$scratch/zq.ucd.before"
check_untouched "$data/$own_sound" "$scratch/own-sound.before"
check_our_sounds "$data" "${sounds[@]:1}"

echo "launcher of $app_id: made the data folder, kept the student's files, started the program"
