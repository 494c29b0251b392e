# shellcheck shell=bash
# Driving the program from outside, as a person would, on a private X server with a window
# manager: windows found by their titles, controls clicked where their screen's layout puts them,
# text typed into fields, results read from screenshots and from the exit status.
# Sourced by run.sh, which sets E2E_DIR (this folder), ELICA (the program) and WORK (a folder for
# the screenshots and logs).

E2E_PASSED=0
E2E_FAILED=0
# The interpreter itself, found once: a wrapper on the PATH may take longer to start than a
# question about a screenshot takes to answer.
PYTHON=$(python3 -c 'import sys; print(sys.executable)')
XVFB_PID=""
WM_PID=""
APP_PID=""
SHOTS="$WORK/shots"

# --- Reporting -------------------------------------------------------------------------------

# check NAME STATUS DETAIL [SCREENSHOT]: one line per check; a failure names what it read.
check() {
    local name=$1 status=$2 detail=$3 shot=${4:-}
    if [ "$status" -eq 0 ]; then
        E2E_PASSED=$((E2E_PASSED + 1))
        echo "ok   $name${detail:+ ($detail)}"
    else
        E2E_FAILED=$((E2E_FAILED + 1))
        echo "FAIL $name${detail:+ ($detail)}${shot:+ [screenshot: $shot]}"
    fi
    return "$status"
}

# expect NAME ACTUAL WANTED [SCREENSHOT]
expect() {
    [ "$2" = "$3" ]
    check "$1" $? "got '$2', want '$3'" "${4:-}"
}

summary() {
    echo "$E2E_PASSED passed, $E2E_FAILED failed"
    [ "$E2E_FAILED" -eq 0 ]
}

# --- Processes ---------------------------------------------------------------------------------

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_for SECONDS COMMAND...: runs COMMAND until it succeeds; fails after SECONDS.
wait_for() {
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

ended() { ! kill -0 "$1" 2>/dev/null; }

stop_pid() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null
    wait_for 5 ended "$1" || kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 0
}

stop_everything() {
    stop_pid "$APP_PID"
    stop_pid "$WM_PID"
    stop_pid "$XVFB_PID"
    APP_PID="" WM_PID="" XVFB_PID=""
}

# An X server of our own (Xvfb picks a free display and tells which) and openbox on it;
# start_display SIZE gives it another screen size than 1280x1024.
start_display() {
    local fd_file="$WORK/display"
    : >"$fd_file"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -dpi 96 -nolisten tcp 3>"$fd_file" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for 10 test -s "$fd_file" || { echo "Xvfb did not start (see $WORK/xvfb.log)" >&2; return 1; }
    DISPLAY=":$(head -n 1 "$fd_file")"
    export DISPLAY
    # openbox with its stock settings, whatever the user's own configuration says.
    mkdir -p "$WORK/config"
    XDG_CONFIG_HOME="$WORK/config" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    wait_for 10 wm_ready ||
        { echo "openbox did not start (see $WORK/openbox.log)" >&2; return 1; }
}

wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# start_app LOGNAME: the program in Italian; waits for its first screen.
start_app() {
    env -u QT_QPA_PLATFORM LANG=it_IT.UTF-8 LC_ALL= LC_NUMERIC= "$ELICA" >"$WORK/$1.log" 2>&1 &
    APP_PID=$!
    FORM1=$(window Form1) || { echo "Form1 did not appear" >&2; return 1; }
}

running() { kill -0 "$APP_PID" 2>/dev/null; }

# wait_exit SECONDS: sets EXIT_STATUS to the program's exit status, or to "running" if it did
# not end in time (then it is stopped).
wait_exit() {
    if wait_for "$1" ended "$APP_PID"; then
        wait "$APP_PID"
        EXIT_STATUS=$?
    else
        EXIT_STATUS=running
        stop_pid "$APP_PID"
    fi
    APP_PID=""
}

# --- Windows -----------------------------------------------------------------------------------

# The id of the visible window titled exactly TITLE, if there is one now.
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

shown() { [ -n "$(visible_window "$1")" ]; }
not_shown() { ! shown "$1"; }

# window TITLE [SECONDS]: waits for the window and prints its id.
window() {
    wait_for "${2:-5}" shown "$1" || return 1
    visible_window "$1"
}

# gone TITLE [SECONDS]: waits until no visible window has the title.
gone() { wait_for "${2:-5}" not_shown "$1"; }

