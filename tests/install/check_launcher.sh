#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix and starts the installed
# launcher headless, as the menu does: for a student starting for the first
# time, for a student coming back to a data folder holding progress, for
# students starting at once on a folder the school shares (PIYOTA_DATA_DIR),
# without a display, and (under a virtual display) with a shared folder that
# is missing, where the program tells the student in a window.
# Arguments: <cmake> <build dir> <bindir> <libexecdir> <datadir> <sounds folder of the sources>
set -euo pipefail
# shellcheck source=installed_tree.sh
source "$(dirname -- "$0")/installed_tree.sh"
# shellcheck source=launcher_session.sh
source "$(dirname -- "$0")/launcher_session.sh"
install_into_temporary_prefix "${@:1:5}"
source_sounds=$6

launcher=$bindir/piyota
program=$libexecdir/piyota/piyota
mapfile -t sounds < <(our_sounds)

# check_untouched <file> <copy of it made with cp -p before the start>
check_untouched() {
  cmp -- "$2" "$1" || fail "$1 was changed"
  [ "$(stat -c %Y -- "$1")" = "$(stat -c %Y -- "$2")" ] || fail "$1 was rewritten"
}

# A student's first start: the data folder under HOME is made and holds the
# sounds, and nothing else.
home=$scratch/first-home
mkdir -p -- "$home"
start_program "$scratch/first.log" HOME="$home"
data=$home/.local/share/$app_id
check_program_at_home "$pid" "$data"
stop_program "$pid"
check_our_sounds "$data" "${sounds[@]}"
check_only_sounds_and "$data"

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
wait_for "$pid" "$scratch/again.log" "starting the program" runs_program "$pid"
wait_for "$pid" "$scratch/again.log" "working in $data" works_in "$pid" "$data"
read_a_sound() { grep -qE '\.(wav|mid|rmi)$' -- "$scratch/reads.log"; }
wait_for "$pid" "$scratch/again.log" "reading a sound from $data" read_a_sound
stop_program "$pid"

check_untouched "$data/zq.ucd" "$scratch/zq.ucd.before"
check_untouched "$data/$own_sound" "$scratch/own-sound.before"
check_our_sounds "$data" "${sounds[@]:1}"

# A class starting at once on a folder the school shares, made as the README
# says (writable by all, sticky and setgid): each account works in a folder
# of its own in it, named by its login, and takes its progress file of an
# earlier version along; both programs of this account start there, and the
# folder holds one whole copy of each sound.
shared=$scratch/shared
mkdir -p -- "$shared"
chmod 3777 -- "$shared"
printf 'progress of the student piyo\r\n' >"$shared/piyo.ucd"
cp -p -- "$shared/piyo.ucd" "$scratch/piyo.ucd.before"
own=$shared/$(id -un)

# start_on_shared <student>: a launcher on the shared folder.
start_on_shared() {
  start_launcher "$scratch/shared-$1.log" HOME="$scratch/home-$1" PIYOTA_DATA_DIR="$shared"
}
start_on_shared a
first=$pid
start_on_shared b
second=$pid
wait_for "$first" "$scratch/shared-a.log" "starting the program on the shared folder" runs_program "$first"
wait_for "$second" "$scratch/shared-b.log" "starting the program on the shared folder" runs_program "$second"
wait_for "$first" "$scratch/shared-a.log" "working in $own" works_in "$first" "$own"
wait_for "$second" "$scratch/shared-b.log" "working in $own" works_in "$second" "$own"
stop_program "$first"
stop_program "$second"
[ "$(stat -c %a -- "$own")" = 2750 ] || fail "$own has mode $(stat -c %a -- "$own"), not 2750"
[ "$(find "$shared" -mindepth 1 -maxdepth 1 -printf '%f\n')" = "$(basename -- "$own")" ] ||
  fail "$shared holds more than the account's folder: $(ls -A -- "$shared")"
check_our_sounds "$own" "${sounds[@]}"
check_only_sounds_and "$own" piyo.ucd
cmp -- "$scratch/piyo.ucd.before" "$own/piyo.ucd" || fail "the earlier progress file was not taken along whole"
# Only the program's own data folder counts: the sound server's client
# library may keep its runtime link under the home's .config.
for student in a b; do
  [ ! -e "$scratch/home-$student/.local/share/$app_id" ] ||
    fail "the launcher made a data folder of its own beside the shared one"
done

# Without a display the program fails before making anything.
home=$scratch/no-display-home
mkdir -p -- "$home"
# (A subshell, whose report of the abort goes nowhere.)
if (env -i PATH="$PATH" HOME="$home" "$launcher" </dev/null >"$scratch/no-display.log" 2>&1) 2>/dev/null; then
  fail "the program started without a display"
fi
[ -z "$(ls -A -- "$home")" ] || fail "the program made $(ls -A -- "$home") before failing without a display"

# A shared folder that is not there (not mounted, or mistyped), or not named
# by an absolute path: the program says so in a window, which the student
# closes with Enter, and ends, rather than keep progress where the other
# machines cannot see it. Under a virtual display, where one can be made.
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "skipped the window of a missing shared folder: xvfb-run or xdotool is missing (scripts/install-packages installs them)"
else
  # refuses <expected text on standard error> <PIYOTA_DATA_DIR>
  refuses() {
    local status=0
    env -i PATH="$PATH" LANG=C.UTF-8 HOME="$scratch/home-c" PIYOTA_DATA_DIR="$2" launcher="$launcher" \
      xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
        "$launcher" </dev/null &
        program=$!
        window=$(timeout 60 xdotool search --sync --onlyvisible --name "^ぴよたの研修旅行2008$" | head -n 1)
        if [ -n "$window" ]; then
          xdotool windowfocus --sync "$window" key Return
        else
          echo "no window came"
          kill "$program"
        fi
        wait "$program"' >"$scratch/refused.log" 2>&1 || status=$?
    [ "$status" -eq 1 ] || fail "the program ended with $status on PIYOTA_DATA_DIR=$2: $(cat -- "$scratch/refused.log")"
    grep -qF -- "$1" "$scratch/refused.log" || fail "the program did not say '$1': $(cat -- "$scratch/refused.log")"
  }
  refuses "the data folder '$scratch/not-mounted/piyota' (PIYOTA_DATA_DIR) cannot be used: No such file or directory" \
    "$scratch/not-mounted/piyota"
  [ ! -e "$scratch/not-mounted" ] || fail "the program made the missing shared folder"
  refuses "the data folder 'shared' (PIYOTA_DATA_DIR) cannot be used: not an absolute path" shared
  [ ! -e "$scratch/home-c" ] || fail "the program made a folder for a refused PIYOTA_DATA_DIR"
fi

echo "launcher of $app_id: made the data folder, kept the student's files, shared a folder, started the program"
