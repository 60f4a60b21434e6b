#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks it: its control fields, the
# files it installs and their owners, modes and dates, its licence, lintian's
# verdict (no errors, no hardening missing), that a second build gives the
# same bytes, and the packaged launcher, extracted into a temporary root,
# starting the packaged program headless.
# Arguments: <cpack> <build dir> <version> <sounds folder of the sources> <changelog>
# Exits 77 (skipped) where the Debian packaging tools are missing.
set -euo pipefail
# shellcheck source=installed_tree.sh
source "$(dirname -- "$0")/installed_tree.sh"
# shellcheck source=launcher_session.sh
source "$(dirname -- "$0")/launcher_session.sh"
cpack=$1 build=$2 version=$3 source_sounds=$4 changelog=$5
app_id=io.github.piyota.Quadratic

for tool in dpkg-deb dpkg-shlibdeps file lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/install-packages installs it)"
    exit 77
  fi
done
make_scratch

architecture=$(dpkg --print-architecture)
# pack <folder>: makes the package in the folder.
pack() {
  if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$1" >"$scratch/cpack.log" 2>&1; then
    cat -- "$scratch/cpack.log" >&2
    fail "cpack -G DEB failed"
  fi
}
pack "$scratch/out"
deb=$scratch/out/piyota_${version}_$architecture.deb
[ -f "$deb" ] || fail "no $(basename -- "$deb") among: $(ls -- "$scratch/out")"

# Reproducible: built again, with the icons rendered anew (every file date
# differs) and another umask, the package holds the same bytes. (Only the
# modes that CPack gives the members of the outer archive follow the umask:
# scripts/package packs with umask 022.)
rm -f -- "$build"/packaging/icons/*.png
(umask 077 && pack "$scratch/again")
again=$scratch/again/$(basename -- "$deb")
for member in debian-binary control.tar.gz data.tar.gz; do
  cmp -- <(ar p "$deb" "$member") <(ar p "$again" "$member") ||
    fail "a second build gives another $member: $(diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$again"))"
done
[ "$(ar t "$deb")" = "$(ar t "$again")" ] || fail "a second build gives other members: $(ar t "$again")"
# Every file is dated at the changelog's latest entry.
released=$(date --utc --date="@$(dpkg-parsechangelog -l "$changelog" -STimestamp)" '+%Y-%m-%d %H:%M:%S')
odd_dates=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk -v d="$released" '$4 " " $5 != d')
[ -z "$odd_dates" ] || fail "files not dated $released: $odd_dates"

# The control fields.
field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
  [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', not '$2'"
}
expect_field Package piyota
expect_field Version "$version"
expect_field Architecture "$architecture"
expect_field Section education
expect_field Priority optional
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^@\>]+\.[^@\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)', not 'Name <address>'"
[[ $(field Homepage) == https://* ]] || fail "Homepage is '$(field Homepage)'"

# Depends: the libraries the program, its sound module and the teachers'
# overview link, and what they load by name at run time: the fonts, the
# soundfont and Qt's translations.
mapfile -t depended < <(field Depends | sed -e 's/[,|]/\n/g' | sed -e 's/^ *//' -e 's/[ (].*//')
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libfluidsynth3 libpulse0 libsndfile1 \
  libqt6charts6 libqt6printsupport6 libxlsxwriter4 \
  fonts-monapo fonts-ipafont-gothic fonts-ipafont-mincho fonts-horai-umefont timgm6mb-soundfont qt6-translations-l10n; do
  printf '%s\n' "${depended[@]}" | grep -qxF -- "$package" || fail "Depends does not name $package: $(field Depends)"
done

# The description: a summary, then an English and a Japanese paragraph.
description=$(field Description)
[ "$(sed -n 1p <<<"$description" | wc -m)" -le 81 ] || fail "the summary is longer than 80 characters"
grep -q 'quadratic functions' <<<"$description" || fail "the description has no English paragraph"
grep -q '２次関数' <<<"$description" || fail "the description has no Japanese paragraph"
grep -q 'piyota-teacher' <<<"$description" || fail "the description does not name the teachers' overview"
grep -q '先生用' <<<"$description" || fail "the Japanese description does not name the teachers' overview"
grep -qx ' \.' <<<"$description" || fail "the description's paragraphs are not separated"
! grep -qE '&[a-z]+;' <<<"$description" || fail "the description is escaped as XML: $description"

# No maintainer scripts: Debian's triggers update the menu and the icon caches.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$|config$' || true)
[ -z "$scripts" ] || fail "the package has maintainer scripts: $scripts"

# The files: owned by root, with Debian's modes, all under /usr.
dpkg-deb --contents "$deb" | awk '{ print $1, $2, $6 }' >"$scratch/contents"
# expect_entry <mode> <path>
expect_entry() {
  grep -qxF -- "$1 root/root ./usr/$2" "$scratch/contents" ||
    fail "no $1 ./usr/$2 owned by root: $(grep -F -- "/$2" "$scratch/contents" || echo missing)"
}
expect_entry -rwxr-xr-x bin/piyota
expect_entry -rwxr-xr-x libexec/piyota/piyota
expect_entry -rw-r--r-- libexec/piyota/piyota_sound.so
while read -r sound; do
  expect_entry -rw-r--r-- "share/piyota/sounds/$sound"
done < <(our_sounds)
expect_entry -rw-r--r-- "share/applications/$app_id.desktop"
expect_entry -rw-r--r-- "share/metainfo/$app_id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
  expect_entry -rw-r--r-- "share/icons/hicolor/${size}x$size/apps/$app_id.png"
done
expect_entry -rw-r--r-- "share/icons/hicolor/scalable/apps/$app_id.svg"
expect_entry -rw-r--r-- share/man/man1/piyota.1.gz
expect_entry -rwxr-xr-x bin/piyota-teacher
expect_entry -rw-r--r-- "share/applications/$app_id.Teacher.desktop"
expect_entry -rw-r--r-- share/man/man1/piyota-teacher.1.gz
expect_entry -rw-r--r-- share/doc/piyota/copyright
expect_entry -rw-r--r-- share/doc/piyota/changelog.Debian.gz
expect_entry -rw-r--r-- share/lintian/overrides/piyota
# Free software: the GPL, version 3 or later, for all of it.
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/piyota/copyright)
[ "$(grep '^License: ' <<<"$copyright" | sort -u)" = "License: GPL-3+" ] || fail "the copyright file names other licences"
grep -qF '/usr/share/common-licenses/GPL-3' <<<"$copyright" || fail "the copyright file does not point to the GPL's text"
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/metainfo/$app_id.metainfo.xml" |
  grep -qF '<project_license>GPL-3.0-or-later</project_license>' || fail "the description names no licence"