active_title() { xdotool getactivewindow getwindowname 2>/dev/null; }
is_active() { [ "$(active_title)" = "$1" ]; }

# activate ID: brings a screen to the front and gives it the focus, as a click on its entry in
# a task bar would.
activate() { timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1; }

# Client area of a window: its top-left corner on the screen, and its size.
client_area() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print x, y, w, h}'
}

# Twips to pixels at 96 dots per inch, rounded as the program places its controls, then to
# device pixels: E2E_SCALE_PERCENT is 200 at QT_SCALE_FACTOR=2, 150 at a logical DPI of 144.
px() { echo $((($1 + 7) / 15 * ${E2E_SCALE_PERCENT:-100} / 100)); }

# click_at ID X Y: a left click at a pixel of the window's client area.
click_at() {
    local ox oy
    read -r ox oy _ < <(client_area "$1")
    # The pointer comes from one pixel aside, so that it moves even when it is there already.
    xdotool mousemove $((ox + $2 + 1)) $((oy + $3)) sleep 0.02 mousemove $((ox + $2)) $((oy + $3)) \
        sleep 0.05 click 1
}

# control_centre [FRAME_LEFT FRAME_TOP] LEFT TOP WIDTH HEIGHT (twips): the control's centre in
# pixels of the client area; a control inside a frame is placed relative to the frame.
control_centre() {
    local fx=0 fy=0
    if [ $# -eq 6 ]; then fx=$(px "$1") fy=$(px "$2"); shift 2; fi
    echo $((fx + $(px "$1") + $(px "$3") / 2)) $((fy + $(px "$2") + $(px "$4") / 2))
}

# control_rect [FRAME_LEFT FRAME_TOP] LEFT TOP WIDTH HEIGHT: x y width height in pixels.
control_rect() {
    local fx=0 fy=0
    if [ $# -eq 6 ]; then fx=$(px "$1") fy=$(px "$2"); shift 2; fi
    echo $((fx + $(px "$1"))) $((fy + $(px "$2"))) "$(px "$3")" "$(px "$4")"
}

# click ID LAYOUT...: clicks the middle of a control given by its layout (see control_centre).
click() {
    local id=$1 x y
    shift
    read -r x y < <(control_centre "$@")
    click_at "$id" "$x" "$y"
}

# type_into ID TEXT LAYOUT...: replaces a field's text as a person would.
type_into() {
    local id=$1 text=$2
    shift 2
    click "$id" "$@"
    xdotool key ctrl+a
    if [ -n "$text" ]; then
        xdotool type --delay 8 -- "$text"
    else
        xdotool key BackSpace
    fi
}

# copied_text ID LAYOUT...: a field's text, selected and copied as a person would.
copied_text() {
    local id=$1
    shift
    click "$id" "$@"
    xdotool key ctrl+a ctrl+c
    sleep 0.1
    timeout 5 "$PYTHON" "$E2E_DIR/clipboard.py"
}

# The program's message box: a window titled "Elica" (no screen of the program is).
message_box() { window Elica; }

# close_message_box: Return, as on the keyboard, and wait for the box to go.
close_message_box() {
    xdotool key Return
    gone Elica
}

# --- Screenshots -------------------------------------------------------------------------------

# shot ID NAME: a screenshot of the window's client area; prints its path.
shot() {
    local file="$SHOTS/$2.png"
    # Light compression: the screenshots are many, and read at once.
    timeout 10 import -window "$1" -quality 10 "$file" 2>/dev/null || rm -f "$file"
    echo "$file"
}

# ask SHOT QUESTION...: see picture.py. Sets ANSWER to what it found; status 0 if as asked.
ask() {
    local file=$1
    shift
    if [ ! -s "$file" ]; then
        ANSWER="no screenshot"
        return 1
    fi
    ANSWER=$(timeout 30 "$PYTHON" "$E2E_DIR/picture.py" "$file" "$@" 2>&1)
}

# look_for ID NAME SECONDS QUESTION...: screenshots the window until the question is answered as
# asked or the time is up (a drawing runs to its end before the window is repainted). Sets SHOT
# to the last screenshot, SHOT_MS to when it was taken and ANSWER to what it showed.
look_for() {
    local id=$1 name=$2 seconds=$3
    shift 3
    local deadline=$(($(now_ms) + seconds * 1000))
    while :; do
        SHOT_MS=$(now_ms)
        SHOT=$(shot "$id" "$name")
        ask "$SHOT" "$@" && return 0
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
