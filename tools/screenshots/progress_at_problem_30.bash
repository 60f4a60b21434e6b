# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the progress file of a student who has come to problem 30, the last
# one: 29 problems answered with a few wrong tries and their times in seconds.
# Sourced by scripts/screenshots.

write_progress_at_problem_30() {
  local file=$1 i
  local misses=(0 1 0 0 2 0 0 1 0 0 0 0 0 1 0 1 0 0 0 0 0 1 0 0 0 0 0 0 0)
  local seconds=(35 62 28 41 95 30 44 71 38 27 33 40 29 66 52 84 47 39 58 45 61 102 49 37 55 43 76 68 57)
  # 29 right answers, 7 wrong tries, 23000 won at the roulette
  {
    printf '30,89000\r\n'
    for i in "${!misses[@]}"; do
      printf '%s,%s\r\n' "${misses[i]}" "${seconds[i]}"
    done
    printf '0,0\r\n'
  } >"$file"
}
