#!/usr/bin/env bash
# Runs the real program on a virtual display and drives it with keys and clicks, as a person would.
#   play.sh PROGRAM SCENARIO, run from a scratch folder holding only the program and its data:
#   missing-shapes   no "Shapes.dat": a message names it, Return closes it, the program fails
#   missing-picture  no "17.bmp": the same
#   screen-reader    read and played through the accessibility bus as a screen reader does
#                    (reader.py), then File > New and File > Exit by the keyboard, Yes ending it
#                    with status 0
#   wayland          on a headless Wayland compositor: drawn whole, File > New through the
#                    accessibility bus, and nothing on standard error
# Every wait polls for what it waits for, with a time limit; nothing sleeps for long on chance.
set -euo pipefail

program=${1:?the program} scenario=${2:?the scenario}
# The accessibility bus hangs off a session bus of the test's own, never the player's.
[[ $scenario = missing-* || ${E2E_OWN_BUS:-} ]] || E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
program_folder=$(cd "$(dirname "$program")" && pwd)
readonly CLIENT_W=329 CLIENT_H=530 SCREEN_W=800 SCREEN_H=600  # pixels
readonly LIMIT=60                                             # seconds; the machine may be busy
work=$(mktemp -d "${TMPDIR:-/tmp}/fitzel-e2e.XXXXXX")
xvfb_pid="" weston_pid="" game_pid="" started=$SECONDS

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/stderr" ]; then
        echo "--- the program's standard error:" >&2
        cat "$work/stderr" >&2
    fi
    exit 1
}
trap 'kill $game_pid $xvfb_pid $weston_pid 2>/dev/null; wait; rm -rf "$work"' EXIT
type -P Xvfb xdotool od convert >/dev/null || fail "scripts/install-deps installs the tools"
# Polls a command every tenth of a second until it succeeds; false after `limit` seconds.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

export QT_ENABLE_HIGHDPI_SCALING=0 HOME="$work" XDG_CONFIG_HOME="$work/options"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS WAYLAND_DISPLAY DISPLAY
if [ -n "${E2E_OWN_BUS:-}" ]; then
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
else
    export QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1
fi

# The virtual display: Xvfb picks a free display number itself and tells it.
start_x() {
    Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    poll $LIMIT test -s "$work/display" || fail "Xvfb gave no display: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
}

