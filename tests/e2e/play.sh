#!/usr/bin/env bash
# Runs the real program on a virtual display and drives it with keys and clicks, as a person would.
#
#   play.sh PROGRAM SCENARIO
#
# PROGRAM is the built program; its folder holds the data files. Only the program and the data
# files are copied into a scratch folder, and the program runs from there. Scenarios:
#   game             File > New by the keyboard, a piece placed by a click, File > Exit with Yes
#   missing-shapes   no "Shapes.dat": a message names it, Return closes it, the program fails
#   missing-picture  no "17.bmp": the same
#
# Every wait polls for what it waits for, with a time limit; nothing sleeps for long on chance.
set -euo pipefail

program=${1:?the program}
scenario=${2:?the scenario}
program_folder=$(cd "$(dirname "$program")" && pwd)

# The window's client area, in pixels; the menu bar lies above it.
readonly CLIENT_W=329 CLIENT_H=530
readonly SCREEN_W=800 SCREEN_H=600
# Generous limits: the machine may be busy with other work.
readonly START_LIMIT=60 STEP_LIMIT=20

work=$(mktemp -d "${TMPDIR:-/tmp}/fitzel-e2e.XXXXXX")
xvfb_pid=""
game_pid=""
started=$SECONDS

log() { echo "[$((SECONDS - started))s] $*"; }
fail() {
    echo "FAIL: $*" >&2
    if [ -n "$game_pid" ] && [ -f "$work/stderr" ]; then
        echo "--- the program's standard error:" >&2
        cat "$work/stderr" >&2
    fi
    exit 1
}

cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb xdotool import od; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
done
convert=/usr/bin/convert
[ -x "$convert" ] || convert=$(command -v convert) || fail "ImageMagick's convert is missing"

# --- The virtual display: Xvfb picks a free display number itself and tells it. ---

Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -dpi 96 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
deadline=$((SECONDS + START_LIMIT))
until [ -s "$work/display" ]; do
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    [ $SECONDS -lt $deadline ] || fail "Xvfb gave no display within ${START_LIMIT}s"
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"
log "virtual display $DISPLAY"

export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 QT_ENABLE_HIGHDPI_SCALING=0
unset QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# --- Helpers ---

