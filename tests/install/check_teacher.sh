#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix and starts the installed
# teachers' overview headless on a folder of progress files, as a teacher
# would on a shared folder: it reads the files and changes nothing there.
# Arguments: <cmake> <build dir> <bindir> <libexecdir> <datadir>
set -euo pipefail
# shellcheck source=installed_tree.sh
source "$(dirname -- "$0")/installed_tree.sh"
install_into_temporary_prefix "$@"

program=$bindir/piyota-teacher
folder=$scratch/class
mkdir -p -- "$folder"
{
  printf '3,6000\r\n1,41\r\n0,35\r\n0,45296.37\r\n'
  for _ in $(seq 27); do printf '0,0\r\n'; done
} >"$folder/zq.ucd"
printf 'not a progress file' >"$folder/broken.ucd"

# Everything that happens in the folder while the overview runs.
inotifywait --monitor --format '%e %f' -- "$folder" >"$scratch/events.log" 2>"$scratch/inotify.log" &
watcher=$!
for _ in $(seq 100); do
  grep -q 'Watches established' -- "$scratch/inotify.log" && break
  sleep 0.1
done
grep -q 'Watches established' -- "$scratch/inotify.log" || fail "could not watch $folder"

env -i PATH="$PATH" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen HOME="$scratch" "$program" "$folder" \
  </dev/null >"$scratch/teacher.log" 2>&1 &
pid=$!
read_both() {
  grep -qxF 'CLOSE_NOWRITE,CLOSE zq.ucd' -- "$scratch/events.log" &&
    grep -qxF 'CLOSE_NOWRITE,CLOSE broken.ucd' -- "$scratch/events.log"
}
for _ in $(seq 300); do
  read_both && break
  if ! kill -0 "$pid" 2>/dev/null; then
    cat -- "$scratch/teacher.log" >&2
    fail "piyota-teacher ended before reading $folder"
  fi
  sleep 0.1
done
read_both || fail "piyota-teacher did not read the progress files in $folder"
[ "$(readlink -- "/proc/$pid/exe")" = "$program" ] || fail "not the installed program that runs"
sleep 1 # time for anything it would do after reading
kill -- "$pid"
wait "$pid" || true
kill -- "$watcher"
wait "$watcher" || true

changes=$(grep -E 'MODIFY|ATTRIB|CLOSE_WRITE|CREATE|DELETE|MOVED' -- "$scratch/events.log" || true)
[ -z "$changes" ] || fail "piyota-teacher changed the folder: $changes"

# Without a display: the help, and a report written from a script.
env -i PATH="$PATH" LANG=C.UTF-8 HOME="$scratch" "$program" --help </dev/null >"$scratch/help.log" 2>&1 ||
  fail "piyota-teacher --help failed without a display: $(cat -- "$scratch/help.log")"
grep -q -- '--export-pdf' "$scratch/help.log" || fail "piyota-teacher --help does not name --export-pdf"
env -i PATH="$PATH" LANG=C.UTF-8 HOME="$scratch" "$program" --export-pdf "$scratch/report.pdf" "$folder" \
  </dev/null >"$scratch/export.log" 2>&1 || fail "piyota-teacher --export-pdf failed: $(cat -- "$scratch/export.log")"
head -c 5 -- "$scratch/report.pdf" | grep -q '%PDF-' || fail "piyota-teacher --export-pdf wrote no PDF"
# A lecture's handout, drawn with the course's own fonts as installed.
env -i PATH="$PATH" LANG=C.UTF-8 HOME="$scratch" "$program" --lecture-pdf 1 "$scratch/lecture.pdf" \
  </dev/null >"$scratch/lecture.log" 2>&1 || fail "piyota-teacher --lecture-pdf failed: $(cat -- "$scratch/lecture.log")"
head -c 5 -- "$scratch/lecture.pdf" | grep -q '%PDF-' || fail "piyota-teacher --lecture-pdf wrote no PDF"
if command -v pdffonts >/dev/null; then
  pdffonts "$scratch/lecture.pdf" | grep -q '^Monapo ' ||
    fail "the installed lecture handout is not in Monapo: $(pdffonts "$scratch/lecture.pdf" 2>&1)"
fi

echo "installed $teacher_id: read $folder and changed nothing there; its help, a PDF and a handout without a display"
