# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the progress files of a made-up class of 24 students for the
# teachers' overview: most somewhere in the course, a few done, one fresh,
# and one file broken. Problems 9, 18, 27 and 28 are the hard ones.
# Sourced by scripts/screenshots.

write_demo_class() {
  local folder=$1 k p reached misses seconds score line file
  local codes=(aoi daiki emi haruto hina kaito kanon kenta koharu mei mio nagi
    ren riko riku sakura sora takumi toma yui yuma yuna yuto zq)
  RANDOM=2008 # the same class every time
  mkdir -p -- "$folder"
  for k in "${!codes[@]}"; do
    file="$folder/${codes[k]}.ucd"
    case ${codes[k]} in
      zq) reached=1 ;;               # started afresh, nothing done yet
      aoi | kanon | ren | yui) reached=31 ;; # done
      *) reached=$((6 + RANDOM % 25)) ;;
    esac
    score=0
    {
      for p in $(seq 30); do
        if ((p < reached)); then
          misses=$((RANDOM % 3 == 0 ? 1 : 0))
          case $p in 9 | 18 | 27 | 28) misses=$((misses + RANDOM % 4)) ;; esac
          seconds=$((25 + RANDOM % 50 + (p > 15 ? 20 : 0) + misses * 25))
          line="$misses,$seconds"
          score=$((score + 3000 - misses * 3000))
        elif ((p == reached)) && [ "${codes[k]}" != zq ]; then
          line="$((RANDOM % 2)),$((36000 + RANDOM % 20000)).$((10 + RANDOM % 90))" # begun at a clock reading
        else
          line="0,0"
        fi
        printf '%s\r\n' "$line"
      done
    } >"$file.lines"
    ((reached == 1)) || score=$((score + 1000 * (RANDOM % 30))) # the roulettes
    { printf '%s,%s\r\n' "$((reached > 30 ? 30 : reached))" "$score"; cat -- "$file.lines"; } >"$file"
    rm -- "$file.lines"
  done
  printf '2,3000\r\n0,41\r\n' >"$folder/hiroki.ucd" # cut off by a pulled USB stick
}
