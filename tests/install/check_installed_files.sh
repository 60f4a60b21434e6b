#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix and checks what the desktop
# reads: the menu entries and the software-centre description pass their
# validators and name one application id, the menu starts the installed
# launcher and the teachers' overview, and the icon is there at every usual size.
# Arguments: <cmake> <build dir> <bindir> <libexecdir> <datadir>
set -euo pipefail
# shellcheck source=installed_tree.sh
source "$(dirname -- "$0")/installed_tree.sh"
install_into_temporary_prefix "$@"

entry=$datadir/applications/$app_id.desktop
teacher_entry=$datadir/applications/$teacher_id.desktop
metainfo=$datadir/metainfo/$app_id.metainfo.xml

# desktop-file-validate fails on errors only; its warnings and hints count here too.
for checked in "$entry" "$teacher_entry"; do
  report=$(desktop-file-validate "$checked" 2>&1) || fail "desktop-file-validate: $report"
  [ -z "$report" ] || fail "desktop-file-validate: $report"
done

[ -f "$metainfo" ] || fail "no description at $metainfo"
appstreamcli validate --no-net --pedantic "$metainfo" >&2 || fail "appstreamcli validate rejects $metainfo"
appstreamcli validate-tree --no-net "$prefix" >&2 || fail "appstreamcli validate-tree rejects $prefix"

grep -qxF "<id>$app_id</id>" <(sed 's/^ *//' "$metainfo") || fail "the description's id is not $app_id"
grep -qxF "Icon=$app_id" "$entry" || fail "the menu entry's icon is not $app_id"
grep -qxF "Exec=piyota" "$entry" || fail "the menu entry does not start the launcher"
[ -x "$bindir/piyota" ] || fail "no launcher at $bindir/piyota"

# The teachers' overview: its own entry in Japanese, under Education beside
# the program (Teacher is no registered category: X-Teacher), with the
# program's icon, starting the program installed.
grep -qxF "Name[ja]=ぴよたの研修旅行 先生用" "$teacher_entry" || fail "the teachers' entry is not named ぴよたの研修旅行 先生用"
grep -qxF "Categories=Education;Math;Qt;X-Teacher;" "$teacher_entry" || fail "the teachers' entry is not under Education"
grep -qxF "Icon=$app_id" "$teacher_entry" || fail "the teachers' entry's icon is not $app_id"
grep -qxF "Exec=piyota-teacher" "$teacher_entry" || fail "the teachers' entry does not start piyota-teacher"
[ -x "$bindir/piyota-teacher" ] || fail "no program at $bindir/piyota-teacher"

# The first 16 bytes of a PNG: its signature, then the length and type of the
# header chunk, which holds width and height as big-endian 32-bit numbers.
png_start=89504e470d0a1a0a0000000d49484452
for size in 16 22 24 32 48 64 128 256; do
  icon=$datadir/icons/hicolor/${size}x$size/apps/$app_id.png
  [ -f "$icon" ] || fail "no ${size}x$size icon at $icon"
  [ "$(od -An -tx1 -N16 -- "$icon" | tr -d ' \n')" = "$png_start" ] || fail "$icon is not a PNG"
  dimensions=$(od -An -tu1 -j16 -N8 -- "$icon" |
    awk '{ print ($1 * 16777216 + $2 * 65536 + $3 * 256 + $4) "x" ($5 * 16777216 + $6 * 65536 + $7 * 256 + $8) }')
  [ "$dimensions" = "${size}x$size" ] || fail "$icon is $dimensions, not ${size}x$size"
done
grep -q '<svg' "$datadir/icons/hicolor/scalable/apps/$app_id.svg" || fail "no scalable icon"

echo "installed files of $app_id and $teacher_id: valid"
