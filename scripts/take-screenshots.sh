#!/usr/bin/env bash
# Takes the README's screenshots of the real player under a virtual X server:
# the browser at its first opening (the music folder), the demo song playing
# with its lyrics lit, and the playlist view. Needs a build (build/), xvfb-run,
# xdotool and ImageMagick's import. Writes docs/screenshots/*.png.
#   scripts/take-screenshots.sh            # runs itself under xvfb-run
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x900x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "$player" 2>/dev/null || true; rm -rf "$work"' EXIT

# A program folder of its own, so no state file of the build is touched, and a
# home whose music folder holds the demo song.
mkdir -p "$work/program" "$work/home/.config" "$work/home/Music/Albums" "$work/home/Music/Podcasts"
cp build/solvane build/wvrc.sv "$work/program/"
cp build/demo/"Paper Lanterns".* "$work/home/Music/"
echo 'XDG_MUSIC_DIR="$HOME/Music"' > "$work/home/.config/user-dirs.dirs"
mkdir -p "$root/docs/screenshots"

HOME="$work/home" XDG_CONFIG_HOME= SOLVANE_SCREEN=480x800 SOLVANE_AUDIO_SINK=fakesink \
  SOLVANE_INSTANCE_NAME="solvane-screenshots-$$" "$work/program/solvane" \
  "$work/home/Music/Paper Lanterns.mid" &
player=$!

window=""
for _ in $(seq 50); do
  window=$(xdotool search --pid "$player" --onlyvisible 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the player's window did not show" >&2; exit 1; }
sleep 1

tap() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-1}"; }
shoot() { import -window "$1" "$root/docs/screenshots/$2.png"; }
top_window() { xdotool search --pid "$player" --onlyvisible 2>/dev/null | tail -n 1; }

# The demo plays from the start, as on a first run; its third line is lit by 8 s.
sleep 7
shoot "$window" lyrics
# The playlist toggle (base 220, 225).
tap "$window" 440 610 2
shoot "$window" playlist
tap "$window" 440 610 1
# The face's open button (base 17, 248 on the 480 x 800 face) opens the browser.
tap "$window" 34 656 2
shoot "$(top_window)" browser
