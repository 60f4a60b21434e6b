# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Finds, keys and photographs the program's windows on an X display without a
# window manager. Every screen and dialog of the program is a window of its
# own, and switching screens always opens a new one. Sourced by
# scripts/screenshots; needs DISPLAY set.

window=""  # the window found last: the one keys go to and pictures are taken of

# Waits for a visible window other than the last one found whose title
# matches a glob ('*' takes any new window) and makes it the current one.
await_window() {
  local pattern=$1 deadline=$((SECONDS + 30)) id name
  while ((SECONDS < deadline)); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      [ "$id" != "$window" ] || continue
      name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
      # shellcheck disable=SC2053 # the pattern is a glob on purpose
      [[ $name == $pattern ]] || continue
      window=$id
      return 0
    done
    sleep 0.2
  done
  echo "screenshots: no window titled like '$pattern' appeared" >&2
  return 1
}

window_title() {
  xdotool getwindowname "$window"
}

# Presses keys in the current window; with no window manager the input focus
# has to be put there first.
press() {
  xdotool windowfocus --sync "$window"
  xdotool key --delay 150 "$@"
}

type_text() {
  xdotool windowfocus --sync "$window"
  xdotool type --delay 80 "$1"
}

# Saves the current window as an 8-bit palette PNG.
capture() {
  import -window "$window" png:- | convert - +dither -colors 256 "PNG8:$1"
}