# A folder holding the program and the data files only.
make_game_folder() {
    local folder=$1
    mkdir -p "$folder"
    cp "$program" "$folder/"
    cp "$program_folder"/*.dat "$program_folder"/*.bmp "$program_folder"/*.cfg "$folder/"
}

start_game() {
    local folder=$1
    (cd "$folder" && exec ./"$(basename "$program")" >"$work/stdout" 2>"$work/stderr") &
    game_pid=$!
}

game_running() { kill -0 "$game_pid" 2>/dev/null; }

# Looks for a visible window with exactly this title for up to `limit` seconds; prints its id,
# or nothing when none came.
find_window() {
    local title=$1 limit=$2 id deadline=$((SECONDS + $2)) pattern
    pattern="^$(printf '%s' "$title" | sed 's/[][\\.^$*+?(){}|]/\\&/g')\$"
    while :; do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        game_running || return 0
        [ $SECONDS -lt $deadline ] || return 0
        sleep 0.1
    done
}

# Waits until a visible window with exactly this title exists; prints its id.
wait_for_window() {
    local title=$1 limit=${2:-$STEP_LIMIT} id
    id=$(find_window "$title" "$limit")
    [ -n "$id" ] && { echo "$id"; return 0; }
    game_running || fail "the program ended while waiting for the window \"$title\""
    fail "no window \"$title\" within ${limit}s"
}

# Opens the File menu with Alt+F and waits until its popup shows (a second window).
open_file_menu() {
    local window=$1 deadline=$((SECONDS + 5))
    xdotool mousemove --window "$window" 160 60
    focus_window "$window"
    xdotool key --clearmodifiers alt+f
    while [ "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)" -lt 2 ]; do
        [ $SECONDS -lt $deadline ] || return 0
        sleep 0.05
    done
}

# Gives the keyboard to a window (there is no window manager to do it).
focus_window() {
    timeout 10 xdotool windowfocus --sync "$1" || fail "window $1 did not take the keyboard"
}

# Waits for the program to end and sets exit_status (run in this shell, not in a $(...)).
wait_for_exit() {
    local limit=$1 deadline=$((SECONDS + $1))
    while game_running; do
        [ $SECONDS -lt $deadline ] || fail "the program was still running ${limit}s later"
        sleep 0.1
    done
    exit_status=0
    wait "$game_pid" || exit_status=$?
    game_pid=""
}

# After the end: no window of the game is left on the display.
no_window_left() {
    [ -z "$(xdotool search --onlyvisible --name 'Fitzel' 2>/dev/null || true)" ] ||
        fail "a window of the game is left on the display"
}

# The whole screen as raw RGB bytes, three to a pixel, row by row.
screenshot() {
    import -display "$DISPLAY" -window root -depth 8 "rgb:$work/screen.rgb" 2>/dev/null ||
        fail "no screenshot could be taken"
}

# A pixel of a raw RGB file as RRGGBB: file, its width, x, y.
rgb_at() {
    local file=$1 width=$2 x=$3 y=$4
    od -An -tx1 -v -j $(((y * width + x) * 3)) -N 3 "$file" | tr -d ' \n'
}

# A pixel of the last screenshot, at a point of the window's client area.
screen_at() { rgb_at "$work/screen.rgb" "$SCREEN_W" $((client_x + $1)) $((client_y + $2)); }

# A pixel of a picture file, through a raw copy of it.
picture_at() {
    local file=$1 x=$2 y=$3 raw="$work/$(basename "$1").rgb" width
    [ -f "$raw" ] || "$convert" "$file" -depth 8 "rgb:$raw"
    width=$("$convert" "$file" -format '%w' info:)
    rgb_at "$raw" "$width" "$x" "$y"
}

# --- The scenarios ---

play_game() {
    local folder="$work/game"
    make_game_folder "$folder"
    start_game "$folder"
    local window
    window=$(wait_for_window "Fitzel!" "$START_LIMIT")
    log "main window $window"

    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -eq $CLIENT_W ] || fail "the window is $WIDTH pixels wide, not $CLIENT_W"
    client_x=$X
    client_y=$((Y + HEIGHT - CLIENT_H))
    log "client area at ($client_x, $client_y), menu bar $((HEIGHT - CLIENT_H)) pixels high"

    # The window as drawn: its background and the red frame around the board.
    local deadline=$((SECONDS + STEP_LIMIT))
    until screenshot && [ "$(screen_at 2 2)" = "ffe0c0" ]; do
        [ $SECONDS -lt $deadline ] || fail "background is $(screen_at 2 2), not ffe0c0"
        sleep 0.1
    done
    [ "$(screen_at 7 300)" = "ff0000" ] || fail "board frame pixel is $(screen_at 7 300), not red"
    [ "$(screen_at 313 300)" = "ff0000" ] || fail "preview frame pixel is $(screen_at 313 300)"

    # Reference pixels of the cell pictures, where their empty and filled looks differ.
    local grid_empty grid_filled eg_empty eg_filled
    grid_empty=$(picture_at "$folder/GridEmpty.bmp" 19 19)
    grid_filled=$(picture_at "$folder/GridFilled.bmp" 19 19)
    eg_empty=$(picture_at "$folder/EGEmpty.bmp" 15 14)
    eg_filled=$(picture_at "$folder/EGFilled.bmp" 15 14)
    [ "$grid_empty" != "$grid_filled" ] || fail "the board cell pictures look the same at (19, 19)"
    [ "$eg_empty" != "$eg_filled" ] || fail "the preview cell pictures look the same at (15, 14)"
    # Before the first game the board shows the window's own cells, not the picture files.
    [ "$(screen_at 27 275)" != "$grid_empty" ] || fail "the board shows GridEmpty.bmp too early"

    # Board cell n's picture starts at (8 + 39 (column - 1), 256 + 38 (row - 1)).
    cell_pixel() {
        local n=$1
        screen_at $((8 + 39 * ((n - 1) % 5) + 19)) $((256 + 38 * ((n - 1) / 5) + 19))
    }
    # Preview cell n: 30 x 30 from (223, 256); the key square's picture sits inside its border.
    preview_pixel() {
        local n=$1
        if [ "$n" -eq 5 ]; then
            screen_at $((253 + 15)) $((287 + 14))
        else
            screen_at $((223 + 30 * ((n - 1) % 3) + 15)) $((256 + 30 * ((n - 1) / 3) + 14))
        fi
    }
    # The preview as nine 0/1 characters, from the last screenshot.
    read_preview() {
        local n p shape=""
        for n in 1 2 3 4 5 6 7 8 9; do
            p=$(preview_pixel "$n")
            if [ "$p" = "$eg_filled" ]; then
                shape+=1
            elif [ "$p" = "$eg_empty" ]; then
                shape+=0
            else
                shape+=?
            fi
        done
        echo "$shape"
    }
    board_is_empty() {
        local n
        for n in $(seq 1 25); do
            [ "$(cell_pixel "$n")" = "$grid_empty" ] || return 1
        done
    }

    # File > New through the menu's keys, as often as it takes the menu to open.
    new_game() {
        local attempt deadline
        for attempt in 1 2 3; do
            open_file_menu "$window"
            xdotool key n
            deadline=$((SECONDS + 5))
            while :; do
                screenshot
                if board_is_empty && [[ "$(read_preview)" != *\?* ]]; then
                    return 0
                fi
                [ $SECONDS -lt $deadline ] || break
                sleep 0.1
            done
            log "File > New showed no new board yet; again"
            xdotool key Escape
        done
        fail "File > New by Alt+F, N did not start a game (cell 1 shows $(cell_pixel 1))"
    }

    # Positions j of a 3x3 shape and their board offsets from the key square.
    local offsets=(0 -6 -5 -4 -1 0 1 4 5 6)
    local attempt placed=0
    for attempt in 1 2 3; do
        new_game
        log "File > New: the board shows GridEmpty.bmp"
        local shape skips=0
        shape=$(read_preview)
        # A piece that makes a block by itself would vanish again: pass it over with Skip.
        while [[ "${shape:0:2}${shape:3:2}" = 1111 || "${shape:1:2}${shape:4:2}" = 1111 ||
                 "${shape:3:2}${shape:6:2}" = 1111 || "${shape:4:2}${shape:7:2}" = 1111 ]]; do
            skips=$((skips + 1))
            [ $skips -le 20 ] || fail "every piece dealt makes a block by itself"
            log "piece $shape makes a block; Skip"
            xdotool mousemove --window "$window" $((64 + 39)) $((HEIGHT - CLIENT_H + 472 + 19)) click 1
            local before=$shape deadline=$((SECONDS + 5))
            while :; do
                screenshot
                shape=$(read_preview)
                [[ "$shape" = "$before" || "$shape" = *\?* ]] || break
                [ $SECONDS -lt $deadline ] || break
                sleep 0.1
            done
        done
        log "current piece looks $shape; click board cell 13"

        # Cell 13, the middle: on an empty board every piece fits there.
        local n j expect=()
        for n in $(seq 1 25); do expect[n]=0; done
        for j in 1 2 3 4 5 6 7 8 9; do
            [ "${shape:j-1:1}" = 1 ] && expect[13 + offsets[j]]=1
        done
        xdotool mousemove --window "$window" $((8 + 39 * 2 + 19)) $((HEIGHT - CLIENT_H + 256 + 38 * 2 + 19)) click 1

        local deadline=$((SECONDS + 5)) seen
        while :; do
            screenshot
            seen=""
            for n in $(seq 1 25); do
                case "$(cell_pixel "$n")" in
                    "$grid_filled") seen+=1 ;;
                    "$grid_empty") seen+=0 ;;
                    *) seen+=? ;;
                esac
            done
            local want=""
            for n in $(seq 1 25); do want+=${expect[n]}; done
            if [ "$seen" = "$want" ]; then
                placed=1
                break
            fi
            [ $SECONDS -lt $deadline ] || break
            sleep 0.1
        done
        [ $placed -eq 1 ] && break
        # Only a turn that ran out between the look and the click can get here.
        log "board shows $seen, expected $want; a new game"
    done
    [ $placed -eq 1 ] || fail "the clicked piece did not show on the board"
    log "the piece shows on the board with GridFilled.bmp"

    # File > Exit during a game asks first; Return answers Yes.
    local question="" attempt
    for attempt in 1 2 3; do
        open_file_menu "$window"
        xdotool key x
        question=$(find_window "Fitzel! - Exit?" 5)
        [ -n "$question" ] && break
        game_running || fail "File > Exit during a game ended the program without a question"
        log "File > Exit showed no question yet; again"
        xdotool key Escape
    done
    [ -n "$question" ] || fail "File > Exit asked nothing during a game"
    log "the exit question is open"
    focus_window "$question"
    xdotool key Return
    wait_for_exit "$STEP_LIMIT"
    [ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status after File > Exit"
    no_window_left
    log "File > Exit, Yes: the program ended with status 0"
}

fatal_run() {
    local missing=$1 folder="$work/broken"
    make_game_folder "$folder"
    rm "$folder/$missing"
    start_game "$folder"
    local box
    box=$(wait_for_window "Fitzel! - Error" "$START_LIMIT")
    log "error message $box"
    # No main window stands behind the message.
    ! xdotool search --onlyvisible --name '^Fitzel!$' >/dev/null 2>&1 ||
        fail "the main window is shown although the data is broken"
    grep -q "$folder/$missing" "$work/stderr" || fail "standard error does not name $missing"
    log "standard error: $(grep -m1 "$missing" "$work/stderr")"
    focus_window "$box"
    xdotool key Return
    wait_for_exit "$STEP_LIMIT"
    [ "$exit_status" -ne 0 ] || fail "the program ended with status 0 on a missing $missing"
    no_window_left
    log "closed by Return: the program ended with status $exit_status"
}

case "$scenario" in
    game) play_game ;;
    missing-shapes) fatal_run Shapes.dat ;;
    missing-picture) fatal_run 17.bmp ;;
    *) fail "no scenario \"$scenario\"" ;;
esac
echo "PASS: $scenario in $((SECONDS - started))s"