# Starts the program in a folder holding it and the data files, less the one named.
start_game() {
    folder=$work/game
    mkdir -p "$folder"
    cp "$program" "$program_folder"/*.dat "$program_folder"/*.bmp "$program_folder"/*.cfg "$folder/"
    [ -z "${1:-}" ] || rm "$folder/$1"
    (cd "$folder" && exec ./"$(basename "$program")" >"$work/stdout" 2>"$work/stderr") &
    game_pid=$!
}
game_running() { kill -0 "$game_pid" 2>/dev/null; }
# The id of a visible window with exactly this title, after up to $2 seconds, or nothing.
find_window() {
    local pattern id=""
    pattern="^$(printf '%s' "$1" | sed 's/[][\\.^$*+?(){}|]/\\&/g')\$"
    found() { id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) || ! game_running; }
    poll "$2" found || true
    echo "$id"
}
# Gives the keyboard to a window (there is no window manager to do it) and presses a key.
press() { timeout 10 xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers "$2"; }
# File > KEY through the menu's keys until CHECK holds: Alt+F, its popup (a second window), KEY.
menu_command() {
    local attempt
    menu_open() { [ "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)" -ge 2 ]; }
    for attempt in 1 2 3; do
        xdotool mousemove --window "$window" 160 60
        press "$window" alt+f
        poll 5 menu_open || true
        xdotool key "$1"
        if poll 5 "$2"; then
            return 0
        fi
        xdotool key Escape
    done
    return 1
}
# Waits for the program to end, its status in exit_status.
wait_for_exit() {
    poll $LIMIT eval '! game_running' || fail "the program still ran ${LIMIT}s later"
    exit_status=0
    wait "$game_pid" || exit_status=$?
    game_pid=""
}

# Screen pixels as RRGGBB at points of the client area, from a screenshot of raw RGB bytes.
rgb_at() { od -An -tx1 -v -j $((($4 * $2 + $3) * 3)) -N 3 "$1" | tr -d ' \n'; }
screen_at() { rgb_at "$work/screen.rgb" "$SCREEN_W" $((client_x + $1)) $((client_y + $2)); }
picture_at() {
    convert "$folder/$1" -depth 8 "rgb:$work/picture.rgb"
    rgb_at "$work/picture.rgb" "$(convert "$folder/$1" -format '%w' info:)" "$2" "$3"
}
# Board cells 1 to 25 (39 x 38 from (8, 256)), each as 1 filled, 0 empty or ? otherwise. (The
# preview's cells are read through the accessibility bus, on X.)
read_cells() {
    local n x y
    for n in $(seq 1 25); do
        x=$((27 + 39 * ((n - 1) % 5))) y=$((275 + 38 * ((n - 1) / 5)))
        case "$(screen_at $x $y)" in
            "$grid_filled") printf 1 ;;
            "$grid_empty") printf 0 ;;
            *) printf '?' ;;
        esac
    done
}

# The window as drawn: its background and the red frames around the board and the preview.
check_drawn() {
    drawn() { screenshot && [ "$(screen_at 2 2)" = ffe0c0 ]; }
    poll $LIMIT drawn || fail "no window drawn whole on its background ffe0c0 ($(screen_at 2 2))"
    [ "$(screen_at 7 300)$(screen_at 313 300)" = ff0000ff0000 ] || fail "a frame is not red"
    grid_empty=$(picture_at GridEmpty.bmp 19 19) grid_filled=$(picture_at GridFilled.bmp 19 19)
    # Before the first game the board shows the window's own cells, not the picture files.
    [ "$(screen_at 27 275)" != "$grid_empty" ] || fail "the board shows GridEmpty.bmp too early"
}
new_board() { screenshot && [ "$(read_cells)" = 0000000000000000000000000 ]; }

# File > New by the keyboard empties the board a game left filled; then File > Exit during a game
# asks first, Return answers Yes, and the program ends with status 0.
new_and_exit_by_keyboard() {
    window=$(find_window "Fitzel!" $LIMIT)
    emptied() { /usr/bin/python3 -W ignore "$(dirname "$0")/reader.py" empty; }
    menu_command n emptied || fail "File > New by the keyboard did not empty the board"
    asked() { question=$(find_window "Fitzel! - Exit?" 0) && game_running && [ -n "$question" ]; }
    menu_command x asked || fail "File > Exit asked nothing during a game"
    press "$question" Return
    wait_for_exit
    [ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status after File > Exit"
}

fatal_run() {
    start_x
    start_game "$1"
    local box=$(find_window "Fitzel! - Error" $LIMIT)
    [ -n "$box" ] || fail "no error message"
    [ -z "$(find_window 'Fitzel!' 0)" ] || fail "the main window is shown although the data is broken"
    grep -q "$folder/$1" "$work/stderr" || fail "standard error does not name $1"
    press "$box" Return
    wait_for_exit
    [ "$exit_status" -ne 0 ] || fail "the program ended with status 0 on a missing $1"
}

# Reads the window through the accessibility bus as a screen reader does (reader.py; -W ignore:
# the bindings call the name of an action, which their next version renames, deprecated).
reader() { /usr/bin/python3 -W ignore "$(dirname "$0")/reader.py" "$1" || fail "as read through the bus"; }
# On Wayland: the window is found in the compositor's screenshots, whole, by its background.
on_wayland() {
    local plugin=$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so
    if [ ! -e "$plugin" ] || ! type -P weston weston-screenshooter >/dev/null; then
        echo "SKIP: no weston or no $plugin"
        exit 77
    fi
    weston --backend=headless-backend.so --use-pixman --debug --socket=fitzel --width=$SCREEN_W \
        --height=$((SCREEN_H + 100)) >"$work/weston.log" 2>&1 &
    weston_pid=$!
    export WAYLAND_DISPLAY=fitzel QT_QPA_PLATFORM=wayland
    poll $LIMIT test -S "$XDG_RUNTIME_DIR/fitzel" || fail "no compositor: $(cat "$work/weston.log")"
    start_game
    mkdir "$work/shot"
    screenshot() {
        rm -f "$work"/shot/*
        (cd "$work/shot" && weston-screenshooter) || return 1
        set -- "$work"/shot/*.png
        convert "$1" -depth 8 "rgb:$work/screen.rgb" || return 1
        IFS=x+ read -r client_w client_h client_x client_y \
            < <(convert "$1" -fill black +opaque "#ffe0c0" -format %@ info: 2>/dev/null)
        [ "$client_w$client_h" = $CLIENT_W$CLIENT_H ]
    }
    check_drawn
    reader new
    poll 10 new_board || fail "File > New did not start a game ($(read_cells))"
}

case "$scenario" in
    missing-shapes) fatal_run Shapes.dat ;;
    missing-picture) fatal_run 17.bmp ;;
    # The bus starts the reader's side, which sends the keys, when first asked: on this display.
    screen-reader)
        start_x
        dbus-update-activation-environment DISPLAY
        start_game
        reader play
        new_and_exit_by_keyboard
        ;;
    wayland) on_wayland ;;
    *) fail "no scenario \"$scenario\"" ;;
esac
[[ $scenario = missing-* || ! -s $work/stderr ]] || fail "the program wrote on standard error"
echo "PASS: $scenario in $((SECONDS - started))s"
