#!/usr/bin/env bash
# A whole session as a player has it, in a real X server: install the program, start it with no
# settings file, accept the welcome dialog, play a deal with the space bar until the score sheet
# shows, close the sheet, quit with 終了(&X), and check the settings file the program wrote in
# the user's folder.
# Usage: play_installed.sh BUILD_DIR [SCREENSHOT_DIR]
#        play_installed.sh --program INSTALLED_PROGRAM [SCREENSHOT_DIR]
# The second form plays the program already installed there (the package's /usr/bin/vorpo).
set -euo pipefail
if [ "$1" = "--program" ]; then
  program=$2
  shift 2
else
  build=$1
  shift
fi
shots=${1:-}
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
shot() { [ -z "$shots" ] || import -display "$display" -window root "$shots/$1.png"; }

if [ -z "${program:-}" ]; then
  cmake --install "$build" --prefix "$work/prefix" >/dev/null
  program=$work/prefix/bin/vorpo
fi
# The server picks a free display and writes its number once it accepts connections; without
# -noreset it would reset when the last client leaves and could refuse the program.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=:$(head -1 "$work/display")
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"
beside_before=$([ -e "${program%/*}/vorpo.ini" ] && echo yes || echo no)

"$program" >"$work/vorpo.log" 2>&1 &
app=$!

wait_window() {  # name, seconds
  for _ in $(seq $(($2 * 10))); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# The window manager hints of a window: "functions decorations" as numbers.
motif_hints() {
  xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= *[^,]*, *\([^,]*\), *\([^,]*\),.*/\1 \2/p'
}

# Whether a window's hints settle within 5 s on what the test (an arithmetic expression of
# functions and decorations) asks. The toolkit may describe a freshly shown window once more and
# the program then puts its own hints back: what counts is the value they settle on, as a window
# manager would see it.
hints_settle() {  # window, test
  for _ in $(seq 50); do
    read -r functions decorations <<<"$(motif_hints "$1")"
    (( $2 )) && return 0
    sleep 0.1
  done
  return 1
}

wait_window "^Vorpo$" 20 || fail "the table window did not appear"
sleep 1
shot welcome
xdotool key Return
sleep 1
table=$(xdotool search --name "^Vorpo$" | head -1)
xdotool windowfocus "$table" 2>/dev/null || true
shot table
hints_settle "$table" '(functions & 0x02) == 0 && (decorations & 0x04) == 0' ||
  fail "the fixed-size table window offers resizing ($functions $decorations)"

# The space bar plays the human's whole turn; the computer seats move on the timer.
# Without a window manager nothing gives the focus back to the table once a dialog closes, so
# the table is given the focus before every press.
for _ in $(seq 900); do
  xdotool search --name "成績表" >/dev/null 2>&1 && break
  xdotool windowfocus "$table" 2>/dev/null || true
  xdotool key space
  sleep 0.2
done
wait_window "成績表" 5 || fail "no score sheet after a deal"
shot score_sheet
sheet=$(xdotool search --onlyvisible --name "成績表" | head -1)
hints_settle "$sheet" '(decorations & 0x10) == 0 && (functions & 0x20) == 0' ||
  fail "the score sheet offers a window menu or a close box ($functions $decorations)"
xdotool windowfocus "$sheet" 2>/dev/null || true
sleep 0.3
xdotool key Return
sleep 1
xdotool search --name "成績表" >/dev/null 2>&1 &&
  [ -n "$(xdotool search --onlyvisible --name "成績表" 2>/dev/null)" ] && fail "the score sheet stayed open"

xdotool windowfocus "$table" 2>/dev/null || true
xdotool key alt+g
sleep 0.5
xdotool key x
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end after 終了(&X)"
app=

# An installed program keeps its settings in the user's folder, never beside itself, even where it
# could write there (run by root).
ini=$XDG_CONFIG_HOME/vorpo/vorpo.ini
[ -f "$ini" ] || fail "no settings file at $ini"
[ "$beside_before" = yes ] || [ ! -e "${program%/*}/vorpo.ini" ] ||
  fail "the installed program wrote a settings file beside itself"
# A deal is no match: nothing is recorded yet.
[ ! -e "$XDG_DATA_HOME/vorpo/statistics.ini" ] || fail "a single deal was recorded as a match"
text=$(iconv -f CP932 -t UTF-8 "$ini")
for line in "[Game]" "Name0=プレイヤー" "Players=5" "Wait=500" "Sound=1" "SoundFile=" "ScoreTableFile="; do
  grep -qxF "$line" <<<"$(tr -d '\r' <<<"$text")" || fail "settings file lacks '$line'"
done
echo "PASS: installed program played a deal and wrote its settings"