outside=$(awk '$3 !~ /^\.\/(usr\/.*)?$/ || $3 ~ /^\.\/usr\/local\// || $2 != "root/root" { print }' "$scratch/contents")
[ -z "$outside" ] || fail "files outside /usr or not owned by root: $outside"
odd_folders=$(awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print }' "$scratch/contents")
[ -z "$odd_folders" ] || fail "folders not drwxr-xr-x: $odd_folders"

# lintian, Debian's package checker, with its pedantic and informational
# tags: errors fail the test, and so does any hardening missing or any
# section Debian strips; the rest is shown.
if ! lintian -EvI --fail-on error --tag-display-limit 0 \
  "$deb" >"$scratch/lintian.log" 2>&1; then
  cat -- "$scratch/lintian.log" >&2
  fail "lintian reports errors"
fi
cat -- "$scratch/lintian.log"
! grep -E ' (hardening-[a-z-]+|binary-has-unneeded-section) ' "$scratch/lintian.log" || fail "lintian finds hardening missing"

# The packaged launcher, extracted into a root of its own, starts the
# packaged program in a first-time student's data folder.
root=$scratch/root
dpkg -x "$deb" "$root"
launcher=$root/usr/bin/piyota
program=$root/usr/libexec/piyota/piyota
home=$scratch/home
mkdir -p -- "$home"
start_program "$scratch/launcher.log" HOME="$home"
data=$home/.local/share/$app_id
check_program_at_home "$pid" "$data"
stop_program "$pid"
mapfile -t sounds < <(our_sounds)
check_our_sounds "$data" "${sounds[@]}"

echo "$(basename -- "$deb"): $(stat -c %s -- "$deb") bytes, fields, files and lintian as expected, launcher started"
