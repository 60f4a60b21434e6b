#!/usr/bin/env bash
# Installs the program into a temporary prefix and starts the installed
# launcher headless, as the menu does: for a student starting for the first
# time, for a student coming back to a data folder holding progress, and for
# students starting at once on a folder the school shares (PIYOTA_DATA_DIR).
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
check_program_at_home "$pid" "$data"
read_a_sound() { grep -qE '\.(wav|mid|rmi)$' -- "$scratch/reads.log"; }
wait_for "$pid" "$scratch/again.log" "reading a sound from $data" read_a_sound
stop_program "$pid"

check_untouched "$data/zq.ucd" "$scratch/zq.ucd.before"
check_untouched "$data/$own_sound" "$scratch/own-sound.before"
check_our_sounds "$data" "${sounds[@]:1}"

# A class starting at once on a shared folder made by the school, over a
# network slow enough that each launcher is still copying a sound when the
# other looks for it: both programs start there, and the folder holds one
# whole copy of each sound and the progress as it was.
shared=$scratch/shared
mkdir -p -- "$shared" "$scratch/slow-network"
printf 'progress of the student piyo\r\n' >"$shared/piyo.ucd"
cp -p -- "$shared/piyo.ucd" "$scratch/piyo.ucd.before"
real_cp=$(command -v cp)
printf '#!/bin/sh\nsleep 0.5\nexec %s "$@"\n' "$real_cp" >"$scratch/slow-network/cp"
chmod +x -- "$scratch/slow-network/cp"

# start_on_shared <student>: a launcher on the shared folder, over the slow network.
start_on_shared() {
  PATH=$scratch/slow-network:$PATH start_launcher "$scratch/shared-$1.log" \
    HOME="$scratch/home-$1" PIYOTA_DATA_DIR="$shared"
}
start_on_shared a
first=$pid
start_on_shared b
second=$pid
wait_for "$first" "$scratch/shared-a.log" "starting the program on the shared folder" runs_program "$first"
wait_for "$second" "$scratch/shared-b.log" "starting the program on the shared folder" runs_program "$second"
check_program_at_home "$first" "$shared"
check_program_at_home "$second" "$shared"
stop_program "$first"
stop_program "$second"
check_our_sounds "$shared" "${sounds[@]}"
check_only_sounds_and "$shared" piyo.ucd
check_untouched "$shared/piyo.ucd" "$scratch/piyo.ucd.before"
# Only the launcher's own data folder counts: the sound server's client
# library may keep its runtime link under the home's .config.
for student in a b; do
  [ ! -e "$scratch/home-$student/.local/share/$app_id" ] ||
    fail "the launcher made a data folder of its own beside the shared one"
done

# A shared folder that is not there (not mounted, or mistyped), or not named
# by an absolute path: the launcher says so and starts nothing, rather than
# keep progress where the other machines cannot see it.
# refuses <expected message> <PIYOTA_DATA_DIR>
refuses() {
  local status=0
  timeout 20 env -i PATH="$PATH" HOME="$scratch/home-c" QT_QPA_PLATFORM=offscreen PIYOTA_DATA_DIR="$2" \
    "$launcher" </dev/null >"$scratch/refused.log" 2>&1 || status=$?
  [ "$status" -eq 1 ] || fail "the launcher ended with $status on PIYOTA_DATA_DIR=$2: $(cat -- "$scratch/refused.log")"
  grep -qF -- "$1" "$scratch/refused.log" || fail "the launcher did not say '$1': $(cat -- "$scratch/refused.log")"
}
refuses "the data folder '$scratch/not-mounted/piyota' (PIYOTA_DATA_DIR) does not exist" "$scratch/not-mounted/piyota"
[ ! -e "$scratch/not-mounted" ] || fail "the launcher made the missing shared folder"
refuses "PIYOTA_DATA_DIR must be an absolute path, not 'shared'" shared
[ ! -e "$scratch/home-c" ] || fail "the launcher made a folder for a refused PIYOTA_DATA_DIR"

echo "launcher of $app_id: made the data folder, kept the student's files, shared a folder, started the program"
