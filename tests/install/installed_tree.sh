# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the installation tests. make_scratch makes a folder for the
# test's own files, removed again on exit after the test's background
# processes still running are ended; install_into_temporary_prefix installs
# the build into a prefix there and names the parts of the installed tree.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

clean_up() {
  local pid
  for pid in $(jobs -pr); do
    kill -- "$pid" 2>/dev/null || true
  done
  wait || true
  rm -rf -- "$scratch"
}

# make_scratch: sets scratch, a folder for the test's own files.
make_scratch() {
  scratch=$(readlink -f -- "$(mktemp -d)")
  trap clean_up EXIT
}

# install_into_temporary_prefix <cmake> <build dir> <bindir> <libexecdir> <datadir>
# with the install folders as GNUInstallDirs names them, relative to the prefix.
# Sets scratch (a folder for the test's own files), prefix, bindir, libexecdir,
# datadir, app_id (the name of the program's menu entry) and teacher_id (that
# of the teachers' overview).
# shellcheck disable=SC2034 # the variables are read by the test that sources this
install_into_temporary_prefix() {
  local cmake=$1 build=$2
  make_scratch
  prefix=$scratch/prefix
  bindir=$prefix/$3
  libexecdir=$prefix/$4
  datadir=$prefix/$5

  if ! "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat -- "$scratch/install.log" >&2
    fail "cmake --install into $prefix failed"
  fi

  # Two menu entries: the program's, and the teachers' overview's beside it.
  local entries=("$datadir"/applications/*.desktop) entry programs=()
  for entry in "${entries[@]}"; do
    [[ $entry == *.Teacher.desktop ]] || programs+=("$entry")
  done
  if [ ${#programs[@]} -ne 1 ] || [ ! -f "${programs[0]}" ]; then
    fail "expected exactly one menu entry of the program in $datadir/applications, found: ${entries[*]}"
  fi
  app_id=$(basename -- "${programs[0]}" .desktop)
  teacher_id=$app_id.Teacher
  if [ ${#entries[@]} -ne 2 ] || [ ! -f "$datadir/applications/$teacher_id.desktop" ]; then
    fail "expected the menu entries $app_id and $teacher_id in $datadir/applications, found: ${entries[*]}"
  fi
}
