# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the progress file of a student who has come to problem N: the
# problems before it answered right at the first try in 40 seconds each.
# Sourced by scripts/screenshots.

write_progress_at_problem() {
  local file=$1 problem=$2 i
  {
    printf '%s,%s\r\n' "$problem" "$(((problem - 1) * 3000))"
    for i in $(seq 1 30); do
      if [ "$i" -lt "$problem" ]; then printf '0,40\r\n'; else printf '0,0\r\n'; fi
    done
  } >"$file"
}
