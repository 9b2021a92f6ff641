#!/usr/bin/env bash
# Takes the software-centre screenshot desktop/screenshots/main.png: the calendar built in
# build/ on a virtual screen, fresh settings, today's day, the window filling a 960x640 screen.
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--inside" ]; then
    exec xvfb-run -a -s "-screen 0 960x640x24" "$0" --inside
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" LANG=C.UTF-8 build/bin/velorith &
program=$!
sleep 5
window=$(xdotool search --sync --onlyvisible --pid "$program" | head -1)
xdotool windowmove "$window" 0 0 windowsize "$window" 960 640
sleep 2
import -window root desktop/screenshots/main.png
kill "$program"
